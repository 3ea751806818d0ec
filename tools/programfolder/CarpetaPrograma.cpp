#include "CarpetaPrograma.h"

#include "BaseImagenes.h"
#include "BasesDatosPrograma.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/os/Paths.h"
#include "schema/Estructura.h"
#ifdef DUZ_CON_SEMILLAS
#include "seed/SemillasNuevas.h"
#endif
#include "core/ArchivoUdl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <stdexcept>

namespace {

[[noreturn]] void Fallo(const QString& texto)
{
    throw std::runtime_error(texto.toStdString());
}

// Builds `final` through `construir` on a temporary file beside it, then
// renames it into place. A leftover temporary of an interrupted run is
// replaced; the final name is never overwritten.
void ConstruirArchivo(const QString& final, const std::function<void(const QString&)>& construir)
{
    const QString temporal = final + QStringLiteral(".nuevo");
    QFile::remove(temporal);
    try {
        construir(temporal);
    } catch (...) {
        QFile::remove(temporal);
        throw;
    }
    if (!QFile::rename(temporal, final)) {
        QFile::remove(temporal);
        Fallo(QStringLiteral("No se pudo crear el archivo '%1'.").arg(final));
    }
}

void CrearBaseDatos(const QString& ruta, const DescripcionBaseDatos& base,
                    [[maybe_unused]] const OpcionesCarpetaPrograma& opciones)
{
    db::CreateDatabase(ruta, base.password);
    db::Connection con;
    con.Open(CadenaConexionConPassword(ruta, base.password));
    switch (base.base) {
    case BaseDatosPrograma::Duzediv:
        CrearEstructuraDuzediv(con);
#ifdef DUZ_CON_SEMILLAS
        if (opciones.sembrar)
            SembrarDuzedivNueva(con, opciones.aplicacion);
#endif
        break;
    case BaseDatosPrograma::Informes:
        CrearEstructuraInformes(con);
        break;
    case BaseDatosPrograma::Contabilidad:
        CrearEstructuraContabilidad(con);
#ifdef DUZ_CON_SEMILLAS
        if (opciones.sembrar)
            SembrarContabilidadNueva(con);
#endif
        break;
    }
    con.Close();
}

// Makes `nombre` in `carpeta` unless an entry of that name, in any letter
// case, is already there.
void SiFalta(const QString& carpeta, const QString& nombre, InformeCarpetaPrograma& informe,
             const std::function<void(const QString&)>& crear)
{
    const QString ruta = RutaEnCarpeta(carpeta, nombre);
    if (QFileInfo::exists(ruta)) {
        informe.conservados << ruta;
        return;
    }
    crear(ruta);
    informe.creados << ruta;
}

void CrearSubcarpeta(const QString& carpeta, const QString& relativa, InformeCarpetaPrograma& informe)
{
    const QString ruta = QDir(carpeta).filePath(relativa);
    if (QFileInfo(ruta).isDir())
        return;
    if (!QDir().mkpath(ruta))
        Fallo(QStringLiteral("No se pudo crear la carpeta '%1'.").arg(ruta));
    informe.creados << ruta;
}

} // namespace

InformeCarpetaPrograma CrearCarpetaPrograma(const QString& carpeta, const OpcionesCarpetaPrograma& opciones)
{
    InformeCarpetaPrograma informe;
    if (!QDir().mkpath(carpeta))
        Fallo(QStringLiteral("No se pudo crear la carpeta '%1'.").arg(carpeta));
    const QString absoluta = QDir(carpeta).absolutePath();

    for (const DescripcionBaseDatos& base : BasesDatosPrograma()) {
        SiFalta(absoluta, base.archivo, informe, [&](const QString& ruta) {
            ConstruirArchivo(ruta, [&](const QString& temporal) { CrearBaseDatos(temporal, base, opciones); });
        });
    }
    SiFalta(absoluta, QStringLiteral("Imagenes.img"), informe,
            [](const QString& ruta) { ConstruirArchivo(ruta, [](const QString& t) { CrearBaseImagenes(t); }); });

    // The links name the databases as they are spelled in the folder.
    for (const DescripcionBaseDatos& base : BasesDatosPrograma()) {
        SiFalta(absoluta, base.vinculo, informe, [&](const QString& ruta) {
            const QString mdb = os::FileNameOf(RutaEnCarpeta(absoluta, base.archivo));
            if (!EscribirArchivoUdl(ruta, CadenaEnlaceDatos(mdb)))
                Fallo(QStringLiteral("No se pudo escribir el archivo '%1'.").arg(ruta));
        });
    }

    CrearSubcarpeta(absoluta, QStringLiteral("CopiasBD"), informe);
    CrearSubcarpeta(absoluta, QStringLiteral("Log/Trasvase"), informe);
    CrearSubcarpeta(absoluta, QStringLiteral("addins"), informe);
    return informe;
}
