#include "agenda/PanelAgenda.h"

#include "agenda/DelegadoLineasAgenda.h"
#include "agenda/EventosPlanifica.h"
#include "agenda/ListaTareasMes.h"
#include "agenda/OperacionAgendaEnCurso.h"
#include "agenda/TextosAgenda.h"
#include "core/IntentarPaso.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/fpPlanifica.h"
#include "platform/widgets/fpPlanificaHoras.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr char kModulo[] = "frmPrincipal";
// Where the planner opens on a day without tasks.
constexpr int kPrimeraHoraVisible = 8 * 60;

QString DosCifras(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QFont Negrita(QFont fuente)
{
    fuente.setBold(true);
    return fuente;
}

} // namespace

PanelAgenda::PanelAgenda(db::Connection& conLocal, EstadoAgenda estado, const QString& appTitle, QWidget* parent)
    : QWidget(parent),
      m_tareas(conLocal),
      m_estado(estado),
      m_appTitle(appTitle),
      m_ejecutarDialogo([](QDialog& dialogo) { return dialogo.exec(); })
{
    setObjectName(QStringLiteral("PanelAgenda"));
    CrearControles();
    Conectar();
    m_eventos = std::make_unique<EventosPlanifica>(*this);
}

PanelAgenda::~PanelAgenda() = default;

