#pragma once

#include "mantenimiento/cConexion.h"

#include <QString>
#include <QStringList>
#include <memory>

class IServicioMantenimiento;
class RegistroComandos;
struct denDuzediv;
namespace compresor {
class ZlibTool;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// What the Tools menu's maintenance commands need of the main window.
class IVentanaMantenimiento {
public:
    virtual ~IVentanaMantenimiento() = default;

    // The data environment: conLocal, conInformes, conContabilidad.
    virtual denDuzediv& Datos() = 0;
    // The program folder (App.Path), without a separator at the end.
    virtual QString CarpetaPrograma() const = 0;
    // `gobjInfoConfig`; its ContabilidadDLL says whether the accounting
    // add-in is present.
    virtual PVAPI::cInfoConfiguracion& InfoConfig() = 0;
    // The window's `zltCompresor`: empty until the first backup or restore,
    // then kept for the whole run (or replaced by what the service hands
    // back).
    virtual std::shared_ptr<compresor::ZlibTool>& zltCompresor() = 0;
    // The maintenance services of the shared service object.
    virtual IServicioMantenimiento& ServicioMantenimiento() = 0;
    // `mnuVerActualizarLista_Click`.
    virtual void ActualizarLista() = 0;
    // After a restore replaced the databases (their connections already open
    // again on the restored files): everything read from them is read again,
    // the node model and the tree, the selected company (cleared when the
    // restored data lacks it) and its lock; whatever keeps statements on the
    // connections builds them anew.
    virtual void RecargarTrasRestaurar() = 0;
};

// Adds to `colConexiones` one descriptor per set flag: 1 "Datos de DUZEDIV"
// (conLocal), 2 "Datos de INFORMES Y LISTADOS" (conInformes), 3 "Datos de
// CONTABILIDAD" (conContabilidad, only with the accounting add-in), keyed by
// the id as text.
void ObtenerConexionesDatos(IVentanaMantenimiento& ventana, ColeccionConexiones& colConexiones, bool blnLocal,
                            bool blnInformes, bool blnContabilidad);

// The parish, accounting, report and picture database paths, in that order.
// A data source that is just the file's usual name (in any letter case) is
// in the program folder; any other is taken as it is.
QStringList ObtenerFicherosDatos(IVentanaMantenimiento& ventana);

// Registers mnuHerramientasSeguridadCopia, mnuHerramientasSeguridadRecuperar,
// mnuHerramientasCompactar and mnuHerramientasCambiarMunicipios.
void RegistrarComandosMantenimiento(RegistroComandos& comandos, IVentanaMantenimiento& ventana);
