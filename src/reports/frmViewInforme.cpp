#include "reports/frmViewInforme.h"

#include "core/AjustesUsuario.h"
#include "core/CcNodos.h"
#include "core/EstadoPrincipal.h"
#include "core/cConstante.h"
#include "core/denDuzediv.h"
#include "dialogs/frmOpciones.h"
#include "navigation/ArbolNodos.h"
#include "navigation/cIPrincipal.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/EnabledStateGuard.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Twips.h"
#include "reports/ArbolInformes.h"
#include "reports/BotoneraInformes.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr const char* kModulo = "frmViewInforme";
constexpr const char* kProyecto = "NorviaParvanta2000.vbp";

QRect Twips(int left, int top, int width, int height)
{
    return QRect(vb::TwipsToPixelsX(left), vb::TwipsToPixelsY(top), vb::TwipsToPixelsX(width),
                 vb::TwipsToPixelsY(height));
}

} // namespace

frmViewInforme::frmViewInforme(ContextoInformes ctx, QWidget* parent)
    : QDialog(parent), m_ctx(std::move(ctx)), m_tabla(informes::TablaInformes(cConstante(m_ctx.edicion).nodo()))
{
    setObjectName(QStringLiteral("frmViewInforme"));
    setWindowModality(Qt::ApplicationModal);
    resize(vb::TwipsToPixelsX(6495), vb::TwipsToPixelsY(4620));

    m_trvCliente = new ArbolNodos(this);
    m_trvCliente->setObjectName(QStringLiteral("trvCliente"));
    m_trvCliente->setGeometry(Twips(240, 255, 5190 - 165 - 240, 4100));

    const char* captions[] = {"&Todos", "&Seleccionar", "&Cerrar"};
    const int tops[] = {255, 780, 1980};
    for (int i = 0; i < 3; ++i) {
        auto* boton = new QPushButton(QString::fromUtf8(captions[i]), this);
        boton->setObjectName(QStringLiteral("cmdBotonera%1").arg(i));
        boton->setGeometry(Twips(5190, tops[i], 1095, 375));
        connect(boton, &QPushButton::clicked, this, [this, i] { cmdBotonera_Click(i); });
        m_cmdBotonera << boton;
    }
    m_cmdBotonera[0]->setDefault(true);
    for (QPushButton* boton : std::as_const(m_cmdBotonera))
        boton->setAutoDefault(false);
    m_cmdBotonera[0]->setDefault(true);

    m_nvbpInformes = new QProgressBar(this);
    m_nvbpInformes->setObjectName(QStringLiteral("nvbpInformes"));
    m_nvbpInformes->setGeometry(Twips(5550, 3360, 450, 465));
    m_nvbpInformes->setOrientation(Qt::Vertical);
    m_nvbpInformes->setTextVisible(false);
    m_nvbpInformes->setVisible(false);

    m_cmdMargenes = new QPushButton(QStringLiteral("&Márgenes"), this);
    m_cmdMargenes->setObjectName(QStringLiteral("cmdMargenes"));
    m_cmdMargenes->setGeometry(Twips(5190, 1320, 1095, 375));
    m_cmdMargenes->setAutoDefault(false);
    connect(m_cmdMargenes, &QPushButton::clicked, this, &frmViewInforme::cmdMargenes_Click);

    setTabOrder(m_trvCliente, m_cmdBotonera[0]);
    setTabOrder(m_cmdBotonera[0], m_cmdBotonera[1]);
    setTabOrder(m_cmdBotonera[1], m_cmdBotonera[2]);
    setTabOrder(m_cmdBotonera[2], m_cmdMargenes);

    connect(m_trvCliente, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* actual) { trvCliente_NodeClick(actual); });
    connect(m_trvCliente, &QTreeWidget::itemDoubleClicked, this, [this] { trvCliente_DblClick(); });

    Form_Load();
}

frmViewInforme::~frmViewInforme() = default;

