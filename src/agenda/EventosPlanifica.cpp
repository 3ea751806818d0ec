#include "agenda/EventosPlanifica.h"

#include "agenda/ListaTareasMes.h"
#include "agenda/OperacionAgendaEnCurso.h"
#include "agenda/PanelAgenda.h"
#include "agenda/TextosAgenda.h"
#include "agenda/cAgenda.h"
#include "agenda/cCAgenda.h"
#include "platform/ui/RunHandler.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/fpPlanifica.h"

namespace {

constexpr char kModulo[] = "frmPrincipal";
constexpr char kProyecto[] = "NorviaParvanta2000";

} // namespace

EventosPlanifica::EventosPlanifica(PanelAgenda& panel) : m_panel(panel)
{
    widgets::fpPlanifica* plan = panel.fpPlanifica;
    QObject::connect(plan, &widgets::fpPlanifica::TaskEditMode, &panel,
                     [this](int index) { fpPlanifica_TaskEditMode(index); });
    QObject::connect(plan, &widgets::fpPlanifica::MouseUp, &panel, [this] { fpPlanifica_MouseUp(); });
    QObject::connect(plan, &widgets::fpPlanifica::TaskAdd, &panel, [this](int index) { fpPlanifica_TaskAdd(index); });
    QObject::connect(plan, &widgets::fpPlanifica::TaskDelete, &panel,
                     [this](int index) { fpPlanifica_TaskDelete(index); });
    QObject::connect(plan, &widgets::fpPlanifica::TaskMove, &panel,
                     [this](int index, qint16 inicio, qint16 fin) { fpPlanifica_TaskMove(index, inicio, fin); });
    QObject::connect(plan, &widgets::fpPlanifica::TaskResize, &panel,
                     [this](int index, qint16 inicio, qint16 fin) { fpPlanifica_TaskResize(index, inicio, fin); });
    QObject::connect(plan, &widgets::fpPlanifica::TextTipFetch, &panel,
                     [this](int index, QString& texto, qint16& mostrar) {
                         fpPlanifica_TextTipFetch(index, texto, mostrar);
                     });
}

QByteArray EventosPlanifica::Proyecto() const
{
    return m_panel.AppTitle().toUtf8();
}

qint32 EventosPlanifica::IdDeTarea(int index)
{
    m_panel.fpPlanifica->SetTaskIndex(index);
    return m_panel.fpPlanifica->TaskId();
}

// ---------------------------------------------------------------- editing

void EventosPlanifica::fpPlanifica_TaskEditMode(int index)
{
    ui::RunHandler("fpPlanifica_TaskEditMode()", kModulo, Proyecto().constData(), [&] {
        m_tareaAbrir = IdDeTarea(index);
        mblnAbrirTarea = true;
    });
}

void EventosPlanifica::fpPlanifica_MouseUp()
{
    if (!mblnAbrirTarea)
        return;
    mblnAbrirTarea = false;
    ui::RunHandler("fpPlanifica_MouseUp", kModulo, kProyecto, [&] {
        if (m_tareaAbrir > 0)
            m_panel.MostrarResultadoEdicion(m_panel.AbrirTarea(OperacionAgenda::Editar, m_tareaAbrir));
    });
}

// ---------------------------------------------------------------- adding and removing

// A task the user drew: a row with no title yet, then the dialog. Only an
// accepted dialog keeps both; a cancelled or closed dialog, or any failure
// after the block appeared, takes away the row and the block.
void EventosPlanifica::fpPlanifica_TaskAdd(int index)
{
    if (m_panel.mbytOperacionAgenda() == OperacionAgenda::ANADIR)
        return;
    qint32 id = 0;
    bool guardada = false;
    const bool sinFallos = ui::RunHandler("fpPlanifica_TaskAdd()", kModulo, kProyecto,
                                          [&] { guardada = AnadirTarea(index, id); });
    if (!sinFallos || !guardada)
        ui::RunHandler("fpPlanifica_TaskAdd()", kModulo, kProyecto, [&] { DescartarTarea(index, id); });
    m_panel.fpPlanifica->SetRedraw(true);
}

