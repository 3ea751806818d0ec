#include "platform/widgets/fpPlanifica.h"

#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/fpPlanificaColumnas.h"
#include "platform/widgets/fpPlanificaHoras.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace widgets {
namespace {

using namespace HorasPlanifica;

constexpr int kHoras = 24;
// Pixels of a block's lower edge that start a resize instead of a move.
constexpr int kBordeInferior = 5;

int VbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int VbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

int RedondearHora(int minutos)
{
    return int(std::lround(minutos / 60.0));
}

} // namespace

fpPlanifica::fpPlanifica(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_altoHora = std::max(40, 2 * fontMetrics().height() + 6);
    ActualizarBarras();
}

fpPlanifica::~fpPlanifica() = default;

// ---------------------------------------------------------------- tasks

int fpPlanifica::TaskCount() const
{
    return int(m_tareas.size());
}

void fpPlanifica::AddTask(qint32 id, const QString& start, const QString& end, const QString& text)
{
    Tarea t;
    t.serie = m_siguienteSerie++;
    t.id = id;
    t.inicio = MinutosInicio(start);
    t.fin = MinutosFin(end, t.inicio);
    t.texto = text;
    m_tareas.append(t);
    Repintar();
    emit TaskAdd(TaskCount());
}

void fpPlanifica::RemoveTask(int index)
{
    CheckIndex(index);
    const quint64 serie = m_tareas.at(index - 1).serie;
    emit TaskDelete(index);
    if (const int ahora = IndiceDeSerie(serie))
        Quitar(ahora);
}

void fpPlanifica::Clear()
{
    m_tareas.clear();
    m_indice = 0;
    m_seleccion = 0;
    m_arrastre = {};
    Repintar();
}

void fpPlanifica::SetTaskIndex(int index)
{
    CheckIndex(index);
    m_indice = index;
}

QString fpPlanifica::TaskText() const
{
    return Actual().texto;
}

void fpPlanifica::SetTaskText(const QString& text)
{
    Actual().texto = text;
    Repintar();
}

QString fpPlanifica::TaskStart() const
{
    return m_planDate.leftJustified(8, u' ', true) + u' ' + TextoHora(Actual().inicio);
}

QString fpPlanifica::TaskEnd() const
{
    return m_planDate.leftJustified(8, u' ', true) + u' ' + TextoHora(Actual().fin);
}

qint32 fpPlanifica::TaskId() const
{
    return Actual().id;
}

void fpPlanifica::SetTaskId(qint32 id)
{
    Actual().id = id;
}

int fpPlanifica::FindTask(qint32 id) const
{
    for (int i = 0; i < m_tareas.size(); ++i)
        if (m_tareas.at(i).id == id)
            return i + 1;
    return 0;
}

void fpPlanifica::Repintar()
{
    if (m_repintarPedido)
        return;
    m_repintarPedido = true;
    viewport()->update();
}

void fpPlanifica::SetRedraw(bool redraw)
{
    m_redraw = redraw;
    viewport()->setUpdatesEnabled(redraw);
    if (redraw)
        viewport()->update();
}

void fpPlanifica::SetMousePointer(int pointer)
{
    m_mousePointer = pointer;
    viewport()->setCursor(Qt::ArrowCursor);
}

void fpPlanifica::CheckIndex(int index) const
{
    if (index < 1 || index > m_tareas.size())
        throw vb::VbError(ErrIndicePropiedad, QStringLiteral("Índice de matriz de propiedades no válido"));
}

fpPlanifica::Tarea& fpPlanifica::Actual()
{
    CheckIndex(m_indice);
    return m_tareas[m_indice - 1];
}

const fpPlanifica::Tarea& fpPlanifica::Actual() const
{
    CheckIndex(m_indice);
    return m_tareas.at(m_indice - 1);
}

int fpPlanifica::IndiceDeSerie(quint64 serie) const
{
    for (int i = 0; i < m_tareas.size(); ++i)
        if (m_tareas.at(i).serie == serie)
            return i + 1;
    return 0;
}

void fpPlanifica::Quitar(int index)
{
    m_tareas.removeAt(index - 1);
    const auto ajustar = [index](int& i) {
        if (i == index)
            i = 0;
        else if (i > index)
            --i;
    };
    ajustar(m_indice);
    ajustar(m_seleccion);
    Repintar();
}

void fpPlanifica::Seleccionar(int index)
{
    if (m_seleccion == index)
        return;
    m_seleccion = index;
    Repintar();
    if (index)
        emit Select(index);
}

// ---------------------------------------------------------------- geometry

int fpPlanifica::AnchoHoras() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 14;
}

