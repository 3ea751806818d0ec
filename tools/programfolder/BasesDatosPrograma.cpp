#include "BasesDatosPrograma.h"

#include "platform/addins/ContabilidadPassword.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cCPassword.h"

#include <QDir>
#include <QFileInfo>

const QList<DescripcionBaseDatos>& BasesDatosPrograma()
{
    static const QList<DescripcionBaseDatos> bases{
        {BaseDatosPrograma::Duzediv, QStringLiteral("Duzediv.mdb"), QStringLiteral("duzediv.udl"),
         PVAPI::cCPassword::PASSWORD_NORVIAPARVANTA()},
        {BaseDatosPrograma::Informes, QStringLiteral("Informes.mdb"), QStringLiteral("Informes.udl"),
         PVAPI::cCPassword::PASSWORD_INFORMES()},
        {BaseDatosPrograma::Contabilidad, QStringLiteral("Contabilidad.mdb"), QStringLiteral("Contabilidad.udl"),
         PasswordContabilidad()},
    };
    return bases;
}

const DescripcionBaseDatos& Descripcion(BaseDatosPrograma base)
{
    for (const DescripcionBaseDatos& d : BasesDatosPrograma()) {
        if (d.base == base)
            return d;
    }
    Q_UNREACHABLE();
}

QString CadenaConexionVinculo(const QString& rutaBaseDatos)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False")
        .arg(QDir::cleanPath(QFileInfo(rutaBaseDatos).absoluteFilePath()));
}

QString CadenaEnlaceDatos(const QString& archivo)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False").arg(archivo);
}

QString CadenaConexionConPassword(const QString& rutaBaseDatos, const QString& password)
{
    return CadenaConexionVinculo(rutaBaseDatos) + QStringLiteral(";Jet OLEDB:Database Password=") + password;
}

QString RutaEnCarpeta(const QString& carpeta, const QString& nombre)
{
    // The program's own lookup, so the tool and the start-up pick the same file.
    const QString encontrado = os::FindFileCaseInsensitive(carpeta, nombre);
    return encontrado.isEmpty() ? os::JoinPath(carpeta, nombre) : encontrado;
}
