#include "reports/PasosInforme.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "core/AjustesUsuario.h"
#include "reports/BotoneraInformes.h"

#include <QProgressBar>
#include <QPointer>

#include <optional>

namespace informes {

namespace {

const QString kModulo = QStringLiteral("frmViewInforme");
const QString kProyecto = QStringLiteral("NorviaParvanta2000.vbp");

// Hides the progress bar at the end of an all-records pass, on every path.
class OcultarBarra {
public:
    explicit OcultarBarra(QProgressBar* barra) : m_barra(barra) {}
    ~OcultarBarra()
    {
        if (m_barra)
            m_barra->setVisible(false);
    }
    OcultarBarra(const OcultarBarra&) = delete;
    OcultarBarra& operator=(const OcultarBarra&) = delete;

private:
    QPointer<QProgressBar> m_barra;
};

} // namespace

void Informar(const EntornoInforme& e, const Aviso& aviso)
{
    if (aviso.mensaje.isEmpty()) {
        ui::ReportError(e.Procedimiento(), kModulo, kProyecto);
    } else {
        ui::Beep();
        ui::MsgBox(aviso.mensaje + QLatin1Char('\n') + QStringLiteral("Descripción: ") + vb::Err().Description,
                   ui::vbOKOnly + ui::vbExclamation, e.appTitle());
    }
    vb::Err().Clear();
}

void InformarExcepcion(const EntornoInforme& e, const Aviso& aviso)
{
    vb::Err().SetFromException(std::current_exception());
    Informar(e, aviso);
}

void AvisarSinRegistros(const EntornoInforme& e)
{
    ui::Beep();
    ui::MsgBox(QStringLiteral("¡No se ha encontrado ningún registro!"), ui::vbOKOnly + ui::vbInformation,
               e.appTitle());
}

qint16 Margen(const EntornoInforme& e, const QString& clave)
{
    if (clave.isEmpty())
        return 0;
    const AjustesUsuario ajustes{e.appTitle(), e.config().Usuario, e.config().idioma};
    return report::MargenEnTwips(
        ajustes.Leer(ajustes.Seccion(PVAPI::cCRegistry::DOCUMENTOS()), clave, QStringLiteral("0")));
}

QString FormulaPtsEur(const EntornoInforme& e)
{
    return e.config().TrabajarConPesetas ? QStringLiteral("PtsEur=0") : QStringLiteral("PtsEur=2");
}

void PrepararLista(const EntornoInforme& e, const QString& plantilla, const QString& titulo,
                   const QString& claveMargenSup, const QString& claveMargenIzq)
{
    PVAPI::IControlInforme& c = e.control();
    c.setReportFileName(e.Archivo(plantilla));
    c.setPassword(QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
    c.setDataFiles(0, e.Archivo(QStringLiteral("Informes.mdb")));
    c.setEngineSetting67(2);
    c.setWindowTitle(titulo);
    c.setMarginTop(Margen(e, claveMargenSup));
    c.setMarginLeft(Margen(e, claveMargenIzq));
    c.setMarginBottom(0);
    c.setMarginRight(0);
}

void PrepararFormulario(const EntornoInforme& e, const QString& plantilla, const QString& titulo)
{
    PVAPI::IControlInforme& c = e.control();
    c.setReportFileName(e.Archivo(plantilla));
    c.setPassword(QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
    c.setEngineSetting24(0);
    c.setDataFiles(0, e.Archivo(QStringLiteral("Informes.mdb")));
    c.setEngineSetting67(2);
    c.setWindowTitle(titulo);
    c.setEngineSetting124(false);
    c.setMarginTop(Margen(e, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP()));
    c.setMarginLeft(Margen(e, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ()));
    c.setEngineSetting122(true);
}

bool ImprimirLista(const EntornoInforme& e, const DefinicionLista& def)
{
    PVAPI::IControlInforme& c = e.control();
    report::GuardaImpresion guarda(c);
    PrepararLista(e, def.plantilla, def.titulo, def.margenSup, def.margenIzq);
    if (def.ptsEur)
        guarda.AnadirFormula(FormulaPtsEur(e));
    if (!def.orden.isEmpty())
        guarda.PonerOrden(0, def.orden);
    if (def.ajuste24)
        c.setEngineSetting24(0);
    c.PrintReport();
    guarda.LimpiarControl();
    return !report::InformarErrorMotor(c, e.obj.servicio);
}

bool PasadaLista(const EntornoInforme& e, const DefinicionLista& def, bool todos,
                 const std::function<void()>& llenar, const std::function<void()>& vaciar)
{
    std::optional<ui::HourglassGuard> reloj;
    if (todos)
        reloj.emplace();
    const OcultarBarra barra(todos ? e.nvbpInformes : nullptr);
    VaciadoPendiente vaciado(vaciar);
    const Aviso& avisoLectura = def.avisoLectura ? *def.avisoLectura : def.avisoVaciado;

    bool impreso = false;
    bool leido = false;
    bool vacia = true;
    try {
        llenar();
        if (!reloj)
            reloj.emplace();
        db::Recordset filas = e.conInformes().Execute(def.consulta);
        vacia = filas.isEOF();
        leido = true;
    } catch (...) {
        if (!reloj)
            reloj.emplace();
        InformarExcepcion(e, avisoLectura);
    }
    if (leido) {
        if (vacia) {
            if (todos)
                AvisarSinRegistros(e);
        } else {
            try {
                impreso = ImprimirLista(e, def);
            } catch (...) {
                InformarExcepcion(e, def.avisoVaciado);
            }
        }
    }
    try {
        vaciado.Ejecutar();
    } catch (...) {
        InformarExcepcion(e, def.avisoVaciado);
    }
    return impreso;
}

VaciadoPendiente::~VaciadoPendiente()
{
    if (m_hecho || !m_vaciar)
        return;
    try {
        m_vaciar();
    } catch (...) {
    }
}

void VaciadoPendiente::Ejecutar()
{
    m_hecho = true;
    if (m_vaciar)
        m_vaciar();
}

std::function<void()> VaciarCon(const EntornoInforme& e, const QString& sentencia)
{
    return [&e, sentencia] { e.conInformes().Execute(sentencia); };
}

} // namespace informes
