#pragma once

#include <QString>

class QTreeWidget;
struct EstadoPrincipal;
namespace PVAPI {
class IControlInforme;
}

// What the record actions need of the main window. frmPrincipal implements
// it and hands itself to the actions it makes; the members that share a
// signature with IEmpresaPrincipal are the same operations on the same tree.
class IVentanaAcciones {
public:
    virtual ~IVentanaAcciones() = default;

    // The window's state: node model, selected company (`mlngCodEmpresaSeleccionada`,
    // `mblnEjercicioCerrado`) and the accounting configuration (`mobjConfigContab`).
    virtual EstadoPrincipal& Estado() = 0;

    // The window's `Enabled`: false while an add-in deletes a record.
    virtual void Habilitar(bool blnHabilitada) = 0;
    // Brings the window to the front (ZOrder 0).
    virtual void TraerAlFrente() = 0;

    // The nodes of the navigation tree, 1-based in index order.
    virtual int ContarNodos() = 0;
    virtual QString TextoNodo(int indice) = 0;
    virtual void CambiarTextoNodo(int indice, const QString& texto) = 0;

    // Releases the window's record lock on the selected accounting company
    // (the company is gone, or no longer selected).
    virtual void LiberarBloqueoEmpresa() = 0;
    // Releases it and locks the selected company (`BloquearEmpresa`).
    virtual void BloquearEmpresa() = 0;

    // The accounting structure tree (`trvConta`) the add-in fills.
    virtual QTreeWidget& ArbolContabilidad() = 0;

    // The report control the window prints with (`crptInformes`).
    virtual PVAPI::IControlInforme& crptInformes() = 0;
};
