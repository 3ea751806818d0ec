#include "platform/report/TablaFormulas.h"

#include "platform/report/ErroresInforme.h"

namespace report {

TablaFormulas::TablaFormulas(const std::vector<DeclaracionFormula>& declaradas)
{
    for (const DeclaracionFormula& d : declaradas)
        m_valores.insert(d.nombre.toCaseFolded(), d.valor);
}

void TablaFormulas::Aplicar(const QStringList& entradas)
{
    for (const QString& entrada : entradas) {
        const qsizetype igual = entrada.indexOf(u'=');
        if (igual < 0)
            err::Lanzar(err::Formula, {entrada, QStringLiteral("falta el signo \"=\".")});
        const QString clave = entrada.left(igual).trimmed().toCaseFolded();
        auto it = m_valores.find(clave);
        if (it == m_valores.end())
            continue;
        const auto valor = ValorFormula::Leer(entrada.mid(igual + 1));
        if (!valor)
            err::Lanzar(err::Formula, {entrada, QStringLiteral("el valor no es un texto entre comillas ni un número.")});
        *it = *valor;
    }
}

const ValorFormula* TablaFormulas::Buscar(const QString& nombre) const
{
    auto it = m_valores.constFind(nombre.toCaseFolded());
    return it == m_valores.constEnd() ? nullptr : &*it;
}

} // namespace report
