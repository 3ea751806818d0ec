// The agenda over 1,000,000 rows of `Tareas`: a click on a day with 200
// tasks (the planner filled, the month list kept), and the same click when
// the month list is rebuilt too (5,000 tasks in the month). Each is timed
// against the same statements prepared once and run through the raw SQLite
// C API on the same connection, reading every column of every row.
//
//   bench_agenda [benchmark options]

#include "BasesDatosPrograma.h"
#include "CarpetaPrograma.h"

#include "agenda/ListaTareasMes.h"
#include "agenda/PanelAgenda.h"
#include "platform/db/Connection.h"
#include "platform/db/JetSql.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/fpPlanifica.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kFilas = 1000000;
constexpr int kTareasDia = 200;
constexpr int kTareasMes = 5000;
// Other days hold this many tasks each, from 1 January 2000 on.
constexpr int kTareasOtrosDias = 150;
const QDate kDia(2024, 3, 15);

const QString kConsultaDia = QStringLiteral(
    "SELECT IDTarea, Nombre, HoraInicio, HoraFin FROM Tareas WHERE Fecha = ? ORDER BY HoraInicio, IDTarea");
const QString kConsultaMes = QStringLiteral("SELECT IDTarea, Nombre, Fecha, HoraInicio FROM Tareas "
                                            "WHERE Fecha >= ? AND Fecha <= ? ORDER BY Fecha, HoraInicio, Nombre");

void Ejecutar(sqlite3* h, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(h, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error);
        std::exit(1);
    }
}

sqlite3_stmt* Preparar(sqlite3* h, const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql.c_str(), int(sql.size()), &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(h));
        std::exit(1);
    }
    return st;
}

// The rows in date order, as a parish would have written them over the
// years: the day and the month measured, the rest before them.
void LlenarTareas(sqlite3* h)
{
    static const char* nombres[] = {"Misa", "Bautizo", "Boda", "Catequesis", "Reunión", "Visita", "Ensayo", "Funeral"};
    Ejecutar(h, "BEGIN");
    sqlite3_stmt* st = Preparar(h, "INSERT INTO Tareas (Fecha, HoraInicio, HoraFin, Nombre, Descripcion) "
                                   "VALUES (?, ?, ?, ?, ?)");
    int escritas = 0;
    const auto escribir = [&](const QDate& dia, int n) {
        const std::string fecha = dia.toString(QStringLiteral("yyyyMMdd")).toStdString();
        char inicio[5];
        char fin[5];
        const int hora = (n * 7) % 23;
        std::snprintf(inicio, sizeof inicio, "%02d%02d", hora, (n % 4) * 15);
        std::snprintf(fin, sizeof fin, "%02d%02d", hora + 1, (n % 4) * 15);
        const std::string nombre = std::string(nombres[n % 8]) + " " + std::to_string(n);
        sqlite3_bind_text(st, 1, fecha.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, inicio, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, fin, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, nombre.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 5, "Descripción de la tarea", -1, SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(h));
            std::exit(1);
        }
        sqlite3_reset(st);
        ++escritas;
    };
    const int otras = kFilas - kTareasMes;
    for (int i = 0; i < otras; ++i)
        escribir(QDate(2000, 1, 1).addDays(i / kTareasOtrosDias), i);
    // March 2024: the measured day, then the rest of the month's tasks over
    // its other 30 days.
    for (int i = 0; i < kTareasDia; ++i)
        escribir(kDia, i);
    for (int i = 0; i < kTareasMes - kTareasDia; ++i) {
        const int dia = 1 + i % 30;
        escribir(QDate(2024, 3, dia < kDia.day() ? dia : dia + 1), i);
    }
    sqlite3_finalize(st);
    Ejecutar(h, "COMMIT");
    std::printf("%d filas en Tareas\n", escritas);
}

