#include "platform/db/DatabaseFiles.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DatabasePassword.h"
#include "platform/db/DbErrors.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/JetTableSchema.h"
#include "platform/db/SqliteStatement.h"
#include "platform/db/TemporaryFile.h"
#include "platform/os/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>

namespace db {
namespace {

// Files made by this layer carry this SQLite application id ("NP20").
constexpr int kApplicationId = 0x4E503230;

// A raw SQLite handle with the Jet collation and functions, closed on exit.
class RawDatabase {
public:
    RawDatabase(const QString& path, int flags)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            Raise(err::CannotOpen, path);
        }
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_busy_timeout(m_db, BusyRetry::TimeoutMs());
        JetFunctions::registerAll(m_db);
    }
    ~RawDatabase() { sqlite3_close_v2(m_db); }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;
    sqlite3* get() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// After compaction the next key of each counter is one above the highest
// stored key: 1 for an emptied table, as Jet's compaction leaves it.
void resetCounters(sqlite3* db)
{
    if (!JetTableSchema::tableExists(db, QStringLiteral("sqlite_sequence")))
        return;
    QStringList tables;
    {
        SqliteStatement st(db, "SELECT name FROM sqlite_sequence");
        while (st.step())
            tables << st.text(0);
    }
    for (const QString& t : tables) {
        if (!JetTableSchema::tableExists(db, t)) {
            SqliteStatement del(db, "DELETE FROM sqlite_sequence WHERE name = ?");
            del.bind(1, t);
            del.step();
            continue;
        }
        SqliteStatement upd(db, QStringLiteral("UPDATE sqlite_sequence SET seq = coalesce((SELECT max(rowid) FROM %1), 0) WHERE name = ?")
                                    .arg(JetTableSchema::quote(t)));
        upd.bind(1, t);
        upd.step();
    }
}

void verify(sqlite3* db)
{
    if (!IntegrityProblem(db).isEmpty())
        Raise(err::NotRecognizedFormat, QString::fromUtf8(sqlite3_db_filename(db, "main")));
}

void vacuumInto(Connection& source, const QString& sourcePath, const QString& target)
{
    BusyRetry::Run(sourcePath, BusyRetry::Operation::Read, [&] {
        SqliteStatement st(source.handle(), "VACUUM INTO ?");
        st.bind(1, target);
        st.step();
    });
}

// Finishes a fresh copy: counters, password, journal mode, verification.
void finishCopy(const QString& path, const std::optional<QString>& password, bool resetKeys)
{
    RawDatabase db(path, SQLITE_OPEN_READWRITE);
    SqliteStatement::exec(db.get(), QStringLiteral("PRAGMA journal_mode=DELETE"));
    if (resetKeys)
        resetCounters(db.get());
    // An empty password never matches a stored one: it removes the protection.
    if (password && !DatabasePassword::matches(db.get(), *password))
        DatabasePassword::set(db.get(), *password);
    verify(db.get());
}

// The tables of a database with their row counts, read in the caller's
// transaction.
QList<QPair<QString, qint64>> tableRows(sqlite3* db)
{
    QStringList tables;
    {
        SqliteStatement st(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        while (st.step())
            tables << st.text(0);
    }
    QList<QPair<QString, qint64>> rows;
    for (const QString& t : tables) {
        SqliteStatement count(db, QStringLiteral("SELECT count(*) FROM %1").arg(JetTableSchema::quote(t)));
        count.step();
        rows.append({t, count.integer(0)});
    }
    return rows;
}

// A copy is usable when SQLite finds its structure sound and it holds the
// same tables with the same number of rows as its source.
void verifyCopy(sqlite3* copy, const QList<QPair<QString, qint64>>& sourceRows)
{
    const QString path = QString::fromUtf8(sqlite3_db_filename(copy, "main"));
    {
        SqliteStatement st(copy, "PRAGMA quick_check");
        if (!st.step() || st.text(0) != QLatin1String("ok"))
            Raise(err::NotRecognizedFormat, path);
    }
    if (tableRows(copy) != sourceRows)
        Raise(err::NotRecognizedFormat, path);
}

// Writes the file's data to disk before it gets its final name.
void syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fdatasync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        Raise(err::DiskError, path);
}

void renameNoReplace(const QString& from, const QString& to)
{
    // QFile::rename never replaces an existing file.
    if (!QFile::rename(from, to))
        Raise(QFileInfo::exists(to) ? err::AlreadyExists : err::DiskError);
}

} // namespace

