#include "startup/ModMain.h"

#include "core/AjustesUsuario.h"
#include "platform/db/Connection.h"
#include "platform/os/Files.h"
#include "platform/os/Locale.h"
#include "platform/os/Paths.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "startup/App.h"
#include "startup/ComprobacionPassword.h"
#include "startup/IAccionesSetup.h"
#include "startup/IActualizacionBD.h"
#include "startup/IdiomaUsuario.h"
#include "core/IVentanaPrincipal.h"
#include "startup/ReconciliacionComplementos.h"
#include "startup/TerminacionInmediata.h"
#include "startup/VersionParroquia.h"
#include "core/cConfiguracion.h"
#include "startup/frmPassword.h"
#include "startup/frmSplash.h"

#include <exception>
#include <utility>

using PVAPI::cCRegistry;

namespace {

const QString kAdministrador = QStringLiteral("Administrador");
const QString kNombreInstancia = QStringLiteral("NorviaParvanta2000");
constexpr int kCodigoUsuario = 0;
constexpr int kCodigoError = 1;

// The data files made writable at start, in this order.
const char* const kArchivosDatos[] = {
    "duzediv.udl", "Informes.udl", "Contabilidad.udl", "duzediv.mdb", "Informes.mdb",
    "Contabilidad.mdb", "Imagenes.img", "Duzediv.html", "---",
};

} // namespace

ModMain::ModMain(App& app, ServiciosArranque servicios)
    : m_app(app),
      m_servicios(std::move(servicios))
{
}

ModMain::~ModMain() = default;

QString ModMain::TextoConfiguracionRegional()
{
    const QString salto = QStringLiteral("\r\n");
    return QStringLiteral("¡La configuración regional de su equipo no es correcta!") + salto + salto
           + QStringLiteral("Ejecute la opción 'Panel de control' de su sistema operativo y "
                            "revise la configuración regional establecida para su equipo. "
                            "Compruebe que el separador de miles sea el carácter punto ('.') "
                            "y que el separador decimal sea el carácter coma (',') tanto "
                            "para números como para monedas.")
           + salto + salto
           + QStringLiteral("Si continua con la ejecución de la aplicación sin cambiar "
                            "la configuración regional de su equipo, es posible que las "
                            "cantidades numéricas introducidas sean incorrectas o que se "
                            "produzca algún error en tiempo de ejecución.")
           + salto + salto + QStringLiteral("¿Desea continuar?");
}

ModMain::Resultado ModMain::Main()
{
    int codigo = kCodigoUsuario;
    try {
        return Secuencia();
    } catch (const TerminacionInmediata& fin) {
        codigo = fin.codigo();
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        const QString procedimiento = QStringLiteral("Sub Main()");
        const QString modulo = QStringLiteral("modMain");
        const QString proyecto = QStringLiteral("NorviaParvanta2000.vbp");
        if (m_app.gobjDuzediv)
            m_app.gobjDuzediv->VerError(procedimiento, modulo, proyecto);
        else
            ui::ReportError(procedimiento, modulo, proyecto);
        codigo = kCodigoError;
    }
    m_servicios.terminarPrograma(codigo);
    return Resultado::Terminado;
}

ModMain::Resultado ModMain::Secuencia()
{
    CrearObjetosCompartidos();
    if (!CargarSplash())
        return Resultado::SinVentana;
    if (!ActualizarBasesDatos()) {
        DescargarSplash(false);
        return Resultado::SinVentana;
    }

    PVAPI::cInfoConfiguracion& info = *m_app.gobjInfoConfig;
    // Only showing the selected accounting company reaches into the main
    // window, after the login and with the settings in place: reaching it
    // makes and loads the window.
    const cConfiguracion configuracion(info, App::Title(), App::Path(), &m_app.den.conContabilidad,
                                       [this]() -> IEmpresaPrincipal* {
                                           IVentanaPrincipal* principal = m_app.Principal();
                                           return principal ? principal->Empresa() : nullptr;
                                       });
    ComprobarCarpetaPrograma(configuracion);
    info.Usuario = kAdministrador;

    const bool loginAceptado = IdentificarUsuario();
    if (loginAceptado)
        configuracion.LeeRegistro();
    ui::DoEvents();
    if (!loginAceptado) {
        // A refused user changes nothing more: no add-in set-up, no settings.
        DescargarSplash(false);
        return Resultado::SinVentana;
    }

    if (!ReconciliarComplementos())
        return Resultado::SinVentana;
    EscribirMargenesPredeterminados();

    DescargarSplash(loginAceptado);
    ui::DoEvents();
    return Resultado::VentanaPrincipal;
}

void ModMain::CrearObjetosCompartidos()
{
    ui::Ui& pantalla = ui::Current();
    m_app.gobjDuzediv = std::make_unique<PVAPI::cDuzediv>(App::Title());
    m_app.gobjRegistro = std::make_unique<cCRegistry>();
    // Errors that reach an event handler are reported through it from now on.
    m_app.gobjDuzediv->RegistrarComoInformador();

    pantalla.setMousePointer(ui::vbHourglass);
    m_app.HelpFile = os::AppFile(QStringLiteral("Duzediv.html"));
    if (m_servicios.establecerDirectorioActual)
        m_servicios.establecerDirectorioActual(App::Path());

    m_instanciaUnica = std::make_unique<os::SingleInstanceGuard>(kNombreInstancia, m_servicios.carpetaInstanciaUnica);
    if (m_instanciaUnica->anotherInstanceRunning()) {
        ui::Beep();
        throw TerminacionInmediata(kCodigoUsuario);
    }

    QuitarSoloLectura();
    pantalla.setMousePointer(ui::vbDefault);
    pantalla.setMousePointer(ui::vbHourglass);

    m_app.gobjInfoConfig = std::make_unique<PVAPI::cInfoConfiguracion>();
}

