#include "platform/db/DatabasePassword.h"

#include "platform/db/DbErrors.h"
#include "platform/db/JetTableSchema.h"
#include "platform/db/SqliteStatement.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <algorithm>
#include <sqlite3.h>

namespace db {
namespace {

constexpr int kRounds = 4096;

QByteArray digest(const QByteArray& salt, const QString& password)
{
    QCryptographicHash hasher(QCryptographicHash::Sha256);
    hasher.addData(salt);
    hasher.addData(password.toUtf8());
    QByteArray h = hasher.result();
    for (int i = 0; i < kRounds; ++i) {
        hasher.reset();
        hasher.addData(h);
        hasher.addData(salt);
        const QByteArrayView r = hasher.resultView();
        std::copy(r.begin(), r.end(), h.begin());
    }
    return h;
}

// Compares without an early exit, so timing does not tell how much matched.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

struct Stored {
    QByteArray salt;
    QByteArray hash;
};

bool readStored(sqlite3* db, Stored& out)
{
    if (!JetTableSchema::tableExists(db, QLatin1String(DatabasePassword::kTable)))
        return false;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("SELECT sal, huella FROM ") + DatabasePassword::kTable;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        return false;
    bool found = false;
    if (sqlite3_step(st) == SQLITE_ROW) {
        out.salt = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 0)), sqlite3_column_bytes(st, 0));
        out.hash = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 1)), sqlite3_column_bytes(st, 1));
        found = !out.hash.isEmpty();
    }
    sqlite3_finalize(st);
    return found;
}

} // namespace

bool DatabasePassword::isSet(sqlite3* db)
{
    Stored s;
    return readStored(db, s);
}

bool DatabasePassword::matches(sqlite3* db, const QString& password)
{
    Stored s;
    if (!readStored(db, s))
        return true;
    return sameBytes(digest(s.salt, password), s.hash);
}

void DatabasePassword::set(sqlite3* db, const QString& password)
{
    const QString table = QLatin1String(kTable);
    SqliteStatement::exec(db, QStringLiteral("DROP TABLE IF EXISTS ") + table);
    if (password.isEmpty())
        return;
    SqliteStatement::exec(db, QStringLiteral("CREATE TABLE %1 (sal BLOB, huella BLOB)").arg(table));
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    const QByteArray hash = digest(salt, password);
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("INSERT INTO ") + kTable + " (sal, huella) VALUES (?, ?)";
    if (const int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr); rc != SQLITE_OK)
        RaiseSqlite(db, rc);
    sqlite3_bind_blob(st, 1, salt.constData(), int(salt.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(st, 2, hash.constData(), int(hash.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        RaiseSqlite(db, rc);
}

} // namespace db
