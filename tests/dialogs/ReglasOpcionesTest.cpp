#include "dialogs/ReglasOpciones.h"

#include "platform/pvapi/cCRegistry.h"

#include <gtest/gtest.h>

namespace {

using namespace ReglasOpciones;

struct CasoSalida {
    int caja;
    const char* texto;
    const char* queda;
};

TEST(ReglasOpciones, AlSalirDeCadaCaja)
{
    const CasoSalida casos[] = {
        {kNRegMax, "", "24"},      {kNRegMax, "  ", "24"},    {kNRegMax, "0", "24"},     {kNRegMax, "000", "24"},
        {kNRegMax, "abc", "24"},   {kNRegMax, "1", "1"},      {kNRegMax, "50", "50"},    {kMargen, "", "0"},
        {kMargen, " ", "0"},       {kMargen, "7", "7"},       {kMargen, "-9", "-9"},     {kMaxPagLibro, "", "1000"},
        {kMaxPagLibro, "0000", "1000"}, {kMaxPagLibro, "0", "0"}, {kMaxPagLibro, "000", "000"},
        {kMaxPagLibro, "12", "12"}, {kClaveNueva, "", ""},    {kClaveNueva, " x ", " x "},
    };
    for (const CasoSalida& caso : casos)
        EXPECT_EQ(AlSalir(caso.caja, QString::fromUtf8(caso.texto)), QString::fromUtf8(caso.queda))
            << caso.caja << " '" << caso.texto << "'";
}

TEST(ReglasOpciones, PorcentajesDeDeduccion)
{
    const std::pair<const char*, const char*> casos[] = {
        {"", "0"},    {"0", "0"},    {"007", "7"}, {"099", "99"}, {"100", "100"}, {"150", "100"},
        {"12a", "12"}, {"a12", "0"}, {"-5", "0"},  {"1e99", "100"}, {"9.5", "9"},
    };
    for (const auto& [texto, queda] : casos)
        EXPECT_EQ(Porcentaje(QString::fromUtf8(texto)), QString::fromUtf8(queda)) << texto;
}

TEST(ReglasOpciones, ValoresQueAceptaElGuardado)
{
    EXPECT_EQ(PaginasLibro(QStringLiteral("1")), 1);
    EXPECT_EQ(PaginasLibro(QStringLiteral("9999")), 9999);
    for (const char* rechazado : {"0", "000", "", "10000", "abc", "1,5", "9e99", "-1"})
        EXPECT_FALSE(PaginasLibro(QString::fromUtf8(rechazado))) << rechazado;

    EXPECT_EQ(MargenCertificados(QStringLiteral("99")), 99);
    EXPECT_EQ(MargenCertificados(QStringLiteral("-9")), -9);
    EXPECT_EQ(MargenCertificados(QStringLiteral("0")), 0);
    for (const char* rechazado : {"100", "", "x", "9e99", "1.5"})
        EXPECT_FALSE(MargenCertificados(QString::fromUtf8(rechazado))) << rechazado;

    EXPECT_EQ(RegistrosPorPagina(QStringLiteral("50")), 50);
    EXPECT_EQ(RegistrosPorPagina(QStringLiteral("1")), 1);
    for (const char* pordefecto : {"", "0", "abc", "12a", "99999"})
        EXPECT_EQ(RegistrosPorPagina(QString::fromUtf8(pordefecto)), 24) << pordefecto;
}

TEST(ReglasOpciones, TeclasDeLasCajasNumericas)
{
    EXPECT_TRUE(TeclaNumerica(QLatin1Char('0')));
    EXPECT_TRUE(TeclaNumerica(QLatin1Char('9')));
    EXPECT_TRUE(TeclaNumerica(QChar(8)));
    for (const char16_t otra : {u'a', u'-', u' ', u',', char16_t(22)})
        EXPECT_FALSE(TeclaNumerica(QChar(otra))) << int(otra);
}

TEST(ReglasOpciones, DocumentosSegunLosComplementos)
{
    EXPECT_EQ(Documentos(true, true), (QStringList {kCertificados, kEtiquetas, kLibros, kResto}));
    EXPECT_EQ(Documentos(true, false), (QStringList {kCertificados, kEtiquetas, kResto}));
    EXPECT_EQ(Documentos(false, true), (QStringList {kLibros, kResto}));
    EXPECT_EQ(Documentos(false, false), (QStringList {kResto}));
}

TEST(ReglasOpciones, MargenesDeCadaDocumento)
{
    using PVAPI::cCRegistry;
    const auto libros = MargenesDocumento(kLibros);
    ASSERT_TRUE(libros);
    EXPECT_EQ(libros->claveSuperior, cCRegistry::DOCUMENTOS_MARGENSUPERIOR());
    EXPECT_EQ(libros->claveIzquierdo, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO());
    EXPECT_EQ((std::array {libros->maxSuperior, libros->minSuperior, libros->maxIzquierdo, libros->minIzquierdo,
                           libros->predetSuperior, libros->predetIzquierdo}),
              (std::array {30, 20, 35, 25, 20, 25}));
    const auto etiquetas = MargenesDocumento(kEtiquetas);
    ASSERT_TRUE(etiquetas);
    EXPECT_EQ(etiquetas->claveSuperior, cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP());
    EXPECT_EQ(etiquetas->maxIzquierdo, 99);
    EXPECT_EQ(etiquetas->predetSuperior, 0);
    const auto resto = MargenesDocumento(kResto);
    ASSERT_TRUE(resto);
    EXPECT_EQ(resto->claveIzquierdo, cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ());
    EXPECT_FALSE(MargenesDocumento(kCertificados));
}

TEST(ReglasOpciones, CtrlTabDaLaVuelta)
{
    EXPECT_EQ(OtraPestana(0, 4, false), 1);
    EXPECT_EQ(OtraPestana(3, 4, false), 0);
    EXPECT_EQ(OtraPestana(0, 4, true), 3);
    EXPECT_EQ(OtraPestana(2, 4, true), 1);
    EXPECT_EQ(OtraPestana(1, 2, false), 0);
    EXPECT_EQ(OtraPestana(0, 2, true), 1);
}

} // namespace
