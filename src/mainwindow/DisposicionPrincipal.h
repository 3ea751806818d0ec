#pragma once

// The pane layout of the main window as pure arithmetic in twips: the
// window's sizes and the splitter position in, every pane's geometry out.
// The window applies the result; tests check it without a window.
struct RectTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const RectTwips&) const = default;
};

struct EntradaDisposicion {
    double x = 0;               // splitter position asked for
    int anchoVentana = 0;       // outer width of the window (W)
    int anchoInterior = 0;      // inner width (SW)
    int altoInterior = 0;       // inner height (SH)
    bool barraHerramientasVisible = true;
    int altoBarraHerramientas = 0;
    bool barraEstadoVisible = true;
    int altoBarraEstado = 0;    // the bar's top is SH minus this, shown or not
    int altoTitulo = 0;
    int anchoSeparador = 0;
    bool mensajeVisible = false;
    int altoMensaje = 0;
    int anchoImagenCorreo = 0;
    int topArbolConta = 0;      // the accounting tree's top inside its pane
    int izquierdaArbol = 0;     // the navigation tree's left edge
};

struct Disposicion {
    double x = 0;               // the splitter position after clamping
    RectTwips arbol;            // tvTreeView
    RectTwips separador;        // imgSplitter
    RectTwips lista;            // msgPrincipal
    RectTwips mensaje;          // picMensaje (its height is its own)
    int izquierdaImagenCorreo = 0;  // imgCorreo inside picMensaje
    RectTwips titulo;           // picTitles (its height is its own)
    RectTwips agenda;           // ascrAgenda
    RectTwips conta;            // picConta
    RectTwips arbolConta;       // trvConta inside picConta
};

class DisposicionPrincipal {
public:
    static constexpr int kMinimoSeparador = 1500;
    static constexpr int kSeparadorPorDefecto = 3000;
    static constexpr int kMargenDerecho = 1500;
    static constexpr int kLimiteArrastre = 500;
    static constexpr int kAcortarBarraArrastre = 20;
    static constexpr int kAnchoMinimo = 6000;
    static constexpr int kAltoMinimo = 5000;

    // AjustarControles: a splitter below 1500 jumps to 3000 (not 1500), one
    // beyond W - 1500 stops there; no width or height comes out negative.
    static Disposicion AjustarControles(const EntradaDisposicion& entrada);

    // Where the drag bar goes while the splitter is dragged: the strip's
    // left plus the mouse x, kept 500 twips from either window edge.
    static int PosicionArrastre(int izquierdaSeparador, int xRaton, int anchoVentana);

    // The size a window in the normal state is brought up to.
    static int AnchoMinimo(int ancho) { return ancho < kAnchoMinimo ? kAnchoMinimo : ancho; }
    static int AltoMinimo(int alto) { return alto < kAltoMinimo ? kAltoMinimo : alto; }
};
