#include "platform/db/ConnectionImpl.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DatabasePassword.h"
#include "platform/db/DbErrors.h"
#include "platform/db/JetDdl.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/JetSql.h"
#include "platform/db/RecordsetData.h"
#include "platform/db/SqliteStatement.h"

#include <QFile>
#include <sqlite3.h>

namespace db {
namespace {

constexpr std::size_t kCacheLimit = 128;

// Resets a statement when the run ends, so that no read lock outlives it.
class StatementUse {
public:
    explicit StatementUse(sqlite3_stmt* s) : m_stmt(s) {}
    ~StatementUse()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

private:
    sqlite3_stmt* m_stmt;
};

bool onlyBlanks(const char* tail)
{
    for (; tail && *tail; ++tail)
        if (*tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n' && *tail != ';')
            return false;
    return true;
}

} // namespace

ConnectionImpl::~ConnectionImpl() { close(); }

void ConnectionImpl::ensureOpen() const
{
    if (!m_db)
        RaiseConnection(err::ConnectionClosed);
}

void ConnectionImpl::open(const QString& connectionString, bool readOnly)
{
    if (m_db)
        RaiseConnection(err::ObjectOpen);
    // A string given to Open replaces the properties, as in ADO; without one
    // the properties set one by one are used.
    if (!connectionString.trimmed().isEmpty())
        properties = ConnectionString::parse(connectionString);

    const QString path = properties.value(ConnectionString::kDataSource);
    m_readOnly = readOnly || properties.readOnlyMode();
    if (m_readOnly && !properties.readOnlyMode())
        properties.set(ConnectionString::kMode, QStringLiteral("Read"));
    const QString file = ExistingDatabaseFile(path);

    m_file = file;
    sqlite3* db = nullptr;
    // One connection is only ever used by one thread at a time: no mutex needed.
    const int flags = (m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        Raise(err::CannotOpen, path);
    }
    try {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, BusyRetry::TimeoutMs());
        // Double quotes are never identifiers: a Jet "text" that slipped through
        // must fail, not silently become a column.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        JetFunctions::registerAll(db);
        // The Yes/No triggers update their own table; they must not re-enter.
        sqlite3_exec(db, "PRAGMA recursive_triggers=OFF", nullptr, nullptr, nullptr);
        // Lists read whole tables in index order; a larger page cache keeps
        // their table lookups off the disk.
        sqlite3_exec(db, "PRAGMA cache_size=-8192", nullptr, nullptr, nullptr);
        BusyRetry::Run(file, BusyRetry::Operation::Read, [&] { checkOpened(db, path); });
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    m_db = db;
    m_level = 0;
    reportedString = properties.toReportedString();
}

void ConnectionImpl::checkOpened(sqlite3* db, const QString& path)
{
    sqlite3_stmt* probe = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(probe);
    sqlite3_finalize(probe);
    if (rc != SQLITE_ROW && rc != SQLITE_OK) {
        if ((rc & 0xFF) == SQLITE_BUSY)
            Raise(err::Busy);
        Raise(err::NotRecognizedFormat, path);
    }
    // Rollback journal only: WAL needs shared memory, which a folder shared
    // by several workstations does not give.
    if (!m_readOnly)
        SqliteStatement::exec(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
    if (!DatabasePassword::matches(db, properties.value(ConnectionString::kPassword)))
        Raise(err::InvalidPassword);
}

void ConnectionImpl::whileBusyAsk(bool reading, const std::function<void()>& work)
{
    // A statement that failed inside a transaction left it whole and can run
    // again; a transaction the engine ended itself cannot be resumed.
    const bool inTransaction = m_level > 0;
    BusyRetry::Run(m_file, reading ? BusyRetry::Operation::Read : BusyRetry::Operation::Write, work,
                   [this, inTransaction] { return !inTransaction || !sqlite3_get_autocommit(m_db); });
}

void ConnectionImpl::clearCache()
{
    for (auto& [jetSql, kept] : m_cache)
        sqlite3_finalize(kept.stmt);
    m_cache.clear();
}

void ConnectionImpl::close()
{
    if (!m_db)
        return;
    clearCache();
    sqlite3_finalize(m_stamp);
    m_stamp = nullptr;
    // An open transaction is rolled back by the close.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_level = 0;
}

JetTranslation ConnectionImpl::translate(const QString& jetSql) const
{
    const auto it = m_cache.find(jetSql);
    if (it == m_cache.end())
        return TranslateJet(jetSql);
    JetTranslation t;
    t.kind = it->second.kind;
    return t;
}

ConnectionImpl::KeptStatement& ConnectionImpl::prepare(const QString& jetSql, const JetTranslation& t)
{
    const auto it = m_cache.find(jetSql);
    if (it != m_cache.end())
        return it->second;
    // Only the kind is known when the statement was dropped since `translate`.
    const std::string sql = t.sql.empty() ? TranslateJet(jetSql).sql : t.sql;
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        RaiseSqlite(m_db, rc, jetSql);
    }
    if (!stmt)
        Raise(err::SyntaxError, jetSql);
    if (!onlyBlanks(tail)) {
        sqlite3_finalize(stmt);
        Raise(err::CharactersAfterEnd);
    }
    if (m_cache.size() >= kCacheLimit)
        clearCache();
    KeptStatement& kept = m_cache[jetSql];
    kept.kind = t.kind;
    kept.stmt = stmt;
    return kept;
}

void ConnectionImpl::bindAll(sqlite3_stmt* stmt, const QList<Value>& params, const QString& jetSql)
{
    if (sqlite3_bind_parameter_count(stmt) != params.size())
        Raise(err::TooFewParameters, jetSql);
    for (int i = 0; i < params.size(); ++i) {
        const Value& v = params.at(i);
        const int at = i + 1;
        switch (v.type()) {
        case Value::Kind::Null: sqlite3_bind_null(stmt, at); break;
        case Value::Kind::Integer: sqlite3_bind_int64(stmt, at, v.toInt64()); break;
        case Value::Kind::Double: sqlite3_bind_double(stmt, at, v.toDouble()); break;
        case Value::Kind::Currency: sqlite3_bind_double(stmt, at, v.toCurrency().toDouble()); break;
        case Value::Kind::Boolean: sqlite3_bind_int(stmt, at, v.toBool() ? -1 : 0); break;
        case Value::Kind::Text: {
            const QByteArray utf8 = v.toString().toUtf8();
            sqlite3_bind_text(stmt, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        case Value::Kind::Binary: {
            const QByteArray bytes = v.toBytes();
            sqlite3_bind_blob(stmt, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
}

Recordset ConnectionImpl::run(const QString& jetSql, const QList<Value>* params, long long* affected)
{
    ensureOpen();
    if (affected)
        *affected = 0;
    const JetTranslation t = translate(jetSql);
    struct Call {
        const QString& jetSql;
        const JetTranslation& t;
        const QList<Value>* params;
        long long* affected;
        Recordset result;
    } call{jetSql, t, params, affected, {}};
    // Two pointers: std::function keeps the work without an allocation.
    whileBusyAsk(t.kind == JetStatementKind::Query,
                 [this, &call] { call.result = runOnce(call.jetSql, call.t, call.params, call.affected); });
    return call.result;
}

Recordset ConnectionImpl::runOnce(const QString& jetSql, const JetTranslation& t, const QList<Value>* params,
                                  long long* affected)
{
    if (t.kind != JetStatementKind::Query && t.kind != JetStatementKind::Command) {
        if (m_readOnly)
            Raise(err::ReadOnly);
        JetDdl::execute(m_db, jetSql, t.kind);
        return Recordset();
    }

    KeptStatement& kept = prepare(jetSql, t);
    sqlite3_stmt* stmt = kept.stmt;
    StatementUse use(stmt);
    if (params)
        bindAll(stmt, *params, jetSql);
    else if (sqlite3_bind_parameter_count(stmt) > 0)
        Raise(err::TooFewParameters, jetSql);

    if (sqlite3_column_count(stmt) > 0) {
        auto data = std::make_shared<RecordsetData>();
        data->source = jetSql;
        if (params)
            data->params = *params;
        data->connection = weak_from_this();
        data->load(stmt, kept.columns);
        return Recordset(std::move(data));
    }
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            RaiseSqlite(m_db, rc, jetSql);
    }
    if (affected)
        *affected = sqlite3_changes64(m_db);
    return Recordset();
}

void ConnectionImpl::requery(RecordsetData& data)
{
    ensureOpen();
    const JetTranslation t = translate(data.source);
    whileBusyAsk(true, [&] {
        KeptStatement& kept = prepare(data.source, t);
        StatementUse use(kept.stmt);
        bindAll(kept.stmt, data.params, data.source);
        data.load(kept.stmt, kept.columns);
    });
}

std::array<qint64, 3> ConnectionImpl::changeStamp()
{
    ensureOpen();
    const QString sql = QStringLiteral(
        "SELECT d.data_version, s.schema_version FROM pragma_data_version AS d, pragma_schema_version AS s");
    if (!m_stamp) {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                          &m_stamp, nullptr);
        if (rc != SQLITE_OK)
            RaiseSqlite(m_db, rc, sql);
    }
    std::array<qint64, 3> stamp{qint64(sqlite3_total_changes64(m_db)), 0, 0};
    whileBusyAsk(true, [&] {
        StatementUse use(m_stamp);
        const int rc = sqlite3_step(m_stamp);
        if (rc != SQLITE_ROW)
            RaiseSqlite(m_db, rc, sql);
        stamp[1] = sqlite3_column_int64(m_stamp, 0);
        stamp[2] = sqlite3_column_int64(m_stamp, 1);
    });
    return stamp;
}

int ConnectionImpl::beginTrans()
{
    ensureOpen();
    if (m_level > 0 && sqlite3_get_autocommit(m_db))
        m_level = 0; // the engine ended the transaction itself after a failure
    if (m_level == 0)
        whileBusyAsk(m_readOnly, [this] {
            SqliteStatement::exec(m_db, m_readOnly ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
        });
    else
        SqliteStatement::exec(m_db, QStringLiteral("SAVEPOINT duz_nivel_%1").arg(m_level + 1));
    return ++m_level;
}

void ConnectionImpl::commitTrans()
{
    ensureOpen();
    if (m_level == 0)
        Raise(err::NoTransaction);
    if (sqlite3_get_autocommit(m_db)) {
        m_level = 0;
        Raise(err::NoTransaction);
    }
    if (m_level == 1)
        whileBusyAsk(m_readOnly, [this] { SqliteStatement::exec(m_db, QStringLiteral("COMMIT")); });
    else
        SqliteStatement::exec(m_db, QStringLiteral("RELEASE duz_nivel_%1").arg(m_level));
    --m_level;
}

void ConnectionImpl::rollbackTrans()
{
    ensureOpen();
    if (m_level == 0)
        Raise(err::NoTransaction);
    if (sqlite3_get_autocommit(m_db)) {
        m_level = 0;
        return;
    }
    if (m_level == 1) {
        SqliteStatement::exec(m_db, QStringLiteral("ROLLBACK"));
    } else {
        const QString name = QStringLiteral("duz_nivel_%1").arg(m_level);
        SqliteStatement::exec(m_db, QStringLiteral("ROLLBACK TO ") + name);
        SqliteStatement::exec(m_db, QStringLiteral("RELEASE ") + name);
    }
    --m_level;
}

} // namespace db
