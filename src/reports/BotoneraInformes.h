#pragma once

#include "platform/addins/cGestPar.h"
#include "platform/addins/cInformes.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/pvapi/cDuzediv.h"
#include "reports/ContextoInformes.h"

#include <QString>
#include <memory>

class QProgressBar;
class QWidget;
namespace db {
class Connection;
}
namespace PVAPI {
class IControlInforme;
struct cInfoConfiguracion;
}


// What one press of a print button holds: the service object (the engine's
// error report) and the add-in objects of the installed add-ins, made anew
// for the press and released when it ends, donations first, accounting last.
struct ObjetosBotonera {
    explicit ObjetosBotonera(const QString& appTitle) : servicio(appTitle) {}
    PVAPI::cDuzediv servicio;
    std::unique_ptr<addins::cInformes> contabilidad;
    std::unique_ptr<addins::cGestPar> gestPar;
    std::unique_ptr<addins::cVodidazaz> vodidazaz;
};

// One press of `cmdBotonera`: the context lent by the main window, the
// press's objects, the viewer's progress bar, the text of the tree's
// selected node and the button index (in the error reports' procedure
// name "cmdBotonera_Click(i)").
class EntornoInforme {
public:
    EntornoInforme(const ContextoInformes& ctx, ObjetosBotonera& objetos, QProgressBar* nvbpInformes,
                   QString nodoSeleccionado, int indice);

    const ContextoInformes& ctx;
    ObjetosBotonera& obj;
    QProgressBar* const nvbpInformes;
    const QString nodoSeleccionado;
    const int indice;

    PVAPI::IControlInforme& control() const;
    PVAPI::cInfoConfiguracion& config() const;
    db::Connection& conLocal() const;
    db::Connection& conInformes() const;
    db::Connection& conContabilidad() const;
    const QString& appTitle() const;
    // A file of the program folder ("infDO_Persona.rpt").
    QString Archivo(const QString& nombre) const;

    // The add-in objects; error 91 when the add-in was not there at the press.
    addins::cVodidazaz& vodidazaz() const;
    addins::cGestPar& gestPar() const;
    addins::cInformes& informesContabilidad() const;

    // "cmdBotonera_Click(i)", the procedure the errors of a press name.
    QString Procedimiento() const;
};

// Creates the press's objects: the add-in objects whose flags are on.
// Raises when an installed add-in cannot make its object.
void CrearObjetosBotonera(const PVAPI::cInfoConfiguracion& config, ObjetosBotonera& objetos);

// The Todos chain (index 0) and the Seleccionar chain (index 1) for the
// report `nodo`. Each returns false when no report of its chain has that
// caption; the caller then says so. Failures of a report are reported
// inside (VerError, the report's messages); nothing raises out.
bool EjecutarTodos(const EntornoInforme& e, const QString& nodo);
bool EjecutarSeleccionar(const EntornoInforme& e, const QString& nodo);

// The two print routines of the viewer the other reports call.
void ImprimirEtiquetas(const EntornoInforme& e);
void ImprimirPlantillaExpedienteFormato3(const EntornoInforme& e);
