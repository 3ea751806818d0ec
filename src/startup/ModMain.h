#pragma once

#include "startup/ServiciosArranque.h"

#include <QString>
#include <memory>

class App;
class cConfiguracion;
class frmSplash;
class IAccionesSetup;

namespace os {
class SingleInstanceGuard;
}

// The program entry: the start-up sequence from the shared objects to the
// main window. It holds the one-instance lock for as long as it lives, so
// the program keeps it for the whole run.
class ModMain {
public:
    enum class Resultado {
        VentanaPrincipal,  // the main window is shown; the program runs on
        SinVentana,        // start-up failed or was refused; no window stays open
        Terminado,         // the program was ended at once (terminarPrograma ran)
    };

    ModMain(App& app, ServiciosArranque servicios);
    ~ModMain();
    ModMain(const ModMain&) = delete;
    ModMain& operator=(const ModMain&) = delete;

    // Ends with terminarPrograma (code 0 when the user chose to stop, 1
    // after an error) unless start-up returned normally.
    Resultado Main();

    // True when the system's number and currency separators are the Spanish
    // ones ("," decimal, "." thousands) that amounts are typed and read with.
    static bool ComprobarConfiguracionRegional();
    // The question asked when they are not.
    static QString TextoConfiguracionRegional();

private:
    Resultado Secuencia();
    // Steps up to the splash: shared objects, one instance, writable files.
    void CrearObjetosCompartidos();
    // The splash's loading and the regional check; false when the loading failed.
    bool CargarSplash();
    // Schema upgrades and the edition type code; false, after telling the
    // user and with nothing written, when the parish database is of a
    // version this edition cannot upgrade.
    bool ActualizarBasesDatos();
    void QuitarSoloLectura() const;
    void RegistrarTipoAplicacion();
    void ComprobarCarpetaPrograma(const cConfiguracion& configuracion);
    bool IdentificarUsuario();
    bool ReconciliarComplementos();
    void EscribirMargenesPredeterminados() const;
    IAccionesSetup& AccionesSetup();
    void DescargarSplash(bool loginAceptado);

    App& m_app;
    ServiciosArranque m_servicios;
    std::unique_ptr<os::SingleInstanceGuard> m_instanciaUnica;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<IAccionesSetup> m_accionesSetup;
};
