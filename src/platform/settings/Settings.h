#pragma once

#include <QString>

// Per-user settings store with the semantics of the old registry functions:
// text values addressed by application name, section path and key.
//  - A section path nests with "\" ("Administrador\3082\PRINCIPAL"); empty
//    components are ignored, so "a\\b" and "\a\b\" name the same section as
//    "a\b". Any other character may appear in a component or key.
//  - Section and key names are compared case-insensitively, like registry
//    keys; values keep their exact text.
//  - A missing key reads as the default passed by the caller.
// Storage: one INI file per application, "<app>.ini", in the settings folder
// (see Folder()). Every write replaces the whole file by a complete new one
// (written beside it, synced, renamed over it), so a crash leaves the file
// as the last finished write made it. Outside a Batch each change is such a
// write. A write that cannot reach the file throws vb::VbError 75, whose
// description names the file, the cause and what the user can do; saving
// with an empty section or key throws vb::ErrInvalidCall.
// The store is used from the GUI thread only.
namespace settings {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& def = {});
void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
// Without a key the whole section goes, with the sections nested in it.
// Deleting what does not exist does nothing.
void DeleteSetting(const QString& app, const QString& section, const QString& key = {});

// The changes made while a batch is open are held in memory (reads see
// them) and written when the outermost batch ends: one write per changed
// file instead of one per key. Batches nest; an inner one changes nothing.
// A crash before the end loses only what the open batch holds.
class Batch {
public:
    Batch();
    // Writes what is held (outermost batch only). When a file cannot be
    // written its changes stay held and go with the next write that works.
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // Writes what is held now, if this is the outermost batch; throws like
    // SaveSetting, the changes of a file that failed staying held, so the
    // caller may ask the user and try again.
    void Commit();
    // Forgets what is held (outermost batch only): reads give the files'
    // values again.
    void Discard();

private:
    bool m_outermost;
};

// The folder holding the INI files: the one set by SetFolder, else the
// environment variable DUZ_SETTINGS_DIR, else the user's configuration
// folder (QStandardPaths::GenericConfigLocation).
QString Folder();
// Redirects the store (tests, isolated runs); an empty path restores the
// default choice.
void SetFolder(const QString& folder);
// Full path of the INI file of an application.
QString FilePath(const QString& app);

} // namespace settings
