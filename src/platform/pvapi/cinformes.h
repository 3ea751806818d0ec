#pragma once

#include <QString>

namespace PVAPI {

// The component library's amounts in words: the whole part of a number in
// Spanish words, lower case ("cero", "uno", "veintiuno", "ciento uno",
// "dos mil", "un millón"). The feminine form agrees with a feminine noun
// ("una", "veintiuna", "doscientas"); millions stay masculine ("un millón",
// "veintiún millones"), as the noun "millón" is. Standalone forms: a caller
// that puts a noun after the words adapts their end (see FormaAntesDeNombre).
class cinformes {
public:
    QString NumerosALetrasfemenino(double numero) const;
    QString NumerosALetrasMasculino(double numero) const;

    // The words as they stand before a noun: a final "uno" becomes "un"
    // ("veintiuno" "veintiún"), and a number of whole millions takes "de"
    // ("un millón de").
    static QString FormaAntesDeNombre(const QString& palabras);
};

} // namespace PVAPI
