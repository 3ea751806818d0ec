#include "dialogs/frmOpciones.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "core/SelText.h"
#include "dialogs/Modelo182.h"
#include "dialogs/ReglasOpciones.h"
#include "dialogs/frmMargenes.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Vb.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using PVAPI::cCRegistry;
using namespace ReglasOpciones;

namespace {

const char* const kModulo = "frmOpciones";
const char* const kProyecto = "NorviaParvanta2000.vbp";

const QString kTextoEtiquetas = QStringLiteral(
    "El informe de etiquetas lleva ya unos márgenes predeterminados por defecto. Si desea modificarlos pulse en el "
    "siguiente botón. Podrá introducir un valor numérico para cualquiera de los márgenes. Si desea mantener el valor "
    "predeterminado por defecto introduzca un cero en el margen correspondiente.");
const QString kTextoResto = QStringLiteral(
    "El resto de informes y documentos de los módulos de donativos y gestión parroquial llevan ya unos márgenes "
    "predeterminados por defecto. Si desea modificarlos pulse en el siguiente botón. Podrá introducir un valor "
    "numérico para cualquiera de los márgenes. Si desea mantener el valor predeterminado por defecto introduzca un "
    "cero en el margen correspondiente.");
const QString kTextoLibros = QStringLiteral("Cada libro de partidas debe tener un número máximo de hojas.");

// The range of each up-down control: 0 the certificate margin, 1 the pages.
constexpr int kMinimoFlecha[2] = {-9, 1};
constexpr int kMaximoFlecha[2] = {99, 9999};

QLineEdit* Caja(QWidget* padre, const QString& nombre, int longitud)
{
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setMaxLength(longitud);
    return caja;
}

QToolButton* Flecha(QWidget* padre, const QString& nombre, Qt::ArrowType tipo)
{
    auto* flecha = new QToolButton(padre);
    flecha->setObjectName(nombre);
    flecha->setArrowType(tipo);
    flecha->setFocusPolicy(Qt::NoFocus);
    return flecha;
}

QWidget* ConFlechas(QWidget* padre, QLineEdit* caja, QToolButton* arriba, QToolButton* abajo)
{
    auto* grupo = new QWidget(padre);
    auto* fila = new QHBoxLayout(grupo);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(0);
    caja->setFixedWidth(56);
    fila->addWidget(caja);
    auto* flechas = new QVBoxLayout;
    flechas->setSpacing(0);
    flechas->addWidget(arriba);
    flechas->addWidget(abajo);
    fila->addLayout(flechas);
    fila->addStretch();
    return grupo;
}

} // namespace

