#include "core/cConfiguracion.h"

#include "core/AjustesUsuario.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "core/ArchivoUdl.h"
#include "core/IEmpresaPrincipal.h"

#include <QDir>

#include <algorithm>
#include <utility>

using PVAPI::cCRegistry;

namespace {

const QString kUsuarioPorDefecto = QStringLiteral("Administrador");

qsizetype UltimoSeparador(const QString& ruta, qsizetype desde = -1)
{
    return std::max(ruta.lastIndexOf(QLatin1Char('/'), desde), ruta.lastIndexOf(QLatin1Char('\\'), desde));
}

// A stored company id that is no number, or does not fit, selects no company.
qint32 IdEmpresa(const QString& id)
{
    if (!vb::IsNumeric(id))
        return 0;
    try {
        return vb::CLng(vb::CDblEs(id));
    } catch (const vb::VbError&) {
        return 0;
    }
}

bool EsNodoEmpresa(const QString& texto)
{
    return texto.startsWith(QLatin1Char('<')) && texto.endsWith(QLatin1Char('>'));
}

} // namespace

cConfiguracion::cConfiguracion(const PVAPI::cInfoConfiguracion& infoConfig, QString appTitle, QString appPath,
                               db::Connection* conContabilidad, std::function<IEmpresaPrincipal*()> principal)
    : m_infoConfig(infoConfig),
      m_appTitle(std::move(appTitle)),
      m_appPath(std::move(appPath)),
      m_conContabilidad(conContabilidad),
      m_principal(std::move(principal))
{
}

QString cConfiguracion::getConnectionString(const QString& udlFile)
{
    return LeerArchivoUdl(RutaArchivoUdl(udlFile));
}

QString cConfiguracion::ObtenerOrigenDatos(const QString& strCadena)
{
    for (const db::ConnectionStringProperty& propiedad : db::ConnectionString::split(strCadena)) {
        if (propiedad.key.compare(db::ConnectionString::kDataSource, Qt::CaseInsensitive) == 0)
            return propiedad.value;
    }
    return {};
}

QString cConfiguracion::ObtenerOrigenDatosDir(const QString& strOrigen)
{
    const QString origen = ObtenerOrigenDatos(strOrigen);
    const qsizetype separador = UltimoSeparador(origen);
    return separador < 0 ? QString() : origen.left(separador + 1);
}

QString cConfiguracion::ObtenerOrigenDatosMDB(const QString& strOrigen)
{
    const QString origen = ObtenerOrigenDatos(strOrigen);
    // A final separator belongs to the name: "C:\Datos\" gives "Datos\".
    const qsizetype separador = origen.size() < 2 ? -1 : UltimoSeparador(origen, origen.size() - 2);
    return separador < 0 ? origen : origen.mid(separador + 1);
}

QString cConfiguracion::RutaOrigenDatos(const QString& origen, const QString& carpetaPrograma)
{
    const QString ruta = os::NormalizeSeparators(origen);
    if (ruta.isEmpty() || QDir::isAbsolutePath(ruta))
        return ruta;
    return QDir::cleanPath(os::JoinPath(carpetaPrograma, ruta));
}

QString cConfiguracion::SeccionUsuario(const QString& seccion) const
{
    const QString usuario = m_infoConfig.Usuario.isEmpty() ? kUsuarioPorDefecto : m_infoConfig.Usuario;
    return AjustesUsuario{m_appTitle, usuario, m_infoConfig.idioma}.Seccion(seccion);
}

void cConfiguracion::Guardar(const QString& seccion, const QString& clave, const QString& valor) const
{
    settings::SaveSetting(m_appTitle, SeccionUsuario(seccion), clave, valor);
}

void cConfiguracion::GuardarSiVacio(const QString& seccion, const QString& clave, const QString& valor) const
{
    if (settings::GetSetting(m_appTitle, SeccionUsuario(seccion), clave).isEmpty())
        Guardar(seccion, clave, valor);
}

void cConfiguracion::CreaNuevoRegistro() const
{
    const LoteAjustes lote;
    settings::SaveSetting(m_appTitle, cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), m_appPath);

    const QString documentos = cCRegistry::DOCUMENTOS();
    Guardar(documentos, cCRegistry::DOCUMENTOS_MARGEN(), QStringLiteral("0"));
    Guardar(documentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
    Guardar(documentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("25"));
    Guardar(documentos, cCRegistry::DOCUMENTOS_MAXPAGLIBRO(), QStringLiteral("1000"));

    const QString interfaz = cCRegistry::INTERFACE();
    Guardar(interfaz, cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("24"));
    Guardar(interfaz, cCRegistry::INTERFACE_LEFT(), QStringLiteral("1000"));
    Guardar(interfaz, cCRegistry::INTERFACE_TOP(), QStringLiteral("1000"));
    Guardar(interfaz, cCRegistry::INTERFACE_WIDTH(), QStringLiteral("6500"));
    Guardar(interfaz, cCRegistry::INTERFACE_HEIGHT(), QStringLiteral("6500"));
    Guardar(interfaz, cCRegistry::INTERFACE_SPLITTER_LEFT(), QStringLiteral("1965"));
}

void cConfiguracion::LeeRegistro() const
{
    // Reaching the main window may load it: its load joins this batch.
    const LoteAjustes lote;
    settings::SaveSetting(m_appTitle, cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), m_appPath);

    const QString documentos = cCRegistry::DOCUMENTOS();
    GuardarSiVacio(documentos, cCRegistry::DOCUMENTOS_MARGEN(), QStringLiteral("0"));
    GuardarSiVacio(documentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
    GuardarSiVacio(documentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("25"));
    const QString interfaz = cCRegistry::INTERFACE();
    GuardarSiVacio(interfaz, cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("24"));
    GuardarSiVacio(interfaz, cCRegistry::INTERFACE_SPLITTER_LEFT(), QStringLiteral("1965"));

    const QString id = settings::GetSetting(m_appTitle, SeccionUsuario(cCRegistry::CONTABILIDAD()),
                                            cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA());
    if (!m_infoConfig.ContabilidadDLL)
        return;
    MostrarEmpresaSeleccionada(id.isEmpty() ? QStringLiteral("0") : id);
}

void cConfiguracion::MostrarEmpresaSeleccionada(const QString& id) const
{
    if (!m_conContabilidad || !m_principal)
        return;
    const qint32 codEmpresa = IdEmpresa(id);
    db::Recordset empresa = m_conContabilidad->Query(
        QStringLiteral("SELECT Abreviatura, AñoEjercicio, EjercicioCerrado FROM Empresa WHERE IDEmpresa=?"),
        {db::Value(codEmpresa)});
    if (empresa.isEOF())
        return;
    IEmpresaPrincipal* principal = m_principal();
    if (!principal)
        return;
    const QString etiqueta = QLatin1Char('<') + empresa.value(QStringLiteral("Abreviatura")).toString().toUpper()
                             + QStringLiteral(" - ") + empresa.value(QStringLiteral("AñoEjercicio")).toString()
                             + QLatin1Char('>');
    const int nodos = principal->ContarNodos();
    for (int indice = 1; indice <= nodos; ++indice) {
        if (EsNodoEmpresa(principal->TextoNodo(indice))) {
            principal->CambiarTextoNodo(indice, etiqueta);
            break;
        }
    }
    principal->EstablecerEmpresaSeleccionada(codEmpresa, empresa.value(QStringLiteral("EjercicioCerrado")).toBool());
}
