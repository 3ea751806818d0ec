#include "platform/report/MotorInforme.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/os/Paths.h"
#include "platform/report/DatosInforme.h"
#include "platform/report/ErroresInforme.h"
#include "platform/report/LectorPlantilla.h"
#include "platform/report/Maquetador.h"
#include "platform/report/TablaFormulas.h"
#include "platform/vb/VbError.h"

#include <QDir>

#include <optional>

namespace report {

namespace {

constexpr double kTwipsPorMilimetro = 56.7;

QString ClaveSinSalto(const QString& clave)
{
    return clave.startsWith(u'\n') ? clave.mid(1) : clave;
}

DatosInforme LeerBaseDatos(const Plantilla& plantilla, const PeticionInforme& p)
{
    const QString ruta = ResolverArchivo(p.datos);
    if (ruta.isEmpty())
        err::Lanzar(err::BaseDatos, {QString(), QStringLiteral("no se ha indicado el archivo.")});
    db::Connection con;
    try {
        con.Open(db::ConnectionString::forFile(ruta, ClaveSinSalto(p.clave)), true);
    } catch (const vb::VbError& e) {
        err::Lanzar(err::BaseDatos, {ruta, e.description()});
    }
    DatosInforme datos = LeerDatos(con, plantilla, p.orden);
    con.Close();
    return datos;
}

} // namespace

double TwipsAMilimetros(double twips)
{
    return twips / kTwipsPorMilimetro;
}

QString ResolverArchivo(const QString& nombre)
{
    const QString t = nombre.trimmed();
    if (t.isEmpty())
        return {};
    const QString normal = os::NormalizeSeparators(t);
    const bool enCarpetaPrograma = t.startsWith(u'\\') || !normal.contains(u'/');
    QString carpeta;
    QString relativo;
    if (enCarpetaPrograma) {
        carpeta = os::AppPath();
        relativo = normal.startsWith(u'/') ? normal.mid(1) : normal;
    } else if (QDir::isAbsolutePath(normal)) {
        carpeta = QStringLiteral("/");
        relativo = normal.mid(1);
    } else {
        carpeta = QDir::currentPath();
        relativo = normal;
    }
    const QString encontrado = os::FindFileCaseInsensitive(carpeta, relativo);
    return encontrado.isEmpty() ? os::JoinPath(carpeta, relativo) : encontrado;
}

ModeloPaginas GenerarInforme(const PeticionInforme& p)
{
    const QString ruta = ResolverArchivo(p.plantilla);
    if (ruta.isEmpty())
        err::Lanzar(err::SinPlantilla);
    const Plantilla plantilla = LeerPlantilla(ruta);
    TablaFormulas formulas(plantilla.formulas);
    formulas.Aplicar(p.formulas);

    std::optional<DatosInforme> datos;
    if (!plantilla.tabla.isEmpty())
        datos = LeerBaseDatos(plantilla, p);

    OpcionesMaquetacion opciones;
    const QMarginsF& m = p.margenesTwips;
    opciones.margenes = QMarginsF(TwipsAMilimetros(m.left()), TwipsAMilimetros(m.top()), TwipsAMilimetros(m.right()),
                                  TwipsAMilimetros(m.bottom()));
    opciones.titulo = p.titulo;
    opciones.fecha = p.fecha;
    return Maquetar(plantilla, datos ? &*datos : nullptr, formulas, opciones);
}

} // namespace report