QString ExistingDatabaseFile(const QString& path)
{
    const QFileInfo info(path);
    const QString file = os::FindFileCaseInsensitive(info.path(), info.fileName());
    if (file.isEmpty() || !QFileInfo(file).isFile())
        Raise(err::FileNotFound, path);
    return file;
}

void CreateDatabase(const QString& path, const QString& password)
{
    if (QFileInfo::exists(path))
        Raise(err::AlreadyExists);
    {
        RawDatabase db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        SqliteStatement::exec(db.get(), QStringLiteral("PRAGMA journal_mode=DELETE"));
        SqliteStatement::exec(db.get(), QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId));
        if (!password.isEmpty())
            DatabasePassword::set(db.get(), password);
    }
}

void CompactDatabase(const QString& sourceConnectionString, const QString& destinationConnectionString)
{
    const ConnectionString src = ConnectionString::parse(sourceConnectionString);
    const ConnectionString dst = ConnectionString::parse(destinationConnectionString);
    const QString sourcePath = ExistingDatabaseFile(src.value(ConnectionString::kDataSource));
    const QString destPath = dst.value(ConnectionString::kDataSource);
    if (destPath.isEmpty())
        Raise(err::FileNotFound, destPath);
    if (QFileInfo::exists(destPath))
        Raise(err::AlreadyExists);

    TemporaryFile temp(destPath);
    {
        Connection source;
        source.Open(ConnectionString::forFile(sourcePath, src.value(ConnectionString::kPassword)), true);
        vacuumInto(source, sourcePath, temp.path());
    }
    std::optional<QString> password;
    if (dst.contains(ConnectionString::kPassword))
        password = dst.value(ConnectionString::kPassword);
    finishCopy(temp.path(), password, true);
    renameNoReplace(temp.path(), destPath);
    temp.keep();
}

void CompactInPlace(const QString& connectionStringOrPath)
{
    const ConnectionString cs = ConnectionString::parse(connectionStringOrPath);
    const QString path = ExistingDatabaseFile(cs.value(ConnectionString::kDataSource));
    // Each interrupted compaction would otherwise leave a copy of the whole
    // file beside it.
    TemporaryFile::RemoveStale(QFileInfo(path).path());
    TemporaryFile temp(path);
    {
        // Read-write, so that a journal left by a crash is rolled back first.
        Connection source;
        source.Open(ConnectionString::forFile(path, cs.value(ConnectionString::kPassword)), false);
        vacuumInto(source, path, temp.path());
    }
    finishCopy(temp.path(), std::nullopt, true);
    // rename() replaces the live file in one step; until then it is untouched.
    if (std::rename(QFile::encodeName(temp.path()).constData(), QFile::encodeName(path).constData()) != 0)
        Raise(err::DiskError);
    temp.keep();
}

