#include "mainwindow/frmPrincipal.h"

#include "agenda/PanelAgenda.h"
#include "core/IntentarPaso.h"
#include "core/cConstante.h"
#include "core/denDuzediv.h"
#include "mainwindow/AccionesMenus.h"
#include "mainwindow/ComandosVentana.h"
#include "dialogs/ComandosOpciones.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "reports/ComandosInformes.h"
#include "reports/frmViewInforme.h"
#include "startup/frmMensaje.h"
#include "mantenimiento/cMantenimientoBD.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "mainwindow/HerramientasContabilidad.h"
#include "mainwindow/MenuEstructura.h"
#include "actions/EmpresaSeleccionada.h"
#include "mainwindow/BandaSeparador.h"
#include "mainwindow/CargaConfiguracion.h"
#include "mainwindow/EstadoVentana.h"
#include "mainwindow/MenusPrincipal.h"
#include "mainwindow/ReglasCargaPrincipal.h"
#include "mainwindow/VentanaListaPrincipal.h"
#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "navigation/CargaModeloNodos.h"
#include "navigation/ConsultasNodo.h"
#include "navigation/ClavesNodo.h"
#include "navigation/GuardarConfigTvPrincipal.h"
#include "navigation/cIPrincipal.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/ControlInforme.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "recordlist/ComandosLista.h"
#include "recordlist/cListaPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

// The texts every error report of the window carries.
const char kModulo[] = "frmPrincipal";
const char kProyecto[] = "NorviaParvanta2000";

// Design-time sizes of the panes, twips.
constexpr int kAltoTitulo = 540;
constexpr int kAnchoSeparador = 60;
constexpr int kAltoMensaje = 1100;
constexpr int kLadoImagenCorreo = 480;
// The message preview's rows: fixed caption, then the value.
constexpr int kIzquierdaMensaje = 120;
constexpr int kTopMensaje = 90;
constexpr int kPasoMensaje = 300;
constexpr int kAltoFilaMensaje = 285;
constexpr int kHuecoMensaje = 60;
constexpr int kTopImagenTitulo = 30;
constexpr int kTopArbolConta = 0;

int PxX(double twips) { return vb::TwipsToPixelsX(int(twips)); }
int PxY(double twips) { return vb::TwipsToPixelsY(int(twips)); }
int TwX(int pixels) { return vb::PixelsToTwipsX(pixels); }
int TwY(int pixels) { return vb::PixelsToTwipsY(pixels); }

void Colocar(QWidget* control, const RectTwips& r)
{
    control->setGeometry(PxX(r.left), PxY(r.top), PxX(r.width), PxY(r.height));
}

// Pictures of the picture database the window shows itself.
constexpr int kImagenPrograma = 9;
constexpr int kImagenCorreo = 35;  // the envelope of "Mensajería"

// Picture `id` of the picture database at both sizes (16 and 32 pixels);
// none when the database cannot be read: a missing picture never stops
// the window.
QIcon ImagenDeBase(const QString& rutaImagenes, int id)
{
    QIcon icono;
    IntentarPaso([&] {
        db::Connection con;
        con.Open(QStringLiteral("Data Source=%1").arg(rutaImagenes), true);
        db::Recordset fila =
            con.Query(QStringLiteral("SELECT TrvImagen, LblImagen FROM Imagen WHERE IDImagen = ?"), {id});
        for (const char* campo : {"TrvImagen", "LblImagen"}) {
            QPixmap imagen;
            if (!fila.isEOF() && imagen.loadFromData(fila.value(QString::fromUtf8(campo)).toBytes()))
                icono.addPixmap(imagen);
        }
    });
    vb::Err().Clear();
    return icono;
}

} // namespace