// How SQLite runs a statement: both must use the index on Fecha.
void Plan(sqlite3* h, const std::string& sql)
{
    sqlite3_stmt* st = Preparar(h, "EXPLAIN QUERY PLAN " + sql);
    while (sqlite3_step(st) == SQLITE_ROW)
        std::printf("  %s\n", reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
    sqlite3_finalize(st);
}

// The raw counterpart: bind, step through every row reading every column,
// reset. Returns the rows read.
long Crudo(sqlite3_stmt* st, std::initializer_list<const char*> valores)
{
    int i = 1;
    for (const char* v : valores)
        sqlite3_bind_text(st, i++, v, -1, SQLITE_STATIC);
    long filas = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++filas;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            if (sqlite3_column_type(st, c) == SQLITE_INTEGER)
                benchmark::DoNotOptimize(sqlite3_column_int64(st, c));
            else
                benchmark::DoNotOptimize(sqlite3_column_text(st, c));
        }
    }
    sqlite3_reset(st);
    return filas;
}

// One program folder, database and pane for the whole run.
struct Entorno {
    QTemporaryDir dir;
    db::Connection con;
    QString mstrMes;
    bool mblnRefresh = false;
    std::unique_ptr<PanelAgenda> panel;
    sqlite3_stmt* dia = nullptr;
    sqlite3_stmt* mes = nullptr;

    Entorno()
    {
        settings::SetFolder(dir.filePath(QStringLiteral("ajustes")));
        const QString carpeta = dir.filePath(QStringLiteral("app"));
        CrearCarpetaPrograma(carpeta, {.sembrar = false});
        const DescripcionBaseDatos& d = Descripcion(BaseDatosPrograma::Duzediv);
        con.Open(CadenaConexionConPassword(RutaEnCarpeta(carpeta, d.archivo), d.password));
        QElapsedTimer reloj;
        reloj.start();
        LlenarTareas(con.handle());
        std::printf("escritas en %.1f s\n", double(reloj.elapsed()) / 1000);
        Ejecutar(con.handle(), "ANALYZE");
        panel = std::make_unique<PanelAgenda>(con, EstadoAgenda{mstrMes, mblnRefresh}, QStringLiteral("Bench"));
        panel->resize(960, 760);
        panel->show();
        dia = Preparar(con.handle(), db::TranslateJetSql(kConsultaDia));
        mes = Preparar(con.handle(), db::TranslateJetSql(kConsultaMes));
        for (sqlite3_stmt* st : {dia, mes}) {
            std::printf("%s\n", sqlite3_sql(st));
            Plan(con.handle(), sqlite3_sql(st));
        }
    }
    ~Entorno()
    {
        sqlite3_finalize(dia);
        sqlite3_finalize(mes);
    }
};

Entorno* entorno = nullptr;

void BM_Dia_Agenda(benchmark::State& state)
{
    PanelAgenda& panel = *entorno->panel;
    panel.mvwCalendar_DateClick(kDia);
    for (auto _ : state)
        panel.mvwCalendar_DateClick(kDia);
    state.counters["tareas"] = panel.fpPlanifica->TaskCount();
}

void BM_Dia_Crudo(benchmark::State& state)
{
    long filas = 0;
    for (auto _ : state)
        filas = Crudo(entorno->dia, {"20240315"});
    state.counters["tareas"] = double(filas);
}

void BM_DiaYMes_Agenda(benchmark::State& state)
{
    PanelAgenda& panel = *entorno->panel;
    for (auto _ : state) {
        entorno->mstrMes = QStringLiteral("00");
        panel.mvwCalendar_DateClick(kDia);
    }
    state.counters["tareas"] = panel.fpPlanifica->TaskCount();
    state.counters["lineas"] = panel.lstTareas->ListCount();
}

void BM_DiaYMes_Crudo(benchmark::State& state)
{
    long filas = 0;
    long lineas = 0;
    for (auto _ : state) {
        filas = Crudo(entorno->dia, {"20240315"});
        lineas = Crudo(entorno->mes, {"20240301", "20240331"});
    }
    state.counters["tareas"] = double(filas);
    state.counters["lineas"] = double(lineas);
}

BENCHMARK(BM_Dia_Agenda)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dia_Crudo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiaYMes_Agenda)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiaYMes_Crudo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    benchmark::Initialize(&argc, argv);
    {
        Entorno e;
        entorno = &e;
        benchmark::RunSpecifiedBenchmarks();
        entorno = nullptr;
    }
    benchmark::Shutdown();
    ui::SetCurrent(nullptr);
    return silenciosa.mensajes == 0 ? 0 : 1;
}
