#pragma once

#include <QString>

namespace os {

// Lets one instance of the program run per user. The guard holds an
// exclusive flock() on "<name>-<uid>.lock" in the lock folder for as long
// as it lives; the kernel drops the lock when the process ends, so a crash
// of the first instance never blocks the next start. The descriptor is
// close-on-exec so that programs started from ours do not inherit the lock.
class SingleInstanceGuard {
public:
    // `lockFolder` empty: the user's runtime folder (XDG_RUNTIME_DIR), or
    // the temporary folder when there is none.
    explicit SingleInstanceGuard(QString name, QString lockFolder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    enum class Result {
        Acquired,      // this is the only instance (also when already held)
        HeldByAnother, // another instance of this user runs
        Unavailable,   // the lock file cannot be opened: nothing is known
    };
    Result acquire();
    // True only when another instance holds the lock. An unusable lock
    // folder must not keep the program from starting, so it counts as no.
    bool anotherInstanceRunning() { return acquire() == Result::HeldByAnother; }
    bool isHeld() const { return m_fd >= 0; }
    void release();

    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace os
