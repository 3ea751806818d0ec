// The program's start as the program entry runs it (splash, databases,
// upgrade check, settings, add-in reconciliation, main window load and
// show), over a program folder with every add-in installed:
//  - BM_PrimerArranque: an empty settings folder, so every default and every
//    node and column setting is written (about 230 keys);
//  - BM_ArranqueNormal: the settings a first start left, so nothing new is
//    written.
// The ratio of the two is the cost of writing the settings.

#include "actions/cIActionMenus.h"
#include "fixtures/TempProgramFolder.h"
#include "mainwindow/ContextoPrincipal.h"
#include "mainwindow/frmPrincipal.h"
#include "platform/addins/HostComplementos.h"
#include "platform/locks/LockSession.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "startup/App.h"
#include "startup/ModMain.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

const QStringList kComplementos {QStringLiteral("PVVodidazaz"), QStringLiteral("PVGestionParroquial"),
                                 QStringLiteral("PVMensajeria"), QStringLiteral("NvContabilidad"),
                                 QStringLiteral("NvBancos")};

// One program folder for the whole run, with its add-ins.
struct Instalacion {
    TempProgramFolder carpeta;
    QTemporaryDir ajustes;
    QTemporaryDir instancia;
    QByteArray ajustesDeUnArranque;

    Instalacion()
    {
        const QDir origen(QStringLiteral(DUZ_ADDINS_DIR));
        const QDir destino(carpeta.file(QStringLiteral("addins")));
        for (const QString& nombre : kComplementos) {
            const QString archivo = addins::HostComplementos::ArchivoBiblioteca(nombre);
            QFile::copy(origen.filePath(archivo), destino.filePath(archivo));
        }
        settings::SetFolder(ajustes.path());
    }

    QString ArchivoAjustes() const { return settings::FilePath(QStringLiteral("Norvia Parvanta 2000")); }

    void VaciarAjustes() const
    {
        QDir carpetaAjustes(ajustes.path());
        for (const QString& nombre : carpetaAjustes.entryList(QDir::Files | QDir::Hidden))
            carpetaAjustes.remove(nombre);
    }

    void PonerAjustes() const
    {
        VaciarAjustes();
        QFile archivo(ArchivoAjustes());
        if (archivo.open(QIODevice::WriteOnly))
            archivo.write(ajustesDeUnArranque);
    }
};

Instalacion& Carpeta()
{
    static Instalacion instalacion;
    return instalacion;
}

// The program entry to the main window, then the end of the run (window,
// add-ins and connections go with the context).
bool Arrancar()
{
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    bool mostrada = false;
    {
        App app;
        app.crearPrincipal = [](App& a) -> std::unique_ptr<IVentanaPrincipal> {
            ContextoPrincipal contexto;
            contexto.gobjInfoConfig = a.gobjInfoConfig.get();
            contexto.den = &a.den;
            contexto.appPath = App::Path();
            contexto.appTitle = App::Title();
            contexto.helpPath = a.HelpFile;
            contexto.gobjContabilidad = a.gobjContabilidad.get();
            return std::make_unique<frmPrincipal>(std::move(contexto));
        };
        ServiciosArranque servicios = ServiciosArranque::Predeterminados();
        servicios.terminarPrograma = [](int) {};
        servicios.ejecutarDialogo = [](QDialog&) { return int(QDialog::Rejected); };
        servicios.carpetaInstanciaUnica = Carpeta().instancia.path();
        servicios.establecerDirectorioActual = [](const QString&) {};
        servicios.crearAccionesSetup = [](App& contexto) -> std::unique_ptr<IAccionesSetup> {
            return std::make_unique<cIActionMenus>(contexto);
        };
        ModMain modMain(app, std::move(servicios));
        mostrada = modMain.Main() == ModMain::Resultado::VentanaPrincipal;
    }
    PVAPI::LockSession::CloseAll();
    ui::SetCurrent(nullptr);
    return mostrada && silenciosa.mensajes == 0;
}

void BM_PrimerArranque(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Carpeta().VaciarAjustes();
        state.ResumeTiming();
        if (!Arrancar())
            state.SkipWithError("el programa no llegó a la ventana principal");
    }
}

void BM_ArranqueNormal(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Carpeta().PonerAjustes();
        state.ResumeTiming();
        if (!Arrancar())
            state.SkipWithError("el programa no llegó a la ventana principal");
    }
}

// Run with --benchmark_enable_random_interleaving=true, so that both see the
// same machine.
BENCHMARK(BM_PrimerArranque)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_ArranqueNormal)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    // A first start, whose settings the normal starts begin with.
    Carpeta().VaciarAjustes();
    if (!Arrancar()) {
        std::fprintf(stderr, "el programa no llegó a la ventana principal\n");
        return 1;
    }
    QFile archivo(Carpeta().ArchivoAjustes());
    if (archivo.open(QIODevice::ReadOnly))
        Carpeta().ajustesDeUnArranque = archivo.readAll();
    std::fprintf(stderr, "ajustes de un arranque: %lld bytes\n", qlonglong(Carpeta().ajustesDeUnArranque.size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
