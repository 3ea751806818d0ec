#pragma once

#include <QString>

namespace PVAPI {

// A file that a running program keeps locked (an open-file-description lock,
// F_OFD_SETLK) for as long as its session lives. The operating system drops
// the lock when the process ends in any way, crash and kill included, so a
// file that can be locked by someone else belongs to a program that is gone.
class LockLivenessFile {
public:
    // Creates the file and takes its lock. Throws vb::VbError.
    explicit LockLivenessFile(const QString& path);
    // Drops the lock and removes the file.
    ~LockLivenessFile();
    LockLivenessFile(const LockLivenessFile&) = delete;
    LockLivenessFile& operator=(const LockLivenessFile&) = delete;

    enum class State { Held, Free, Unknown };
    // Tests, without taking it, whether some process holds the file's lock.
    // A missing file is Free; a file that cannot be examined is Unknown.
    static State Probe(const QString& path);

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace PVAPI
