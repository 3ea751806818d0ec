#include "import/frmImportar.h"

#include "platform/pvapi/ListaControl.h"
#include "platform/ui/RunHandler.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* NuevaEtiqueta(const QString& nombre, QWidget* padre)
{
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

void MostrarControl(QWidget* widget, const Control& control)
{
    widget->setEnabled(control.Enabled);
    widget->setVisible(control.Visible);
}

void MostrarLista(QComboBox* combo, const PVAPI::ListaControl& lista)
{
    const QSignalBlocker bloqueo(combo);
    bool igual = combo->count() == lista.ListCount();
    for (int i = 0; igual && i < lista.ListCount(); ++i)
        igual = combo->itemText(i) == lista.List(i) && combo->itemData(i).toInt() == lista.ItemData(i);
    if (!igual) {
        combo->clear();
        for (int i = 0; i < lista.ListCount(); ++i)
            combo->addItem(lista.List(i), lista.ItemData(i));
    }
    combo->setCurrentIndex(lista.ListIndex());
    combo->setEnabled(lista.Enabled);
}

void MostrarLista(QListWidget* widget, const PVAPI::ListaControl& lista)
{
    const QSignalBlocker bloqueo(widget);
    bool igual = widget->count() == lista.ListCount();
    for (int i = 0; igual && i < lista.ListCount(); ++i)
        igual = widget->item(i)->text() == lista.List(i);
    if (!igual) {
        widget->clear();
        for (int i = 0; i < lista.ListCount(); ++i)
            widget->addItem(lista.List(i));
    }
    for (int i = 0; i < lista.ListCount(); ++i)
        widget->item(i)->setSelected(lista.Selected(i));
    if (lista.ListIndex() >= 0)
        widget->setCurrentRow(lista.ListIndex(), QItemSelectionModel::NoUpdate);
    widget->setEnabled(lista.Enabled);
}

// The selection marks of a multi-selection list as the user left them.
void LeerMarcas(QListWidget* widget, PVAPI::ListaControl& lista)
{
    for (int i = 0; i < lista.ListCount() && i < widget->count(); ++i)
        lista.setSelected(i, widget->item(i)->isSelected());
}

void MostrarTexto(QLineEdit* caja, const Texto& texto)
{
    if (caja->text() != texto.Text) {
        const QSignalBlocker bloqueo(caja);
        caja->setText(texto.Text);
    }
    MostrarControl(caja, texto);
}

void MostrarEtiqueta(QWidget* widget, const Etiqueta& etiqueta)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(etiqueta.Caption);
    MostrarControl(widget, etiqueta);
}

} // namespace

namespace {

// The folder button's Open dialog, unless the opener gave another.
ContextoImportar ConDialogoAbrir(ContextoImportar contexto, QWidget* padre)
{
    if (!contexto.elegirArchivo) {
        contexto.elegirArchivo = [padre](const QString& filtro) {
            return QFileDialog::getOpenFileName(padre, QStringLiteral("Abrir"), QString(), filtro);
        };
    }
    return contexto;
}

} // namespace

frmImportar::frmImportar(ContextoImportar contexto, QWidget* parent)
    : QDialog(parent), m_asistente(ConDialogoAbrir(std::move(contexto), this))
{
    setObjectName(QStringLiteral("frmImportar"));
    setWindowTitle(QStringLiteral("Asistente para importar datos"));
    setModal(true);
    Construir();
    Conectar();
    m_asistente.alDescargar = [this] { done(QDialog::Accepted); };
    m_asistente.alCambiarPagina = [this] {
        if (!m_refrescando)
            Refrescar();
    };
    Ejecutar("Form_Load", [this] { m_asistente.Form_Load(); });
}

frmImportar::~frmImportar()
{
    m_asistente.alDescargar = nullptr;
    m_asistente.alCambiarPagina = nullptr;
    qApp->removeEventFilter(this);
}

