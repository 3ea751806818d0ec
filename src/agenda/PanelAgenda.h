#pragma once

#include "agenda/OperacionAgenda.h"
#include "agenda/TareaAgenda.h"
#include "agenda/TareasAgenda.h"
#include "agenda/frmTareas.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>

class EventosPlanifica;
class ListaTareasMes;
class QCalendarWidget;
class QLabel;
class QListWidget;
namespace db {
class Connection;
}
namespace widgets {
class fpPlanifica;
}

// The members of the main window the agenda reads and writes. Both are
// owned by the window and outlive the pane.
struct EstadoAgenda {
    // The two-digit month the month list holds; "00" makes the next day load
    // rebuild it.
    QString& mstrMes;
    // Set by the task dialog's buttons: the window's next activation skips
    // its layout.
    bool& mblnRefresh;
};

// The agenda pane: the day's long date (`lblFecha`), the month calendar
// (`mvwCalendar`), the month title (`lblTareas`), the month list's header
// (`lstTitulos`) and lines (`lstTareas`), and the day planner
// (`fpPlanifica`). The main window puts it in its agenda scroll area and
// calls Mostrar when the "Agenda" node is clicked.
//
// The planner always shows the day last loaded (Dia()); new tasks belong to
// that day and the calendar's selection is kept on it.
class PanelAgenda : public QWidget {
    Q_OBJECT

public:
    // Shows a modal dialog and returns its result; tests answer it instead.
    using EjecutarDialogo = std::function<int(QDialog&)>;

    PanelAgenda(db::Connection& conLocal, EstadoAgenda estado, const QString& appTitle, QWidget* parent = nullptr);
    ~PanelAgenda() override;

    void SetEjecutarDialogo(EjecutarDialogo ejecutar) { m_ejecutarDialogo = std::move(ejecutar); }

    // What the click on the "Agenda" node does to the pane: the header line,
    // the planner's date, the day `hoy` loaded with its month, the calendar
    // on it, the planner's pointer and view.
    void Mostrar(const QDate& hoy = QDate::currentDate());

    // Loads a day into the planner and, when its month is not the one the
    // month list holds (or `mstrMes` is "00"), the month list and its title.
    // Reports its own failures; a day or a month that cannot be read leaves
    // what was shown before.
    void mvwCalendar_DateClick(const QDate& DateClicked);

    QDate Dia() const { return m_dia; }

    // The task dialog on a task (`ANADIR` or `Editar`), through the dialog
    // runner; NoExiste when the task could not be read.
    struct TareaAbierta {
        frmTareas::Resultado resultado = frmTareas::Resultado::Cancelado;
        TareaAgenda tarea;
    };
    TareaAbierta AbrirTarea(OperacionAgenda operacion, qint32 id);
    // After the dialog in edit mode: an accepted task shows its own day and
    // month; a task that no longer exists leaves the month list and the day
    // reloaded.
    void MostrarResultadoEdicion(const TareaAbierta& abierta);
    // The month list holds the month of that date ("yyyymmdd").
    bool MesMostrado(const QString& fecha) const;

    TareasAgenda& Tareas() { return m_tareas; }
    const QString& AppTitle() const { return m_appTitle; }
    OperacionAgenda& mbytOperacionAgenda() { return m_operacion; }

    QLabel* lblFecha = nullptr;
    QLabel* lblTareas = nullptr;
    QCalendarWidget* mvwCalendar = nullptr;
    QListWidget* lstTitulos = nullptr;
    ListaTareasMes* lstTareas = nullptr;
    widgets::fpPlanifica* fpPlanifica = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void Conectar();
    void CargarDia(const QDate& dia);
    void CargarMes(const QDate& dia);
    void SeleccionarEnCalendario(const QDate& dia);

    void mvwCalendar_SelChange();
    void lstTareas_DblClick();
    void lstTareas_Suprimir();

    TareasAgenda m_tareas;
    EstadoAgenda m_estado;
    QString m_appTitle;
    QDate m_dia;
    // The year of the month the list holds: `mstrMes` alone would take March
    // of another year for the one shown.
    int m_anioMes = 0;
    OperacionAgenda m_operacion = OperacionAgenda::SINOPER;
    EjecutarDialogo m_ejecutarDialogo;
    std::unique_ptr<EventosPlanifica> m_eventos;
};
