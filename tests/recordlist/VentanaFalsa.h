#pragma once

#include "platform/widgets/NvList.h"
#include "recordlist/IVentanaLista.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// The main window as the record list sees it, as plain state: a real list
// control, pane flags, status panels, menu items by name, and records of
// the pop-up menus shown and the structure loads.
class VentanaFalsa : public IVentanaLista {
public:
    struct EstadoMenu {
        bool visible = true;
        bool habilitado = true;
        QString caption;
    };

    VentanaFalsa();

    widgets::NvList& msgPrincipal() override { return lista; }
    bool PanelVisible(PanelPrincipal panel) const override;
    void SetPanelVisible(PanelPrincipal panel, bool visible) override;
    void ColocarPanelMensaje(bool visible) override;
    void SetInfoMensaje(int indice, const QString& texto) override { infoMensaje[indice] = texto; }
    void MostrarAgenda() override;
    NodoArbol NodoSeleccionado() const override { return seleccionado; }
    void MostrarTituloNodo() override { titulos << seleccionado.texto; }
    void EnfocarArbol() override { ++focos; }
    QString TextoPanel(int panel) const override { return paneles.value(panel); }
    void SetTextoPanel(int panel, const QString& texto) override { paneles[panel] = texto; }
    void SetMenuVisible(const QString& nombre, bool visible) override { menus[nombre].visible = visible; }
    void SetMenuEnabled(const QString& nombre, bool habilitado) override { menus[nombre].habilitado = habilitado; }
    void SetMenuCaption(const QString& nombre, const QString& caption) override { menus[nombre].caption = caption; }
    void PopupMenu(const QString& menu) override;
    void CargarArbol(qint16 tipo) override { arboles << tipo; }

    // The list sits in a window that is never shown, so that its flag
    // changes without opening anything.
    QWidget ventana;
    widgets::NvList lista{&ventana};
    QHash<PanelPrincipal, bool> visibles;
    QString infoMensaje[3];
    NodoArbol seleccionado;
    QStringList titulos;
    int focos = 0;
    int agendas = 0;
    QMap<int, QString> paneles;
    QHash<QString, EstadoMenu> menus;
    // The menu shown and the captions of the New items while it was open.
    struct MenuMostrado {
        QString menu;
        QString captionNuevo;
        QHash<QString, EstadoMenu> estado;
    };
    QList<MenuMostrado> popups;
    QList<qint16> arboles;
};