frmOpciones::frmOpciones(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent)
    : QDialog(parent), m_contexto(std::move(contexto)), m_servicios(std::move(servicios))
{
    setObjectName(QStringLiteral("frmOpciones"));
    setWindowTitle(QStringLiteral(" Opciones"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    CrearControles();
}

void frmOpciones::CrearControles()
{
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    m_tabs->setFocusPolicy(Qt::TabFocus);
    const char* const pestanas[4][2] = {
        {"General", "Propiedades generales"},
        {"Contraseña", "Cambio de contraseña"},
        {"Documentos", "Propiedades de documentos"},
        {"Deducciones Modelo 182", "Opciones de configuración del Modelo 182 de Hacienda"},
    };
    for (const auto& pestana : pestanas) {
        const int i = m_tabs->addTab(QString::fromUtf8(pestana[0]));
        m_tabs->setTabToolTip(i, QString::fromUtf8(pestana[1]));
    }

    // The pages share one place; only the selected tab's page is shown.
    auto* paginas = new QWidget(this);
    auto* pila = new QGridLayout(paginas);
    pila->setContentsMargins(8, 8, 8, 8);
    m_paginas = {CrearGeneral(), CrearContrasena(), CrearDocumentos(), CrearModelo182()};
    for (int i = 0; i < 4; ++i) {
        m_paginas[std::size_t(i)]->setParent(paginas);
        m_paginas[std::size_t(i)]->setObjectName(QStringLiteral("picOptions(%1)").arg(i));
        // The window keeps the size of its largest page whichever is shown.
        QSizePolicy politica = m_paginas[std::size_t(i)]->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        m_paginas[std::size_t(i)]->setSizePolicy(politica);
        pila->addWidget(m_paginas[std::size_t(i)], 0, 0);
    }
    paginas->setObjectName(QStringLiteral("paginasOpciones"));
    paginas->setAttribute(Qt::WA_StyledBackground);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    const QString textos[3] = {QStringLiteral("&Aceptar"), QStringLiteral("&Cancelar"), QStringLiteral("A&plicar")};
    for (int i = 0; i < 3; ++i) {
        auto* boton = new QPushButton(textos[i], this);
        boton->setObjectName(QStringLiteral("cmdBoton(%1)").arg(i));
        m_botones[std::size_t(i)] = boton;
        botones->addWidget(boton);
        connect(boton, &QPushButton::clicked, this,
                [this, i] { Manejar("cmdBoton_Click", [this, i] { cmdBoton_Click(i); }); });
    }
    m_botones[kAceptar]->setDefault(true);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(m_tabs);
    principal->addWidget(paginas);
    principal->addLayout(botones);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_tabs, &QTabBar::currentChanged, this,
            [this](int) { Manejar("tbsOptions_Click", [this] { tbsOptions_Click(); }); });
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int indice) {
        // A press on the selected tab changes nothing, but its page is
        // shown again, as after a release outside the strip.
        if (indice == m_tabs->currentIndex())
            Manejar("tbsOptions_MouseUp", [this] { tbsOptions_Click(); });
    });

    for (QLineEdit* caja : m_txt)
        caja->installEventFilter(this);
    for (QLineEdit* caja : m_modelo182)
        caja->installEventFilter(this);
    // A password placed with the mouse is a change as much as a typed one.
    for (int i = kClaveAnterior; i <= kClaveConfirmacion; ++i)
        connect(m_txt[std::size_t(i)], &QLineEdit::textEdited, this, [this] {
            mblnCambiarClave = true;
            HabilitarAplicar();
        });
    for (int i = kNRegMax; i <= kMaxPagLibro; ++i)
        connect(m_txt[std::size_t(i)], &QLineEdit::textEdited, this, [this] { HabilitarAplicar(); });
    for (QLineEdit* caja : m_modelo182)
        connect(caja, &QLineEdit::textEdited, this, [this] { HabilitarAplicar(); });
}

QWidget* frmOpciones::CrearGeneral()
{
    auto* pagina = new QWidget(this);
    auto* columna = new QVBoxLayout(pagina);

    auto* moneda = new QGroupBox(QStringLiteral("Tipo de moneda"), pagina);
    moneda->setObjectName(QStringLiteral("fraMoneda"));
    auto* filaMoneda = new QHBoxLayout(moneda);
    auto* grupo = new QButtonGroup(moneda);
    const QString textos[2] = {QStringLiteral("Pesetas"), QStringLiteral("Euros")};
    for (int i = 0; i < 2; ++i) {
        auto* opcion = new QRadioButton(textos[i], moneda);
        opcion->setObjectName(QStringLiteral("optMoneda(%1)").arg(i));
        grupo->addButton(opcion, i);
        filaMoneda->addWidget(opcion);
        m_moneda[std::size_t(i)] = opcion;
        connect(opcion, &QRadioButton::clicked, this, [this] { HabilitarAplicar(); });
    }
    filaMoneda->addStretch();
    columna->addWidget(moneda);

    auto* baseDatos = new QGroupBox(QStringLiteral("Opciones de base de datos"), pagina);
    baseDatos->setObjectName(QStringLiteral("fraSample1"));
    auto* filaBase = new QHBoxLayout(baseDatos);
    auto* explicacion =
        new QLabel(QStringLiteral("El acceso a los datos corporativos se hace mediante un enlace de datos"), baseDatos);
    explicacion->setObjectName(QStringLiteral("lblOpciones(0)"));
    explicacion->setWordWrap(true);
    m_cmdOpciones = new QPushButton(QStringLiteral("Propiedades"), baseDatos);
    m_cmdOpciones->setObjectName(QStringLiteral("cmdOpciones"));
    filaBase->addWidget(explicacion, 1);
    filaBase->addWidget(m_cmdOpciones);
    connect(m_cmdOpciones, &QPushButton::clicked, this,
            [this] { Manejar("cmdOpciones_Click", [this] { cmdOpciones_Click(); }); });
    columna->addWidget(baseDatos);

    auto* rejilla = new QGroupBox(QStringLiteral("Configuración de rejilla"), pagina);
    rejilla->setObjectName(QStringLiteral("fra"));
    auto* filaRejilla = new QHBoxLayout(rejilla);
    auto* etiqueta = new QLabel(QStringLiteral("Nº de registros a mostrar:"), rejilla);
    etiqueta->setObjectName(QStringLiteral("lblOpciones(4)"));
    m_txt[kNRegMax] = Caja(rejilla, QStringLiteral("txtOpciones(3)"), 4);
    m_txt[kNRegMax]->setFixedWidth(56);
    filaRejilla->addWidget(etiqueta);
    filaRejilla->addWidget(m_txt[kNRegMax]);
    filaRejilla->addStretch();
    columna->addWidget(rejilla);
    columna->addStretch();
    return pagina;
}

