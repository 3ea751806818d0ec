#include "agenda/frmTareas.h"

#include "agenda/TareasAgenda.h"
#include "core/SelText.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Twips.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr char kModulo[] = "frmTareas";

// The stored descriptions keep the line ends of the old text boxes.
QString DescripcionGuardada(const QString& texto)
{
    QString guardada = texto;
    return guardada.replace(u'\n', QStringLiteral("\r\n"));
}

QString DescripcionMostrada(const QString& guardada)
{
    QString texto = guardada;
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmTareas::frmTareas(TareasAgenda& tareas, bool& refresh, const QString& appTitle, QWidget* parent)
    : QDialog(parent), m_tareas(tareas), mblnRefresh(refresh), m_appTitle(appTitle)
{
    setObjectName(QStringLiteral("frmTareas"));
    setWindowTitle(QStringLiteral("Tarea"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    CrearControles();
    setFixedSize(sizeHint().expandedTo({vb::TwipsToPixelsX(4740), vb::TwipsToPixelsY(3030)}));
}

void frmTareas::CrearControles()
{
    m_etiquetas[0] = new QLabel(QStringLiteral("(*) Título:"), this);
    m_etiquetas[1] = new QLabel(QStringLiteral("Descripción:"), this);
    m_titulo = new QLineEdit(this);
    m_titulo->setObjectName(QStringLiteral("txtTarea0"));
    m_titulo->setMaxLength(kLongitudTitulo);
    m_titulo->setMinimumWidth(vb::TwipsToPixelsX(4305));
    m_descripcion = new QPlainTextEdit(this);
    m_descripcion->setObjectName(QStringLiteral("txtTarea1"));
    m_descripcion->setTabChangesFocus(true);
    m_descripcion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_descripcion->setFixedHeight(vb::TwipsToPixelsY(1125));
    m_etiquetas[0]->setBuddy(m_titulo);
    m_etiquetas[1]->setBuddy(m_descripcion);
    connect(m_descripcion, &QPlainTextEdit::textChanged, this, &frmTareas::LimitarDescripcion);

    m_botones[kAceptar] = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_botones[kCancelar] = new QPushButton(QStringLiteral("&Cancelar"), this);
    for (int i : {kAceptar, kCancelar}) {
        m_botones[std::size_t(i)]->setAutoDefault(false);
        m_botones[std::size_t(i)]->setMinimumWidth(vb::TwipsToPixelsX(1095));
        connect(m_botones[std::size_t(i)], &QPushButton::clicked, this, [this, i] { cmdTarea_Click(i); });
    }
    m_botones[kAceptar]->setDefault(true);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(m_botones[kAceptar]);
    botones->addWidget(m_botones[kCancelar]);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(m_etiquetas[0]);
    principal->addWidget(m_titulo);
    principal->addSpacing(6);
    principal->addWidget(m_etiquetas[1]);
    principal->addWidget(m_descripcion);
    principal->addSpacing(6);
    principal->addLayout(botones);

    setTabOrder(m_titulo, m_descripcion);
    setTabOrder(m_descripcion, m_botones[kAceptar]);
    setTabOrder(m_botones[kAceptar], m_botones[kCancelar]);
    m_titulo->installEventFilter(this);
    m_descripcion->installEventFilter(this);
}

bool frmTareas::Form_Load()
{
    if (mbytOperacion == OperacionAgenda::ANADIR)
        setWindowTitle(QStringLiteral("Agregar tarea"));
    else if (mbytOperacion == OperacionAgenda::Editar)
        setWindowTitle(QStringLiteral("Propiedades de la tarea"));
    bool existe = false;
    const bool leida = ui::RunHandler("Form_Load()", kModulo, m_appTitle.toUtf8().constData(), [&] {
        const std::optional<TareaAgenda> fila = m_tareas.Leer(mlngIDTareaBD);
        existe = fila.has_value();
        if (!existe)
            return;
        m_tarea = *fila;
        if (mbytOperacion == OperacionAgenda::Editar) {
            m_titulo->setText(m_tarea.Nombre);
            m_descripcion->setPlainText(DescripcionMostrada(m_tarea.Descripcion));
        }
    });
    if (leida && !existe) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡La tarea ya no existe!"), ui::vbOKOnly + ui::vbExclamation, m_appTitle);
    }
    return existe;
}

void frmTareas::cmdTarea_Click(int index)
{
    const QByteArray procedimiento = QStringLiteral("cmdTarea_Click(%1)").arg(index).toUtf8();
    ui::RunHandler(procedimiento.constData(), kModulo, m_appTitle.toUtf8().constData(), [&] {
        mblnRefresh = true;
        if (index == kAceptar)
            Aceptar();
        else if (index == kCancelar)
            Terminar(Resultado::Cancelado);
    });
}

void frmTareas::reject()
{
    cmdTarea_Click(kCancelar);
}

void frmTareas::Aceptar()
{
    const QString titulo = m_titulo->text();
    if (!TituloValido(titulo))
        return;
    if (mbytOperacion != OperacionAgenda::ANADIR && mbytOperacion != OperacionAgenda::Editar)
        return;
    const QString descripcion = DescripcionGuardada(m_descripcion->toPlainText());
    if (!m_tareas.ActualizarTexto(m_tarea.IDTarea, titulo, descripcion)) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡La tarea ya no existe!"), ui::vbOKOnly + ui::vbExclamation, m_appTitle);
        Terminar(Resultado::NoExiste);
        return;
    }
    m_tarea.Nombre = titulo;
    m_tarea.Descripcion = descripcion;
    Terminar(Resultado::Aceptado);
}

// The title is stored as typed; only the check for a blank one trims it.
// Titles are unique within the task's own day.
bool frmTareas::TituloValido(const QString& titulo)
{
    if (vb::Trim(titulo).isEmpty()) {
        Rehusar(QStringLiteral("¡Debe asignar un título para la tarea!"));
        return false;
    }
    if (m_tareas.ExisteTitulo(titulo, m_tarea.Fecha, m_tarea.IDTarea)) {
        Rehusar(QStringLiteral("¡Ya existe una tarea con este título!"));
        return false;
    }
    return true;
}

void frmTareas::Rehusar(const QString& mensaje)
{
    ui::Beep();
    ui::MsgBox(mensaje, ui::vbOKOnly + ui::vbExclamation, m_appTitle);
    m_titulo->setFocus();
}

void frmTareas::Terminar(Resultado resultado)
{
    m_resultado = resultado;
    m_terminado = true;
    done(resultado == Resultado::Aceptado ? QDialog::Accepted : QDialog::Rejected);
}

void frmTareas::LimitarDescripcion()
{
    const qsizetype sobra = m_descripcion->toPlainText().size() - kLongitudDescripcion;
    if (sobra <= 0)
        return;
    // What was just typed or pasted ends at the caret: that is what goes.
    QTextCursor cursor = m_descripcion->textCursor();
    const int fin = cursor.position() >= sobra ? cursor.position() : int(m_descripcion->toPlainText().size());
    cursor.setPosition(fin - int(sobra));
    cursor.setPosition(fin, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

bool frmTareas::eventFilter(QObject* objeto, QEvent* evento)
{
    const bool esDescripcion = objeto == m_descripcion;
    if (evento->type() == QEvent::FocusIn) {
        if (esDescripcion)
            SelText(*m_descripcion);
        else
            SelText(*m_titulo);
        // Enter starts a new line in the description, so Accept is not the
        // default button there.
        m_botones[kAceptar]->setDefault(!esDescripcion);
    } else if (evento->type() == QEvent::FocusOut && esDescripcion) {
        m_botones[kAceptar]->setDefault(true);
    } else if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->text() == u"\"") {
        // A typed double quote is written as two apostrophes.
        if (esDescripcion)
            m_descripcion->insertPlainText(QStringLiteral("''"));
        else
            m_titulo->insert(QStringLiteral("''"));
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}
