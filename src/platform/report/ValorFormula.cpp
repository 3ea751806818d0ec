#include "platform/report/ValorFormula.h"

#include "platform/vb/Format.h"

#include <QRegularExpression>

namespace report {

namespace {

std::optional<QString> TextoEntreComillas(const QString& valor)
{
    if (valor.size() < 2)
        return std::nullopt;
    const QChar comilla = valor.front();
    if ((comilla != u'"' && comilla != u'\'') || valor.back() != comilla)
        return std::nullopt;
    QString texto;
    const qsizetype fin = valor.size() - 1;
    for (qsizetype i = 1; i < fin; ++i) {
        if (valor[i] == comilla) {
            // Inside, a quote stands only doubled.
            if (i + 1 >= fin || valor[i + 1] != comilla)
                return std::nullopt;
            ++i;
        }
        texto += valor[i];
    }
    return texto;
}

} // namespace

QString ValorFormula::mostrar() const
{
    return esTexto ? texto : vb::CStrDouble(numero);
}

std::optional<ValorFormula> ValorFormula::Leer(const QString& valor)
{
    const QString limpio = valor.trimmed();
    if (const auto texto = TextoEntreComillas(limpio))
        return Texto(*texto);
    static const QRegularExpression numero(QStringLiteral("^[+-]?\\d+([.,]\\d+)?$"));
    if (!numero.match(limpio).hasMatch())
        return std::nullopt;
    QString punto = limpio;
    punto.replace(u',', u'.');
    return Numero(punto.toDouble());
}

} // namespace report
