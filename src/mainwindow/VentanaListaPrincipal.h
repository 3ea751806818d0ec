#pragma once

#include "recordlist/IVentanaLista.h"

class QWidget;
class frmPrincipal;
namespace addins {
class cContabilidad;
}

// The main window as its record list sees it: panes, title strip, status
// panels, menus by control name and the accounting structure tree.
class VentanaListaPrincipal : public IVentanaLista {
public:
    // `gobjContabilidad` is the accounting add-in, or null without it.
    VentanaListaPrincipal(frmPrincipal& ventana, addins::cContabilidad* gobjContabilidad);

    widgets::NvList& msgPrincipal() override;
    bool PanelVisible(PanelPrincipal panel) const override;
    void SetPanelVisible(PanelPrincipal panel, bool visible) override;
    void ColocarPanelMensaje(bool visible) override;
    void SetInfoMensaje(int indice, const QString& texto) override;
    void MostrarAgenda() override;
    NodoArbol NodoSeleccionado() const override;
    void MostrarTituloNodo() override;
    void EnfocarArbol() override;
    QString TextoPanel(int panel) const override;
    void SetTextoPanel(int panel, const QString& texto) override;
    void SetMenuVisible(const QString& nombre, bool visible) override;
    void SetMenuEnabled(const QString& nombre, bool habilitado) override;
    void SetMenuCaption(const QString& nombre, const QString& caption) override;
    void PopupMenu(const QString& menu) override;
    void CargarArbol(qint16 tipo) override;

private:
    QWidget* Panel(PanelPrincipal panel) const;

    frmPrincipal& m_ventana;
    addins::cContabilidad* m_contabilidad;
};