void frmImportar::Construir()
{
    auto* principal = new QVBoxLayout(this);
    m_paginas = new QStackedWidget(this);
    principal->addWidget(m_paginas);
    std::array<QWidget*, 17> paginas{};
    std::array<QVBoxLayout*, 17> capas{};
    for (int i = 0; i < 17; ++i) {
        paginas[i] = new QWidget(m_paginas);
        paginas[i]->setObjectName(QStringLiteral("fraImportar(%1)").arg(i));
        capas[i] = new QVBoxLayout(paginas[i]);
        m_paginas->addWidget(paginas[i]);
    }
    auto etiqueta = [&](int pagina, int indice) {
        m_lblImportar[indice] = NuevaEtiqueta(QStringLiteral("lblImportar(%1)").arg(indice), paginas[pagina]);
        capas[pagina]->addWidget(m_lblImportar[indice]);
    };
    auto lista = [&](int pagina, int indice) {
        m_lstImportar[indice] = new QListWidget(paginas[pagina]);
        m_lstImportar[indice]->setObjectName(QStringLiteral("lstImportar(%1)").arg(indice));
        m_lstImportar[indice]->setSelectionMode(QAbstractItemView::MultiSelection);
        capas[pagina]->addWidget(m_lstImportar[indice]);
    };
    auto adoptar = [](QWidget* widget, QLayout* capa) { capa->addWidget(widget); };

    // Page 0: source and folder.
    etiqueta(0, 0);
    m_cboImportar = new QComboBox(paginas[0]);
    m_cboImportar->setObjectName(QStringLiteral("cboImportar"));
    capas[0]->addWidget(m_cboImportar);
    m_fraUbicacion = new QGroupBox(QStringLiteral("Ubicación de la base de datos"), paginas[0]);
    m_fraUbicacion->setObjectName(QStringLiteral("fraUbicacion"));
    auto* ubicacion = new QGridLayout(m_fraUbicacion);
    m_lblImportar[1] = NuevaEtiqueta(QStringLiteral("lblImportar(1)"), m_fraUbicacion);
    ubicacion->addWidget(m_lblImportar[1], 0, 0, 1, 2);
    m_txtPath = new QLineEdit(m_fraUbicacion);
    m_txtPath->setObjectName(QStringLiteral("txtPath"));
    ubicacion->addWidget(m_txtPath, 1, 0);
    m_cmdPath = new QToolButton(m_fraUbicacion);
    m_cmdPath->setObjectName(QStringLiteral("cmdPath"));
    m_cmdPath->setText(QStringLiteral("…"));
    ubicacion->addWidget(m_cmdPath, 1, 1);
    capas[0]->addWidget(m_fraUbicacion);
    capas[0]->addStretch();

    // Pages 1 and 2: module, institution.
    etiqueta(1, 2);
    lista(1, 0);
    etiqueta(2, 3);
    lista(2, 1);

    // Page 3: summary.
    for (int indice : {13, 10, 9, 8, 7})
        etiqueta(3, indice);
    capas[3]->addStretch();

    // Pages 4, 9, 11: progress of the add-ins.
    adoptar(m_asistente.prgTrasvase[2], capas[4]);
    for (QLabel* l : m_asistente.lblKaldex)
        adoptar(l, capas[4]);
    capas[4]->addStretch();
    for (QLabel* l : m_asistente.lblTrasvase)
        adoptar(l, capas[9]);
    adoptar(m_asistente.prgTrasvase[1], capas[9]);
    capas[9]->addStretch();
    for (QLabel* l : m_asistente.lblSacra)
        adoptar(l, capas[11]);
    adoptar(m_asistente.prgTrasvase[3], capas[11]);
    capas[11]->addStretch();

    // Pages 5 to 8: previous version.
    etiqueta(5, 4);
    capas[5]->addStretch();
    auto* procesos = new QWidget(paginas[6]);
    procesos->setObjectName(QStringLiteral("picProcesos"));
    auto* capaProcesos = new QVBoxLayout(procesos);
    for (QLabel* l : m_asistente.lblVerificar)
        adoptar(l, capaProcesos);
    adoptar(m_asistente.prgTrasvase[0], capaProcesos);
    capas[6]->addWidget(procesos);
    m_picIncidencias = new QWidget(paginas[6]);
    m_picIncidencias->setObjectName(QStringLiteral("picIncidencias"));
    auto* capaIncidencias = new QVBoxLayout(m_picIncidencias);
    capaIncidencias->addWidget(
        new QLabel(QStringLiteral("Se encontraron errores en la base de datos de Norvia Parvanta 2000 v1.x."),
                   m_picIncidencias));
    capaIncidencias->addWidget(new QLabel(
        QStringLiteral("Detalle de las incidencias encontradas en la base de datos de Norvia Parvanta 2000 v1.x"),
        m_picIncidencias));
    m_txtIncidencias = new QPlainTextEdit(m_picIncidencias);
    m_txtIncidencias->setObjectName(QStringLiteral("txtIncidencias"));
    m_txtIncidencias->setReadOnly(true);
    m_txtIncidencias->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtIncidencias->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    capaIncidencias->addWidget(m_txtIncidencias);
    auto* consejo = new QLabel(
        QStringLiteral("Es aconsejable que examine las incidencias y realice los cambios necesarios en la base de "
                       "datos antes de continuar con el asistente. Aun así podrá realizar el trasvase, teniendo en "
                       "cuenta que no se agregarán los datos en los que se han encontrado los fallos."),
        m_picIncidencias);
    consejo->setWordWrap(true);
    capaIncidencias->addWidget(consejo);
    capas[6]->addWidget(m_picIncidencias);

    auto* fila7 = new QHBoxLayout;
    m_lstDatos = new QListWidget(paginas[7]);
    m_lstDatos->setObjectName(QStringLiteral("lstDatos"));
    fila7->addWidget(m_lstDatos);
    auto* fraDatos = new QGroupBox(QStringLiteral("Institución:"), paginas[7]);
    fraDatos->setObjectName(QStringLiteral("fraDatos"));
    auto* capaDatos = new QVBoxLayout(fraDatos);
    for (int i = 0; i < 4; ++i) {
        m_lblDatos[i] = NuevaEtiqueta(QStringLiteral("lblDatos(%1)").arg(i), fraDatos);
        capaDatos->addWidget(m_lblDatos[i]);
        m_txtDatos[i] = new QLineEdit(fraDatos);
        m_txtDatos[i]->setObjectName(QStringLiteral("txtDatos(%1)").arg(i));
        m_txtDatos[i]->setMaxLength(40);
        capaDatos->addWidget(m_txtDatos[i]);
    }
    m_lblDatos[4] = NuevaEtiqueta(QStringLiteral("lblDatos(4)"), fraDatos);
    capaDatos->addWidget(m_lblDatos[4]);
    m_cboDeduccion = new QComboBox(fraDatos);
    m_cboDeduccion->setObjectName(QStringLiteral("cboDeduccion"));
    m_cboDeduccion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboDeduccion->setMinimumContentsLength(30);
    capaDatos->addWidget(m_cboDeduccion);
    m_lblImportar[11] = NuevaEtiqueta(QStringLiteral("lblImportar(11)"), fraDatos);
    capaDatos->addWidget(m_lblImportar[11]);
    auto* botonesDato = new QHBoxLayout;
    const char* const textosDato[2] = {"Anterior", "Siguiente"};
    for (int i = 0; i < 2; ++i) {
        m_cmdDato[i] = new QPushButton(QString::fromUtf8(textosDato[i]), fraDatos);
        m_cmdDato[i]->setObjectName(QStringLiteral("cmdDato(%1)").arg(i));
        m_cmdDato[i]->setAutoDefault(false);
        botonesDato->addWidget(m_cmdDato[i]);
    }
    capaDatos->addLayout(botonesDato);
    fila7->addWidget(fraDatos, 1);
    capas[7]->addLayout(fila7);
    etiqueta(7, 5);
    etiqueta(8, 6);
    capas[8]->addStretch();

    // Page 10: sacraments and century.
    etiqueta(10, 12);
    lista(10, 2);
    auto* siglo = new QGroupBox(QStringLiteral("Año"), paginas[10]);
    siglo->setObjectName(QStringLiteral("frmSiglo"));
    auto* capaSiglo = new QVBoxLayout(siglo);
    auto* lblSiglo = new QLabel(QStringLiteral("Kaldex sólo almacena los dos últimos dígitos de los años. En caso de "
                                               "que estos dígitos sean '00', ¿qué año quiere que sea?"),
                                siglo);
    lblSiglo->setWordWrap(true);
    capaSiglo->addWidget(lblSiglo);
    auto* grupoSiglo = new QButtonGroup(siglo);
    for (int i = 0; i < 2; ++i) {
        m_optSiglo[i] = new QRadioButton(m_asistente.optSiglo[i].Caption, siglo);
        m_optSiglo[i]->setObjectName(QStringLiteral("optSiglo(%1)").arg(i));
        grupoSiglo->addButton(m_optSiglo[i]);
        capaSiglo->addWidget(m_optSiglo[i]);
    }
    capas[10]->addWidget(siglo);

    // Pages 12 to 15: parish data of each sacrament.
    const char* const nombres[4] = {"Bautismo", "Confirmacion", "Matrimonio", "Defuncion"};
    const int titulos[4] = {17, 16, 18, 20};
    const int explicaciones[4] = {14, 15, 19, 21};
    const int formatos[4] = {23, 24, 25, 26};
    for (int s = 0; s < 4; ++s) {
        const int p = 12 + s;
        etiqueta(p, titulos[s]);
        QFont negrita = m_lblImportar[titulos[s]]->font();
        negrita.setBold(true);
        m_lblImportar[titulos[s]]->setFont(negrita);
        etiqueta(p, explicaciones[s]);
        etiqueta(p, formatos[s]);
        m_cboFolio[s] = new QComboBox(paginas[p]);
        m_cboFolio[s]->setObjectName(QStringLiteral("cboFolio(%1)").arg(s));
        capas[p]->addWidget(m_cboFolio[s]);
        const QString nombre = QString::fromLatin1(nombres[s]);
        m_chkDatos[s] = new QCheckBox(m_asistente.chkDatos[s].Caption, paginas[p]);
        m_chkDatos[s]->setObjectName(QStringLiteral("chkDatos") + nombre);
        capas[p]->addWidget(m_chkDatos[s]);
        m_fraDatos[s] = new QGroupBox(paginas[p]);
        m_fraDatos[s]->setObjectName(QStringLiteral("fraDatos") + nombre);
        auto* formulario = new QFormLayout(m_fraDatos[s]);
        for (int i = 0; i < 2; ++i) {
            m_txtDatosS[s][i] = new QLineEdit(m_fraDatos[s]);
            m_txtDatosS[s][i]->setObjectName(QStringLiteral("txtDatos%1(%2)").arg(nombre).arg(i));
            m_lblDatosS[s][i] = NuevaEtiqueta(QStringLiteral("lblDatos%1(%2)").arg(nombre).arg(i), m_fraDatos[s]);
            formulario->addRow(m_lblDatosS[s][i], m_txtDatosS[s][i]);
        }
        for (int i = 0; i < 2; ++i) {
            m_cboDatosS[s][i] = new QComboBox(m_fraDatos[s]);
            m_cboDatosS[s][i]->setObjectName(QStringLiteral("cboDatos%1(%2)").arg(nombre).arg(i));
            m_lblDatosS[s][i + 2] =
                NuevaEtiqueta(QStringLiteral("lblDatos%1(%2)").arg(nombre).arg(i + 2), m_fraDatos[s]);
            formulario->addRow(m_lblDatosS[s][i + 2], m_cboDatosS[s][i]);
        }
        capas[p]->addWidget(m_fraDatos[s]);
        capas[p]->addStretch();
    }

    // Page 16: order of names.
    etiqueta(16, 22);
    auto* grupoOrden = new QButtonGroup(paginas[16]);
    for (int i = 0; i < 2; ++i) {
        m_optOrdenNombres[i] = new QRadioButton(m_asistente.optOrdenNombres[i].Caption, paginas[16]);
        m_optOrdenNombres[i]->setObjectName(QStringLiteral("optOrdenNombres(%1)").arg(i));
        grupoOrden->addButton(m_optOrdenNombres[i]);
        capas[16]->addWidget(m_optOrdenNombres[i]);
    }
    capas[16]->addStretch();

    auto* barra = new QHBoxLayout;
    barra->setObjectName(QStringLiteral("PicImportar"));
    for (int i = 0; i < 5; ++i) {
        m_cmdImportar[i] = new QPushButton(m_asistente.cmdImportar[i].Caption, this);
        m_cmdImportar[i]->setObjectName(QStringLiteral("cmdImportar(%1)").arg(i));
        m_cmdImportar[i]->setAutoDefault(false);
        if (i == 1)
            barra->addStretch();
        barra->addWidget(m_cmdImportar[i]);
    }
    principal->addLayout(barra);
    resize(640, 460);
}

