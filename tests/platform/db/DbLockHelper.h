#pragma once

#include <QProcess>
#include <QString>

// Another workstation holding a database file's lock: the db_lock_helper
// program, driven one command at a time. Every call waits for its answer.
class DbLockHelper {
public:
    DbLockHelper();
    ~DbLockHelper();
    DbLockHelper(const DbLockHelper&) = delete;
    DbLockHelper& operator=(const DbLockHelper&) = delete;

    // Others may read and write the file, but not commit a change; true when
    // the lock is held.
    bool holdRead(const QString& file);
    // Others may read the file, not write it.
    bool holdWrite(const QString& file);
    // Others may neither read nor write it.
    bool holdExclusive(const QString& file);
    bool release();

private:
    QString send(const QString& command);

    QProcess m_process;
};
