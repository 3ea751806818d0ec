#pragma once

#include <QString>
#include <QtGlobal>

// What restoring the settings needs of the main window to show the selected
// accounting company: the nodes of its navigation tree (1-based, in index
// order) and its two company members. The main window implements it; reaching
// the tree may load the window.
class IEmpresaPrincipal {
public:
    virtual ~IEmpresaPrincipal() = default;

    virtual int ContarNodos() = 0;
    virtual QString TextoNodo(int indice) = 0;
    virtual void CambiarTextoNodo(int indice, const QString& texto) = 0;

    // Sets `mlngCodEmpresaSeleccionada` and `mblnEjercicioCerrado`.
    virtual void EstablecerEmpresaSeleccionada(qint32 codEmpresa, bool ejercicioCerrado) = 0;
};