bool EventosPlanifica::AnadirTarea(int index, qint32& id)
{
    widgets::fpPlanifica& plan = *m_panel.fpPlanifica;
    if (!m_panel.Dia().isValid())
        vb::ThrowInvalidCall();
    plan.SetTaskIndex(index);
    const QString inicio = plan.TaskStart().mid(9, 4);
    const QString fin = cAgenda::HoraParaGuardar(plan.TaskEnd().mid(9, 4));
    id = m_panel.Tareas().InsertarProvisional(m_panel.Dia(), inicio, fin);
    plan.SetTaskId(id);
    plan.SetRedraw(true);

    const PanelAgenda::TareaAbierta abierta = m_panel.AbrirTarea(OperacionAgenda::ANADIR, id);
    if (abierta.resultado != frmTareas::Resultado::Aceptado)
        return false;
    if (const int ahora = plan.FindTask(id)) {
        plan.SetTaskIndex(ahora);
        plan.SetTaskText(abierta.tarea.Nombre);
    }
    if (m_panel.MesMostrado(abierta.tarea.Fecha))
        m_panel.lstTareas->AddItem(
            TextosAgenda::LineaTareaMes(abierta.tarea.Fecha, abierta.tarea.HoraInicio, abierta.tarea.Nombre), id);
    return true;
}

void EventosPlanifica::DescartarTarea(int index, qint32 id)
{
    widgets::fpPlanifica& plan = *m_panel.fpPlanifica;
    // Before the insert the block is still at its index with no id.
    int bloque = id ? plan.FindTask(id) : 0;
    if (!id && index <= plan.TaskCount()) {
        plan.SetTaskIndex(index);
        bloque = plan.TaskId() == 0 ? index : 0;
    }
    if (bloque) {
        const OperacionAgendaEnCurso quitando(m_panel.mbytOperacionAgenda(), OperacionAgenda::BORRAR);
        plan.RemoveTask(bloque);
    }
    if (id)
        m_panel.Tareas().Borrar(id);
}

// A block the user removes (the Delete key) deletes its row and its line.
void EventosPlanifica::fpPlanifica_TaskDelete(int index)
{
    if (m_panel.mbytOperacionAgenda() == OperacionAgenda::BORRAR)
        return;
    qint32 id = 0;
    const bool borrada = ui::RunHandler("fpPlanifica_TaskDelete()", kModulo, Proyecto().constData(), [&] {
        id = IdDeTarea(index);
        if (!id)
            return;
        m_panel.Tareas().Borrar(id);
        const int linea = m_panel.lstTareas->Buscar(id);
        if (linea >= 0)
            m_panel.lstTareas->RemoveItem(linea);
    });
    // The block cannot stay once its removal was announced: a reload brings
    // back a task whose row is still there.
    if (!borrada)
        m_panel.mvwCalendar_DateClick(m_panel.Dia());
}

// ---------------------------------------------------------------- hours

void EventosPlanifica::fpPlanifica_TaskMove(int index, qint16 inicio, qint16 fin)
{
    GuardarHoras("fpPlanifica_TaskMove()", index, inicio, fin, cCAgenda().EventoMOVE);
}

void EventosPlanifica::fpPlanifica_TaskResize(int index, qint16 inicio, qint16 fin)
{
    GuardarHoras("fpPlanifica_TaskResize()", index, inicio, fin, cCAgenda().EventoRESIZE);
}

// The month line follows the start after a resize too: both times are
// stored from whole hours, so a start of 09:30 becomes 09:00 either way.
void EventosPlanifica::GuardarHoras(const char* procedimiento, int index, qint16 inicio, qint16 fin,
                                    const QString& origen)
{
    const bool guardada = ui::RunHandler(procedimiento, kModulo, Proyecto().constData(), [&] {
        const qint32 id = IdDeTarea(index);
        cAgenda(m_panel.Tareas().Conexion()).ActualizaTarea(id, inicio, fin, origen);
        if (const std::optional<TareaAgenda> fila = m_panel.Tareas().Leer(id))
            m_panel.lstTareas->CambiarLinea(id, TextosAgenda::LineaTareaMes(fila->Fecha, fila->HoraInicio, fila->Nombre));
    });
    // The block shows hours that were not stored: show the stored ones.
    if (!guardada)
        m_panel.mvwCalendar_DateClick(m_panel.Dia());
    m_panel.fpPlanifica->SetRedraw(true);
}

// ---------------------------------------------------------------- tooltip

void EventosPlanifica::fpPlanifica_TextTipFetch(int index, QString& texto, qint16& mostrar)
{
    const bool leida = ui::RunHandler("fpPlanifica_TextTipFetch()", kModulo, Proyecto().constData(), [&] {
        const std::optional<TareaAgenda> fila = m_panel.Tareas().Leer(IdDeTarea(index));
        if (fila)
            texto = QString(fila->Descripcion).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        else
            mostrar = 0;
    });
    if (!leida)
        mostrar = 0;
}
