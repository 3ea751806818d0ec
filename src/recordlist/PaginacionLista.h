#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// Where a paging button moves a node's list. Pages are `n` rows long and
// the last page is aligned to the end of the result: it starts at
// count - n + 1, so it is full whenever the result has n rows.
class PaginacionLista {
public:
    struct Resultado {
        qint32 posInicial = 1;  // the new PosInicial
        bool rellenar = false;  // whether the list is cleared and refilled
    };

    // `clave` is one of "firstReg", "prevReg", "nextReg", "lastReg"; any
    // other key changes nothing. `contar` gives the number of rows of the
    // node's query and only "lastReg" calls it; "nextReg" asks `hayFila`
    // whether the query has a row at a 1-based position, which a long list
    // answers far sooner than it counts its rows.
    static Resultado Mover(const QString& clave, qint32 posInicial, qint32 n, const std::function<long()>& contar,
                           const std::function<bool(qint64)>& hayFila);

    static bool EsClavePaginacion(const QString& clave);
};