void frmViewInforme::Form_Load()
{
    // Whatever fails, the window opens with what could be built, and the
    // pointer the menu command set goes back to the arrow.
    try {
        EstadoPrincipal& estado = *m_ctx.estado;
        const AjustesUsuario ajustes{estado.appTitle, estado.gobjInfoConfig->Usuario, estado.gobjInfoConfig->idioma};
        m_arbol = std::make_unique<ArbolInformes>(estado.den->conLocal, ajustes, m_ctx.rutaImagenes);
        m_arbol->Cargar(*m_trvCliente, m_imlCliente);
        const cConstante constantes(m_ctx.edicion);
        const CcNodos& n = constantes.nodo();
        if (!estado.gobjInfoConfig->VodidazazDLL)
            cIPrincipal::EliminarNodo(*m_trvCliente, n.VODIDAZAZ());
        if (!estado.gobjInfoConfig->GestionParroquialDLL)
            cIPrincipal::EliminarNodo(*m_trvCliente, n.GESTIONPARROQUIAL());
        if (!estado.gobjInfoConfig->ContabilidadDLL)
            cIPrincipal::EliminarNodo(*m_trvCliente, n.CONTABILIDAD());
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        ui::ReportError(QStringLiteral("Form_Load()"), QStringLiteral("frmViewInforme "),
                        QString::fromLatin1(kProyecto));
        vb::Err().Clear();
    }
    setWindowTitle(QStringLiteral("Ver Informes"));
    ui::Current().setMousePointer(ui::vbDefault);
}

void frmViewInforme::Form_Unload()
{
    if (m_descargado)
        return;
    m_descargado = true;
    ui::RunHandler("GuardaConfigTvInformes", kModulo, kProyecto, [this] {
        if (m_arbol)
            m_arbol->GuardaConfigTvInformes(*m_trvCliente);
    });
}

void frmViewInforme::done(int resultado)
{
    Form_Unload();
    QDialog::done(resultado);
}

void frmViewInforme::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_trvCliente->setFocus();
}

void frmViewInforme::keyPressEvent(QKeyEvent* event)
{
    // Esc is the margins button's, not a way to close the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdMargenes->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmViewInforme::trvCliente_NodeClick(QTreeWidgetItem* nodo)
{
    if (!nodo)
        return;
    // The caption of index 0 and the states of both print buttons follow
    // every change of the selected node, by mouse or by keyboard, so Enter
    // never presses a button that does not fit the node shown.
    m_mstrNodo = ArbolNodos::Texto(nodo);
    m_cmdBotonera[0]->setText(informes::CaptionBoton0(m_tabla, m_mstrNodo));
    if (const informes::FilaInforme* fila = informes::BuscarFila(m_tabla, m_mstrNodo)) {
        m_cmdBotonera[0]->setEnabled(fila->habilitaTodos);
        m_cmdBotonera[1]->setEnabled(fila->habilitaSeleccionar);
    }
}

void frmViewInforme::trvCliente_DblClick()
{
    const informes::FilaInforme* fila = informes::BuscarFila(m_tabla, m_mstrNodo);
    if (fila && fila->lugarTodos != 0)
        cmdBotonera_Click(0);
}

void frmViewInforme::cmdBotonera_Click(int indice)
{
    if (indice == 2) {
        reject();
        return;
    }
    if (indice != 0 && indice != 1)
        return;
    ui::RunHandler(QStringLiteral("cmdBotonera_Click(%1)").arg(indice).toUtf8().constData(), kModulo, kProyecto,
                   [this, indice] {
                       ObjetosBotonera objetos(m_ctx.estado->appTitle);
                       CrearObjetosBotonera(*m_ctx.estado->gobjInfoConfig, objetos);
                       QTreeWidgetItem* seleccionado = m_trvCliente->currentItem();
                       const EntornoInforme e(m_ctx, objetos, m_nvbpInformes,
                                              seleccionado ? ArbolNodos::Texto(seleccionado) : QString(), indice);
                       const QString nodo = m_mstrNodo;
                       bool hecho = false;
                       if (indice == 0) {
                           const ui::EnabledStateGuard deshabilitada(this);
                           hecho = EjecutarTodos(e, nodo);
                       } else {
                           hecho = EjecutarSeleccionar(e, nodo);
                       }
                       if (!hecho)
                           ui::MsgBox(QStringLiteral("¡Seleccione en el árbol el informe que desea imprimir!"),
                                      ui::vbOKOnly + ui::vbExclamation, m_ctx.estado->appTitle);
                   },
                   this);
}

void frmViewInforme::cmdMargenes_Click()
{
    // The options window on its documents page, without the general and
    // password pages; it has no owner, as the viewer itself.
    ui::RunHandler("cmdMargenes_Click", kModulo, kProyecto, [this] {
        EstadoPrincipal& estado = *m_ctx.estado;
        ServiciosOpciones servicios;
        servicios.ejecutarDialogo = m_ctx.ejecutarDialogo;
        MostrarOpcionesVisor(ContextoOpciones{estado, *estado.gobjInfoConfig, estado.den->conLocal, estado.appTitle, {}},
                             std::move(servicios));
    });
}