QRect fpPlanifica::AreaTareas() const
{
    const int izquierda = AnchoHoras() + 3;
    return QRect(izquierda, 0, std::max(1, viewport()->width() - izquierda - 4), viewport()->height());
}

int fpPlanifica::YOfTime(int minutos) const
{
    return minutos * m_altoHora / 60 - verticalScrollBar()->value();
}

int fpPlanifica::MinutosEnY(int y) const
{
    const int minutos = (y + verticalScrollBar()->value()) * 60 / m_altoHora;
    return std::clamp(minutos, 0, MinutosDia);
}

int fpPlanifica::HoraEnY(int y) const
{
    return std::min(MinutosEnY(y) / 60, kHoras - 1);
}

QList<QRect> fpPlanifica::Bloques() const
{
    // A very short task still gets a block one can see and grab.
    const int minimo = std::max(15, 60 * (fontMetrics().height() + 4) / m_altoHora);
    QList<IntervaloPlanifica> intervalos;
    for (const Tarea& t : m_tareas)
        intervalos.append({t.inicio, std::max(t.fin, t.inicio + minimo)});
    const QList<ColumnaPlanifica> columnas = ColumnasPlanifica(intervalos);
    const QRect area = AreaTareas();
    QList<QRect> bloques;
    for (int i = 0; i < m_tareas.size(); ++i) {
        const int ancho = area.width() / columnas[i].columnas;
        const int arriba = YOfTime(intervalos[i].inicio);
        const int abajo = YOfTime(intervalos[i].fin);
        bloques.append(QRect(area.left() + columnas[i].columna * ancho, arriba + 1, ancho - 3, abajo - arriba - 2));
    }
    return bloques;
}

QRect fpPlanifica::TaskRect(int index) const
{
    CheckIndex(index);
    return Bloques().at(index - 1);
}

QRect fpPlanifica::RectHoras(int horaA, int horaB) const
{
    const QRect area = AreaTareas();
    const int arriba = YOfTime(horaA * 60);
    return QRect(area.left(), arriba + 1, area.width() - 3, YOfTime(horaB * 60) - arriba - 2);
}

int fpPlanifica::TareaEn(const QPoint& punto) const
{
    const QList<QRect> bloques = Bloques();
    // The selected block is drawn last, so it is the one on top.
    if (m_seleccion && bloques.at(m_seleccion - 1).contains(punto))
        return m_seleccion;
    for (int i = int(bloques.size()); i >= 1; --i)
        if (bloques.at(i - 1).contains(punto))
            return i;
    return 0;
}

bool fpPlanifica::EnBordeInferior(int index, const QPoint& punto) const
{
    return punto.y() >= TaskRect(index).bottom() - kBordeInferior;
}

void fpPlanifica::ScrollToTime(int minutos)
{
    verticalScrollBar()->setValue(minutos * m_altoHora / 60 - m_altoHora / 4);
}

void fpPlanifica::ActualizarBarras()
{
    const int alto = kHoras * m_altoHora + 1;
    QScrollBar* barra = verticalScrollBar();
    barra->setRange(0, std::max(0, alto - viewport()->height()));
    barra->setPageStep(viewport()->height());
    barra->setSingleStep(m_altoHora / 2);
}

QSize fpPlanifica::sizeHint() const
{
    return {AnchoHoras() + 400, 8 * m_altoHora};
}

QSize fpPlanifica::minimumSizeHint() const
{
    return {AnchoHoras() + 120, 3 * m_altoHora};
}

void fpPlanifica::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ActualizarBarras();
}

void fpPlanifica::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_altoHora = std::max(40, 2 * fontMetrics().height() + 6);
        ActualizarBarras();
    }
}

void fpPlanifica::scrollContentsBy(int, int)
{
    viewport()->update();
}

// ---------------------------------------------------------------- mouse and keys

void fpPlanifica::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    EmpezarArrastre(event->position().toPoint());
}

