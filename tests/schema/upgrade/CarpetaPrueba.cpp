#include "CarpetaPrueba.h"

#include "EsquemasAntiguos.h"

#include "platform/db/DatabaseFiles.h"
#include "schema/Estructura.h"
#include "seed/SemillasContabilidad.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {

QString Cadena(const QString& ruta, const QString& clave)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=\"%2\"")
        .arg(ruta, clave);
}

} // namespace

CarpetaPrueba::CarpetaPrueba() : m_appPath("DUZEDIV_APP_PATH", m_dir.path().toUtf8()) {}

QString CarpetaPrueba::Ruta(const QString& nombre) const
{
    return m_dir.filePath(nombre);
}

QString CarpetaPrueba::CadenaParroquia() const
{
    return Cadena(Ruta(QStringLiteral("Duzediv.mdb")), kClaveParroquia);
}

QString CarpetaPrueba::CadenaContabilidad() const
{
    return Cadena(Ruta(QStringLiteral("Contabilidad.mdb")), kClaveContabilidad);
}

void CarpetaPrueba::CrearParroquia(const QString& version, const OpcionesDatos& opciones)
{
    CrearParroquia(EsquemaParroquiaAntiguo(version), opciones);
}

void CarpetaPrueba::CrearParroquia(const EsquemaDef& esquema, const OpcionesDatos& opciones)
{
    db::CreateDatabase(Ruta(QStringLiteral("Duzediv.mdb")), kClaveParroquia);
    db::Connection con = AbrirParroquia();
    CrearEstructura(con, esquema);
    LlenarBDParroquia(con, esquema, opciones);
}

void CarpetaPrueba::CrearContabilidad(const QString& version)
{
    if (version == QLatin1String("1.0.2")) {
        db::CreateDatabase(Ruta(QStringLiteral("Contabilidad.mdb")), kClaveContabilidad);
        db::Connection con = AbrirContabilidad();
        CrearEstructuraContabilidad(con);
        LlenarBDContabilidad(con, EsquemaContabilidad());
        return;
    }
    CrearContabilidad(EsquemaContabilidadAntiguo(!version.isEmpty()));
}

void CarpetaPrueba::CrearContabilidad(const EsquemaDef& esquema)
{
    db::CreateDatabase(Ruta(QStringLiteral("Contabilidad.mdb")), kClaveContabilidad);
    db::Connection con = AbrirContabilidad();
    CrearEstructura(con, esquema);
    LlenarBDContabilidad(con, esquema);
}

db::Connection CarpetaPrueba::AbrirParroquia() const
{
    db::Connection con;
    con.Open(CadenaParroquia());
    return con;
}

db::Connection CarpetaPrueba::AbrirContabilidad() const
{
    db::Connection con;
    con.Open(CadenaContabilidad());
    return con;
}

QByteArray CarpetaPrueba::Bytes(const QString& nombre) const
{
    QFile f(Ruta(nombre));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void CarpetaPrueba::EjecutarSqlite(const QString& nombre, const QString& sql) const
{
    sqlite3* h = nullptr;
    if (sqlite3_open(QFile::encodeName(Ruta(nombre)).constData(), &h) != SQLITE_OK) {
        sqlite3_close(h);
        throw std::runtime_error("no se abre la base de datos");
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(h, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string mensaje = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(h);
    if (rc != SQLITE_OK)
        throw std::runtime_error(mensaje);
}

QString DisparadorFalloVersion(const QString& version)
{
    return QStringLiteral("CREATE TRIGGER fallo_version_%1 BEFORE UPDATE ON Informacion WHEN NEW.Version = '%2' "
                          "BEGIN SELECT RAISE(ABORT, 'fallo provocado'); END")
        .arg(QString(version).remove(QLatin1Char('.')), version);
}
