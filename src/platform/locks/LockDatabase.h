#pragma once

#include <QString>
#include <QtGlobal>

struct sqlite3;
struct sqlite3_stmt;

namespace PVAPI {

// The small SQLite file beside the data where every workstation records its
// session and the locks it holds. Rollback journal (never WAL: the folder may
// be on a network share) and a busy timeout, so that concurrent writers queue
// up briefly instead of failing at once.
class LockDatabase {
public:
    // Opens or creates the file and its tables. Throws vb::VbError:
    // ErrLockDatabaseDamaged when the file is not a sound lock database
    // (see LockFileRepair), ErrLockDatabaseBusy when another workstation
    // keeps it locked, ErrLockDatabase otherwise. The texts are Spanish and
    // name the file; SQLite's own words go to the log only.
    explicit LockDatabase(const QString& path);
    ~LockDatabase();
    LockDatabase(const LockDatabase&) = delete;
    LockDatabase& operator=(const LockDatabase&) = delete;

    void exec(const char* sql);

    // One prepared statement; parameters are 1-based as in SQLite.
    class Statement {
    public:
        Statement(LockDatabase& db, const char* sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        Statement& bind(int index, const QString& value);
        Statement& bindNull(int index);
        Statement& bind(int index, qint64 value);
        // True while a row is available.
        bool step();
        void reset();
        QString text(int column) const;
        qint64 integer(int column) const;

    private:
        LockDatabase& m_db;
        sqlite3_stmt* m_stmt = nullptr;
    };

    // Reads take a deferred transaction and change nothing in the file;
    // writes take the write lock at once (BEGIN IMMEDIATE), so the check and
    // the take of a lock can never interleave with another workstation's.
    enum class Mode { Read, Write };

    // Rolls back unless committed. Throws ErrLockDatabaseBusy when another
    // workstation keeps the file locked beyond the busy timeout.
    class Transaction {
    public:
        Transaction(LockDatabase& db, Mode mode);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        LockDatabase& m_db;
        bool m_open = true;
    };

    static constexpr int BusyTimeoutMs = 10000;

private:
    [[noreturn]] void fail(int rc, const char* what) const;
    void createTables();
    void checkSound();
    void layoutExec(const char* sql);

    sqlite3* m_db = nullptr;
    QString m_path;
};

} // namespace PVAPI
