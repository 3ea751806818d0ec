#pragma once

#include "platform/locks/LockRequest.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>

namespace PVAPI {

class LockDatabase;
class LockLivenessFile;

// This program's presence in one data folder. A session is opened the first
// time the program uses the folder's locks and lives until the program ends,
// so that other workstations see the program as a user of the folder for the
// whole run, not only while one lock object exists. Its row in the lock
// database is backed by a liveness file; locks of sessions whose liveness
// file nobody holds any more (a crashed or killed program) are purged before
// every take.
//
// Locks belong to owners: one owner per lock object, numbered within the
// session. Owners never conflict with their own locks.
class LockSession {
public:
    // The session of this program for the folder, opened on first use.
    // Throws vb::VbError when the folder is missing or may not be written
    // (ErrLockFolderReadOnly, a text that names the folder).
    static std::shared_ptr<LockSession> ForFolder(const QString& folder);
    // Closes every session (their locks go with them) once no lock object
    // still uses it. Meant for the end of a run and for tests.
    static void CloseAll();

    ~LockSession();
    LockSession(const LockSession&) = delete;
    LockSession& operator=(const LockSession&) = delete;

    qint64 newOwner() { return ++m_lastOwner; }

    // Takes every request for the owner, or none. With testOnly nothing is
    // written: the answer is whether the take would be granted now.
    // Throws vb::VbError (ErrLockDatabaseBusy when the file stays locked).
    bool take(qint64 owner, const QList<LockRequest>& requests, bool testOnly);
    // Drops the owner's record, table and entry locks.
    void release(qint64 owner);
    void setEntryLock(qint64 owner);
    // Whether a live session other than this one holds an entry lock.
    bool entryLockHeldElsewhere();
    // How many live sessions besides this one use the folder.
    int otherLiveSessions();

    static const QString DatabaseFileName;
    static const QString SessionsFolderName;

private:
    explicit LockSession(const QString& folder);

    QString livenessPath(const QString& sessionId) const;
    // Fills temp.Viva with the live sessions (this one included) and returns
    // how many others live; with purge, deletes what dead sessions left.
    int refreshLiveSessions(bool purge);
    void purgeDeadSessions(const QStringList& dead);
    void loadRequests(const QList<LockRequest>& requests);
    bool conflicts(qint64 owner);

    // Keeps each operation's transaction whole should two threads share the
    // session; the program itself calls from its one interface thread.
    std::mutex m_mutex;
    QString m_folder;
    QString m_id;
    std::atomic<qint64> m_lastOwner = 0;
    std::unique_ptr<LockLivenessFile> m_liveness;
    std::unique_ptr<LockDatabase> m_db;
};

} // namespace PVAPI