frmPrincipal::frmPrincipal(ContextoPrincipal contexto, QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(std::move(contexto))
{
    m_estado.gobjInfoConfig = m_ctx.gobjInfoConfig;
    m_estado.den = m_ctx.den;
    m_estado.appTitle = m_ctx.appTitle;
    m_estado.consolidacionVisible = cConstante(m_ctx.edicion).ConsolidacionVisible();

    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Norvia Vodidazaz 2000 (ONG)"));
    setWindowIcon(ImagenDeBase(mobjPrincipal().RutaImagenes(), kImagenPrograma));
    setMinimumSize(PxX(DisposicionPrincipal::kAnchoMinimo), PxY(DisposicionPrincipal::kAltoMinimo));
    m_menus.Construir(MenusPrincipal(), menuBar(), this);
    CrearControles();
    RegistrarComandos();
    ConectarComandos();
}

frmPrincipal::~frmPrincipal()
{
    // The child controls outlive the members while the window goes: their
    // last signals must not reach the list's controller.
    for (QObject* emisor : std::initializer_list<QObject*>{tvTreeView, msgPrincipal, tbPrincipal})
        emisor->disconnect(this);
}

cIPrincipal& frmPrincipal::mobjPrincipal()
{
    if (!m_principal) {
        m_principal = std::make_unique<cIPrincipal>(&m_estado.gcolNodo, m_ctx.rutaImagenes);
        if (m_ctx.crearAcciones)
            m_principal->EstablecerFabricaAcciones([this] { return m_ctx.crearAcciones(*this); });
    }
    return *m_principal;
}

// ------------------------------------------------------- record commands

void frmPrincipal::Habilitar(bool blnHabilitada) { setEnabled(blnHabilitada); }

void frmPrincipal::TraerAlFrente()
{
    raise();
    activateWindow();
}

void frmPrincipal::LiberarBloqueoEmpresa()
{
    if (m_bloqueos)
        m_bloqueos->LiberarBloqueos();
}

bool frmPrincipal::ListaVisible() const { return !msgPrincipal->isHidden(); }

bool frmPrincipal::EstructuraVisible() const { return !trvConta->isHidden(); }

int frmPrincipal::FilaActual() const { return msgPrincipal->CurrentRow(); }

QString frmPrincipal::ClaveFila(int fila) const
{
    return fila >= 0 && fila < msgPrincipal->RowCount() ? msgPrincipal->RowKey(fila) : QString();
}

int frmPrincipal::NumeroFilas() const { return msgPrincipal->RowCount(); }

void frmPrincipal::ActualizarLista()
{
    if (m_lista)
        m_lista->mnuVerActualizarLista_Click();
}

bool frmPrincipal::HayNodoEstructura() const { return !trvConta->selectedItems().isEmpty(); }

QString frmPrincipal::ClaveNodoEstructura() const
{
    const QList<QTreeWidgetItem*> seleccion = trvConta->selectedItems();
    return seleccion.isEmpty() ? QString() : seleccion.first()->data(0, Qt::UserRole).toString().trimmed();
}

QString frmPrincipal::TextoNodoNavegacion() const
{
    const QTreeWidgetItem* nodo = tvTreeView->Seleccionado();
    return nodo ? ArbolNodos::Texto(nodo) : QString();
}

bool frmPrincipal::ExisteEmpresa(qint32 lngID) const
{
    return !m_ctx.den->conContabilidad
                .Query(QStringLiteral("SELECT IDEmpresa FROM Empresa WHERE IDEmpresa = ?"), {lngID})
                .isEOF();
}

void frmPrincipal::ActualizarNodosEmpresa()
{
    EmpresaSeleccionada::ActualizarNodos(*this, m_ctx.den->conLocal, m_ctx.den->conContabilidad);
}

void frmPrincipal::trvConta_MouseUp()
{
    const PlanMenu plan = MenuEstructura::Plan(MenuEstructura::Arbol::De(*trvConta));
    for (const CambioMenu& c : plan.cambios) {
        switch (c.propiedad) {
        case CambioMenu::Propiedad::Visible: m_menus.SetVisible(c.nombre, c.activo); break;
        case CambioMenu::Propiedad::Habilitado: m_menus.SetEnabled(c.nombre, c.activo); break;
        case CambioMenu::Propiedad::Caption: m_menus.SetCaption(c.nombre, c.caption); break;
        }
    }
    if (!plan.menu.isEmpty())
        m_menus.Menu(plan.menu)->exec(QCursor::pos());
}

void frmPrincipal::trvConta_DblClick()
{
    if (MenuEstructura::DobleClicEdita(MenuEstructura::Arbol::De(*trvConta)))
        m_comandos.Ejecutar(QStringLiteral("mnuEstructuraPropiedades"));
}

void frmPrincipal::RegistrarHerramientasContabilidad()
{
    using H = HerramientasContabilidad;
    const auto herramienta = [this](void (H::*comando)()) {
        return [this, comando] {
            H herramientas({m_estado, *m_ctx.den, *m_ctx.gobjInfoConfig, m_ctx.gobjContabilidad,
                            m_ctx.gobjVodidazaz, [this] { ActualizarLista(); }, [this] { ActualizarNodosEmpresa(); },
                            [this] {
                                EmpresaSeleccionada::Quitar(*this, m_ctx.den->conLocal,
                                                            m_estado.mlngCodEmpresaSeleccionada);
                            }});
            (herramientas.*comando)();
        };
    };
    const std::pair<const char*, void (H::*)()> kHerramientas[] = {
        {"mnuHerramientasCambiarEnlace", &H::CambiarEnlace},
        {"mnuHerramientasCerrarEjercicio", &H::CerrarAbrirEjercicio},
        {"mnuHerramientasRecalcularTotales", &H::RecalcularTotales},
        {"mnuHerramientasConsolidar", &H::Consolidar},
        {"mnuHerramientasCopiardatos", &H::CopiarDatos},
        {"mnuHerramientasExportar", &H::Exportar},
        {"mnuHerramientasImportar", &H::Importar},
        {"mnuSecundarioRenumerar", &H::Renumerar},
        {"mnuSecundarioSustituirSubcta", &H::SustituirSubcuenta},
    };
    for (const auto& [control, comando] : kHerramientas)
        m_comandos.Registrar(QString::fromLatin1(control), herramienta(comando));
}

IAccionesRegistro& frmPrincipal::Acciones()
{
    if (!m_acciones)
        m_acciones = m_ctx.accionesRegistro ? m_ctx.accionesRegistro : std::make_shared<AccionesMenus>([this]() -> cIActionMenus& {
            return mobjPrincipal().objActionMenus();
        }, *this);
    return *m_acciones;
}

// ---------------------------------------------------------------- commands

void frmPrincipal::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, kModulo, kProyecto, cuerpo, this);
}

// Every control has its entry from the start, so no click is ever silent:
// the commands this window carries out itself replace the answer that the
// function is not available, and the features replace theirs as they come.
void frmPrincipal::RegistrarComandos()
{
    const RegistroComandos::Manejador noDisponible = [] { ui::AvisoNoDisponible(); };
    for (const QString& nombre : m_menus.Comandos())
        m_comandos.Registrar(nombre, noDisponible);
    for (int i = 1; i <= tbPrincipal->Count(); ++i) {
        if (!tbPrincipal->Clave(i).isEmpty())
            m_comandos.Registrar(tbPrincipal->Clave(i), noDisponible);
    }
    m_comandos.Registrar(QStringLiteral("mnuVerBarraEstado"), [this] { mnuVerBarraEstado_Click(); });
    m_comandos.Registrar(QStringLiteral("mnuVerBarraHerramientas"), [this] { mnuVerBarraHerramientas_Click(); });
    m_comandos.Registrar(QStringLiteral("mnuArchivoSalir"), [this] { mnuArchivoSalir_Click(); });
    m_comandos.Registrar(QStringLiteral("mnuArchivoConfigurarImpresora"),
                         [] { ComandosVentana::ConfigurarImpresora(); });
    m_comandos.Registrar(QStringLiteral("mnuAyudaWebPrincipal"),
                         [] { ComandosVentana::AbrirPaginaWeb(ComandosVentana::PaginaPrincipal()); });
    m_comandos.Registrar(QStringLiteral("mnuAyudaORBE"),
                         [] { ComandosVentana::AbrirPaginaWeb(ComandosVentana::PaginaOrbe()); });
    m_comandos.Registrar(QStringLiteral("mnuHerrMod182CambiarDeduciones"), [this] {
        ComandosVentana::CambiarDeduccionComAut(m_ctx.den->conLocal, *m_ctx.gobjInfoConfig);
    });
    RegistrarComandosRegistro(m_comandos, *this);
    RegistrarHerramientasContabilidad();
    // The viewer, the options and the about box run their modal dialogs
    // through the one dialog runner, which tests answer.
    const auto ejecutarDialogo = [](QDialog& dialogo) { return widgets::DialogoRegistroEjecutor::Ejecutar(dialogo); };
    RegistrarComandosInformes(
        m_comandos,
        ContextoInformes{&m_estado, m_ctx.appPath, m_ctx.edicion, m_ctx.rutaImagenes,
                         [this]() -> PVAPI::IControlInforme& { return crptInformes(); }, ejecutarDialogo},
        [](frmViewInforme& visor) { widgets::DialogoRegistroEjecutor::Ejecutar(visor); });
    // "Propiedades" of the options' connection frame: the start-up's
    // connection dialog, over the data links of the program folder.
    const auto mostrarConexiones = [this, ejecutarDialogo] {
        frmMensaje conexiones(*m_ctx.gobjInfoConfig, ejecutarDialogo, this);
        ejecutarDialogo(conexiones);
    };
    RegistrarComandosOpciones(m_comandos, m_estado, ServiciosOpciones{ejecutarDialogo, mostrarConexiones}, this);
    RegistrarComandosMantenimiento(m_comandos, *this);
}

