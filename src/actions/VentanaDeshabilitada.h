#pragma once

class IVentanaAcciones;

// Keeps the main window disabled while an add-in deletes a record; at the
// end, on every path, the window is enabled again and brought to the front.
class VentanaDeshabilitada {
public:
    explicit VentanaDeshabilitada(IVentanaAcciones& ventana);
    ~VentanaDeshabilitada();
    VentanaDeshabilitada(const VentanaDeshabilitada&) = delete;
    VentanaDeshabilitada& operator=(const VentanaDeshabilitada&) = delete;

private:
    IVentanaAcciones& m_ventana;
};