void frmImportar::Conectar()
{
    AsistenteImportar& a = m_asistente;
    for (int i = 0; i < 5; ++i) {
        connect(m_cmdImportar[i], &QPushButton::clicked, this,
                [this, i] { Ejecutar("cmdImportar_Click", [this, i] { m_asistente.cmdImportar_Click(i); }); });
    }
    connect(m_cboImportar, &QComboBox::activated, this, [this, &a](int indice) {
        Ejecutar("cboImportar_Click", [&a, indice] {
            a.cboImportar.setListIndex(indice);
            a.cboImportar_Click();
        });
    });
    connect(m_txtPath, &QLineEdit::textEdited, this, [&a](const QString& texto) { a.txtPath.Text = texto; });
    connect(m_cmdPath, &QToolButton::clicked, this,
            [this, &a] { Ejecutar("cmdPath_Click", [&a] { a.cmdPath_Click(); }); });
    for (int i = 0; i < 3; ++i) {
        connect(m_lstImportar[i], &QListWidget::itemSelectionChanged, this, [this, &a, i] {
            if (!m_refrescando)
                LeerMarcas(m_lstImportar[i], a.lstImportar[i]);
        });
    }
    connect(m_lstDatos, &QListWidget::currentRowChanged, this, [this, &a](int fila) {
        if (m_refrescando || fila < 0)
            return;
        Ejecutar("lstDatos_Click", [&a, fila] {
            a.lstDatos.setListIndex(fila);
            a.lstDatos_Click();
        });
    });
    connect(m_lstDatos, &QListWidget::itemClicked, this,
            [this, &a] { Ejecutar("lstDatos_MouseUp", [&a] { a.lstDatos_MouseUp(); }); });
    for (int i = 0; i < 4; ++i) {
        connect(m_txtDatos[i], &QLineEdit::textEdited, this, [this, &a, i](const QString& texto) {
            Ejecutar("txtDatos_Change", [&a, i, texto] {
                a.txtDatos[i].Text = texto;
                a.txtDatos_Change(i);
            });
        });
    }
    connect(m_cboDeduccion, &QComboBox::activated, this, [this, &a](int indice) {
        Ejecutar("cboDeduccion_Click", [&a, indice] {
            a.cboDeduccion.setListIndex(indice);
            a.cboDeduccion_Click();
        });
    });
    for (int i = 0; i < 2; ++i) {
        connect(m_cmdDato[i], &QPushButton::clicked, this,
                [this, &a, i] { Ejecutar("cmdDato_Click", [&a, i] { a.cmdDato_Click(i); }); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(m_optSiglo[i], &QRadioButton::toggled, this, [&a, i](bool marcado) { a.optSiglo[i].Value = marcado; });
        connect(m_optOrdenNombres[i], &QRadioButton::toggled, this,
                [&a, i](bool marcado) { a.optOrdenNombres[i].Value = marcado; });
    }
    for (int s = 0; s < 4; ++s) {
        const auto sacramento = Sacramento(s);
        connect(m_cboFolio[s], &QComboBox::activated, this,
                [&a, s](int indice) { a.cboFolio[s].setListIndex(indice); });
        connect(m_chkDatos[s], &QCheckBox::clicked, this, [this, &a, sacramento](bool marcado) {
            Ejecutar("chkDatos_Click", [&a, sacramento, marcado] {
                a.chkDatos[sacramento].Value = marcado ? 1 : 0;
                a.chkDatos_Click(sacramento);
            });
        });
        for (int i = 0; i < 2; ++i) {
            connect(m_txtDatosS[s][i], &QLineEdit::textEdited, this,
                    [&a, s, i](const QString& texto) { a.txtDatosS[s][i].Text = texto; });
            connect(m_cboDatosS[s][i], &QComboBox::activated, this, [this, &a, sacramento, i](int indice) {
                Ejecutar("cboDatos_Click", [&a, sacramento, i, indice] {
                    a.cboDatosS[sacramento][i].setListIndex(indice);
                    a.cboDatos_Click(sacramento, i);
                });
            });
        }
    }
    // Focus and keys of the controls whose leaving or Shift state matters.
    qApp->installEventFilter(this);
}

// The folder box and the institution's data boxes are entered with their
// whole text selected, so typing replaces it. After the event in hand: a
// click's own press would place the cursor over the selection.
void frmImportar::SeleccionarAlEntrar(QWidget* widget)
{
    auto* caja = qobject_cast<QLineEdit*>(widget);
    if (!caja || (caja != m_txtPath && std::find(m_txtDatos.begin(), m_txtDatos.end(), caja) == m_txtDatos.end()))
        return;
    QTimer::singleShot(0, caja, &QLineEdit::selectAll);
}

bool frmImportar::eventFilter(QObject* objeto, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget || widget->window() != this || m_refrescando)
        return QDialog::eventFilter(objeto, event);
    AsistenteImportar& a = m_asistente;
    const auto tipo = event->type();
    const bool esBoton = qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr &&
                         !qobject_cast<QRadioButton*>(QApplication::focusWidget()) &&
                         !qobject_cast<QCheckBox*>(QApplication::focusWidget());
    if (tipo == QEvent::FocusIn) {
        a.foco = widget->objectName();
        m_focoAplicado = a.foco;
        if (widget == m_cmdDato[0] || widget == m_cmdDato[1])
            a.cmdDato_GotFocus();
        SeleccionarAlEntrar(widget);
    } else if (tipo == QEvent::FocusOut) {
        if (widget == m_txtPath) {
            Ejecutar("txtPath_LostFocus", [&a, esBoton] { a.txtPath_LostFocus(esBoton); });
        } else if (widget == m_cboDeduccion) {
            Ejecutar("cboDeduccion_LostFocus", [&a] { a.cboDeduccion_LostFocus(); });
        } else if (widget == m_cmdDato[0] || widget == m_cmdDato[1]) {
            a.cmdDato_LostFocus();
        }
        for (int i = 0; i < 4; ++i) {
            if (widget == m_txtDatos[i])
                Ejecutar("txtDatos_LostFocus", [&a, i] { a.txtDatos_LostFocus(i); });
        }
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < 2; ++i) {
                if (widget == m_txtDatosS[s][i])
                    Ejecutar("txtDatos_LostFocus", [&a, s, i] { a.txtDatos_LostFocus(Sacramento(s), i); });
            }
        }
    } else if (tipo == QEvent::KeyPress || tipo == QEvent::KeyRelease) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modificadores = tecla->modifiers();
        int shift = 0;
        if (modificadores & Qt::ShiftModifier)
            shift |= 1;
        if (modificadores & Qt::ControlModifier)
            shift |= 2;
        if (modificadores & Qt::AltModifier)
            shift |= 4;
        const bool pulsada = tipo == QEvent::KeyPress;
        for (int i = 0; i < 4; ++i) {
            if (widget == m_txtDatos[i]) {
                if (pulsada) {
                    a.txtDatos_KeyDown(i, shift);
                    a.txtDatos_KeyPress(i);
                } else {
                    a.txtDatos_KeyUp(i, shift);
                }
            }
        }
        if (widget == m_cboDeduccion) {
            if (pulsada)
                a.cboDeduccion_KeyDown(shift);
            else
                a.cboDeduccion_KeyUp(shift);
        }
    }
    return QDialog::eventFilter(objeto, event);
}