QWidget* frmOpciones::CrearContrasena()
{
    auto* pagina = new QWidget(this);
    auto* rejilla = new QGridLayout(pagina);
    const QString etiquetas[3] = {QStringLiteral("Contraseña anterior:"), QStringLiteral("Nueva contraseña:"),
                                  QStringLiteral("Confirmar contraseña:")};
    for (int i = 0; i < 3; ++i) {
        auto* etiqueta = new QLabel(etiquetas[i], pagina);
        etiqueta->setObjectName(QStringLiteral("lblOpciones(%1)").arg(i + 1));
        m_txt[std::size_t(i)] = Caja(pagina, QStringLiteral("txtOpciones(%1)").arg(i), 20);
        m_txt[std::size_t(i)]->setEchoMode(QLineEdit::Password);
        rejilla->addWidget(etiqueta, i, 0);
        rejilla->addWidget(m_txt[std::size_t(i)], i, 1);
    }
    rejilla->setRowStretch(3, 1);
    return pagina;
}

QWidget* frmOpciones::CrearDocumentos()
{
    auto* pagina = new QWidget(this);
    auto* fila = new QHBoxLayout(pagina);

    auto* lista = new QVBoxLayout;
    auto* elemento = new QLabel(QStringLiteral("Elemento:"), pagina);
    elemento->setObjectName(QStringLiteral("Label1"));
    m_documentos = new QListWidget(pagina);
    m_documentos->setObjectName(QStringLiteral("lstDocumentos"));
    m_documentos->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_documentos->setFixedWidth(240);
    lista->addWidget(elemento);
    lista->addWidget(m_documentos);
    fila->addLayout(lista);
    connect(m_documentos, &QListWidget::currentRowChanged, this,
            [this](int) { Manejar("lstDocumentos_Click", [this] { lstDocumentos_Click(); }); });

    // Both frames take the same place; the selected kind decides which.
    auto* lugar = new QGridLayout;
    m_fraDocumentos = new QGroupBox(QStringLiteral("Libros"), pagina);
    m_fraDocumentos->setObjectName(QStringLiteral("fraDocumentos"));
    m_fraDocumentos->setFixedWidth(300);
    auto* documentos = new QGridLayout(m_fraDocumentos);
    m_lblDocumentos = new QLabel(m_fraDocumentos);
    m_lblDocumentos->setObjectName(QStringLiteral("lblDocumentos"));
    m_lblDocumentos->setWordWrap(true);
    m_lblDocumentos->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_cmdMargenes = new QPushButton(QStringLiteral("Márgenes"), m_fraDocumentos);
    m_cmdMargenes->setObjectName(QStringLiteral("cmdMargenes"));
    connect(m_cmdMargenes, &QPushButton::clicked, this,
            [this] { Manejar("cmdMargenes_Click", [this] { cmdMargenes_Click(); }); });
    m_lblOpcionLibros = new QLabel(QStringLiteral("Nº máx. de Hojas:"), m_fraDocumentos);
    m_lblOpcionLibros->setObjectName(QStringLiteral("lblOpcionLibros"));
    m_txt[kMaxPagLibro] = Caja(m_fraDocumentos, QStringLiteral("txtOpciones(5)"), 4);
    m_flechas[2] = Flecha(m_fraDocumentos, QStringLiteral("updOptions(1)Arriba"), Qt::UpArrow);
    m_flechas[3] = Flecha(m_fraDocumentos, QStringLiteral("updOptions(1)Abajo"), Qt::DownArrow);
    auto* paginasLibro = ConFlechas(m_fraDocumentos, m_txt[kMaxPagLibro], m_flechas[2], m_flechas[3]);
    paginasLibro->setObjectName(QStringLiteral("grpOpcionLibros"));
    documentos->addWidget(m_lblDocumentos, 0, 0, 1, 2);
    documentos->addWidget(m_lblOpcionLibros, 1, 0);
    documentos->addWidget(paginasLibro, 1, 1);
    documentos->addWidget(m_cmdMargenes, 2, 1, Qt::AlignRight);
    documentos->setRowStretch(3, 1);

    m_fraCertificado = new QGroupBox(QStringLiteral("Certificados de recibos"), pagina);
    m_fraCertificado->setObjectName(QStringLiteral("fraCertificado"));
    m_fraCertificado->setFixedWidth(300);
    auto* certificado = new QVBoxLayout(m_fraCertificado);
    auto* explicacion = new QLabel(
        QStringLiteral("Seleccione un margen superior en milímetros, dependiendo del tipo de impresora, para que los "
                       "datos del informe se ajusten adecuadamente a la plantilla del documento."),
        m_fraCertificado);
    explicacion->setObjectName(QStringLiteral("lblOptions"));
    explicacion->setWordWrap(true);
    m_txt[kMargen] = Caja(m_fraCertificado, QStringLiteral("txtOpciones(4)"), 2);
    m_flechas[0] = Flecha(m_fraCertificado, QStringLiteral("updOptions(0)Arriba"), Qt::UpArrow);
    m_flechas[1] = Flecha(m_fraCertificado, QStringLiteral("updOptions(0)Abajo"), Qt::DownArrow);
    certificado->addWidget(explicacion);
    certificado->addWidget(ConFlechas(m_fraCertificado, m_txt[kMargen], m_flechas[0], m_flechas[1]));
    certificado->addStretch();

    for (QGroupBox* marco : {m_fraDocumentos, m_fraCertificado}) {
        QSizePolicy politica = marco->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        marco->setSizePolicy(politica);
    }
    lugar->addWidget(m_fraDocumentos, 0, 0);
    lugar->addWidget(m_fraCertificado, 0, 0);
    fila->addLayout(lugar);

    for (int i = 0; i < 2; ++i) {
        connect(m_flechas[std::size_t(2 * i)], &QToolButton::clicked, this,
                [this, i] { Manejar("updOptions_Change", [this, i] { Paso(i, 1); }); });
        connect(m_flechas[std::size_t(2 * i + 1)], &QToolButton::clicked, this,
                [this, i] { Manejar("updOptions_Change", [this, i] { Paso(i, -1); }); });
    }
    return pagina;
}