void PanelAgenda::CrearControles()
{
    lblFecha = new QLabel(this);
    lblFecha->setObjectName(QStringLiteral("lblFecha"));
    lblFecha->setFont(Negrita(font()));
    lblTareas = new QLabel(this);
    lblTareas->setObjectName(QStringLiteral("lblTareas"));
    lblTareas->setFont(Negrita(font()));

    mvwCalendar = new QCalendarWidget(this);
    mvwCalendar->setObjectName(QStringLiteral("mvwCalendar"));
    // Month and day names in Spanish whatever the system's language.
    mvwCalendar->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    mvwCalendar->setFirstDayOfWeek(Qt::Monday);
    mvwCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    mvwCalendar->setMinimumWidth(vb::TwipsToPixelsX(5460));
    mvwCalendar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (auto* vista = mvwCalendar->findChild<QTableView*>())
        vista->installEventFilter(this);

    auto* delegado = new DelegadoLineasAgenda(this);
    lstTitulos = new QListWidget(this);
    lstTitulos->setObjectName(QStringLiteral("lstTitulos"));
    lstTitulos->setFont(Negrita(font()));
    lstTitulos->setItemDelegate(delegado);
    lstTitulos->setSelectionMode(QAbstractItemView::NoSelection);
    lstTitulos->setFocusPolicy(Qt::NoFocus);
    lstTitulos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTitulos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTitulos->setFixedHeight(QFontMetrics(lstTitulos->font()).height() + 2 * lstTitulos->frameWidth() + 6);

    lstTareas = new ListaTareasMes(this);
    lstTareas->setObjectName(QStringLiteral("lstTareas"));
    lstTareas->setItemDelegate(delegado);

    fpPlanifica = new widgets::fpPlanifica(this);
    fpPlanifica->setObjectName(QStringLiteral("fpPlanifica"));

    auto* listas = new QVBoxLayout;
    listas->setSpacing(0);
    listas->addWidget(lstTitulos);
    listas->addWidget(lstTareas, 1);
    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(4, 4, 4, 4);
    rejilla->addWidget(lblFecha, 0, 0);
    rejilla->addWidget(lblTareas, 0, 1);
    rejilla->addWidget(mvwCalendar, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    rejilla->addLayout(listas, 1, 1);
    rejilla->addWidget(fpPlanifica, 2, 0, 1, 2);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(2, 1);
}

void PanelAgenda::Conectar()
{
    connect(mvwCalendar, &QCalendarWidget::clicked, this, &PanelAgenda::mvwCalendar_DateClick);
    connect(mvwCalendar, &QCalendarWidget::selectionChanged, this, &PanelAgenda::mvwCalendar_SelChange);
    connect(lstTareas, &ListaTareasMes::DblClick, this, &PanelAgenda::lstTareas_DblClick);
    connect(lstTareas, &ListaTareasMes::Suprimir, this, &PanelAgenda::lstTareas_Suprimir);
}

// ---------------------------------------------------------------- showing and loading

void PanelAgenda::Mostrar(const QDate& hoy)
{
    IntentarPaso([&] {
        lstTitulos->clear();
        lstTitulos->addItem(TextosAgenda::TitulosMes());
    });
    IntentarPaso([&] { fpPlanifica->SetPlanDate(vb::DateAFechaTexto(hoy)); });
    m_estado.mstrMes = QStringLiteral("00");
    mvwCalendar_DateClick(hoy);
    IntentarPaso([&] { SeleccionarEnCalendario(hoy); });
    IntentarPaso([&] {
        ui::Current().setMousePointer(ui::vbDefault);
        fpPlanifica->SetMousePointer(1);
        fpPlanifica->SetViewMode(2);
    });
    // The day load reports its own failures; the other steps cannot fail in
    // a way worth a message.
    vb::Err().Clear();
}

void PanelAgenda::mvwCalendar_DateClick(const QDate& DateClicked)
{
    ui::RunHandler("mvwCalendar_DateClick()", kModulo, m_appTitle.toUtf8().constData(),
                   [&] { CargarDia(DateClicked); });
}

void PanelAgenda::CargarDia(const QDate& dia)
{
    if (!dia.isValid())
        vb::ThrowInvalidCall();
    // Read first: a day that cannot be read leaves the one shown.
    CursorTareas tareas = m_tareas.DelDia(dia);
    const bool otroDia = dia != m_dia;
    m_dia = dia;
    SeleccionarEnCalendario(dia);
    fpPlanifica->Clear();
    int primera = kPrimeraHoraVisible;
    {
        const OperacionAgendaEnCurso anadiendo(m_operacion, OperacionAgenda::ANADIR);
        TareaAgenda t;
        while (tareas.Siguiente(t)) {
            fpPlanifica->AddTask(t.IDTarea, t.HoraInicio, t.HoraFin, t.Nombre);
            primera = std::min(primera, widgets::HorasPlanifica::MinutosInicio(t.HoraInicio));
        }
    }
    fpPlanifica->SetRedraw(true);
    if (otroDia)
        fpPlanifica->ScrollToTime(primera);
    lblFecha->setText(vb::FechaLarga(dia));
    if (DosCifras(dia.month()) != m_estado.mstrMes || dia.year() != m_anioMes)
        CargarMes(dia);
}

void PanelAgenda::CargarMes(const QDate& dia)
{
    CursorTareas tareas = m_tareas.DelMes(dia.year(), dia.month());
    QList<ModeloTareasMes::Linea> lineas;
    lineas.reserve(tareas.Cuenta());
    // The query's order is the list's as long as every date and start is
    // well formed.
    bool ordenadas = true;
    TareaAgenda t;
    while (tareas.Siguiente(t)) {
        lineas.append({TextosAgenda::LineaTareaMes(t.Fecha, t.HoraInicio, t.Nombre), t.IDTarea});
        ordenadas = ordenadas && t.Fecha.size() == 8 && TextosAgenda::HoraBienFormada(t.HoraInicio);
    }
    lblTareas->setText(TextosAgenda::TituloMes(dia.year(), dia.month()));
    lstTareas->Llenar(std::move(lineas), ordenadas);
    m_estado.mstrMes = DosCifras(dia.month());
    m_anioMes = dia.year();
}

bool PanelAgenda::MesMostrado(const QString& fecha) const
{
    return fecha.size() == 8 && fecha.mid(4, 2) == m_estado.mstrMes && fecha.left(4).toInt() == m_anioMes;
}

// Programmatic: the selection handler is for the user's moves.
void PanelAgenda::SeleccionarEnCalendario(const QDate& dia)
{
    const QSignalBlocker bloqueo(mvwCalendar);
    mvwCalendar->setSelectedDate(dia);
}

// ---------------------------------------------------------------- calendar

// A selection away from the planner's date makes the next day load rebuild
// the month list.
void PanelAgenda::mvwCalendar_SelChange()
{
    if (fpPlanifica->PlanDate() != vb::DateAFechaTexto(mvwCalendar->selectedDate()))
        m_estado.mstrMes = QStringLiteral("00");
}

// The arrow keys would move the calendar's selection away from the day the
// planner shows without loading it.
bool PanelAgenda::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

// ---------------------------------------------------------------- month list

void PanelAgenda::lstTareas_DblClick()
{
    ui::RunHandler("lstTareas_DblClick()", kModulo, m_appTitle.toUtf8().constData(), [&] {
        const int linea = lstTareas->ListIndex();
        if (linea < 0 || lstTareas->ItemData(linea) <= 0)
            return;
        MostrarResultadoEdicion(AbrirTarea(OperacionAgenda::Editar, lstTareas->ItemData(linea)));
    });
}

// Deletes at once, without asking. The line goes even when another
// workstation removed the row first.
void PanelAgenda::lstTareas_Suprimir()
{
    ui::RunHandler("lstTareas_KeyDown()", kModulo, m_appTitle.toUtf8().constData(), [&] {
        const int linea = lstTareas->ListIndex();
        if (linea < 0)
            return;
        m_tareas.Borrar(lstTareas->ItemData(linea));
        lstTareas->RemoveItem(linea);
        // A second press must not delete the next task.
        lstTareas->SetListIndex(-1);
        mvwCalendar_DateClick(m_dia);
    });
}

// ---------------------------------------------------------------- task dialog

PanelAgenda::TareaAbierta PanelAgenda::AbrirTarea(OperacionAgenda operacion, qint32 id)
{
    frmTareas dialogo(m_tareas, m_estado.mblnRefresh, m_appTitle, window());
    dialogo.mlngIDTareaBD = id;
    dialogo.mbytOperacion = operacion;
    if (!dialogo.Form_Load())
        return {frmTareas::Resultado::NoExiste, {}};
    m_ejecutarDialogo(dialogo);
    // However the window went, a dialog that did not end itself was closed.
    if (!dialogo.Terminado())
        dialogo.reject();
    return {dialogo.resultado(), dialogo.Tarea()};
}

void PanelAgenda::MostrarResultadoEdicion(const TareaAbierta& abierta)
{
    if (abierta.resultado == frmTareas::Resultado::Cancelado)
        return;
    m_estado.mstrMes = QStringLiteral("00");
    const QDate dia = vb::FechaTextoADate(abierta.tarea.Fecha);
    if (abierta.resultado == frmTareas::Resultado::Aceptado && dia.isValid())
        mvwCalendar_DateClick(dia);
    else
        mvwCalendar_DateClick(m_dia);
}
