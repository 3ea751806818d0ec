#include "platform/pvapi/cinformes.h"
#include "printing/cInformes.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    double numero;
    const char* masculino;
    const char* femenino;
};

TEST(NumerosALetras, PalabrasDeCadaTramo)
{
    const Caso casos[] = {
        {0, "cero", "cero"},
        {1, "uno", "una"},
        {15, "quince", "quince"},
        {16, "dieciséis", "dieciséis"},
        {21, "veintiuno", "veintiuna"},
        {22, "veintidós", "veintidós"},
        {31, "treinta y uno", "treinta y una"},
        {100, "cien", "cien"},
        {101, "ciento uno", "ciento una"},
        {200, "doscientos", "doscientas"},
        {555, "quinientos cincuenta y cinco", "quinientas cincuenta y cinco"},
        {1000, "mil", "mil"},
        {1001, "mil uno", "mil una"},
        {2000, "dos mil", "dos mil"},
        {21000, "veintiún mil", "veintiuna mil"},
        {100000, "cien mil", "cien mil"},
        {201000, "doscientos un mil", "doscientas una mil"},
        {1000000, "un millón", "un millón"},
        {2000000, "dos millones", "dos millones"},
        {21000001, "veintiún millones uno", "veintiún millones una"},
        {1000000000, "mil millones", "mil millones"},
        {25.99, "veinticinco", "veinticinco"},
    };
    const PVAPI::cinformes letras;
    for (const Caso& c : casos) {
        EXPECT_EQ(letras.NumerosALetrasMasculino(c.numero), QString::fromUtf8(c.masculino)) << c.numero;
        EXPECT_EQ(letras.NumerosALetrasfemenino(c.numero), QString::fromUtf8(c.femenino)) << c.numero;
    }
}

TEST(NumerosALetras, FormaAntesDeNombre)
{
    const std::pair<const char*, const char*> casos[] = {
        {"uno", "un"},
        {"veintiuno", "veintiún"},
        {"treinta y uno", "treinta y un"},
        {"ciento uno", "ciento un"},
        {"un millón", "un millón de"},
        {"dos millones", "dos millones de"},
        {"dos millones cinco", "dos millones cinco"},
        {"veintiuna", "veintiuna"},
    };
    for (const auto& [palabras, forma] : casos)
        EXPECT_EQ(PVAPI::cinformes::FormaAntesDeNombre(QString::fromUtf8(palabras)), QString::fromUtf8(forma))
            << palabras;
}

struct CasoImporte {
    double importe;
    bool pesetas;
    const char* texto;
};

TEST(ImporteEnLetras, RecibosEnEurosYPesetas)
{
    const CasoImporte casos[] = {
        {0, false, "Cero euros."},
        {1, false, "Un euro."},
        {0.01, false, "Un centimo de euro."},
        {0.21, false, "Veintiún centimos de euro."},
        {21, false, "Veintiún euros."},
        {25.5, false, "Veinticinco euros con cincuenta centimos de euro."},
        {12.05, false, "Doce euros con cinco centimos de euro."},
        {12.07, false, "Doce euros con siete centimos de euro."},
        {100, false, "Cien euros."},
        {101, false, "Ciento un euros."},
        {1000, false, "Mil euros."},
        {1001.01, false, "Mil un euros con un centimo de euro."},
        {1000000, false, "Un millón de euros."},
        {2000000, false, "Dos millones de euros."},
        // Amounts are rounded to cents, never cut.
        {2.675, false, "Dos euros con sesenta y ocho centimos de euro."},
        {0, true, "Cero pesetas."},
        {1, true, "Una peseta."},
        {21, true, "Veintiuna pesetas."},
        {200, true, "Doscientas pesetas."},
        {1000000, true, "Un millón de pesetas."},
    };
    for (const CasoImporte& c : casos)
        EXPECT_EQ(cInformes::ImporteEnLetras(c.importe, c.pesetas), QString::fromUtf8(c.texto))
            << c.importe << (c.pesetas ? " pesetas" : " euros");
}

} // namespace
