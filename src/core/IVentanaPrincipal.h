#pragma once

class IEmpresaPrincipal;

// What the start-up needs of the main window. The main window implements it;
// until it exists, the program entry shows a plain stand-in.
class IVentanaPrincipal {
public:
    virtual ~IVentanaPrincipal() = default;

    // Loads the window when it is not loaded yet and shows it, not modal.
    virtual void Mostrar() = 0;

    // The window as restoring the settings sees it (selected accounting
    // company). Reaching it may load the window. Null when the window has no
    // company tree.
    virtual IEmpresaPrincipal* Empresa() = 0;
};
