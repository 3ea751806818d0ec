#pragma once

#include "DialogosGuionados.h"
#include "TempProgramFolder.h"

#include "startup/App.h"
#include "startup/IAccionesSetup.h"
#include "core/IVentanaPrincipal.h"
#include "startup/ModMain.h"
#include "support/ScriptedUi.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

// The main window as start-up sees it: counts how often it was shown.
class VentanaPrincipalDoble : public IVentanaPrincipal {
public:
    void Mostrar() override { ++mostrada; }
    IEmpresaPrincipal* Empresa() override { return nullptr; }

    int mostrada = 0;
};

// The set-up actions: count the calls and answer what the test says.
struct EstadoSetup {
    int llamadasVodidazaz = 0;
    int llamadasGestionParroquial = 0;
    bool resultadoVodidazaz = true;
    bool resultadoGestionParroquial = true;
    int objetosCreados = 0;
};

class AccionesSetupDoble : public IAccionesSetup {
public:
    explicit AccionesSetupDoble(EstadoSetup& estado) : m_estado(estado) { ++m_estado.objetosCreados; }

    bool SetupVodidazaz() override
    {
        ++m_estado.llamadasVodidazaz;
        return m_estado.resultadoVodidazaz;
    }
    bool SetupGestionParroquial() override
    {
        ++m_estado.llamadasGestionParroquial;
        return m_estado.resultadoGestionParroquial;
    }

private:
    EstadoSetup& m_estado;
};

// The add-in libraries as start-up looks for them.
namespace bibliotecas {
inline const QString Vodidazaz = QStringLiteral("PVVodidazaz");
inline const QString GestionParroquial = QStringLiteral("PVGestionParroquial");
inline const QString Mensajeria = QStringLiteral("PVMensajeria");
inline const QString Contabilidad = QStringLiteral("NvContabilidad");
inline const QString Bancos = QStringLiteral("NvBancos");
QStringList Todas();
} // namespace bibliotecas

// A program folder made by the program-folder tool, with every add-in
// library installed, and a program entry whose surroundings the test
// observes: the end of the program, the modal dialogs, the set-up actions
// and the main window.
class ArranqueTest : public ::testing::Test {
protected:
    ArranqueTest();
    ~ArranqueTest() override;

    // Copies the built add-in libraries into "addins" of the folder.
    void InstalarComplementos(const QStringList& nombres);
    void QuitarComplemento(const QString& nombre);
    void QuitarArchivo(const QString& nombre);

    // The surroundings the test observes: the end of the program, the modal
    // dialogs, the one-instance lock folder, the working folder and, unless
    // `accionesReales`, the set-up actions.
    ServiciosArranque Servicios();
    // Runs the program entry with the surroundings as they are now.
    ModMain::Resultado Arrancar();

    // A statement on the parish database through a connection of its own,
    // closed at once (for preparing the data before the start).
    void EjecutarEnDuzediv(const QString& sql, const QList<db::Value>& parametros = {});
    db::Value ValorDuzediv(const QString& sql);

    static QString Ajuste(const QString& seccion, const QString& clave);
    static void GuardarAjuste(const QString& seccion, const QString& clave, const QString& valor);
    // "Administrador\3082\<seccion>", the user's branch of the tests.
    static QString SeccionUsuario(const QString& seccion);

    testsupport::ScriptedUi& pantalla();

    TempProgramFolder carpeta;
    QTemporaryDir carpetaInstancia;
    App app;
    VentanaPrincipalDoble ventana;
    DialogosGuionados dialogos;
    EstadoSetup setup;
    // When set, the set-up actions are the real ones (the add-ins' DatosSetup).
    bool accionesReales = false;
    QList<int> terminaciones;
    QStringList directoriosActuales;
    std::unique_ptr<ModMain> modMain;
};