void frmPrincipal::ConectarComandos()
{
    for (const QString& nombre : m_menus.Comandos()) {
        const QByteArray procedimiento = (nombre + QStringLiteral("_Click")).toUtf8();
        connect(Menu(nombre), &QAction::triggered, this,
                [this, nombre, procedimiento] { EjecutarComando(procedimiento.constData(), nombre); });
    }
    connect(tbPrincipal, &BarraBotones::ButtonClick, this,
            [this](const QString& clave) { EjecutarComando("tbPrincipal_ButtonClick", clave); });
    auto* ayuda = new QShortcut(QKeySequence::HelpContents, this);
    connect(ayuda, &QShortcut::activated, this, [this] { Manejar("MostrarAyuda", [this] { MostrarAyuda(); }); });
    // Each entry of the New button's list runs the File > New item of its
    // kind, named in the entry itself.
    connect(tbPrincipal, &BarraBotones::ButtonMenuClick, this, [this](int posicion, int indice) {
        EjecutarComando("tbPrincipal_ButtonMenuClick", tbPrincipal->Entrada(posicion, indice)->data().toString());
    });
}

void frmPrincipal::MostrarAyuda() { ui::Current().ShowHelp(m_ctx.helpPath, 0); }

namespace {

// Without the shared service object (a window made without the program's
// objects) the maintenance commands say that they are not available.
class MantenimientoNoDisponible : public IServicioMantenimiento {
public:
    void RealizarCopiaSeg(ColeccionConexiones&, QStringList&, std::shared_ptr<compresor::ZlibTool>&,
                          PVAPI::cInfoConfiguracion&) override
    {
        ui::AvisoNoDisponible();
    }
    void RestaurarCopiaSeg(ColeccionConexiones&, QStringList&, std::shared_ptr<compresor::ZlibTool>&,
                           PVAPI::cInfoConfiguracion&) override
    {
        ui::AvisoNoDisponible();
    }
    void CompactarRepararBD(ColeccionConexiones&, PVAPI::cInfoConfiguracion&) override { ui::AvisoNoDisponible(); }
    void CambiarMunicipios(db::Connection&) override { ui::AvisoNoDisponible(); }
};

} // namespace

IServicioMantenimiento& frmPrincipal::ServicioMantenimiento()
{
    if (!m_mantenimiento) {
        if (m_ctx.servicioMantenimiento)
            m_mantenimiento = m_ctx.servicioMantenimiento;
        else if (m_ctx.gobjDuzediv)
            m_mantenimiento = std::make_shared<cMantenimientoBD>(*m_ctx.gobjDuzediv);
        else
            m_mantenimiento = std::make_shared<MantenimientoNoDisponible>();
    }
    return *m_mantenimiento;
}

void frmPrincipal::RecargarTrasRestaurar()
{
    m_estado.gcolNodo.Clear();
    m_estado.gcolRegistroDB.Clear();
    CargarModelo();
    tvTreeView->Vaciar();
    LlenarNodosArbol();
    msgPrincipal->hide();
    picConta->hide();
    qint32& empresa = m_estado.mlngCodEmpresaSeleccionada;
    if (m_ctx.gobjInfoConfig->ContabilidadDLL && empresa != 0) {
        if (ExisteEmpresa(empresa))
            ActualizarNodosEmpresa();
        else
            EmpresaSeleccionada::Quitar(*this, m_ctx.den->conLocal, empresa);
    }
    // The agenda keeps statements on the parish connection: a new one.
    if (m_agenda) {
        delete ascrAgenda->takeWidget();
        m_agenda = nullptr;
    }
    CrearAgenda();
}

void frmPrincipal::EjecutarComando(const char* procedimiento, const QString& nombre)
{
    Manejar(procedimiento, [&] { m_comandos.Ejecutar(nombre); });
}

// ---------------------------------------------------------------- controls