QWidget* frmOpciones::CrearModelo182()
{
    auto* pagina = new QWidget(this);
    auto* columna = new QVBoxLayout(pagina);
    auto* explicacion = new QLabel(
        QStringLiteral("Para generar el modelo 182 se debe aplicar una determinada deducción a todos los donativos. "
                       "A continuación puede definir esta deducción para cada uno de los tipos de régimen fiscal "
                       "disponibles para las instituciones."),
        pagina);
    explicacion->setObjectName(QStringLiteral("Label2"));
    explicacion->setWordWrap(true);
    columna->addWidget(explicacion);

    auto* titulo3 = new QGroupBox(
        QStringLiteral("Entidad beneficiaria de los incentivos regulados en el Título III de la ..."), pagina);
    titulo3->setObjectName(QStringLiteral("Frame1"));
    auto* rejilla = new QGridLayout(titulo3);
    const char* const nombres[3] = {"txtTipoA", "txtTipoB", "txtDeduccionRegFiscal2"};
    for (int i = 0; i < 3; ++i)
        m_modelo182[std::size_t(i)] = Caja(titulo3, QString::fromLatin1(nombres[i]), 3);
    auto* lblTipoA = new QLabel(QStringLiteral("(*) Tipo A (sin mecenazgo):"), titulo3);
    lblTipoA->setObjectName(QStringLiteral("lblTipoA"));
    auto* lblTipoB = new QLabel(QStringLiteral("(*) Tipo B (con mecenazgo):"), titulo3);
    lblTipoB->setObjectName(QStringLiteral("lblTipoB"));
    rejilla->addWidget(lblTipoA, 0, 0);
    rejilla->addWidget(lblTipoB, 0, 1);
    rejilla->addWidget(m_modelo182[0], 1, 0);
    rejilla->addWidget(m_modelo182[1], 1, 1);
    columna->addWidget(titulo3);

    auto* fundacion = new QGroupBox(
        QStringLiteral("Fundación legalmente reconocida que rinde cuentas al órgano del ..."), pagina);
    fundacion->setObjectName(QStringLiteral("fraRegimenFiscal2"));
    auto* filaFundacion = new QVBoxLayout(fundacion);
    auto* deduccion = new QLabel(QStringLiteral("Deducción:"), fundacion);
    deduccion->setObjectName(QStringLiteral("lblDeduccionRegimenFiscal2"));
    m_modelo182[2]->setParent(fundacion);
    filaFundacion->addWidget(deduccion);
    filaFundacion->addWidget(m_modelo182[2]);
    columna->addWidget(fundacion);
    columna->addStretch();
    for (QLineEdit* caja : m_modelo182)
        caja->setFixedWidth(56);
    return pagina;
}

