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
// (see Folder()). A write that cannot reach the file throws vb::VbError 75;
// saving with an empty section or key throws vb::ErrInvalidCall.
namespace settings {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& def = {});
void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
// Without a key the whole section goes, with the sections nested in it.
// Deleting what does not exist does nothing.
void DeleteSetting(const QString& app, const QString& section, const QString& key = {});

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
