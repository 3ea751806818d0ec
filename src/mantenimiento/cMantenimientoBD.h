#pragma once

#include "mantenimiento/ArchivoCopia.h"
#include "mantenimiento/IServicioMantenimiento.h"
#include "platform/pvapi/cCAplicacion.h"

#include <functional>
#include <memory>

class IAccesoExclusivoBD;
class IDialogosMantenimiento;
namespace PVAPI {
class cDuzediv;
}

// What the maintenance services take from their surroundings. The program
// passes none of it; tests answer the dialogs, say who else is connected and
// fill the disk.
struct OpcionesMantenimiento {
    // Edition whose upgrade path an older restored database follows.
    long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion;
    // File and town choices; DialogosMantenimiento when empty.
    std::shared_ptr<IDialogosMantenimiento> dialogos;
    // A fresh entry lock and exclusive-access test per command;
    // AccesoExclusivoBD when empty.
    std::function<std::unique_ptr<IAccesoExclusivoBD>()> accesoExclusivo;
    // write(2) of the archive writer.
    FuncionEscritura escribirArchivo;
};

// The database maintenance of the component library: backup archives,
// their restore, repair and compaction, and the merge of two towns. Every
// member does all that the user sees and reports success or the precise
// failure in Spanish; a refused or failed command leaves the data as it was.
// Errors that are not about the data (a failing dialog) reach the caller.
class cMantenimientoBD : public IServicioMantenimiento {
public:
    explicit cMantenimientoBD(PVAPI::cDuzediv& servicio, OpcionesMantenimiento opciones = {});
    ~cMantenimientoBD() override;

    void RealizarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                          std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                          PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void RestaurarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                           std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                           PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void CompactarRepararBD(ColeccionConexiones& colConexiones, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void CambiarMunicipios(db::Connection& conLocal) override;

    // The extension of backup archives, with its dot.
    static QString ExtensionCopia();

private:
    IDialogosMantenimiento& Dialogos();
    std::unique_ptr<IAccesoExclusivoBD> NuevoAcceso();

    PVAPI::cDuzediv& m_servicio;
    OpcionesMantenimiento m_opciones;
};
