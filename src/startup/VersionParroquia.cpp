#include "startup/VersionParroquia.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/vb/Texto.h"
#include "schema/Estructura.h"
#include "schema/upgrade/PasoVersion.h"
#include "schema/upgrade/RutaActualizacion.h"

QString VersionTrasActualizar(const QString& version, const QString& aplicacion)
{
    const QList<int> ruta = RutaActualizacion(aplicacion);
    QString alcanzada = version;
    // As the upgrade runs them: the first step of the path that starts at the
    // version reached, again and again; no path has more steps than that.
    for (qsizetype pasos = 0; pasos < ruta.size(); ++pasos) {
        bool avanzada = false;
        for (int numero : ruta) {
            const PasoVersion& paso = PasoNumero(numero);
            if (paso.desde == alcanzada) {
                alcanzada = paso.hasta;
                avanzada = true;
                break;
            }
        }
        if (!avanzada)
            break;
    }
    return alcanzada;
}

QString AvisoVersionParroquia(db::Connection& conLocal, const QString& aplicacion)
{
    const db::Recordset informacion = conLocal.Execute(QStringLiteral("SELECT Version FROM Informacion"));
    if (informacion.isEOF())
        return {};
    const QString version = vb::Trim(informacion.value(QStringLiteral("Version")).toString());
    if (version.isEmpty() || VersionTrasActualizar(version, aplicacion) == VERSION_DUZEDIV)
        return {};
    return QStringLiteral("¡La base de datos 'Duzediv.mdb' es de la versión %1, y esta edición de la aplicación "
                          "trabaja con la versión %2 y no puede actualizarla!")
               .arg(version, VERSION_DUZEDIV)
           + QStringLiteral("\r\n\r\nArchivo: ") + conLocal.Property(db::ConnectionString::kDataSource)
           + QStringLiteral("\r\n\r\nNo se ha cambiado nada en el archivo. La aplicación no podrá continuar. "
                            "Actualice la base de datos con la edición de la aplicación que la creó, o restaure "
                            "una copia de seguridad de la versión %1, y vuelva a iniciar la aplicación.")
                 .arg(VERSION_DUZEDIV);
}
