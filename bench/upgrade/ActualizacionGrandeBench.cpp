// A Valdena parish database at 2.0.0 with 100,000 persons, donations and
// receipts, brought to 2.2.0 along its whole path (four steps, backups,
// compactions, euro conversion of every amount). Beside it, one backup copy
// of that database as the upgrade makes it (online backup, quick_check and
// row counts) against the compacted copy it made before (VACUUM INTO and a
// full integrity_check), in the same run.

#include "CarpetaPrueba.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCAplicacion.h"
#include "platform/ui/Ui.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/cActBDDuzediv.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void BM_Valdena200A220(benchmark::State& state)
{
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    const int filas = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        CarpetaPrueba carpeta;
        OpcionesDatos datos;
        datos.personas = filas;
        datos.donativos = filas;
        datos.recibos = filas;
        datos.remesas = filas / 100;
        carpeta.CrearParroquia(QStringLiteral("2.0.0"), datos);
        db::Connection con = carpeta.AbrirParroquia();
        OpcionesActualizacion opciones;
        opciones.edicion = PVAPI::cCAplicacion::APP_PARVANTA_VALDENA;
        opciones.terminarPrograma = [] {};
        state.ResumeTiming();

        cActBDDuzediv(con, nullptr, opciones).ComprobarVersionBD();

        state.PauseTiming();
        const QString version = con.Execute(QStringLiteral("SELECT Version FROM Informacion")).value(0).toString();
        if (version != QLatin1String("2.2.0") || silenciosa.mensajes > 0)
            state.SkipWithError("la actualización no llegó a 2.2.0");
        state.ResumeTiming();
    }
    ui::SetCurrent(nullptr);
}

BENCHMARK(BM_Valdena200A220)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

OpcionesDatos DatosDe(int filas)
{
    OpcionesDatos datos;
    datos.personas = filas;
    datos.donativos = filas;
    datos.recibos = filas;
    datos.remesas = filas / 100;
    return datos;
}

// The backup copy that every step makes before it changes anything.
void BM_CopiaAntesDePaso(benchmark::State& state)
{
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    CarpetaPrueba carpeta;
    carpeta.CrearParroquia(QStringLiteral("2.0.0"), DatosDe(int(state.range(0))));
    db::Connection con = carpeta.AbrirParroquia();
    for (auto _ : state)
        CopiarBDAntesDeActualizar(con, QStringLiteral("V200"));
    ui::SetCurrent(nullptr);
}

// The copy as it was made before: compacted into a new file and checked with
// a full integrity_check.
void BM_CopiaCompactadaAnterior(benchmark::State& state)
{
    CarpetaPrueba carpeta;
    carpeta.CrearParroquia(QStringLiteral("2.0.0"), DatosDe(int(state.range(0))));
    const QString destino = carpeta.Ruta(QStringLiteral("Compactada.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(destino);
        state.ResumeTiming();
        db::CompactDatabase(carpeta.CadenaParroquia(),
                            db::ConnectionString::forFile(destino, CarpetaPrueba::kClaveParroquia));
    }
}

BENCHMARK(BM_CopiaAntesDePaso)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CopiaCompactadaAnterior)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
