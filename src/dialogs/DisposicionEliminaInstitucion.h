#pragma once

// Where the controls of the institution removal dialog go, in twips. The
// design places them for texts that fit their labels; a text that needs
// more room (a long summary, a large font) makes its label taller and moves
// everything below it down, so the whole summary is read before
// "Aceptar". With nothing found, the explanation, the check boxes and the
// buttons move up under the heading and the dialog gets shorter.
struct DisposicionEliminaInstitucion {
    // Heights the texts need at their labels' widths (0: fits the design).
    struct Alturas {
        int Aviso = 0;        // lblEliminar(1)
        int Detalle = 0;      // lblEliminar(2)
        int Resumen = 0;      // lblEliminar(4)
        int Explicacion = 0;  // lblEliminar(5)
    };

    static constexpr int kIzquierda = 240;
    static constexpr int kAnchoTextos = 5985;
    static constexpr int kAnchoCliente = 6570;
    static constexpr int kAltoBoton = 375;
    static constexpr int kAltoCasilla = 225;
    // The window frame and caption over the client area, as the design's
    // outer height counts them.
    static constexpr int kMarco = 375;

    int TopAviso = 500, AltoAviso = 450;
    int TopDetalle = 965, AltoDetalle = 450;
    int TopEncabezado = 1430;
    int TopResumen = 1670, AltoResumen = 1055;
    int TopExplicacion = 2860, AltoExplicacion = 830;
    int TopDonantes = 3825;
    int TopColaboradores = 4185;
    int TopBotones = 4545;
    int AltoCliente = 5190;

    int AltoExterior() const { return AltoCliente + kMarco; }

    static DisposicionEliminaInstitucion Calcular(bool resumenVacio, const Alturas& alturas);
};
