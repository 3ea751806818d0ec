#include "recordlist/PaginacionLista.h"

bool PaginacionLista::EsClavePaginacion(const QString& clave)
{
    return clave == u"firstReg" || clave == u"prevReg" || clave == u"nextReg" || clave == u"lastReg";
}

PaginacionLista::Resultado PaginacionLista::Mover(const QString& clave, qint32 posInicial, qint32 n,
                                                  const std::function<long()>& contar,
                                                  const std::function<bool(qint64)>& hayFila)
{
    if (clave == u"firstReg")
        return {1, true};
    if (clave == u"prevReg") {
        // Also on the first page: it is shown again.
        const qint32 nueva = posInicial - n;
        return {nueva > 0 ? nueva : 1, true};
    }
    if (clave == u"nextReg") {
        if (hayFila(qint64(posInicial) + n))
            return {posInicial + n, true};
        return {posInicial, false};
    }
    if (clave == u"lastReg") {
        const qint64 nueva = qint64(contar()) - n + 1;
        if (nueva < 1)
            return {1, false};
        return {qint32(nueva), true};
    }
    return {posInicial, false};
}
