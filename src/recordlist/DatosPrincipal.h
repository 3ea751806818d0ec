#pragma once

#include "navigation/cNodo.h"
#include "navigation/cPropiedadesNodo.h"

#include <QString>
#include <QtGlobal>

class cConfigContabilidad;
namespace PVAPI {
struct cInfoConfiguracion;
}
namespace db {
class Connection;
}

// The main window's members the record list reads and writes: the node
// model, the page size, the selection state and the settings the formats
// depend on. All are owned by the window and outlive the list.
struct DatosPrincipal {
    ColeccionNodos& gcolNodo;
    ColeccionRegistros& gcolRegistroDB;
    const qint16& gintNRegMax;
    QString& gStrSelItem;
    QString& gStrTextItem;

    qint16& mintNodoAnterior;
    QString& mstrNombreNodo;
    QString& mstrPathNodo;
    qint32& mlngIDNodo;
    QString& mstrDescripcionNodo;
    bool& mblnFiltrado;

    const qint32& mlngCodEmpresaSeleccionada;
    const cConfigContabilidad& mobjConfigContab;
    const PVAPI::cInfoConfiguracion& gobjInfoConfig;
    db::Connection& conLocal;
    db::Connection& conContabilidad;

    // The edition shows the company groups (cConstante).
    bool consolidacionVisible = false;
    // Caption of the filter's messages and project of its error reports.
    QString appTitle;
};