QToolButton* frmOpciones::updOptions(int index, bool arriba) const
{
    return m_flechas.at(std::size_t(2 * index + (arriba ? 0 : 1)));
}

void frmOpciones::Form_Load()
{
    const PVAPI::cInfoConfiguracion& info = m_contexto.gobjInfoConfig;
    const AjustesUsuario ajustes {m_contexto.appTitle, info.Usuario, info.idioma};
    const auto paso = [](const std::function<void()>& cuerpo) {
        try {
            cuerpo();
        } catch (...) {
            // The load shows what it can: a step that fails leaves its
            // control as it was.
        }
    };
    mblnCambiarClave = false;
    paso([&] {
        m_txt[kNRegMax]->setText(
            ajustes.Leer(ajustes.Seccion(cCRegistry::INTERFACE()), cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("24")));
    });
    paso([&] {
        m_txt[kMargen]->setText(
            ajustes.Leer(ajustes.Seccion(cCRegistry::DOCUMENTOS()), cCRegistry::DOCUMENTOS_MARGEN(), QStringLiteral("0")));
    });
    paso([&] {
        m_txt[kMaxPagLibro]->setText(ajustes.Leer(ajustes.Seccion(cCRegistry::DOCUMENTOS()),
                                                  cCRegistry::DOCUMENTOS_MAXPAGLIBRO(), QStringLiteral("1000")));
    });
    paso([&] {
        EstadoClaveAnterior(
            !ajustes.Leer(ajustes.Seccion(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE()).isEmpty());
    });
    {
        const QSignalBlocker bloqueo(m_documentos);
        m_documentos->clear();
        m_documentos->addItems(Documentos(info.VodidazazDLL, info.GestionParroquialDLL));
        m_documentos->setCurrentRow(0);
    }
    m_fraCertificado->hide();
    m_fraDocumentos->hide();
    const bool pesetas = info.TrabajarConPesetas && m_contexto.estado.mobjConfigContab.TrabajarConPesetas();
    m_moneda[pesetas ? 0 : 1]->setChecked(true);
    paso([&] {
        const PorcentajesModelo182 porcentajes = LeerModelo182(m_contexto.conLocal);
        for (std::size_t i = 0; i < porcentajes.size(); ++i)
            m_modelo182[i]->setText(porcentajes[i]);
    });
    tbsOptions_Click();
    m_botones[kAplicar]->setEnabled(false);
    vb::Err().Clear();
}

void frmOpciones::QuitarPestanasGenerales()
{
    const QSignalBlocker bloqueo(m_tabs);
    m_tabs->removeTab(0);
    m_tabs->removeTab(0);
    m_tabs->setCurrentIndex(0);
    tbsOptions_Click();
}

void frmOpciones::tbsOptions_Click()
{
    for (QWidget* pagina : m_paginas) {
        pagina->hide();
        pagina->setEnabled(false);
    }
    const QString pestana = m_tabs->tabText(m_tabs->currentIndex());
    const QStringList titulos = {QStringLiteral("General"), QStringLiteral("Contraseña"), QStringLiteral("Documentos"),
                                 QStringLiteral("Deducciones Modelo 182")};
    const qsizetype pagina = titulos.indexOf(pestana);
    if (pagina < 0)
        return;
    m_paginas[std::size_t(pagina)]->setEnabled(true);
    m_paginas[std::size_t(pagina)]->show();
    m_paginas[std::size_t(pagina)]->raise();
    switch (pagina) {
    case 0:
        MoverFoco(m_txt[kNRegMax]);
        break;
    case 1:
        MoverFoco(m_txt[kClaveAnterior]->isEnabled() ? m_txt[kClaveAnterior] : m_txt[kClaveNueva]);
        break;
    case 2:
        MoverFoco(m_documentos);
        lstDocumentos_Click();
        break;
    default:
        break;
    }
}

void frmOpciones::Form_KeyDown(int keyCode, int shift)
{
    if (keyCode != Qt::Key_Tab)
        return;
    const int estado = shift & 3;
    if (estado != 2 && estado != 3)
        return;
    m_tabs->setCurrentIndex(OtraPestana(m_tabs->currentIndex(), m_tabs->count(), estado == 3));
}

void frmOpciones::lstDocumentos_Click()
{
    const QListWidgetItem* elegido = m_documentos->currentItem();
    const QString documento = elegido ? elegido->text() : QString();
    if (documento == kCertificados) {
        m_fraDocumentos->hide();
        m_fraCertificado->show();
        return;
    }
    if (documento != kEtiquetas && documento != kLibros && documento != kResto)
        return;
    m_fraCertificado->hide();
    m_fraDocumentos->setTitle(documento);
    const bool libros = documento == kLibros;
    m_lblDocumentos->setText(libros ? kTextoLibros : documento == kEtiquetas ? kTextoEtiquetas : kTextoResto);
    m_lblOpcionLibros->setVisible(libros);
    m_txt[kMaxPagLibro]->parentWidget()->setVisible(libros);
    m_txt[kMaxPagLibro]->setVisible(libros);
    m_fraDocumentos->show();
}

void frmOpciones::cmdMargenes_Click()
{
    const QListWidgetItem* elegido = m_documentos->currentItem();
    const auto parametros = MargenesDocumento(elegido ? elegido->text() : QString());
    frmMargenes margenes(m_contexto.gobjInfoConfig, this);
    if (parametros) {
        const PVAPI::cInfoConfiguracion& info = m_contexto.gobjInfoConfig;
        const AjustesUsuario ajustes {m_contexto.appTitle, info.Usuario, info.idioma};
        margenes.mstrREG_AppName = m_contexto.appTitle;
        margenes.mstrREG_Section = ajustes.Seccion(cCRegistry::DOCUMENTOS());
        margenes.mstrREG_Key_MargenSup = parametros->claveSuperior;
        margenes.mstrREG_Key_MargenIzq = parametros->claveIzquierdo;
        margenes.mintMAX_MargenSup = QString::number(parametros->maxSuperior);
        margenes.mintMIN_MargenSup = QString::number(parametros->minSuperior);
        margenes.mintMAX_MargenIzq = QString::number(parametros->maxIzquierdo);
        margenes.mintMIN_MargenIzq = QString::number(parametros->minIzquierdo);
        margenes.mintPREDET_MargenSup = QString::number(parametros->predetSuperior);
        margenes.mintPREDET_MargenIzq = QString::number(parametros->predetIzquierdo);
    }
    margenes.Mostrar(m_servicios.ejecutarDialogo);
}

void frmOpciones::cmdOpciones_Click()
{
    if (!m_servicios.mostrarConexiones) {
        ui::AvisoNoDisponible();
        return;
    }
    m_servicios.mostrarConexiones();
    ui::Beep();
    ui::MsgBox(QStringLiteral("Para que los cambios realizados en los enlaces de datos sean efectivos debe cerrar "
                              "primero la aplicación."),
               ui::vbOKOnly + ui::vbInformation, m_contexto.appTitle);
    HabilitarAplicar();
}

void frmOpciones::cmdBoton_Click(int index)
{
    if (index == kCancelar) {
        reject();
        return;
    }
    ValoresOpciones valores;
    for (std::size_t i = 0; i < m_txt.size(); ++i)
        valores.txtOpciones[i] = m_txt[i]->text();
    valores.claveAnteriorHabilitada = m_txt[kClaveAnterior]->isEnabled();
    valores.pesetas = m_moneda[0]->isChecked();
    valores.mblnCambiarClave = mblnCambiarClave;
    for (std::size_t i = 0; i < m_modelo182.size(); ++i)
        valores.modelo182[i] = m_modelo182[i]->text();
    const SalidaOpciones salida = GuardarOpciones(valores, m_contexto);
    Aplicar(salida);
    if (index == kAceptar && !salida.blnCancelar)
        accept();
}

void frmOpciones::Aplicar(const SalidaOpciones& salida)
{
    if (salida.vaciarClaveAnterior)
        m_txt[kClaveAnterior]->clear();
    if (salida.vaciarClaves) {
        for (int i = kClaveAnterior; i <= kClaveConfirmacion; ++i)
            m_txt[std::size_t(i)]->clear();
    }
    if (salida.claveAnteriorHabilitada)
        EstadoClaveAnterior(*salida.claveAnteriorHabilitada);
    if (salida.modelo182) {
        for (std::size_t i = 0; i < m_modelo182.size(); ++i)
            m_modelo182[i]->setText((*salida.modelo182)[i]);
    }
    if (salida.foco >= 0)
        MoverFoco(m_txt[std::size_t(salida.foco)]);
    if (salida.seleccionarDocumentos && m_tabs->count() > 2)
        m_tabs->setCurrentIndex(2);
    if (salida.resultado == ResultadoOpciones::Guardado) {
        mblnCambiarClave = false;
        m_botones[kAplicar]->setEnabled(false);
    }
}

bool frmOpciones::txtOpciones_KeyPress(int index, QChar caracter)
{
    HabilitarAplicar();
    if (index <= kClaveConfirmacion) {
        mblnCambiarClave = true;
        return true;
    }
    if (TeclaNumerica(caracter))
        return true;
    ui::Beep();
    return false;
}

bool frmOpciones::Modelo182_KeyPress(QChar caracter)
{
    HabilitarAplicar();
    if (TeclaNumerica(caracter))
        return true;
    ui::Beep();
    return false;
}

void frmOpciones::txtOpciones_LostFocus(int index)
{
    QLineEdit* caja = m_txt[std::size_t(index)];
    const QString texto = AlSalir(index, caja->text());
    if (texto != caja->text())
        caja->setText(texto);
}

void frmOpciones::Paso(int index, int incremento)
{
    // The arrows step the box's value within their range.
    QLineEdit* caja = m_txt[std::size_t(index == 0 ? kMargen : kMaxPagLibro)];
    const double valor = std::clamp(vb::Val(caja->text()), double(kMinimoFlecha[index]), double(kMaximoFlecha[index]));
    const int nuevo = std::clamp(int(valor) + incremento, kMinimoFlecha[index], kMaximoFlecha[index]);
    caja->setText(QString::number(nuevo));
    HabilitarAplicar();
}

void frmOpciones::HabilitarAplicar() const
{
    m_botones[kAplicar]->setEnabled(true);
}

void frmOpciones::EstadoClaveAnterior(bool habilitada)
{
    QLineEdit* caja = m_txt[kClaveAnterior];
    caja->setEnabled(habilitada);
    QPalette paleta = caja->palette();
    paleta.setColor(QPalette::Base, palette().color(habilitada ? QPalette::Base : QPalette::Window));
    caja->setPalette(paleta);
}

void frmOpciones::MoverFoco(QWidget* control)
{
    // A control on a hidden page or in a hidden frame cannot take the focus.
    if (control->isEnabled() && control->isVisibleTo(this))
        control->setFocus(Qt::OtherFocusReason);
}

void frmOpciones::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, kModulo, kProyecto, cuerpo);
}

