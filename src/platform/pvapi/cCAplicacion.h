#pragma once

#include <QString>

namespace PVAPI {

// Edition codes of the component library. The program only compares them for
// equality, so the values must stay distinct and never change between builds.
class cCAplicacion {
public:
    static constexpr long APP_PARVANTA_VALDENA = 1;
    static constexpr long APP_PARVANTA_GENERAL = 2;
    static constexpr long APP_PARVANTA_LOSARA = 3;
    static constexpr long APP_PARVANTA_CORBELA = 4;
    static constexpr long APP_PARVANTA_MIRANTE = 5;
    static constexpr long APP_PARVANTA_BRINDEL = 6;
    static constexpr long APP_PARVANTA_OSTRAVE = 7;
    static constexpr long APP_PARVANTA_TUREL = 8;

    // The edition this build serves; cConstante reads it unless a test
    // gives it another.
    static constexpr long EdicionDeLaCompilacion = APP_PARVANTA_TUREL;

    // The code as the text the program stores and compares ("8" for TUREL).
    static QString Texto(long codigo) { return QString::number(codigo); }
};

} // namespace PVAPI
