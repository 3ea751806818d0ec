#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>
#include <QtGlobal>

class QHelpEvent;

namespace widgets {

// The day planner: one day as 24 one-hour slots, the first at 00:00, with
// the day's tasks as blocks placed by their minutes; tasks that overlap
// stand side by side. The user draws a new task by dragging over empty
// slots (or double-clicking one), moves a task by dragging it, changes its
// end by dragging its lower edge (all three snap to whole hours), edits it
// by double-clicking it and removes the selected one with the Delete key.
//
// A task is addressed by a 1-based index, 1 to TaskCount(), in the order the
// tasks were added; removing one moves the later ones down. The properties
// of a task (TaskText, TaskStart, TaskEnd, TaskId) are those of the current
// task, chosen with SetTaskIndex. Each task keeps the row id its owner gives
// it, so the owner never has to find a task by its text.
//
// Every signal is emitted synchronously. A handler may add, remove or clear
// tasks, even the one it was told about; the planner finds its own place
// again afterwards. TaskDelete comes before the task goes, so its handler
// can still read it.
//
// An index outside 1..TaskCount() raises vb::VbError 381.
class fpPlanifica : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr long ErrIndicePropiedad = 381;

    explicit fpPlanifica(QWidget* parent = nullptr);
    ~fpPlanifica() override;

    int TaskCount() const;
    // Adds a block from "HHMM" times (read as HorasPlanifica reads them:
    // malformed times are shown clamped, never refused), then emits TaskAdd.
    void AddTask(qint32 id, const QString& start, const QString& end, const QString& text);
    // Emits TaskDelete, then removes the task.
    void RemoveTask(int index);
    // Removes every task without emitting anything.
    void Clear();

    // The current task; 0 when none.
    int TaskIndex() const { return m_indice; }
    void SetTaskIndex(int index);
    QString TaskText() const;
    void SetTaskText(const QString& text);
    // The date of the planner, a blank and "HHMM": characters 10 to 13 are
    // the time. The end of the day is "2400".
    QString TaskStart() const;
    QString TaskEnd() const;
    qint32 TaskId() const;
    void SetTaskId(qint32 id);
    // The index of the task with that row id; 0 when there is none.
    int FindTask(qint32 id) const;

    // The task the user selected; 0 when none.
    int SelectedTask() const { return m_seleccion; }

    // False holds every repaint until it is set to True again.
    bool Redraw() const { return m_redraw; }
    void SetRedraw(bool redraw);

    // Plain properties of the control kept for their owner: the date as
    // "yyyymmdd", the view mode and the mouse pointer (1 = arrow).
    QString PlanDate() const { return m_planDate; }
    void SetPlanDate(const QString& planDate) { m_planDate = planDate; }
    int ViewMode() const { return m_viewMode; }
    void SetViewMode(int viewMode) { m_viewMode = viewMode; }
    int MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int pointer);

    // Geometry, in viewport pixels: the height of one hour, the y of a time
    // (minutes) at the present scroll position, and a task's block.
    int RowHeight() const { return m_altoHora; }
    int YOfTime(int minutos) const;
    QRect TaskRect(int index) const;
    // Scrolls so that the time (minutes) is near the top.
    void ScrollToTime(int minutos);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user selected the task.
    void Select(int index);
    // A task was added by AddTask or drawn by the user (who then leaves it
    // selected and current, with id 0 and no text).
    void TaskAdd(int index);
    // The task is about to be removed (RemoveTask or the Delete key).
    void TaskDelete(int index);
    // The user double-clicked the task.
    void TaskEditMode(int index);
    // The user dragged the task to new hours, or its end to a new hour; the
    // block already shows them. Slots as in HorasPlanifica: slot n starts at
    // hour n - 1, the end slot is the first after the task (25 = 24:00).
    void TaskMove(int index, qint16 startSlot, qint16 endSlot);
    void TaskResize(int index, qint16 startSlot, qint16 endSlot);
    // A tooltip is wanted for the task: `text` starts as its text; setting
    // `show` to 0 (or leaving no text) shows none.
    void TextTipFetch(int index, QString& text, qint16& show);
    // A mouse button was released: button 1 left, 2 right, 4 middle; shift
    // 1 Shift, 2 Ctrl, 4 Alt; x and y in twips. Comes after the signal of
    // whatever the release completed.
    void MouseUp(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Tarea {
        quint64 serie = 0;  // never reused: finds a task again after a handler ran
        qint32 id = 0;
        int inicio = 0;     // minutes
        int fin = 0;        // minutes, after inicio
        QString texto;
    };
    enum class Modo { Ninguno, PendienteMover, Moviendo, Redimensionando, PendienteCrear, Creando, CrearAlSoltar };
    struct Arrastre {
        Modo modo = Modo::Ninguno;
        quint64 serie = 0;
        QPoint origen;
        int minutoOrigen = 0;
        int primeraHora = 0;  // hours the block covers (whole) at the press
        int horas = 1;
        int horaA = 0;        // the span shown while dragging: [horaA, horaB)
        int horaB = 1;
    };

    void CheckIndex(int index) const;
    Tarea& Actual();
    const Tarea& Actual() const;
    int IndiceDeSerie(quint64 serie) const;
    void Quitar(int index);
    void Seleccionar(int index);

    int AnchoHoras() const;
    QRect AreaTareas() const;
    int MinutosEnY(int y) const;
    int HoraEnY(int y) const;
    int TareaEn(const QPoint& punto) const;
    bool EnBordeInferior(int index, const QPoint& punto) const;
    QList<QRect> Bloques() const;
    QRect RectHoras(int horaA, int horaB) const;
    void ActualizarBarras();
    void Repintar();
    void ActualizarCursor(const QPoint& punto);

    void EmpezarArrastre(const QPoint& punto);
    void SeguirArrastre(const QPoint& punto);
    void AcabarArrastre(const Arrastre& arrastre);
    void CrearTarea(int horaA, int horaB);
    bool MostrarTip(const QHelpEvent& evento);

    void PintarRejilla(QPainter& p) const;
    void PintarBloque(QPainter& p, const QRect& r, const Tarea& t, bool seleccionada) const;
    void PintarArrastre(QPainter& p) const;

    QList<Tarea> m_tareas;
    quint64 m_siguienteSerie = 1;
    int m_indice = 0;
    int m_seleccion = 0;
    Arrastre m_arrastre;
    int m_altoHora = 40;
    bool m_redraw = true;
    // A repaint is already asked for: a day of many tasks asks once.
    bool m_repintarPedido = false;
    QString m_planDate;
    int m_viewMode = 0;
    int m_mousePointer = 0;
};

} // namespace widgets
