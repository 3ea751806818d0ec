#pragma once

#include "actions/DuenoAccion.h"
#include "actions/IVentanaAcciones.h"
#include "core/EstadoPrincipal.h"
#include "startup/App.h"

#include <QList>
#include <QString>
#include <functional>

// How the main window waits while the owner of a record kind works.
enum class MarcoAccion {
    Espera,               // hourglass; the window stays enabled
    EsperaDeshabilitada,  // hourglass; the window disabled, then enabled and brought to the front
    Predeterminado,       // default pointer: the owner's dialog waits for the user at once
};

// What the call of a dispatch row works on: the shared objects, the main
// window and the command's own arguments, which reach the owner by
// reference (a change the owner makes reaches the caller's variables).
struct ArgumentosAccion {
    App& app;
    IVentanaAcciones& ventana;
    qint32& lngID;
    QString& strTextDescription;

    db::Connection& conLocal() const { return app.den.conLocal; }
    db::Connection& conContabilidad() const { return app.den.conContabilidad; }
    PVAPI::cInfoConfiguracion& info() const { return *app.gobjInfoConfig; }
    cConfigContabilidad& configContab() const { return ventana.Estado().mobjConfigContab; }
    // The selected company as it is at the moment of the call.
    qint32 empresaSeleccionada() const { return ventana.Estado().mlngCodEmpresaSeleccionada; }

    addins::cGestPar& GestPar() const { return *app.gobjGestPar; }
    addins::cVodidazaz& Vodidazaz() const { return *app.gobjVodidazaz; }
    addins::cBancos& Bancos() const { return *app.gobjBancos; }
    addins::cMensajeria& Mensajeria() const { return *app.gobjMensajeria; }
    addins::cContabilidad& Contabilidad() const { return *app.gobjContabilidad; }
    PVAPI::cDuzediv& Duzediv() const { return *app.gobjDuzediv; }
};

// One row of a dispatch table: the record kind by its node-name constant,
// its owner, how the window waits, and the owner's member with its
// arguments.
struct FilaAccion {
    QString (CcNodos::*tipo)() const;
    DuenoAccion dueno;
    MarcoAccion marco;
    std::function<void(ArgumentosAccion&)> llamar;
};

using TablaAcciones = QList<FilaAccion>;
