#pragma once

#include "actions/IVentanaAcciones.h"
#include "core/EstadoPrincipal.h"
#include "platform/report/ControlInformeBase.h"

#include <QStringList>
#include <QTreeWidget>

// The main window as the actions see it: its state, its tree's node texts,
// and every change of its enabled state, z-order and company lock, in order.
class VentanaAccionesFalsa : public IVentanaAcciones {
public:
    // A report control that prints nothing: the tax model only hands it on.
    class InformeQuieto : public report::ControlInformeBase {
    public:
        void PrintReport() override {}
    };

    EstadoPrincipal& Estado() override { return estado; }
    void Habilitar(bool blnHabilitada) override
    {
        habilitada = blnHabilitada;
        llamadas << (blnHabilitada ? QStringLiteral("Habilitar(True)") : QStringLiteral("Habilitar(False)"));
    }
    void TraerAlFrente() override { llamadas << QStringLiteral("TraerAlFrente"); }
    int ContarNodos() override { return int(nodos.size()); }
    QString TextoNodo(int indice) override { return nodos.at(indice - 1); }
    void CambiarTextoNodo(int indice, const QString& texto) override { nodos[indice - 1] = texto; }
    void LiberarBloqueoEmpresa() override { llamadas << QStringLiteral("LiberarBloqueoEmpresa"); }
    void BloquearEmpresa() override { llamadas << QStringLiteral("BloquearEmpresa"); }
    QTreeWidget& ArbolContabilidad() override { return arbol; }
    PVAPI::IControlInforme& crptInformes() override { return informe; }

    EstadoPrincipal estado;
    bool habilitada = true;
    QStringList llamadas;
    QStringList nodos;
    InformeQuieto informe;
    QTreeWidget arbol;
};
