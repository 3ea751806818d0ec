#include "mantenimiento/FicherosBD.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/SqliteStatement.h"
#include "platform/vb/Texto.h"
#include "platform/vb/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>

namespace {

// A raw handle with the Jet collation and functions (indexes are built with
// them), closed on every path.
class Cruda {
public:
    Cruda(const QString& ruta, int flags)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(ruta).constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const int codigo = m_db ? sqlite3_extended_errcode(m_db) : rc;
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            if ((codigo & 0xFF) == SQLITE_FULL)
                db::Raise(db::err::DiskFull, ruta);
            db::Raise(db::err::CannotOpen, ruta);
        }
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_busy_timeout(m_db, db::BusyRetry::TimeoutMs());
        db::JetFunctions::registerAll(m_db);
    }
    ~Cruda() { sqlite3_close_v2(m_db); }
    Cruda(const Cruda&) = delete;
    Cruda& operator=(const Cruda&) = delete;
    sqlite3* get() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

QString Integridad(sqlite3* db)
{
    try {
        return db::IntegrityProblem(db);
    } catch (const vb::VbError& error) {
        return error.description();
    }
}

} // namespace

void InstantaneaBD(const QString& origen, const QString& destino)
{
    if (QFileInfo::exists(destino))
        db::Raise(db::err::AlreadyExists);
    Cruda fuente(origen, SQLITE_OPEN_READONLY);
    {
        Cruda copia(destino, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE);
        // A half-made copy is thrown away whole: no journal, one sync at the
        // end of the archive instead of one per page.
        db::SqliteStatement::exec(copia.get(), QStringLiteral("PRAGMA journal_mode=OFF"));
        db::SqliteStatement::exec(copia.get(), QStringLiteral("PRAGMA synchronous=OFF"));
        db::BusyRetry::Run(origen, db::BusyRetry::Operation::Read, [&] {
            sqlite3_backup* backup = sqlite3_backup_init(copia.get(), "main", fuente.get(), "main");
            if (!backup)
                db::RaiseSqlite(copia.get(), sqlite3_errcode(copia.get()));
            // One step: the whole file is read inside one read transaction.
            const int rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                db::RaiseSqlite((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED ? fuente.get() : copia.get(), rc);
        });
        db::SqliteStatement st(copia.get(), "PRAGMA quick_check");
        if (!st.step() || st.text(0) != QLatin1String("ok"))
            db::Raise(db::err::NotRecognizedFormat, origen);
    }
}

QString ProblemaIntegridad(const QString& ruta)
{
    try {
        Cruda base(ruta, SQLITE_OPEN_READONLY);
        return Integridad(base.get());
    } catch (const vb::VbError& error) {
        return error.description();
    }
}

QString ProblemaIntegridad(db::Connection& con)
{
    return Integridad(con.handle());
}

QString VersionAlmacenada(const QString& ruta)
{
    Cruda base(ruta, SQLITE_OPEN_READONLY);
    db::SqliteStatement tabla(base.get(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Informacion' COLLATE NOCASE");
    if (!tabla.step())
        return {};
    db::SqliteStatement st(base.get(), "SELECT Version FROM Informacion");
    if (!st.step() || st.isNull(0))
        return {};
    return vb::Trim(st.text(0));
}

int CompararVersiones(const QString& a, const QString& b)
{
    const QStringList pa = a.split(QLatin1Char('.'));
    const QStringList pb = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < qMax(pa.size(), pb.size()); ++i) {
        const int na = i < pa.size() ? pa.at(i).trimmed().toInt() : 0;
        const int nb = i < pb.size() ? pb.at(i).trimmed().toInt() : 0;
        if (na != nb)
            return na < nb ? -1 : 1;
    }
    return 0;
}

void IntercambiarFicheros(const QString& a, const QString& b)
{
    const QByteArray ra = QFile::encodeName(a);
    const QByteArray rb = QFile::encodeName(b);
    if (::renameat2(AT_FDCWD, ra.constData(), AT_FDCWD, rb.constData(), RENAME_EXCHANGE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        db::Raise(db::err::DiskError, a);
    // A file system without the exchange: three renames, the first two undone
    // when a later one fails.
    const QByteArray rc = QFile::encodeName(b + QStringLiteral(".intercambio"));
    if (std::rename(rb.constData(), rc.constData()) != 0)
        db::Raise(db::err::DiskError, b);
    if (std::rename(ra.constData(), rb.constData()) != 0) {
        std::rename(rc.constData(), rb.constData());
        db::Raise(db::err::DiskError, a);
    }
    if (std::rename(rc.constData(), ra.constData()) != 0) {
        std::rename(rb.constData(), ra.constData());
        std::rename(rc.constData(), rb.constData());
        db::Raise(db::err::DiskError, a);
    }
}
