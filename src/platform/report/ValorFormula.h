#pragma once

#include <QString>

#include <optional>

namespace report {

// The value of a report formula: a text or a number.
struct ValorFormula {
    bool esTexto = false;
    QString texto;
    double numero = 0;

    static ValorFormula Texto(const QString& texto) { return {true, texto, 0}; }
    static ValorFormula Numero(double numero) { return {false, {}, numero}; }

    // As printed: the text, or the number as VB writes it ("2", "0,5").
    QString mostrar() const;

    // A value written in a formula entry or a template: a quoted text ("..."
    // or '...', the quote doubled inside) or a number with "." or "," as
    // decimal point. Anything else gives nullopt.
    static std::optional<ValorFormula> Leer(const QString& valor);
};

} // namespace report