void CopyOpenDatabase(Connection& connection, const QString& destPath)
{
    if (!connection.isOpen())
        RaiseConnection(err::ConnectionClosed);
    if (QFileInfo::exists(destPath))
        Raise(err::AlreadyExists);
    TemporaryFile temp(destPath);
    {
        RawDatabase dest(temp.path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite3_backup* backup = sqlite3_backup_init(dest.get(), "main", connection.handle(), "main");
        if (!backup)
            RaiseSqlite(dest.get(), sqlite3_errcode(dest.get()));
        const int rc = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (rc != SQLITE_DONE)
            RaiseSqlite(dest.get(), rc);
    }
    finishCopy(temp.path(), std::nullopt, false);
    renameNoReplace(temp.path(), destPath);
    temp.keep();
}

void BackupDatabase(const QString& sourceConnectionString, const QString& destPath)
{
    const ConnectionString src = ConnectionString::parse(sourceConnectionString);
    const QString sourcePath = ExistingDatabaseFile(src.value(ConnectionString::kDataSource));
    if (destPath.isEmpty())
        Raise(err::FileNotFound, destPath);
    if (QFileInfo::exists(destPath))
        Raise(err::AlreadyExists);

    TemporaryFile temp(destPath);
    {
        Connection source;
        source.Open(ConnectionString::forFile(sourcePath, src.value(ConnectionString::kPassword)), true);
        sqlite3* from = source.handle();
        // One read transaction holds the state that is copied and counted.
        BusyRetry::Run(sourcePath, BusyRetry::Operation::Read, [&] {
            SqliteStatement::exec(from, QStringLiteral("BEGIN"));
            try {
                SqliteStatement(from, "SELECT count(*) FROM sqlite_master").step();
            } catch (...) {
                sqlite3_exec(from, "ROLLBACK", nullptr, nullptr, nullptr);
                throw;
            }
        });
        try {
            RawDatabase dest(temp.path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            // A half-made copy is thrown away whole, so it needs no journal;
            // the finished file is synced once below.
            SqliteStatement::exec(dest.get(), QStringLiteral("PRAGMA journal_mode=OFF"));
            SqliteStatement::exec(dest.get(), QStringLiteral("PRAGMA synchronous=OFF"));
            sqlite3_backup* backup = sqlite3_backup_init(dest.get(), "main", from, "main");
            if (!backup)
                RaiseSqlite(dest.get(), sqlite3_errcode(dest.get()));
            const int rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                RaiseSqlite(dest.get(), rc);
            verifyCopy(dest.get(), tableRows(from));
        } catch (...) {
            sqlite3_exec(from, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        sqlite3_exec(from, "COMMIT", nullptr, nullptr, nullptr);
    }
    syncFile(temp.path());
    renameNoReplace(temp.path(), destPath);
    temp.keep();
}

void SetDatabasePassword(Connection& connection, const QString& newPassword)
{
    if (!connection.isOpen())
        RaiseConnection(err::ConnectionClosed);
    sqlite3* db = connection.handle();
    SqliteStatement::exec(db, QStringLiteral("SAVEPOINT duz_clave"));
    try {
        DatabasePassword::set(db, newPassword);
        SqliteStatement::exec(db, QStringLiteral("RELEASE duz_clave"));
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK TO duz_clave; RELEASE duz_clave", nullptr, nullptr, nullptr);
        throw;
    }
}

void SetDatabasePassword(const QString& path, const QString& oldPassword, const QString& newPassword)
{
    Connection connection;
    connection.Open(ConnectionString::forFile(path, oldPassword));
    SetDatabasePassword(connection, newPassword);
}

bool HasDatabasePassword(const QString& path)
{
    RawDatabase db(ExistingDatabaseFile(path), SQLITE_OPEN_READONLY);
    return DatabasePassword::isSet(db.get());
}

namespace {

quint32 HeaderNumber(const QByteArray& header, int offset, int bytes)
{
    quint32 n = 0;
    for (int i = 0; i < bytes; ++i)
        n = (n << 8) | static_cast<uchar>(header.at(offset + i));
    return n;
}

// The header of a SQLite file (its first 100 bytes) and the file's size.
bool HeaderIsSound(const QByteArray& header, qint64 size)
{
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    quint32 pageSize = HeaderNumber(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return false;
    // The page count is kept only while the change counter matches; a file
    // shorter than it was cut (an interrupted copy).
    const quint32 pages = HeaderNumber(header, 28, 4);
    const bool pagesValid = pages != 0 && HeaderNumber(header, 24, 4) == HeaderNumber(header, 92, 4);
    return !pagesValid || size >= qint64(pages) * pageSize;
}

// Reads the schema read-only: false only when SQLite finds the file damaged.
bool SchemaIsReadable(const QString& path)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_stmt* probe = nullptr;
        rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_step(probe);
        sqlite3_finalize(probe);
    }
    sqlite3_close_v2(db);
    return (rc & 0xFF) != SQLITE_NOTADB && (rc & 0xFF) != SQLITE_CORRUPT;
}

} // namespace

DatabaseFileProblem ExamineDatabaseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DatabaseFileProblem::None;
    const qint64 size = file.size();
    if (size == 0)
        return DatabaseFileProblem::Empty;
    const QByteArray header = file.read(100);
    file.close();
    if (!HeaderIsSound(header, size))
        return DatabaseFileProblem::Damaged;
    if (static_cast<qint32>(HeaderNumber(header, 68, 4)) != kApplicationId)
        return DatabaseFileProblem::Foreign;
    return SchemaIsReadable(path) ? DatabaseFileProblem::None : DatabaseFileProblem::Damaged;
}

QString IntegrityProblem(sqlite3* db)
{
    SqliteStatement st(db, "PRAGMA integrity_check");
    QStringList faults;
    while (st.step())
        faults << st.text(0);
    if (faults == QStringList{QStringLiteral("ok")})
        return {};
    return faults.isEmpty() ? QStringLiteral("sin respuesta") : faults.first();
}

} // namespace db
