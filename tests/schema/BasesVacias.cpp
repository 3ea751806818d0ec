#include "BasesVacias.h"

#include "platform/db/DatabaseFiles.h"
#include "schema/Estructura.h"

#include <QDir>

#include <stdexcept>

namespace {

void Crear(db::Connection& con, const QString& ruta, const DescripcionBaseDatos& d)
{
    db::CreateDatabase(ruta, d.password);
    con.Open(CadenaConexionConPassword(ruta, d.password));
    CrearEstructura(con, Esquema(d.base));
}

} // namespace

const EsquemaDef& Esquema(BaseDatosPrograma base)
{
    switch (base) {
    case BaseDatosPrograma::Duzediv: return EsquemaDuzediv();
    case BaseDatosPrograma::Informes: return EsquemaInformes();
    case BaseDatosPrograma::Contabilidad: return EsquemaContabilidad();
    }
    throw std::logic_error("base de datos desconocida");
}

BasesVacias::BasesVacias()
{
    if (!m_dir.isValid())
        throw std::runtime_error("sin carpeta temporal");
    for (const DescripcionBaseDatos& d : BasesDatosPrograma())
        Crear(con(d.base), ruta(d.base), d);
}

db::Connection& BasesVacias::con(BaseDatosPrograma base)
{
    switch (base) {
    case BaseDatosPrograma::Duzediv: return m_duzediv;
    case BaseDatosPrograma::Informes: return m_informes;
    case BaseDatosPrograma::Contabilidad: return m_contabilidad;
    }
    throw std::logic_error("base de datos desconocida");
}

QString BasesVacias::ruta(BaseDatosPrograma base) const
{
    return QDir(m_dir.path()).filePath(Descripcion(base).archivo);
}

db::Connection BasesVacias::nueva(const QString& nombre)
{
    const QString ruta = QDir(m_dir.path()).filePath(nombre);
    db::CreateDatabase(ruta);
    db::Connection con;
    con.Open(CadenaConexionVinculo(ruta));
    return con;
}
