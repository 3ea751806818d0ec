#include "VentanaFalsa.h"

VentanaFalsa::VentanaFalsa()
{
    // The window loads with the list and the accounting pane hidden.
    lista.hide();
    visibles[PanelPrincipal::trvConta] = true;
    menus[QStringLiteral("mnuSecundarioNuevo")].caption = QStringLiteral("&Nuevo");
}

bool VentanaFalsa::PanelVisible(PanelPrincipal panel) const
{
    if (panel == PanelPrincipal::msgPrincipal)
        return lista.Visible();
    return visibles.value(panel);
}

void VentanaFalsa::SetPanelVisible(PanelPrincipal panel, bool visible)
{
    if (panel == PanelPrincipal::msgPrincipal)
        lista.setVisible(visible);
    else
        visibles[panel] = visible;
}

void VentanaFalsa::ColocarPanelMensaje(bool visible)
{
    visibles[PanelPrincipal::picMensaje] = visible;
}

void VentanaFalsa::MostrarAgenda()
{
    ++agendas;
    visibles[PanelPrincipal::ascrAgenda] = true;
}

void VentanaFalsa::PopupMenu(const QString& menu)
{
    popups.append({menu, menus.value(QStringLiteral("mnuSecundarioNuevo")).caption, menus});
}