int frmOpciones::IndiceCaja(QObject* objeto) const
{
    const auto it = std::find(m_txt.begin(), m_txt.end(), objeto);
    return it == m_txt.end() ? -1 : int(it - m_txt.begin());
}

int frmOpciones::IndiceModelo182(QObject* objeto) const
{
    const auto it = std::find(m_modelo182.begin(), m_modelo182.end(), objeto);
    return it == m_modelo182.end() ? -1 : int(it - m_modelo182.begin());
}

bool frmOpciones::eventFilter(QObject* objeto, QEvent* evento)
{
    const int caja = IndiceCaja(objeto);
    const int porcentaje = IndiceModelo182(objeto);
    if (caja < 0 && porcentaje < 0)
        return QDialog::eventFilter(objeto, evento);
    auto* edicion = static_cast<QLineEdit*>(objeto);
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const int mayusculas = (tecla->modifiers() & Qt::ShiftModifier) ? 1 : 0;
        const int control = (tecla->modifiers() & Qt::ControlModifier) ? 2 : 0;
        if ((tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) && control) {
            Manejar("Form_KeyDown", [&] { Form_KeyDown(Qt::Key_Tab, control | mayusculas); });
            return true;
        }
        // Keys that type nothing (arrows, Delete) are the box's own; Enter
        // and Escape belong to the default and cancel buttons.
        if (tecla->text().isEmpty() || tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter
            || tecla->key() == Qt::Key_Escape || tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab)
            return false;
        bool pasa = true;
        for (const QChar c : tecla->text())
            pasa = pasa && (caja >= 0 ? txtOpciones_KeyPress(caja, c) : Modelo182_KeyPress(c));
        return !pasa;
    }
    case QEvent::FocusIn:
        SelText(*edicion);
        break;
    case QEvent::FocusOut:
        if (caja >= 0)
            Manejar("txtOpciones_LostFocus", [&] { txtOpciones_LostFocus(caja); });
        else
            edicion->setText(Porcentaje(edicion->text()));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}

namespace {

void Mostrar(frmOpciones& forma, const ServiciosOpciones& servicios)
{
    if (servicios.ejecutarDialogo)
        servicios.ejecutarDialogo(forma);
    else
        forma.exec();
}

} // namespace

void MostrarOpciones(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent)
{
    frmOpciones forma(std::move(contexto), servicios, parent);
    forma.Form_Load();
    Mostrar(forma, servicios);
}

void MostrarOpcionesVisor(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent)
{
    frmOpciones forma(std::move(contexto), servicios, parent);
    forma.Form_Load();
    forma.QuitarPestanasGenerales();
    Mostrar(forma, servicios);
}
