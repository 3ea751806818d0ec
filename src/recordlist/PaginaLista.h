#pragma once

#include "recordlist/FormatoCeldas.h"

#include <QString>
#include <QtGlobal>

class ConsultaPaginada;
struct EstadoPrincipal;
class IVentanaLista;
class cNodo;
namespace widgets {
class NvList;
}

// Builds the record list of a node: its columns, then one page of its
// query with the cells formatted by the node's kind and the page range in
// status panel 2. Every road that shows records goes through these two, in
// this order.
class PaginaLista {
public:
    // A page holds at most this many rows (the old 16-bit row counter).
    static constexpr int kMaxFilas = 32767;
    // Rows read when the page size is 0.
    static constexpr int kTamanoPorDefecto = 25;

    // `datos`: the main window's state (kind of the selected node, the
    // currency settings, the parish connection).
    PaginaLista(EstadoPrincipal& datos, IVentanaLista& ventana);

    // Empties the rows and lays out the node's columns; a node without
    // columns leaves the columns shown as they were.
    void configGridPrincipal(widgets::NvList& msgPrincipal, const cNodo& objNodo);

    // Adds the `lngTamano` records from position `lngLimInferior` (1-based)
    // of the query (25 when 0) and writes their range into status panel 2.
    // Only that page is read. Raises on a start past the last record, a
    // record shorter than the columns, more than kMaxFilas rows or a failing
    // query, with the list filled as far as it got.
    void fillGrid(widgets::NvList& msgPrincipal, qint32 lngLimInferior, qint32 lngTamano,
                  ConsultaPaginada& recRecordset, const cNodo& objNodo);

    // "Registros desde: 25 hasta: 48".
    static QString TextoRango(qint32 inicio, qint64 fin);

private:
    AjustesFormato Ajustes() const;
    long ContarPartidas(const QString& tabla, const db::Value& idLibro) const;

    EstadoPrincipal& m_datos;
    IVentanaLista& m_ventana;
};