bool ModMain::CargarSplash()
{
    m_splash = std::make_unique<frmSplash>(m_app, m_servicios.ejecutarDialogo);
    m_splash->Form_Load();
    m_splash->show();
    ui::DoEvents();

    // Asked only now, with the databases open: answering Yes goes on normally.
    if (!ComprobarConfiguracionRegional()) {
        ui::Beep();
        if (ui::MsgBox(TextoConfiguracionRegional(), ui::vbYesNo + ui::vbExclamation + ui::vbDefaultButton2,
                       App::Title())
            == ui::vbNo)
            throw TerminacionInmediata(kCodigoUsuario);
    }

    if (m_splash->mblnOK)
        return true;
    DescargarSplash(false);
    return false;
}

bool ModMain::ActualizarBasesDatos()
{
    // Before anything reads a column an older layout lacks.
    const QString aviso = AvisoVersionParroquia(m_app.den.conLocal, cConstante().Aplicacion());
    if (!aviso.isEmpty()) {
        ui::Beep();
        ui::MsgBox(aviso, ui::vbOKOnly + ui::vbExclamation, App::Title());
        return false;
    }

    PVAPI::cInfoConfiguracion& info = *m_app.gobjInfoConfig;
    info.idioma = IdiomaUsuario(App::Title()).Fijar();

    const std::unique_ptr<IActualizacionBD> actualizacion = m_servicios.crearActualizacion(m_app);
    actualizacion->ActualizarDuzediv();
    if (info.ContabilidadDLL)
        actualizacion->ActualizarContabilidad();

    RegistrarTipoAplicacion();
    return true;
}

void ModMain::QuitarSoloLectura() const
{
    const QString carpeta = App::Path();
    for (const char* nombre : kArchivosDatos) {
        const QString archivo = os::FindFileCaseInsensitive(carpeta, QString::fromUtf8(nombre));
        if (!archivo.isEmpty())
            os::ClearReadOnly(archivo);
    }
}

bool ModMain::ComprobarConfiguracionRegional()
{
    const os::LocaleSeparators separadores = os::SystemLocaleSeparators();
    return separadores.decimal == QStringLiteral(",") && separadores.thousands == QStringLiteral(".")
           && separadores.currencyThousands == QStringLiteral(".") && separadores.currencyDecimal == QStringLiteral(",");
}

void ModMain::RegistrarTipoAplicacion()
{
    db::Connection& conLocal = m_app.den.conLocal;
    const db::Recordset informacion = conLocal.Execute(QStringLiteral("SELECT TipoAplicacion FROM Informacion"));
    cConstante constante;
    QString tipo = constante.INF_TipoAplicacion();
    if (constante.ConsolidacionVisible())
        tipo += QLatin1Char(' ') + QStringLiteral("CONSOLIDACION");
    const db::Value guardado = informacion.value(QStringLiteral("TipoAplicacion"));
    if (guardado.isNull() || guardado.toString().trimmed() != tipo)
        conLocal.Exec(QStringLiteral("UPDATE Informacion SET TipoAplicacion = ?"), {db::Value(tipo)});
}

void ModMain::ComprobarCarpetaPrograma(const cConfiguracion& configuracion)
{
    const QString guardada =
        settings::GetSetting(App::Title(), cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH());
    if (!guardada.isEmpty() && guardada == App::Path())
        return;
    m_app.gobjInfoConfig->Usuario = kAdministrador;
    m_app.gobjInfoConfig->Permiso = kAdministrador;
    configuracion.CreaNuevoRegistro();
}

bool ModMain::IdentificarUsuario()
{
    PVAPI::cInfoConfiguracion& info = *m_app.gobjInfoConfig;
    bool aceptado = true;
    if (ComprobacionPassword(info, App::Title()).PasswordGuardado().isEmpty()) {
        info.Usuario = kAdministrador;
    } else {
        frmPassword password(info, App::Title());
        m_servicios.ejecutarDialogo(password);
        aceptado = password.mblnOK;
    }
    // The password form's unload, shown or not.
    ui::Current().setMousePointer(ui::vbHourglass);
    return aceptado;
}

bool ModMain::ReconciliarComplementos()
{
    ReconciliacionComplementos reconciliacion(
        m_app.den.conLocal, *m_app.gobjInfoConfig, [this]() -> IAccionesSetup& { return AccionesSetup(); },
        [this] {
            m_splash->repaint();
            ui::DoEvents();
        });
    if (reconciliacion.Ejecutar())
        return true;
    m_splash->mblnOK = false;
    m_splash->mblnSalir = true;
    DescargarSplash(false);
    return false;
}

IAccionesSetup& ModMain::AccionesSetup()
{
    if (!m_accionesSetup)
        m_accionesSetup = m_servicios.crearAccionesSetup(m_app);
    return *m_accionesSetup;
}

void ModMain::EscribirMargenesPredeterminados() const
{
    const LoteAjustes lote;
    const PVAPI::cInfoConfiguracion& info = *m_app.gobjInfoConfig;
    const AjustesUsuario ajustes{App::Title(), info.Usuario, info.idioma};
    const QString seccion = ajustes.Seccion(cCRegistry::DOCUMENTOS());
    if (ajustes.Leer(seccion, cCRegistry::DOCUMENTOS_MARGENSUPERIOR()).isEmpty())
        ajustes.Guardar(seccion, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
    if (ajustes.Leer(seccion, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()).isEmpty())
        ajustes.Guardar(seccion, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("25"));
}

void ModMain::DescargarSplash(bool loginAceptado)
{
    m_splash->Form_Unload(loginAceptado);
    m_splash.reset();
}
