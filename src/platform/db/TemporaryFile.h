#pragma once

#include <QString>
#include <QtGlobal>

namespace db {

// A hidden working file beside a database or a copy (".Duzediv.mdb.tmp…"),
// named after the process that owns it: ".<name>.tmp<8 hex>.<pid>@<host>".
// The file is removed (with its journal) when the object goes, unless it was
// handed over with keep(). A program killed while copying or compacting
// leaves its file behind; RemoveStale clears such files once their owner is
// no longer running.
class TemporaryFile {
public:
    // Names a new file in the folder of `beside`; nothing is created.
    explicit TemporaryFile(const QString& beside);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const QString& path() const { return m_path; }
    // The file now has its final name (or belongs to someone else).
    void keep() { m_kept = true; }

    // "<pid>@<host>": who owns a temporary file.
    static QString OwnerTag(qint64 pid);

    // Removes from `folder` the temporary files of this program (and their
    // journals) whose owner process no longer runs on this computer. Files
    // of running processes and of other computers stay, as does everything
    // else. Files that older versions made without an owner go once nobody
    // has written to them for an hour.
    static void RemoveStale(const QString& folder);

private:
    QString m_path;
    bool m_kept = false;
};

} // namespace db