void frmImportar::Ejecutar(const char* procedimiento, const std::function<void()>& manejador)
{
    const std::string nombre = std::string(procedimiento) + "()";
    ui::RunHandler(nombre.c_str(), "frmImportar", "NorviaParvanta2000", manejador);
    if (!m_asistente.Descargado())
        Refrescar();
}

void frmImportar::Refrescar()
{
    if (m_refrescando)
        return;
    m_refrescando = true;
    const AsistenteImportar& a = m_asistente;
    if (a.mintPaso >= 0 && a.mintPaso < m_paginas->count())
        m_paginas->setCurrentIndex(a.mintPaso);
    for (int i = 0; i < 5; ++i)
        MostrarControl(m_cmdImportar[i], a.cmdImportar[i]);
    MostrarLista(m_cboImportar, a.cboImportar);
    MostrarControl(m_fraUbicacion, a.fraUbicacion);
    MostrarTexto(m_txtPath, a.txtPath);
    for (int i = 0; i < 3; ++i)
        MostrarLista(m_lstImportar[i], a.lstImportar[i]);
    for (int i = 0; i < 27; ++i) {
        if (m_lblImportar[i])
            MostrarEtiqueta(m_lblImportar[i], a.lblImportar[i]);
    }
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b1(m_optSiglo[i]);
        const QSignalBlocker b2(m_optOrdenNombres[i]);
        m_optSiglo[i]->setChecked(a.optSiglo[i].Value);
        m_optOrdenNombres[i]->setChecked(a.optOrdenNombres[i].Value);
    }
    MostrarControl(m_picIncidencias, a.picIncidencias);
    if (m_txtIncidencias->toPlainText() != a.txtIncidencias.Text)
        m_txtIncidencias->setPlainText(a.txtIncidencias.Text);
    MostrarLista(m_lstDatos, a.lstDatos);
    for (int i = 0; i < 4; ++i)
        MostrarTexto(m_txtDatos[i], a.txtDatos[i]);
    for (int i = 0; i < 5; ++i)
        MostrarEtiqueta(m_lblDatos[i], a.lblDatos[i]);
    MostrarLista(m_cboDeduccion, a.cboDeduccion);
    for (int s = 0; s < 4; ++s) {
        MostrarLista(m_cboFolio[s], a.cboFolio[s]);
        {
            const QSignalBlocker bloqueo(m_chkDatos[s]);
            m_chkDatos[s]->setChecked(a.chkDatos[s].Value == 1);
        }
        MostrarControl(m_chkDatos[s], a.chkDatos[s]);
        MostrarControl(m_fraDatos[s], a.fraDatos[s]);
        for (int i = 0; i < 2; ++i) {
            MostrarTexto(m_txtDatosS[s][i], a.txtDatosS[s][i]);
            MostrarLista(m_cboDatosS[s][i], a.cboDatosS[s][i]);
        }
        for (int i = 0; i < 4; ++i)
            MostrarEtiqueta(m_lblDatosS[s][i], a.lblDatosS[s][i]);
    }
    AplicarFoco();
    m_refrescando = false;
    m_paginas->currentWidget()->repaint();
}

void frmImportar::AplicarFoco()
{
    if (m_asistente.foco == m_focoAplicado)
        return;
    m_focoAplicado = m_asistente.foco;
    // After the event being handled: a handler of a focus change may not
    // move the focus while Qt is still moving it.
    QTimer::singleShot(0, this, [this, nombre = m_asistente.foco] {
        if (m_asistente.foco != nombre)
            return;
        if (auto* widget = findChild<QWidget*>(nombre))
            widget->setFocus(Qt::OtherFocusReason);
    });
}

void frmImportar::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once: the window becomes active again after every message box, and
    // those returns must not put the wizard back on page 0.
    if (!m_activado) {
        m_activado = true;
        Ejecutar("Form_Activate", [this] { m_asistente.Form_Activate(); });
    }
}

void frmImportar::closeEvent(QCloseEvent* event)
{
    if (!m_asistente.PuedeCerrar()) {
        event->ignore();
        return;
    }
    if (!m_asistente.Descargado())
        m_asistente.cmdImportar_Click(1);
    event->accept();
}

void frmImportar::reject()
{
    if (!m_asistente.PuedeCerrar())
        return;
    if (!m_asistente.Descargado())
        m_asistente.cmdImportar_Click(1);
    else
        QDialog::reject();
}
