#include "platform/report/ModeloPaginas.h"

#include <algorithm>

namespace report {

QStringList Pagina::Textos() const
{
    std::vector<const TextoPagina*> orden;
    for (const TextoPagina& t : textos)
        orden.push_back(&t);
    std::stable_sort(orden.begin(), orden.end(), [](const TextoPagina* a, const TextoPagina* b) {
        if (qAbs(a->origen.y() - b->origen.y()) > 0.01)
            return a->origen.y() < b->origen.y();
        return a->origen.x() < b->origen.x();
    });
    QStringList lista;
    for (const TextoPagina* t : orden)
        lista << t->texto;
    return lista;
}

const TextoPagina* Pagina::Buscar(const QString& texto) const
{
    for (const TextoPagina& t : textos) {
        if (t.texto.contains(texto))
            return &t;
    }
    return nullptr;
}

} // namespace report