void fpPlanifica::EmpezarArrastre(const QPoint& punto)
{
    m_arrastre = {};
    const int index = TareaEn(punto);
    if (!index) {
        Seleccionar(0);
        if (punto.x() >= AreaTareas().left()) {
            m_arrastre.modo = Modo::PendienteCrear;
            m_arrastre.origen = punto;
            m_arrastre.horaA = HoraEnY(punto.y());
            m_arrastre.horaB = m_arrastre.horaA + 1;
        }
        return;
    }
    const quint64 serie = m_tareas.at(index - 1).serie;
    const bool borde = EnBordeInferior(index, punto);
    Seleccionar(index);
    const int ahora = IndiceDeSerie(serie);
    if (!ahora)
        return;
    const Tarea& t = m_tareas.at(ahora - 1);
    m_arrastre.modo = borde ? Modo::Redimensionando : Modo::PendienteMover;
    m_arrastre.serie = serie;
    m_arrastre.origen = punto;
    m_arrastre.minutoOrigen = MinutosEnY(punto.y());
    m_arrastre.primeraHora = SlotInicio(t.inicio) - 1;
    m_arrastre.horas = SlotFin(t.fin) - 1 - m_arrastre.primeraHora;
    m_arrastre.horaA = m_arrastre.primeraHora;
    m_arrastre.horaB = m_arrastre.primeraHora + m_arrastre.horas;
}

void fpPlanifica::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_arrastre = {};
    const QPoint punto = event->position().toPoint();
    if (const int index = TareaEn(punto)) {
        emit TaskEditMode(index);
    } else if (punto.x() >= AreaTareas().left()) {
        // Created at the release that follows, as a drawn task is.
        m_arrastre.modo = Modo::CrearAlSoltar;
        m_arrastre.horaA = HoraEnY(punto.y());
        m_arrastre.horaB = m_arrastre.horaA + 1;
    }
}

void fpPlanifica::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint punto = event->position().toPoint();
    if (m_arrastre.modo == Modo::Ninguno) {
        ActualizarCursor(punto);
        return;
    }
    SeguirArrastre(punto);
}

void fpPlanifica::SeguirArrastre(const QPoint& punto)
{
    Arrastre& a = m_arrastre;
    const bool lejos = (punto - a.origen).manhattanLength() >= QApplication::startDragDistance();
    if (a.modo == Modo::PendienteMover && lejos)
        a.modo = Modo::Moviendo;
    if (a.modo == Modo::PendienteCrear && lejos)
        a.modo = Modo::Creando;
    switch (a.modo) {
    case Modo::Moviendo: {
        const int desplazamiento = RedondearHora(MinutosEnY(punto.y()) - a.minutoOrigen);
        a.horaA = std::clamp(a.primeraHora + desplazamiento, 0, kHoras - a.horas);
        a.horaB = a.horaA + a.horas;
        break;
    }
    case Modo::Redimensionando:
        a.horaB = std::clamp(RedondearHora(MinutosEnY(punto.y())), a.primeraHora + 1, kHoras);
        break;
    case Modo::Creando: {
        const int origen = HoraEnY(a.origen.y());
        const int hora = HoraEnY(punto.y());
        a.horaA = std::min(origen, hora);
        a.horaB = std::max(origen, hora) + 1;
        break;
    }
    default:
        return;
    }
    viewport()->update();
}

void fpPlanifica::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint punto = event->position().toPoint();
    // The handlers below may open windows or reload the day: the drag ends
    // before any of them runs.
    const Arrastre arrastre = m_arrastre;
    m_arrastre = {};
    if (event->button() == Qt::LeftButton)
        AcabarArrastre(arrastre);
    viewport()->update();
    emit MouseUp(VbButton(event->button()), VbShift(event->modifiers()), vb::PixelsToTwipsX(punto.x()),
                 vb::PixelsToTwipsY(punto.y()));
}

void fpPlanifica::AcabarArrastre(const Arrastre& a)
{
    if (a.modo == Modo::Creando || a.modo == Modo::CrearAlSoltar) {
        CrearTarea(a.horaA, a.horaB);
        return;
    }
    if (a.modo != Modo::Moviendo && a.modo != Modo::Redimensionando)
        return;
    const int index = IndiceDeSerie(a.serie);
    if (!index)
        return;
    if (a.modo == Modo::Moviendo ? a.horaA == a.primeraHora : a.horaB == a.primeraHora + a.horas)
        return;
    Tarea& t = m_tareas[index - 1];
    t.inicio = a.horaA * 60;
    t.fin = a.horaB * 60;
    const auto inicio = qint16(a.horaA + 1);
    const auto fin = qint16(a.horaB + 1);
    if (a.modo == Modo::Moviendo)
        emit TaskMove(index, inicio, fin);
    else
        emit TaskResize(index, inicio, fin);
}

void fpPlanifica::CrearTarea(int horaA, int horaB)
{
    Tarea t;
    t.serie = m_siguienteSerie++;
    t.inicio = horaA * 60;
    t.fin = horaB * 60;
    m_tareas.append(t);
    m_indice = TaskCount();
    Seleccionar(TaskCount());
    if (const int index = IndiceDeSerie(t.serie))
        emit TaskAdd(index);
}

