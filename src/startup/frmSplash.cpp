#include "startup/frmSplash.h"

#include "platform/addins/DefinicionComplemento.h"
#include "platform/addins/HostComplementos.h"
#include "platform/os/Paths.h"
#include "platform/ui/Ui.h"
#include "startup/App.h"
#include "startup/AperturaBasesDatos.h"
#include "core/AjustesUsuario.h"
#include "core/IVentanaPrincipal.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

namespace {

// A library that is there but whose object cannot be made leaves the
// add-in's shared object empty; its flag stays as the search found it.
template <class T>
void CrearSiPresente(bool presente, std::unique_ptr<T>& destino)
{
    if (!presente)
        return;
    try {
        destino = addins::CrearObjeto<T>(QString::fromLatin1(T::NombreClase));
    } catch (const std::exception&) {
        destino.reset();
    }
}

QLabel* Etiqueta(const QString& texto, int puntos, bool negrita, QWidget* padre)
{
    auto* etiqueta = new QLabel(texto, padre);
    QFont fuente = etiqueta->font();
    fuente.setPointSize(puntos);
    fuente.setBold(negrita);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

} // namespace

frmSplash::frmSplash(App& app, frmMensaje::EjecutarDialogo ejecutarDialogo, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_app(app),
      m_ejecutarDialogo(std::move(ejecutarDialogo))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(App::Title());

    auto* marco = new QFrame(this);
    marco->setFrameShape(QFrame::Box);
    marco->setLineWidth(2);
    auto* contenido = new QVBoxLayout(marco);
    contenido->setContentsMargins(36, 28, 36, 24);
    contenido->setSpacing(10);
    contenido->addWidget(Etiqueta(QStringLiteral("Norvia Parvanta 2000"), 22, true, marco));
    contenido->addWidget(Etiqueta(QStringLiteral("Gestión parroquial"), 12, false, marco));
    contenido->addWidget(
        Etiqueta(QStringLiteral("Versión %1").arg(QCoreApplication::applicationVersion()), 10, false, marco));
    contenido->addSpacing(12);
    m_lblCopyright = Etiqueta(QString(), 8, false, marco);
    m_lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    contenido->addWidget(m_lblCopyright);

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(marco);
    setFixedWidth(480);
    adjustSize();
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load()
{
    mblnSalir = false;
    mblnOK = false;

    BuscaComplementos();
    ui::DoEvents();

    if (os::FindFileCaseInsensitive(App::Path(), QStringLiteral("Imagenes.img")).isEmpty()) {
        ui::Beep();
        mblnOK = false;
        ui::MsgBox(QStringLiteral("¡La aplicación no ha encontrado el archivo 'Imagenes.img' y no podrá continuar!"),
                   ui::vbOKOnly + ui::vbExclamation, App::Title());
        return;
    }

    mblnOK = true;
    const AperturaBasesDatos::Resultado resultado = AperturaBasesDatos(m_app, m_ejecutarDialogo).Ejecutar();
    mblnOK = resultado.ok;
    mblnSalir = resultado.salir;
}

void frmSplash::BuscaComplementos()
{
    PVAPI::cInfoConfiguracion& info = *m_app.gobjInfoConfig;
    addins::HostComplementos& host = addins::HostComplementos::Instancia();
    for (const addins::DefinicionComplemento& complemento : addins::DefinicionComplemento::Buscados())
        info.*complemento.presencia = host.CargarBiblioteca(QString::fromLatin1(complemento.biblioteca));
    if (!info.BancosDLL) {
        info.VodidazazDLL = false;
        info.ContabilidadDLL = false;
    }
    CrearSiPresente(info.VodidazazDLL, m_app.gobjVodidazaz);
    CrearSiPresente(info.GestionParroquialDLL, m_app.gobjGestPar);
    CrearSiPresente(info.MensajeriaDLL, m_app.gobjMensajeria);
    CrearSiPresente(info.BancosDLL, m_app.gobjBancos);
    CrearSiPresente(info.ContabilidadDLL, m_app.gobjContabilidad);
}

void frmSplash::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    Form_Activate();
}

void frmSplash::Form_Activate()
{
    m_lblCopyright->setText(m_app.gobjConstante().SPLASH_CaptionLabelCopyright());
    ui::DoEvents();
}

void frmSplash::Form_Unload(bool loginAceptado)
{
    if (!mblnSalir && loginAceptado) {
        // The window's load writes the settings of every node and column a
        // new installation lacks: in one write.
        const LoteAjustes lote;
        if (IVentanaPrincipal* principal = m_app.Principal())
            principal->Mostrar();
    }
    close();
}
