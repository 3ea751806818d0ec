// A Valdena parish database at 2.0.0 with 100,000 persons, donations and
// receipts, brought to 2.2.0 along its whole path (four steps, backups,
// compactions, euro conversion of every amount).

#include "CarpetaPrueba.h"

#include "platform/pvapi/cCAplicacion.h"
#include "platform/ui/Ui.h"
#include "schema/upgrade/cActBDDuzediv.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
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