void fpPlanifica::ActualizarCursor(const QPoint& punto)
{
    const int index = TareaEn(punto);
    viewport()->setCursor(index && EnBordeInferior(index, punto) ? Qt::SizeVerCursor : Qt::ArrowCursor);
}

void fpPlanifica::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && m_seleccion) {
        RemoveTask(m_seleccion);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool fpPlanifica::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return MostrarTip(*static_cast<QHelpEvent*>(event));
    return QAbstractScrollArea::viewportEvent(event);
}

bool fpPlanifica::MostrarTip(const QHelpEvent& evento)
{
    const int index = TareaEn(evento.pos());
    if (!index) {
        QToolTip::hideText();
        return true;
    }
    const quint64 serie = m_tareas.at(index - 1).serie;
    QString texto = m_tareas.at(index - 1).texto;
    qint16 mostrar = 1;
    emit TextTipFetch(index, texto, mostrar);
    const int ahora = IndiceDeSerie(serie);
    if (ahora && mostrar != 0 && !texto.isEmpty())
        QToolTip::showText(evento.globalPos(), texto, viewport(), TaskRect(ahora));
    else
        QToolTip::hideText();
    return true;
}

// ---------------------------------------------------------------- painting

void fpPlanifica::paintEvent(QPaintEvent*)
{
    m_repintarPedido = false;
    QPainter p(viewport());
    PintarRejilla(p);
    const QList<QRect> bloques = Bloques();
    for (int i = 0; i < m_tareas.size(); ++i)
        if (i + 1 != m_seleccion)
            PintarBloque(p, bloques.at(i), m_tareas.at(i), false);
    if (m_seleccion)
        PintarBloque(p, bloques.at(m_seleccion - 1), m_tareas.at(m_seleccion - 1), true);
    PintarArrastre(p);
}

void fpPlanifica::PintarRejilla(QPainter& p) const
{
    const int ancho = viewport()->width();
    const int anchoHoras = AnchoHoras();
    p.fillRect(QRect(0, 0, anchoHoras, viewport()->height()), palette().color(QPalette::Window));
    const QColor linea = palette().color(QPalette::Mid);
    QColor media = linea;
    media.setAlpha(90);
    for (int hora = 0; hora <= kHoras; ++hora) {
        const int y = YOfTime(hora * 60);
        p.setPen(linea);
        p.drawLine(0, y, ancho, y);
        if (hora < kHoras) {
            p.setPen(QPen(media, 1, Qt::DotLine));
            p.drawLine(anchoHoras, y + m_altoHora / 2, ancho, y + m_altoHora / 2);
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRect(0, y + 2, anchoHoras - 6, m_altoHora - 4), Qt::AlignRight | Qt::AlignTop,
                       HoraMostrada(hora * 60));
        }
    }
    p.setPen(linea);
    p.drawLine(anchoHoras, 0, anchoHoras, viewport()->height());
}

void fpPlanifica::PintarBloque(QPainter& p, const QRect& r, const Tarea& t, bool seleccionada) const
{
    const QColor borde = seleccionada ? palette().color(QPalette::Highlight) : QColor(0x3a, 0x6e, 0xa5);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(borde, seleccionada ? 2.5 : 1));
    p.setBrush(seleccionada ? QColor(0xa9, 0xc9, 0xee) : QColor(0xdc, 0xe9, 0xf8));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRect texto = r.adjusted(6, 2, -4, -2);
    const QFontMetrics fm = fontMetrics();
    QFont negrita = font();
    negrita.setBold(true);
    p.setPen(QColor(0x1c, 0x2f, 0x45));
    p.setFont(negrita);
    p.drawText(texto, Qt::AlignLeft | Qt::AlignTop, QFontMetrics(negrita).elidedText(t.texto, Qt::ElideRight, texto.width()));
    p.setFont(font());
    const QString horas = HoraMostrada(t.inicio) + QStringLiteral(" - ") + HoraMostrada(t.fin);
    if (texto.height() >= 2 * fm.height())
        p.drawText(texto.adjusted(0, fm.height(), 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   fm.elidedText(horas, Qt::ElideRight, texto.width()));
}

void fpPlanifica::PintarArrastre(QPainter& p) const
{
    const Modo modo = m_arrastre.modo;
    if (modo != Modo::Moviendo && modo != Modo::Redimensionando && modo != Modo::Creando)
        return;
    QColor relleno = palette().color(QPalette::Highlight);
    relleno.setAlpha(60);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    p.setBrush(relleno);
    p.drawRect(RectHoras(m_arrastre.horaA, m_arrastre.horaB));
}

} // namespace widgets