void frmPrincipal::CrearControles()
{
    m_cliente = new QWidget(this);
    m_cliente->setObjectName(QStringLiteral("cliente"));
    setCentralWidget(m_cliente);
    m_cliente->installEventFilter(this);

    CrearBarraHerramientas();

    picTitles = new QFrame(m_cliente);
    picTitles->setObjectName(QStringLiteral("picTitles"));
    picTitles->setFrameShape(QFrame::StyledPanel);
    picTitles->setAutoFillBackground(true);
    picTitles->setBackgroundRole(QPalette::Base);
    lblTitle = new QLabel(picTitles);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont fuente = lblTitle->font();
    fuente.setBold(true);
    fuente.setPointSizeF(fuente.pointSizeF() * 1.3);
    lblTitle->setFont(fuente);
    imgTitle = new QLabel(picTitles);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, PxY(kTopImagenTitulo), PxX(kLadoImagenCorreo), PxY(kLadoImagenCorreo));

    tvTreeView = new ArbolNodos(m_cliente);
    tvTreeView->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView->SetImageList(&imlTvTreeView);

    imgSplitter = new BandaSeparador(m_cliente);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    connect(imgSplitter, &BandaSeparador::MouseDown, this, &frmPrincipal::imgSplitter_MouseDown);
    connect(imgSplitter, &BandaSeparador::MouseMove, this, &frmPrincipal::imgSplitter_MouseMove);
    connect(imgSplitter, &BandaSeparador::MouseUp, this, &frmPrincipal::imgSplitter_MouseUp);
    picSplitter = new QFrame(m_cliente);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setAutoFillBackground(true);
    picSplitter->setBackgroundRole(QPalette::Dark);
    picSplitter->hide();

    msgPrincipal = new widgets::NvList(m_cliente);
    msgPrincipal->setObjectName(QStringLiteral("msgPrincipal"));
    CrearPanelMensaje();
    ascrAgenda = new QScrollArea(m_cliente);
    ascrAgenda->setObjectName(QStringLiteral("ascrAgenda"));
    ascrAgenda->hide();
    CrearPanelConta();

    sbStatusBar = new QStatusBar(m_cliente);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    m_panel1 = new QLabel(sbStatusBar);
    m_panel2 = new QLabel(sbStatusBar);
    m_panel2->setMinimumWidth(PxX(1500));
    sbStatusBar->addWidget(m_panel1, 1);
    sbStatusBar->addPermanentWidget(m_panel2);
}

void frmPrincipal::CrearBarraHerramientas()
{
    cbPrincipal = new QWidget(m_cliente);
    cbPrincipal->setObjectName(QStringLiteral("cbPrincipal"));
    tbPrincipal = new BarraBotones(cbPrincipal);
    tbPrincipal->setObjectName(QStringLiteral("tbPrincipal"));
    using E = BarraBotones::Estilo;
    tbPrincipal->AnadirBoton(QStringLiteral("Nuevo"), QStringLiteral("Nuevo"), E::Desplegable);
    tbPrincipal->AnadirBoton({}, {}, E::Separador);
    tbPrincipal->AnadirBoton(QStringLiteral("Eliminar"), QStringLiteral("Eliminar"));
    tbPrincipal->AnadirBoton(QStringLiteral("Propiedades"), QStringLiteral("Propiedades"));
    tbPrincipal->AnadirBoton({}, {}, E::Separador);
    tbPrincipal->AnadirBoton(QStringLiteral("firstReg"), QStringLiteral("Página primera"));
    tbPrincipal->AnadirBoton(QStringLiteral("prevReg"), QStringLiteral("Página anterior"));
    tbPrincipal->AnadirBoton(QStringLiteral("nextReg"), QStringLiteral("Página siguiente"));
    tbPrincipal->AnadirBoton(QStringLiteral("lastReg"), QStringLiteral("Página última"));
    tbPrincipal->AnadirBoton({}, {}, E::Separador);
    tbPrincipal->AnadirBoton(QStringLiteral("Filtro"), QStringLiteral("Buscar en los registros"));
    static const std::pair<const char*, const char*> kEntradasNuevo[] = {
        {"Recibo por Caja", "mnuArchivoNuevoRecibosCaja"},
        {"Remesa", "mnuArchivoNuevoRemesa"},
        {"-", ""},
        {"Donante", "mnuArchivoNuevoCaritativo"},
        {"Tipo de Donativo", "mnuArchivoNuevoTiposDonativo"},
        {"Banco", "mnuArchivoNuevoBanco"},
        {"Presentador", "mnuArchivoNuevoPresentador"},
        {"Institucion", "mnuArchivoNuevoInstitucion"},
    };
    int indice = 0;
    for (const auto& [texto, comando] : kEntradasNuevo) {
        tbPrincipal->AnadirEntrada(1, QString::fromUtf8(texto));
        tbPrincipal->Entrada(1, ++indice)->setData(QString::fromLatin1(comando));
    }
    tbPrincipal->SetImageList(&imlBotonera);
}

void frmPrincipal::CrearPanelMensaje()
{
    picMensaje = new QFrame(m_cliente);
    picMensaje->setObjectName(QStringLiteral("picMensaje"));
    picMensaje->setFrameShape(QFrame::StyledPanel);
    picMensaje->hide();
    // Fixed captions in bold beside the values of sender, recipient and
    // message; the values start where the widest caption ends.
    const QStringList captions = {QStringLiteral("De:"), QStringLiteral("Para:"), QStringLiteral("Mensaje:")};
    QFont negrita = picMensaje->font();
    negrita.setBold(true);
    int anchoCaption = 0;
    for (const QString& caption : captions)
        anchoCaption = qMax(anchoCaption, QFontMetrics(negrita).horizontalAdvance(caption));
    const int izquierdaValor = PxX(kIzquierdaMensaje) + anchoCaption + PxX(kHuecoMensaje);
    for (int i = 0; i < 3; ++i) {
        const int arriba = PxY(kTopMensaje + kPasoMensaje * i);
        auto* caption = new QLabel(captions.at(i), picMensaje);
        caption->setObjectName(QStringLiteral("lblEtiquetaMsg%1").arg(i));
        caption->setFont(negrita);
        caption->setGeometry(PxX(kIzquierdaMensaje), arriba, anchoCaption, PxY(kAltoFilaMensaje));
        lblInfoMsg[i] = new QLabel(picMensaje);
        lblInfoMsg[i]->setObjectName(QStringLiteral("lblInfoMsg%1").arg(i));
        lblInfoMsg[i]->setGeometry(izquierdaValor, arriba, PxX(6000), PxY(kAltoFilaMensaje));
    }
    imgCorreo = new QLabel(picMensaje);
    imgCorreo->setObjectName(QStringLiteral("imgCorreo"));
    imgCorreo->setGeometry(0, PxY(kTopMensaje), PxX(kLadoImagenCorreo), PxY(kLadoImagenCorreo));
    imgCorreo->setAlignment(Qt::AlignCenter);
    imgCorreo->setPixmap(ImagenDeBase(mobjPrincipal().RutaImagenes(), kImagenCorreo)
                             .pixmap(PxX(kLadoImagenCorreo), PxY(kLadoImagenCorreo)));
}

