#include "startup/EnlaceDatos.h"

#include "platform/db/ConnectionString.h"
#include "platform/vb/VbError.h"
#include "core/ArchivoUdl.h"
#include "core/cConfiguracion.h"

#include <QStringList>

namespace {

const QString kOrigenDatos = QStringLiteral("Data Source");
const QString kProveedorJet = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0");
const QString kPersistencia = QStringLiteral("Persist Security Info=False");

constexpr long kErrorRutaArchivo = 75;

bool EsOrigenDatos(const db::ConnectionStringProperty& propiedad)
{
    return propiedad.key.compare(kOrigenDatos, Qt::CaseInsensitive) == 0;
}

} // namespace

// The file as it is spelled on disk, so that saving replaces it instead of
// adding a second file that differs only in letter case.
EnlaceDatos::EnlaceDatos(QString ruta)
    : m_ruta(RutaArchivoUdl(ruta)),
      m_cadena(LeerArchivoUdl(m_ruta))
{
}

QString EnlaceDatos::OrigenDatos() const
{
    return cConfiguracion::ObtenerOrigenDatos(m_cadena);
}

void EnlaceDatos::EstablecerOrigenDatos(const QString& origen)
{
    m_cadena = ConOrigenDatos(m_cadena, origen);
}

QString EnlaceDatos::ConOrigenDatos(const QString& cadena, const QString& origen)
{
    // Quoted when it holds a ";" or a quote, so that it reads back whole.
    const QString nueva = kOrigenDatos + QLatin1Char('=') + db::ConnectionString::quoted(origen);
    if (cadena.trimmed().isEmpty())
        return QStringList{kProveedorJet, nueva, kPersistencia}.join(QLatin1Char(';'));
    QStringList propiedades;
    bool sustituida = false;
    for (const db::ConnectionStringProperty& propiedad : db::ConnectionString::split(cadena)) {
        if (!sustituida && EsOrigenDatos(propiedad)) {
            propiedades << nueva;
            sustituida = true;
        } else {
            propiedades << propiedad.text;
        }
    }
    if (!sustituida) {
        // After the provider, where the data-link editor puts it.
        propiedades.insert(propiedades.isEmpty() ? 0 : 1, nueva);
    }
    return propiedades.join(QLatin1Char(';'));
}

void EnlaceDatos::Guardar() const
{
    if (!EscribirArchivoUdl(m_ruta, m_cadena))
        throw vb::VbError(kErrorRutaArchivo,
                          QStringLiteral("Error de acceso a la ruta o el archivo: '%1'").arg(m_ruta));
}
