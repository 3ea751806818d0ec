#include "platform/report/CampoOrden.h"

namespace report {

std::optional<CampoOrden> CampoOrden::Leer(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.size() < 5 || (t[0] != u'+' && t[0] != u'-') || t[1] != u'{' || !t.endsWith(u'}'))
        return std::nullopt;
    const QString nombre = t.mid(2, t.size() - 3);
    const qsizetype punto = nombre.indexOf(u'.');
    if (punto <= 0 || punto == nombre.size() - 1)
        return std::nullopt;
    CampoOrden orden;
    orden.ascendente = t[0] == u'+';
    orden.tabla = nombre.left(punto).trimmed();
    orden.campo = nombre.mid(punto + 1).trimmed();
    if (orden.tabla.isEmpty() || orden.campo.isEmpty())
        return std::nullopt;
    return orden;
}

} // namespace report