void frmPrincipal::CrearPanelConta()
{
    picConta = new QFrame(m_cliente);
    picConta->setObjectName(QStringLiteral("picConta"));
    picConta->hide();
    trvConta = new QTreeWidget(picConta);
    trvConta->setObjectName(QStringLiteral("trvConta"));
    trvConta->setHeaderHidden(true);
    trvConta->move(0, PxY(kTopArbolConta));
    trvConta->viewport()->installEventFilter(this);
}

QString frmPrincipal::TextoPanel(int panel) const
{
    return (panel == 1 ? m_panel1 : m_panel2)->text();
}

void frmPrincipal::SetTextoPanel(int panel, const QString& texto)
{
    (panel == 1 ? m_panel1 : m_panel2)->setText(texto);
}

// ---------------------------------------------------------------- layout

void frmPrincipal::AjustarControles(double& x)
{
    EntradaDisposicion e;
    e.x = x;
    e.anchoVentana = TwX(frameGeometry().width());
    e.anchoInterior = TwX(m_cliente->width());
    e.altoInterior = TwY(m_cliente->height());
    e.barraHerramientasVisible = !cbPrincipal->isHidden();
    e.altoBarraHerramientas = TwY(tbPrincipal->sizeHint().height());
    e.barraEstadoVisible = !sbStatusBar->isHidden();
    e.altoBarraEstado = TwY(sbStatusBar->sizeHint().height());
    e.altoTitulo = kAltoTitulo;
    e.anchoSeparador = kAnchoSeparador;
    e.mensajeVisible = !picMensaje->isHidden();
    e.altoMensaje = kAltoMensaje;
    e.anchoImagenCorreo = kLadoImagenCorreo;
    e.topArbolConta = kTopArbolConta;
    const Disposicion d = DisposicionPrincipal::AjustarControles(e);
    AplicarDisposicion(d);
    x = d.x;
    m_splitterLeft = d.x;
    if (mblnCargado && tvTreeView->Seleccionado())
        IntentarPaso([&] { MostrarTituloNodo(tvTreeView->Seleccionado(), true); });
}

void frmPrincipal::AplicarDisposicion(const Disposicion& d)
{
    const int anchoCliente = m_cliente->width();
    const int altoEstado = sbStatusBar->sizeHint().height();
    cbPrincipal->setGeometry(0, 0, anchoCliente, tbPrincipal->sizeHint().height());
    tbPrincipal->setGeometry(0, 0, anchoCliente, tbPrincipal->sizeHint().height());
    sbStatusBar->setGeometry(0, m_cliente->height() - altoEstado, anchoCliente, altoEstado);
    Colocar(picTitles, d.titulo);
    Colocar(tvTreeView, d.arbol);
    Colocar(imgSplitter, d.separador);
    Colocar(msgPrincipal, d.lista);
    Colocar(picMensaje, d.mensaje);
    imgCorreo->move(PxX(d.izquierdaImagenCorreo), imgCorreo->y());
    // The values reach up to the picture.
    for (QLabel* valor : lblInfoMsg)
        valor->resize(qMax(0, imgCorreo->x() - valor->x() - PxX(kIzquierdaMensaje)), valor->height());
    Colocar(ascrAgenda, d.agenda);
    Colocar(picConta, d.conta);
    Colocar(trvConta, d.arbolConta);
}

