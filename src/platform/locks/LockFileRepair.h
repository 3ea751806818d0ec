#pragma once

#include <QString>
#include <memory>

namespace PVAPI {

class LockDatabase;

// Opens a folder's lock database, rebuilding it when it is damaged (cut
// short, overwritten, another file under its name). It holds only what
// running programs record while they run, so a new empty one loses nothing
// once no program is using it. A damaged file that a live session may still
// use (its liveness file is held) is left alone and refused with a message
// that says what to do.
class LockFileRepair {
public:
    // `sessionsFolder` holds the liveness files; `ownSession` is the caller's,
    // which does not count as another user of the file. Throws vb::VbError
    // (ErrLockDatabaseDamaged when the file is damaged and in use).
    static std::unique_ptr<LockDatabase> Open(const QString& path, const QString& sessionsFolder,
                                              const QString& ownSession);

private:
    static bool otherSessionAlive(const QString& sessionsFolder, const QString& ownSession);
    static void rebuild(const QString& path);
};

} // namespace PVAPI
