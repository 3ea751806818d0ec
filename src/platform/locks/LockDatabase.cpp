#include "platform/locks/LockDatabase.h"

#include "platform/locks/LockErrors.h"

#include <QFileInfo>
#include <QtDebug>
#include <sqlite3.h>

namespace PVAPI {

namespace {

// Sessions of running programs, the record and table locks they hold (a NULL
// `Registro` is the whole table) and the entry locks that keep other
// workstations from starting the program.
constexpr const char* SchemaSql =
    "CREATE TABLE IF NOT EXISTS Sesion("
    "  Id TEXT PRIMARY KEY, Equipo TEXT, Proceso INTEGER, Inicio TEXT);"
    "CREATE TABLE IF NOT EXISTS Bloqueo("
    "  Sesion TEXT NOT NULL, Propietario INTEGER NOT NULL, Tabla TEXT NOT NULL,"
    "  Registro TEXT, Parcial INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS BloqueoTablaRegistro ON Bloqueo(Tabla, Registro);"
    "CREATE INDEX IF NOT EXISTS BloqueoPropietario ON Bloqueo(Sesion, Propietario);"
    "CREATE TABLE IF NOT EXISTS EntradaAplicacion("
    "  Sesion TEXT NOT NULL, Propietario INTEGER NOT NULL);";

// Every statement the service runs, on no rows: a file whose tables lack a
// column is as unusable as a damaged one.
constexpr const char* LayoutSql =
    "SELECT Id, Equipo, Proceso, Inicio FROM Sesion WHERE 0;"
    "SELECT Sesion, Propietario, Tabla, Registro, Parcial FROM Bloqueo WHERE 0;"
    "SELECT Sesion, Propietario FROM EntradaAplicacion WHERE 0;";

bool isBusy(int rc)
{
    return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

bool isDamage(int rc)
{
    return (rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT;
}

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

[[noreturn]] void throwDamaged(const QString& path)
{
    ThrowLockError(ErrLockDatabaseDamaged,
                   QStringLiteral("El archivo de bloqueos '%1' está dañado. Cierre el programa en todos los "
                                  "equipos; se reparará al volver a abrirlo.")
                       .arg(path));
}

} // namespace

LockDatabase::LockDatabase(const QString& path)
    : m_path(path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        qWarning().noquote() << "Lock database" << path << "does not open:"
                             << (m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close(m_db);
        m_db = nullptr;
        ThrowLockError(ErrLockDatabase,
                       QStringLiteral("No se puede abrir el archivo de bloqueos '%1'. Compruebe que la carpeta "
                                      "de los datos existe y que se puede escribir en ella.")
                           .arg(path));
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    try {
        exec("PRAGMA journal_mode=DELETE");
        exec("PRAGMA temp_store=MEMORY");
        createTables();
        checkSound();
    } catch (...) {
        sqlite3_close(m_db);
        throw;
    }
}

LockDatabase::~LockDatabase()
{
    sqlite3_close(m_db);
}

void LockDatabase::createTables()
{
    Transaction transaction(*this, Mode::Write);
    layoutExec(SchemaSql);
    transaction.commit();
}

// An SQL error on statements that hold for a sound lock file means that the
// file under its name holds something else.
void LockDatabase::layoutExec(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if ((rc & 0xff) == SQLITE_ERROR) {
        qWarning().noquote() << "Lock database" << m_path << "has another layout:" << sqlite3_errmsg(m_db);
        throwDamaged(m_path);
    }
    if (rc != SQLITE_OK)
        fail(rc, sql);
}

void LockDatabase::checkSound()
{
    layoutExec(LayoutSql);
    Statement check(*this, "PRAGMA quick_check");
    if (check.step() && check.text(0) != QLatin1String("ok")) {
        qWarning().noquote() << "Lock database" << m_path << "fails its check:" << check.text(0);
        throwDamaged(m_path);
    }
}

void LockDatabase::exec(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, sql);
}

void LockDatabase::fail(int rc, const char* what) const
{
    qWarning().noquote() << "Lock database" << m_path << "failed on" << what << ":" << sqlite3_errmsg(m_db);
    if (isDamage(rc))
        throwDamaged(m_path);
    if (isBusy(rc))
        ThrowLockError(ErrLockDatabaseBusy,
                       QStringLiteral("Otro equipo tiene ocupado el archivo de bloqueos '%1' desde hace más de %2 "
                                      "segundos. Inténtelo de nuevo.")
                           .arg(fileNameOf(m_path))
                           .arg(BusyTimeoutMs / 1000));
    ThrowLockError(ErrLockDatabase,
                   QStringLiteral("No se puede usar el archivo de bloqueos '%1'. Compruebe que la carpeta de los "
                                  "datos existe y que se puede escribir en ella.")
                       .arg(m_path));
}

LockDatabase::Statement::Statement(LockDatabase& db, const char* sql)
    : m_db(db)
{
    const int rc = sqlite3_prepare_v2(db.m_db, sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc, sql);
}

LockDatabase::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

LockDatabase::Statement& LockDatabase::Statement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

LockDatabase::Statement& LockDatabase::Statement::bindNull(int index)
{
    sqlite3_bind_null(m_stmt, index);
    return *this;
}

LockDatabase::Statement& LockDatabase::Statement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

bool LockDatabase::Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail(rc, sqlite3_sql(m_stmt));
}

void LockDatabase::Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

QString LockDatabase::Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
}

qint64 LockDatabase::Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

LockDatabase::Transaction::Transaction(LockDatabase& db, Mode mode)
    : m_db(db)
{
    db.exec(mode == Mode::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
}

LockDatabase::Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db.m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void LockDatabase::Transaction::commit()
{
    m_db.exec("COMMIT");
    m_open = false;
}

} // namespace PVAPI