void frmPrincipal::Form_Resize()
{
    double x = m_splitterLeft;
    IntentarPaso([&] { AjustarControles(x); });
    const Qt::WindowStates estado = windowState();
    if (!(estado & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const int ancho = TwX(width());
        const int alto = TwY(height());
        if (DisposicionPrincipal::AnchoMinimo(ancho) != ancho || DisposicionPrincipal::AltoMinimo(alto) != alto)
            resize(PxX(DisposicionPrincipal::AnchoMinimo(ancho)), PxY(DisposicionPrincipal::AltoMinimo(alto)));
    }
    if (estado & Qt::WindowMaximized) {
        x = m_splitterLeft;
        IntentarPaso([&] { AjustarControles(x); });
    }
}

void frmPrincipal::MostrarTituloNodo(QTreeWidgetItem* nodo, bool blnImagen)
{
    QString titulo = ArbolNodos::Texto(nodo);
    static const QStringList kDeSacramento = {QStringLiteral("Libros"), QStringLiteral("Partidas"),
                                              QStringLiteral("Solicitudes")};
    if (kDeSacramento.contains(titulo) && nodo->parent())
        titulo += QStringLiteral(" de ") + ArbolNodos::Texto(nodo->parent());
    lblTitle->setText(titulo);
    lblTitle->adjustSize();
    lblTitle->move(PxX(200), PxY(70));
    if (!blnImagen)
        return;
    imgTitle->move(picTitles->width() - PxX(600), imgTitle->y());
    if (const int indice = imlTitle.Indice(ArbolNodos::Clave(nodo)))
        imgTitle->setPixmap(imlTitle.Picture(indice));
}

void frmPrincipal::imgSplitter_MouseDown(int)
{
    Manejar("imgSplitter_MouseDown", [&] {
        picSplitter->setGeometry(imgSplitter->x(), imgSplitter->y(), imgSplitter->width(),
                                 imgSplitter->height() - PxY(DisposicionPrincipal::kAcortarBarraArrastre));
        picSplitter->show();
        picSplitter->raise();
        mblnMoviendo = true;
    });
}

void frmPrincipal::imgSplitter_MouseMove(int x)
{
    if (!mblnMoviendo)
        return;
    Manejar("imgSplitter_MouseMove", [&] {
        const int posicion = DisposicionPrincipal::PosicionArrastre(int(m_splitterLeft), TwX(x),
                                                                    TwX(frameGeometry().width()));
        picSplitter->move(PxX(posicion), picSplitter->y());
    });
}

void frmPrincipal::imgSplitter_MouseUp(int)
{
    if (!mblnMoviendo)
        return;
    Manejar("imgSplitter_MouseUp", [&] {
        double x = TwX(picSplitter->x());
        AjustarControles(x);
        picSplitter->hide();
        mblnMoviendo = false;
    });
}

void frmPrincipal::mnuVerBarraEstado_Click()
{
    sbStatusBar->setVisible(Menu(QStringLiteral("mnuVerBarraEstado"))->isChecked());
    double x = m_splitterLeft;
    AjustarControles(x);
}

void frmPrincipal::mnuVerBarraHerramientas_Click()
{
    cbPrincipal->setVisible(Menu(QStringLiteral("mnuVerBarraHerramientas"))->isChecked());
    double x = m_splitterLeft;
    AjustarControles(x);
}

void frmPrincipal::mnuArchivoSalir_Click()
{
    close();
}

// ---------------------------------------------------------------- events

bool frmPrincipal::event(QEvent* evento)
{
    if (evento->type() == QEvent::WindowActivate && m_cargado && !m_descargado)
        Form_Activate();
    return QMainWindow::event(evento);
}

void frmPrincipal::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange)
        Form_Resize();
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_cliente && evento->type() == QEvent::Resize)
        Form_Resize();
    // Key and mouse presses reach the tree's handlers after these, while the
    // node selected before them is still the tree's selection.
    if (m_lista && objeto == tvTreeView && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        Manejar("tvTreeView_KeyDown",
                       [&] { m_lista->tvTreeView_KeyDown(tecla->key(), int(tecla->modifiers())); });
        m_teclaEnArbol = true;
    } else if (m_lista && objeto == tvTreeView && evento->type() == QEvent::KeyRelease) {
        m_teclaEnArbol = false;
    } else if (m_lista && objeto == tvTreeView->viewport() && evento->type() == QEvent::MouseButtonPress) {
        m_teclaEnArbol = false;
        const auto* raton = static_cast<QMouseEvent*>(evento);
        Manejar("tvTreeView_MouseDown", [&] {
            m_lista->tvTreeView_MouseDown(int(raton->button()), int(raton->modifiers()), TwX(int(raton->position().x())),
                                          TwY(int(raton->position().y())));
        });
    }
    if (trvConta && objeto == trvConta->viewport()) {
        if (evento->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton)
            Manejar("trvConta_MouseUp", [&] { trvConta_MouseUp(); });
        else if (evento->type() == QEvent::MouseButtonDblClick)
            Manejar("trvConta_DblClick", [&] { trvConta_DblClick(); });
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::closeEvent(QCloseEvent* evento)
{
    if (!m_descargado) {
        Form_QueryUnload();
        Form_Unload();
    }
    evento->accept();
}

// ---------------------------------------------------------------- start-up interfaces

void frmPrincipal::Mostrar()
{
    Cargar();
    show();
    Form_Resize();
}

IEmpresaPrincipal* frmPrincipal::Empresa()
{
    Cargar();
    return this;
}

int frmPrincipal::ContarNodos()
{
    Cargar();
    return tvTreeView->Count();
}

QString frmPrincipal::TextoNodo(int indice)
{
    Cargar();
    return ArbolNodos::Texto(tvTreeView->Nodo(indice));
}

void frmPrincipal::CambiarTextoNodo(int indice, const QString& texto)
{
    Cargar();
    ArbolNodos::SetTexto(tvTreeView->Nodo(indice), texto);
}

void frmPrincipal::EstablecerEmpresaSeleccionada(qint32 codEmpresa, bool ejercicioCerrado)
{
    m_estado.mlngCodEmpresaSeleccionada = codEmpresa;
    m_estado.mblnEjercicioCerrado = ejercicioCerrado;
    AjustarConsultasAlPuesto();
}

void frmPrincipal::Cargar()
{
    if (m_cargado)
        return;
    m_cargado = true;
    Form_Load();
}

// ---------------------------------------------------------------- load

// Reports the current error once: clearing it keeps one failure from being
// shown again at every later checkpoint.
void frmPrincipal::PuntoControlCarga()
{
    if (vb::Err().Number == 0)
        return;
    // The load's checkpoints name the module with a trailing blank.
    ui::ReportError(QStringLiteral("Form_Load()"), QString::fromUtf8(kModulo) + u' ', QString::fromUtf8(kProyecto));
    vb::Err().Clear();
}

void frmPrincipal::Form_Load()
{
    PVAPI::cInfoConfiguracion& info = *m_ctx.gobjInfoConfig;
    const cConstante constante(m_ctx.edicion);

    IntentarPaso([&] { CargarConfigContabilidad(m_estado.mobjConfigContab, m_ctx, windowIcon()); });
    IntentarPaso([&] { CargarConfigVodidazaz(info, m_ctx); });
    if (info.ContabilidadDLL) {
        IntentarPaso([&] {
            m_bloqueos = std::make_unique<PVAPI::cProcesarBloqueos>();
            m_bloqueos->Inicializar(os::FolderOf(m_ctx.den->conContabilidad.Property(QStringLiteral("Data Source"))));
        });
    }
    m_ajustes = AjustesUsuario {m_ctx.appTitle, info.Usuario, info.idioma};
    CrearAgenda();
    for (const QString& nombre : ReglasCargaPrincipal::MenusDeConsolidacion())
        m_menus.SetVisible(nombre, constante.ConsolidacionVisible());
    m_menus.SetEnabled(QStringLiteral("mnuArchivoEliminar"), false);
    m_menus.SetEnabled(QStringLiteral("mnuArchivoPropiedades"), false);
    mblnCargado = false;
    for (const ReglasCargaPrincipal::CambioMenu& cambio : ReglasCargaPrincipal::MenusDeEdicion(constante.Aplicacion())) {
        if (cambio.caption)
            m_menus.SetCaption(cambio.nombre, *cambio.caption);
        if (cambio.visible)
            m_menus.SetVisible(cambio.nombre, *cambio.visible);
    }
    IntentarPaso([&] { msgPrincipal->SetColumnCount(0); });
    PuntoControlCarga();

    CargarModelo();
    RestaurarColocacion();
    LlenarArbol();
    mblnCargado = true;
    msgPrincipal->hide();
    picConta->hide();
    if (QTreeWidgetItem* raiz = tvTreeView->Seleccionado())
        SetTextoPanel(1, ArbolNodos::Texto(raiz));
    QuitarComplementosAusentes();

    m_estado.mblnFiltrado = false;
    m_estado.mlngIDNodo = 1;
    CrearLista();
    ui::Current().setMousePointer(ui::vbDefault);
}

// The agenda works on the parish connection, so it exists once the load has
// the data environment.
void frmPrincipal::CrearAgenda()
{
    if (m_agenda || !m_ctx.den)
        return;
    m_agenda = new PanelAgenda(m_ctx.den->conLocal, EstadoAgenda {m_estado.mstrMes, m_estado.mblnRefresh},
                               m_ctx.appTitle);
    ascrAgenda->setWidgetResizable(true);
    ascrAgenda->setWidget(m_agenda);
}

PVAPI::IControlInforme& frmPrincipal::crptInformes()
{
    if (!m_crptInformes)
        m_crptInformes = std::make_unique<report::ControlInforme>(this);
    return *m_crptInformes;
}

// The list works on the window's members and connections, so it exists once
// the load has made them; its events are connected only then, so that the
// tree built by the load raises no node click.
void frmPrincipal::CrearLista()
{
    if (!m_ctx.den || !m_ctx.gobjInfoConfig)
        return;
    m_ventanaLista = std::make_unique<VentanaListaPrincipal>(*this, m_ctx.gobjContabilidad);
    m_lista = std::make_unique<cListaPrincipal>(m_estado, *m_ventanaLista, m_comandos);
    RegistrarComandosLista(m_comandos, *m_lista);
    ConectarArbol();
    ConectarLista();
}

void frmPrincipal::ConectarArbol()
{
    const auto nodoDe = [](QTreeWidgetItem* item) {
        return NodoArbol{ArbolNodos::Clave(item), ArbolNodos::Texto(item)};
    };
    connect(tvTreeView, &QTreeWidget::itemClicked, this, [this, nodoDe](QTreeWidgetItem* item) {
        Manejar("tvTreeView_NodeClick", [&] { m_lista->tvTreeView_NodeClick(nodoDe(item)); });
    });
    connect(tvTreeView, &QTreeWidget::currentItemChanged, this, [this, nodoDe](QTreeWidgetItem* item) {
        if (!m_teclaEnArbol || !item)
            return;
        Manejar("tvTreeView_NodeClick", [&] { m_lista->tvTreeView_NodeClick(nodoDe(item)); });
    });
    connect(tvTreeView, &QTreeWidget::itemCollapsed, this, [this, nodoDe](QTreeWidgetItem* item) {
        Manejar("tvTreeView_Collapse", [&] { m_lista->tvTreeView_Collapse(nodoDe(item)); });
    });
    tvTreeView->installEventFilter(this);
    tvTreeView->viewport()->installEventFilter(this);
}

void frmPrincipal::ConectarLista()
{
    connect(msgPrincipal, &widgets::NvList::RowSelected, this, [this] {
        Manejar("msgPrincipal_RowSelected", [&] { m_lista->msgPrincipal_RowSelected(); });
    });
    connect(msgPrincipal, &widgets::NvList::DblClick, this, [this] {
        Manejar("msgPrincipal_DblClick", [&] { m_lista->msgPrincipal_DblClick(); });
    });
    connect(msgPrincipal, &widgets::NvList::MouseUp, this, [this](int boton, int shift, int x, int y) {
        Manejar("msgPrincipal_MouseUp",
                       [&] { m_lista->msgPrincipal_MouseUp(boton, shift, x, y); });
    });
}

void frmPrincipal::CargarModelo()
{
    if (!m_ctx.den) {
        IntentarPaso([] { throw vb::VbError(91, QStringLiteral("Variable de objeto no establecida")); });
        PuntoControlCarga();
        return;
    }
    CargaModeloNodos carga(m_ctx.den->conLocal, m_ajustes, m_estado.consolidacionVisible,
                           [this] { PuntoControlCarga(); });
    carga.Cargar(m_estado.gcolNodo, m_estado.gcolRegistroDB);
    AjustarConsultasAlPuesto();
}

// `Nodo` holds what the last workstation to change company or currency
// stored; the lists here follow this user's own.
void frmPrincipal::AjustarConsultasAlPuesto()
{
    ConsultasNodo::AjustarAlPuesto(m_estado.gcolNodo, m_estado.mlngCodEmpresaSeleccionada,
                                   m_estado.mobjConfigContab.TrabajarConPesetas(),
                                   m_ctx.gobjInfoConfig->TrabajarConPesetas);
}

void frmPrincipal::RestaurarColocacion()
{
    const ColocacionVentana c = LeerColocacion(m_ajustes);
    m_estado.gintNRegMax = c.nRegMax;
    m_splitterLeft = c.splitter;
    resize(PxX(c.ancho), PxY(c.alto));
    move(PxX(c.izquierda), PxY(c.arriba));
}

void frmPrincipal::LlenarArbol()
{
    cIPrincipal& principal = mobjPrincipal();
    principal.FillImlBotonera(imlBotonera, *tbPrincipal);
    principal.fillImlTreeView(imlTvTreeView);
    LlenarNodosArbol();
}

// The tree's nodes from the node model, without the branches of absent
// add-ins.
void frmPrincipal::LlenarNodosArbol()
{
    IntentarPaso([&] { mobjPrincipal().fillTvPrincipal(*tvTreeView, imlTitle); });
    for (const QString& rama : ReglasCargaPrincipal::RamasAusentes(*m_ctx.gobjInfoConfig))
        cIPrincipal::EliminarNodo(*tvTreeView, rama);
}

void frmPrincipal::QuitarComplementosAusentes()
{
    const ReglasCargaPrincipal::EntradasAusentes ausentes =
        ReglasCargaPrincipal::EntradasDeAusentes(*m_ctx.gobjInfoConfig);
    for (const QString& nombre : ausentes.menus)
        m_menus.SetVisible(nombre, false);
    for (int entrada : ausentes.desplegable)
        IntentarPaso([&] { tbPrincipal->Entrada(1, entrada)->setVisible(false); });
}

// ---------------------------------------------------------------- activation and unload

void frmPrincipal::Form_Activate()
{
    if (m_estado.mblnRefresh)
        m_estado.mblnRefresh = false;
    else
        Form_Resize();
    if (m_ctx.gobjInfoConfig->ContabilidadDLL && m_estado.mlngCodEmpresaSeleccionada != 0)
        IntentarPaso([&] { BloquearEmpresa(); });
    ui::Current().setMousePointer(ui::vbDefault);
    tvTreeView->setFocus();
    vb::Err().Clear();
}

// The selection stands whether the lock is granted or not: the lock only
// tells other workstations that the company is in use.
void frmPrincipal::BloquearEmpresa()
{
    if (!m_bloqueos)
        return;
    m_bloqueos->LiberarBloqueos();
    const QString id = QString::number(m_estado.mlngCodEmpresaSeleccionada);
    PVAPI::cProcesarBloqueos::Argumentos bloqueo;
    bloqueo.strTabla = QStringLiteral("Empresa");
    bloqueo.conBD = &m_ctx.den->conContabilidad;
    bloqueo.strRegistro = id;
    bloqueo.blnBloqueoParcialRegistro = true;
    bloqueo.blnComprobarExisteRegistro = true;
    bloqueo.strSQLExisteRegistro = QStringLiteral("SELECT IDEmpresa FROM Empresa WHERE IDEmpresa=") + id;
    m_bloqueos->DefinirBloqueo(bloqueo);
    m_bloqueos->lngEfectuarBloqueos();
}

void frmPrincipal::Form_QueryUnload()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

QList<QPair<QString, int>> frmPrincipal::AnchosColumnasLista() const
{
    QList<QPair<QString, int>> anchos;
    for (int i = 0; i < msgPrincipal->ColumnCount(); ++i)
        anchos.append({msgPrincipal->ColumnKey(i), msgPrincipal->ColumnWidth(i)});
    return anchos;
}

void frmPrincipal::Form_Unload()
{
    if (m_descargado)
        return;
    m_descargado = true;
    PVAPI::cInfoConfiguracion& info = *m_ctx.gobjInfoConfig;

    vb::Err().Clear();
    if (msgPrincipal->isVisible()) {
        IntentarPaso([&] {
            const QTreeWidgetItem* seleccionado = tvTreeView->Seleccionado();
            if (!seleccionado)
                throw vb::VbError(91, QStringLiteral("Variable de objeto o bloque With no establecido"));
            const auto& nodo =
                m_estado.gcolNodo.Item(ClaveColeccion(IdDeClaveArbol(ArbolNodos::Clave(seleccionado))));
            for (const auto& [clave, ancho] : AnchosColumnasLista())
                nodo->colCampo().Item(QLatin1Char(' ') + clave)->SetAncho(qint16(ancho));
        });
    }
    if (vb::Err().Number != 0) {
        ui::ReportError(QStringLiteral("Form_Unload"), QString::fromUtf8(kModulo), QString::fromUtf8(kProyecto));
        vb::Err().Clear();
    }

    {
        // The widths, the placement and the tree state reach the settings
        // file in one write; a write that fails asks "Reintentar"/"Cancelar"
        // naming the file, instead of losing the user's layout unsaid.
        const LoteAjustes lote;
        IntentarPaso([&] { GuardarAnchos(m_ajustes, m_estado.gcolNodo); });
        if (!(windowState() & Qt::WindowMinimized))
            IntentarPaso([&] { GuardarEstadoVentana(); });
        if (m_ctx.den && m_ctx.den->conLocal.isOpen())
            GuardarConfigTvPrincipal(*tvTreeView, m_ctx.den->conLocal, m_ajustes);
    }

    // The other windows go first: they may still use the connections.
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana != this && ventana->isWindow() && ventana->isVisible() && ventana->windowType() != Qt::Popup)
            ventana->close();
    }
    if (m_ctx.den) {
        for (db::Connection* con : {&m_ctx.den->conLocal, &m_ctx.den->conInformes, &m_ctx.den->conContabilidad}) {
            if (con->isOpen())
                IntentarPaso([&] { con->Close(); });
        }
    }

    m_principal.reset();
    if (m_ctx.liberarObjetos)
        IntentarPaso([&] { m_ctx.liberarObjetos(); });
    if (info.ContabilidadDLL && m_bloqueos) {
        IntentarPaso([&] { m_bloqueos->LiberarBloqueos(); });
        m_bloqueos.reset();
    }
    vb::Err().Clear();
}

void frmPrincipal::GuardarEstadoVentana()
{
    EstadoGuardado estado;
    estado.izquierda = TwX(x());
    estado.arriba = TwY(y());
    estado.ancho = TwX(width());
    estado.alto = TwY(height());
    estado.splitter = int(m_splitterLeft);
    estado.nRegMax = m_estado.gintNRegMax;
    for (int i = 1; i <= tvTreeView->Count(); ++i) {
        if (EsNodoEmpresa(ArbolNodos::Texto(tvTreeView->Nodo(i)))) {
            estado.hayNodoEmpresa = true;
            break;
        }
    }
    estado.empresaSeleccionada = m_estado.mlngCodEmpresaSeleccionada;
    estado.vodidazazEnPesetas = m_ctx.gobjInfoConfig->TrabajarConPesetas;
    estado.contabilidadEnPesetas = m_estado.mobjConfigContab.TrabajarConPesetas();
    GuardarEstado(m_ajustes, estado);
}
