#pragma once

#include "platform/db/Value.h"
#include "platform/widgets/NvColumnKind.h"

#include <QList>
#include <QString>
#include <functional>

namespace db {
class RowBlock;
}

// The settings the cell formats depend on, read once for each page.
struct AjustesFormato {
    bool pesetasDonativos = false;     // donation amounts in whole pesetas
    bool pesetasContabilidad = false;  // accounting amounts in whole pesetas
    bool consolidacionVisible = false; // the company list carries the group
};

// Rewrites the cells of one record of a list page by the node's kind
// ("Recibo", "LibrosBautismo"...): dates from "yyyymmdd" to dd/mm/yyyy,
// amounts in pesetas or euros, Yes/No words, and the number of entries of
// a book. Positions are 0-based fields of the record; a record too short
// for its kind raises vb::VbError 9.
class FormatoCeldas {
public:
    // Entries of one book: the sacrament table ("Bautismo"...) and the book id.
    using ContarPartidas = std::function<long(const QString& tabla, const db::Value& idLibro)>;

    static void Formatear(const QString& tipo, QList<db::Value>& campos, const AjustesFormato& ajustes,
                          const ContarPartidas& contarPartidas);

    // The kind of each of the first `columnas` fields of a page read for
    // the node's kind, before it is formatted: the dates, amounts, words
    // and counts that Formatear writes there; numbers where the page holds
    // only numbers (and Nulls); text otherwise.
    static QList<widgets::NvColumnKind> Clases(const QString& tipo, const AjustesFormato& ajustes,
                                               const db::RowBlock& pagina, int columnas);

    // Characters 7-8, "/", 5-6, "/", 1-4 of the stored text: "20050314"
    // gives "14/03/2005"; missing characters add nothing ("" gives "//").
    static QString Fecha(const db::Value& valor);

    // "##,##0" in pesetas, "##,##0.00" in euros, Spanish separators. Null
    // stays empty.
    static QString Importe(const db::Value& valor, bool pesetas);
};
