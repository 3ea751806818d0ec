#pragma once

#include "platform/db/ConnectionString.h"
#include "platform/db/JetSql.h"
#include "platform/db/Recordset.h"
#include "platform/db/RecordsetData.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// The state behind a Connection. Recordsets hold a weak reference to it for
// Requery, so it lives in a shared_ptr.
class ConnectionImpl : public std::enable_shared_from_this<ConnectionImpl> {
public:
    ~ConnectionImpl();

    void open(const QString& connectionString, bool readOnly);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* db() const { return m_db; }

    // Runs Jet SQL; params == nullptr means nothing is bound.
    Recordset run(const QString& jetSql, const QList<Value>* params, long long* affected);
    void requery(RecordsetData& data);

    int beginTrans();
    void commitTrans();
    void rollbackTrans();
    int level() const { return m_level; }
    std::array<qint64, 3> changeStamp();

    ConnectionString properties; // what was set or given last
    QString reportedString;      // while open

private:
    void ensureOpen() const;
    // Runs work that may find the file locked by another workstation; see
    // BusyRetry.
    void whileBusyAsk(bool reading, const std::function<void()>& work);
    void checkOpened(sqlite3* db, const QString& path);
    // A statement kept prepared for its Jet text, with what its runs share.
    struct KeptStatement {
        JetStatementKind kind = JetStatementKind::Query;
        sqlite3_stmt* stmt = nullptr;
        RecordsetData::KeptColumns columns;
    };

    // The translation of a text, or only its kind when its statement is kept.
    JetTranslation translate(const QString& jetSql) const;
    Recordset runOnce(const QString& jetSql, const JetTranslation& t, const QList<Value>* params, long long* affected);
    KeptStatement& prepare(const QString& jetSql, const JetTranslation& t);
    void bindAll(sqlite3_stmt* stmt, const QList<Value>& params, const QString& jetSql);
    void clearCache();

    sqlite3* m_db = nullptr;
    QString m_file;
    bool m_readOnly = false;
    int m_level = 0;
    // By Jet text, so that running a kept statement needs no translation.
    std::unordered_map<QString, KeptStatement> m_cache;
    sqlite3_stmt* m_stamp = nullptr;
};

} // namespace db
