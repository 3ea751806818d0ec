#include "platform/widgets/DialogoRegistro.h"

#include "platform/ui/HourglassGuard.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroDetalle.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "platform/widgets/DialogoRegistroFecha.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace widgets {

namespace {

constexpr const char* kModulo = "DialogoRegistro";
constexpr const char* kProyecto = "PVAPI";

// Consecutive fields of one section and group: one form, in a box titled
// by the group or by the section when either has a title.
struct Bloque {
    int seccion = 0;
    QString titulo;
    bool anchoCompleto = false;
    QList<int> campos;
};

QList<Bloque> Bloques(const DefinicionRegistro& def)
{
    QList<Bloque> bloques;
    for (int i = 0; i < def.campos.size(); ++i) {
        const CampoRegistro& c = def.campos[i];
        const QString titulo = !c.grupo.isEmpty() ? c.grupo
                               : c.seccion != 0  ? def.secciones[c.seccion].titulo
                                                 : QString();
        if (bloques.isEmpty() || bloques.last().seccion != c.seccion || bloques.last().titulo != titulo)
            bloques.append(Bloque{c.seccion, titulo, c.grupo.isEmpty() && def.secciones[c.seccion].anchoCompleto, {}});
        bloques.last().campos << i;
    }
    return bloques;
}

QFormLayout* Formulario(QWidget* contenedor)
{
    auto* form = new QFormLayout(contenedor);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

int AnchoCaracteres(const QWidget* w, int caracteres)
{
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * caracteres + 16;
}

// Long texts are stored with CR LF line ends, as the program has always
// kept them; the editor works with LF. An untouched text reads back equal.
QString LineasEditor(QString texto)
{
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString LineasGuardadas(QString texto)
{
    return LineasEditor(std::move(texto)).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QLineEdit* LineaDe(QWidget* editor)
{
    if (auto* linea = qobject_cast<QLineEdit*>(editor))
        return linea;
    if (auto* fecha = qobject_cast<DialogoRegistroFecha*>(editor))
        return fecha->Linea();
    return nullptr;
}

} // namespace

DialogoRegistro::DialogoRegistro(db::Connection& con, DialogoRegistroDatos& datos, Modo modo, QWidget* parent)
    : QDialog(parent), m_con(con), m_datos(datos), m_modo(datos.Definicion().soloLectura ? Modo::Consulta : modo)
{
    const DefinicionRegistro& def = datos.Definicion();
    setObjectName(QStringLiteral("DialogoRegistro_") + def.secciones.value(0).tabla);
    setWindowTitle(datos.EsNuevo() ? def.tituloNuevo : def.titulo);
    setSizeGripEnabled(true);
    Construir();
    MostrarValores();
    OrdenarTabulacion();
}

DialogoRegistro::~DialogoRegistro() = default;

bool DialogoRegistro::Editar(db::Connection& con, DialogoRegistroDatos& datos, const QString& titulo)
{
    DialogoRegistro dialogo(con, datos, Modo::Escribir, QApplication::activeWindow());
    if (!titulo.isEmpty())
        dialogo.setWindowTitle(titulo);
    return DialogoRegistroEjecutor::Ejecutar(dialogo) == QDialog::Accepted && dialogo.m_modo == Modo::Escribir;
}

bool DialogoRegistro::EditarRegistro(db::Connection& con, std::shared_ptr<const DefinicionRegistro> definicion,
                                     qint64 id, const MonedaRegistro& moneda)
{
    DialogoRegistroDatos datos(std::move(definicion), moneda);
    try {
        if (id == 0)
            datos.Nuevo();
        else
            datos.Cargar(con, id);
    } catch (const DialogoRegistroError& error) {
        DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
    return Editar(con, datos);
}

bool DialogoRegistro::EliminarRegistro(db::Connection& con, std::shared_ptr<const DefinicionRegistro> definicion,
                                       qint64 id, const QString& pregunta)
{
    if (DialogoRegistroEjecutor::Mensaje(pregunta, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2) != ui::vbYes)
        return false;
    DialogoRegistroDatos datos(std::move(definicion));
    try {
        ui::HourglassGuard reloj;
        datos.Cargar(con, id);
        datos.Eliminar(con);
    } catch (const DialogoRegistroError& error) {
        DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
    return true;
}

bool DialogoRegistro::Editable(int campo) const
{
    const CampoRegistro& c = m_datos.Definicion().campos[campo];
    return m_modo != Modo::Consulta && !c.soloLectura && !(c.soloAlCrear && !m_datos.EsNuevo());
}

void DialogoRegistro::Construir()
{
    const DefinicionRegistro& def = m_datos.Definicion();
    auto* raiz = new QVBoxLayout(this);
    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(12);
    raiz->addLayout(rejilla);

    for (int i = 0; i < def.campos.size(); ++i)
        m_editores << nullptr;

    int fila = 0;
    int columna = 0;
    const QList<Bloque> bloques = Bloques(def);
    QList<QLabel*> etiquetasSinCaja;
    for (int b = 0; b < bloques.size(); ++b) {
        const Bloque& bloque = bloques[b];
        const bool enCaja = !bloque.titulo.isEmpty();
        QWidget* contenedor = enCaja ? new QGroupBox(bloque.titulo, this) : new QWidget(this);
        QFormLayout* form = Formulario(contenedor);
        if (!enCaja)
            form->setContentsMargins(0, 0, 0, 0);
        for (int campo : bloque.campos) {
            QWidget* editor = CrearEditor(campo);
            const CampoRegistro& c = def.campos[campo];
            auto* etiqueta = new QLabel(c.etiqueta + QLatin1Char(':'), contenedor);
            etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!enCaja)
                etiquetasSinCaja << etiqueta;
            if (c.tipo == TipoCampo::Importe) {
                auto* conMoneda = new QWidget(contenedor);
                auto* linea = new QHBoxLayout(conMoneda);
                linea->setContentsMargins(0, 0, 0, 0);
                linea->addWidget(editor);
                linea->addWidget(new QLabel(m_datos.Moneda().trabajarConPesetas ? QStringLiteral("pesetas")
                                                                                 : QStringLiteral("euros"),
                                            conMoneda));
                linea->addStretch();
                form->addRow(etiqueta, conMoneda);
            } else {
                form->addRow(etiqueta, editor);
            }
            etiqueta->setBuddy(editor);
        }
        // Boxes go two by two; the main fields, a box asked to, and a box
        // that would stand alone in its row take the whole width.
        const bool siguienteEnCaja = b + 1 < bloques.size() && !bloques[b + 1].titulo.isEmpty()
                                     && !bloques[b + 1].anchoCompleto;
        if (!enCaja || bloque.anchoCompleto || (columna == 0 && !siguienteEnCaja)) {
            if (columna != 0)
                ++fila;
            rejilla->addWidget(contenedor, fila++, 0, 1, 2);
            columna = 0;
        } else {
            rejilla->addWidget(contenedor, fila, columna, Qt::AlignTop);
            columna = 1 - columna;
            if (columna == 0)
                ++fila;
        }
    }

    // The main fields' labels line up, whichever boxes come between them.
    int anchoEtiquetas = 0;
    for (QLabel* etiqueta : etiquetasSinCaja)
        anchoEtiquetas = qMax(anchoEtiquetas, etiqueta->sizeHint().width());
    for (QLabel* etiqueta : etiquetasSinCaja)
        etiqueta->setMinimumWidth(anchoEtiquetas);

    for (int d = 0; d < def.detalles.size(); ++d) {
        auto* detalle = new DialogoRegistroDetalle(m_con, m_datos, d, m_modo == Modo::Consulta, this);
        m_detalles << detalle;
        raiz->addWidget(detalle, 1);
    }

    auto* botones = new QDialogButtonBox(this);
    if (m_modo == Modo::Consulta) {
        m_cancelar = botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
        m_cancelar->setDefault(true);
    } else {
        m_aceptar = botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
        m_cancelar = botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
        m_aceptar->setDefault(true);
        connect(m_aceptar, &QPushButton::clicked, this, &DialogoRegistro::Aceptar);
    }
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    raiz->addWidget(botones);
    if (def.detalles.isEmpty())
        raiz->addStretch();
}

QWidget* DialogoRegistro::CrearEditor(int campo)
{
    const CampoRegistro& c = m_datos.Definicion().campos[campo];
    const bool editable = Editable(campo);
    QWidget* editor = nullptr;
    switch (c.tipo) {
    case TipoCampo::Texto: {
        auto* linea = new QLineEdit(this);
        linea->setReadOnly(!editable);
        linea->setToolTip(QStringLiteral("Hasta %1 caracteres").arg(c.ancho));
        // As wide as the column allows, within reason: codes stay short,
        // names and addresses get room.
        linea->setMaximumWidth(AnchoCaracteres(linea, qMin(c.ancho, 60) + 2));
        linea->setMinimumWidth(AnchoCaracteres(linea, qMin(c.ancho, 30) + 1));
        editor = linea;
        break;
    }
    case TipoCampo::Memo: {
        auto* texto = new QPlainTextEdit(this);
        texto->setTabChangesFocus(true);
        texto->setReadOnly(!editable);
        texto->setFixedHeight(texto->fontMetrics().lineSpacing() * 4 + 12);
        texto->setMinimumWidth(AnchoCaracteres(texto, 40));
        editor = texto;
        break;
    }
    case TipoCampo::Fecha: {
        auto* fecha = new DialogoRegistroFecha(this);
        fecha->setReadOnly(!editable);
        editor = fecha;
        break;
    }
    case TipoCampo::SiNo: {
        auto* marca = new QCheckBox(this);
        marca->setEnabled(editable);
        editor = marca;
        break;
    }
    case TipoCampo::Entero:
    case TipoCampo::Importe: {
        auto* numero = new QLineEdit(this);
        numero->setReadOnly(!editable);
        numero->setAlignment(Qt::AlignRight);
        numero->setMaximumWidth(AnchoCaracteres(numero, c.tipo == TipoCampo::Importe ? 16 : 11));
        editor = numero;
        break;
    }
    case TipoCampo::Referencia: {
        auto* combo = new DialogoRegistroCombo(!c.obligatorio, this);
        combo->Llenar(m_con, c.referencia.consulta);
        combo->setEnabled(editable);
        editor = combo;
        break;
    }
    }
    editor->setObjectName(m_datos.Definicion().secciones[c.seccion].tabla + QLatin1Char('.') + c.columna);
    m_editores[campo] = editor;
    return editor;
}

void DialogoRegistro::MostrarValores()
{
    const DefinicionRegistro& def = m_datos.Definicion();
    for (int i = 0; i < def.campos.size(); ++i) {
        QWidget* editor = m_editores[i];
        switch (def.campos[i].tipo) {
        case TipoCampo::SiNo: static_cast<QCheckBox*>(editor)->setChecked(m_datos.Marcado(i)); break;
        case TipoCampo::Referencia: static_cast<DialogoRegistroCombo*>(editor)->ElegirClave(m_datos.Referencia(i)); break;
        case TipoCampo::Memo: static_cast<QPlainTextEdit*>(editor)->setPlainText(LineasEditor(m_datos.Texto(i))); break;
        case TipoCampo::Fecha: static_cast<DialogoRegistroFecha*>(editor)->setText(m_datos.Texto(i)); break;
        default: {
            auto* linea = static_cast<QLineEdit*>(editor);
            linea->setText(m_datos.Texto(i));
            if (def.campos[i].soloLectura && m_datos.EsNuevo() && linea->text().isEmpty()) {
                linea->setPlaceholderText(QStringLiteral("(automático)"));
                const int ancho = linea->fontMetrics().horizontalAdvance(linea->placeholderText()) + 16;
                linea->setMinimumWidth(qMax(linea->minimumWidth(), ancho));
                linea->setMaximumWidth(qMax(linea->maximumWidth(), ancho));
            }
        }
        }
    }
}

void DialogoRegistro::OrdenarTabulacion()
{
    QList<QWidget*> orden;
    for (QWidget* editor : m_editores)
        orden << editor;
    for (DialogoRegistroDetalle* detalle : m_detalles) {
        orden << detalle->Tabla();
        for (QPushButton* boton : detalle->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
            orden << boton;
    }
    if (m_aceptar)
        orden << m_aceptar;
    orden << m_cancelar;
    for (int i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    if (!m_editores.isEmpty())
        m_editores.first()->setFocus(Qt::OtherFocusReason);
}

QWidget* DialogoRegistro::Editor(const QString& columna, int seccion) const
{
    const int campo = m_datos.Definicion().IndiceCampo(columna, seccion);
    return campo < 0 ? nullptr : m_editores[campo];
}

DialogoRegistroDetalle* DialogoRegistro::Detalle(int detalle) const
{
    return m_detalles.value(detalle);
}

void DialogoRegistro::Rellenar(const QString& columna, const QVariant& valor, int seccion)
{
    const int campo = m_datos.Definicion().IndiceCampo(columna, seccion);
    if (campo < 0)
        return;
    QWidget* editor = m_editores[campo];
    switch (m_datos.Definicion().campos[campo].tipo) {
    case TipoCampo::SiNo: static_cast<QCheckBox*>(editor)->setChecked(valor.toBool()); break;
    case TipoCampo::Referencia: {
        auto* combo = static_cast<DialogoRegistroCombo*>(editor);
        if (valor.typeId() == QMetaType::QString) {
            if (!combo->ElegirTexto(valor.toString()))
                combo->setEditText(valor.toString());
        } else {
            combo->ElegirClave(valor.toLongLong());
        }
        break;
    }
    case TipoCampo::Memo: static_cast<QPlainTextEdit*>(editor)->setPlainText(LineasEditor(valor.toString())); break;
    case TipoCampo::Fecha: static_cast<DialogoRegistroFecha*>(editor)->setText(valor.toString()); break;
    default: static_cast<QLineEdit*>(editor)->setText(valor.toString());
    }
}

void DialogoRegistro::TomarEditores()
{
    const DefinicionRegistro& def = m_datos.Definicion();
    for (int i = 0; i < def.campos.size(); ++i) {
        if (!Editable(i))
            continue;
        QWidget* editor = m_editores[i];
        switch (def.campos[i].tipo) {
        case TipoCampo::SiNo: m_datos.EstablecerMarcado(i, static_cast<QCheckBox*>(editor)->isChecked()); break;
        case TipoCampo::Referencia:
            m_datos.EstablecerReferencia(i, static_cast<DialogoRegistroCombo*>(editor)->Clave());
            break;
        case TipoCampo::Memo:
            m_datos.EstablecerTexto(i, LineasGuardadas(static_cast<QPlainTextEdit*>(editor)->toPlainText()));
            break;
        case TipoCampo::Fecha: m_datos.EstablecerTexto(i, static_cast<DialogoRegistroFecha*>(editor)->text()); break;
        default: m_datos.EstablecerTexto(i, static_cast<QLineEdit*>(editor)->text());
        }
    }
}

bool DialogoRegistro::PreguntarCompartidas()
{
    const DefinicionRegistro& def = m_datos.Definicion();
    for (int s : m_datos.CompartidasCambiadas()) {
        const int otros = m_datos.OtrosUsos(s);
        const QString texto =
            QStringLiteral("¿Desea cambiar %1 en los %2 registros que los comparten?\r\n\r\n"
                           "«Sí»: se cambian en todos ellos.\r\n"
                           "«No»: se cambian sólo en %3, que pasa a tener sus propios datos.\r\n"
                           "«Cancelar»: vuelve al formulario sin guardar.")
                .arg(def.secciones[s].nombre)
                .arg(otros + 1)
                .arg(def.nombre);
        const int respuesta = ui::MsgBox(texto, ui::vbYesNoCancel + ui::vbQuestion);
        if (respuesta == ui::vbCancel)
            return false;
        m_datos.DecidirCompartida(s, respuesta == ui::vbYes);
    }
    return true;
}

bool DialogoRegistro::Aceptar()
{
    bool aceptado = false;
    ui::RunHandler("cmdAceptar_Click()", kModulo, kProyecto, [this, &aceptado] { aceptado = AceptarSinProteger(); });
    return aceptado;
}

bool DialogoRegistro::AceptarSinProteger()
{
    if (m_modo != Modo::Consulta) {
        try {
            TomarEditores();
            m_datos.Validar();
            if (!PreguntarCompartidas())
                return false;
            if (m_modo == Modo::Escribir) {
                ui::HourglassGuard reloj;
                m_datos.Escribir(m_con);
            }
        } catch (const DialogoRegistroError& error) {
            ui::MsgBox(error.texto(), ui::vbOKOnly + ui::vbExclamation);
            Enfocar(error);
            return false;
        }
    }
    accept();
    return true;
}

void DialogoRegistro::Enfocar(const DialogoRegistroError& error)
{
    QWidget* destino = nullptr;
    if (error.detalle() >= 0) {
        if (DialogoRegistroDetalle* detalle = Detalle(error.detalle()))
            destino = detalle->Tabla();
    } else {
        const DefinicionRegistro& def = m_datos.Definicion();
        int campo = error.columna().isEmpty() ? -1 : def.IndiceCampo(error.columna(), error.seccion());
        for (int i = 0; campo < 0 && error.seccion() >= 0 && i < def.campos.size(); ++i) {
            if (def.campos[i].seccion == error.seccion())
                campo = i;
        }
        if (campo >= 0)
            destino = m_editores[campo];
    }
    if (!destino)
        return;
    destino->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* linea = LineaDe(destino))
        linea->selectAll();
}

} // namespace widgets
