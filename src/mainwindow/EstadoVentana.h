#pragma once

#include "core/cNodo.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QtGlobal>

struct AjustesUsuario;

// The main window's saved state in the per-user settings: what the load
// reads back and what the unload writes. Lengths are twips.

// The placement read at load (section INTERFACE). Each text is read as the
// number at its beginning ("." decimal point); no number reads as 0.
struct ColocacionVentana {
    qint16 nRegMax = 24;   // rows per page, halves rounded to even
    double splitter = 1965;
    double ancho = 12120;
    double alto = 8700;
    double arriba = -60;
    double izquierda = -60;
};

// Rows per page that are not a whole number from 1 to 32767 (an empty or
// non-numeric setting, a negative one) would break the list: they read as 24.
qint16 FilasPorPagina(const QString& texto);

// The area every screen leaves to windows (without panels and docks), in
// twips; the primary screen's first.
QList<QRectF> AreasPantallas();

// A placement that the screens in `areas` show: kept as it is when at least
// half of the window, in width and in height, lies on one screen's area with
// its top edge there (allowing the 60 twips the default puts above it);
// otherwise (a position off every screen, a monitor since unplugged, a
// window pushed mostly off) no larger than the area of the screen it
// overlaps most, or of the primary one, and moved wholly inside it. Without
// screens nothing changes.
ColocacionVentana AjustarAPantallas(ColocacionVentana c, const QList<QRectF>& areas);

// The saved placement, adjusted to the screens there are.
ColocacionVentana LeerColocacion(const AjustesUsuario& ajustes, const QList<QRectF>& areas = AreasPantallas());

// What the unload saves besides the column widths (rows 2 to 10).
struct EstadoGuardado {
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
    int alto = 0;
    int splitter = 0;
    qint16 nRegMax = 24;
    // Written only when the tree holds a company node.
    bool hayNodoEmpresa = false;
    qint32 empresaSeleccionada = 0;
    bool vodidazazEnPesetas = false;
    bool contabilidadEnPesetas = false;
};
// The placement is adjusted to the screens first, so a position no screen
// shows is never saved.
void GuardarEstado(const AjustesUsuario& ajustes, const EstadoGuardado& estado,
                   const QList<QRectF>& areas = AreasPantallas());

// Row 1: the width of every column of every node, under its IDCampo digits.
void GuardarAnchos(const AjustesUsuario& ajustes, const ColeccionNodos& nodos);

// A tree caption that shows the selected company: "<...>".
bool EsNodoEmpresa(const QString& texto);
