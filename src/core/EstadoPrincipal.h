#pragma once

#include "core/cConfigContabilidad.h"
#include "core/cNodo.h"
#include "core/cPropiedadesNodo.h"

#include <QString>
#include <QtGlobal>

struct denDuzediv;
namespace PVAPI {
struct cInfoConfiguracion;
}

// The main window's state, as values the window owns and lends by
// reference to the record list and to the features it hosts: the node
// model, the selected node, the accounting company, the agenda's flags and
// what the window is lent for its whole life. Members keep the system's
// names. Not copyable: every reader works on the window's one instance.
struct EstadoPrincipal {
    EstadoPrincipal() = default;
    EstadoPrincipal(const EstadoPrincipal&) = delete;
    EstadoPrincipal& operator=(const EstadoPrincipal&) = delete;

    // The node model: every navigation node (key " " + id) and one paging
    // record per node path; rows per page of the record list.
    ColeccionNodos gcolNodo;
    ColeccionRegistros gcolRegistroDB;
    qint16 gintNRegMax = 0;

    // The selected node, written by the node click. `mlngIDNodo` is 0
    // until the first click; `mintNodoAnterior` is the node selected when
    // the last key or mouse press on the tree began.
    qint16 mintNodoAnterior = 0;
    QString mstrNombreNodo;
    QString mstrPathNodo;
    qint32 mlngIDNodo = 0;
    QString mstrDescripcionNodo;
    bool mblnFiltrado = false;
    QString gStrSelItem;   // kind key (Descripcion) of the selected node
    QString gStrTextItem;  // caption (Nombre) of the selected node

    // The selected accounting company (0: none) and its configuration.
    qint32 mlngCodEmpresaSeleccionada = 0;
    bool mblnEjercicioCerrado = false;
    cConfigContabilidad mobjConfigContab;

    // Agenda: the month shown ("00" forces a reload) and the one-time skip
    // of the layout at the next activation.
    QString mstrMes;
    bool mblnRefresh = false;

    // Lent by the program entry for the window's whole life; null in a
    // window made without databases.
    PVAPI::cInfoConfiguracion* gobjInfoConfig = nullptr;
    denDuzediv* den = nullptr;
    // Caption of the window's messages and application name of its settings.
    QString appTitle;
    // The edition shows the company groups (cConstante).
    bool consolidacionVisible = false;
};
