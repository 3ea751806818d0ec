#include "import/IncidenciasImportar.h"

#include <QStringList>

#include <gtest/gtest.h>

// The incidences box keeps the part before the first "*" line under 10,000
// characters and shows that line and the rest whole.

namespace {

const QString kPuntos = QStringLiteral("\r\n...\r\n...\r\n...\r\n\r\n");

QString Linea(int largo, QChar c = QLatin1Char('x'))
{
    return QString(largo, c);
}

} // namespace

TEST(IncidenciasImportar, ElPresupuestoDeCaracteres)
{
    struct Caso {
        const char* nombre;
        QStringList lineas;
        QString esperado;
    };
    const QString l4000 = Linea(4000);
    const QString l5999 = Linea(5999);
    const QString l6000 = Linea(6000);
    const QString ast = QStringLiteral("*") + Linea(10);
    const QString astLargo = QStringLiteral("*") + Linea(1999);
    const QList<Caso> casos = {
        {"corto, entero", {"uno", "dos"}, "uno\r\ndos\r\n"},
        {"sin asterisco se corta sin marca", {l4000, l4000, l4000, "fin"}, l4000 + "\r\n" + l4000 + "\r\n"},
        {"asterisco antes del límite, todo", {l4000, ast, l6000, l6000}, l4000 + "\r\n" + ast + "\r\n" + l6000 +
                                                                          "\r\n" + l6000 + "\r\n"},
        {"asterisco justo en 10.000, sin puntos", {l4000, l4000, astLargo, "b"},
         l4000 + "\r\n" + l4000 + "\r\n" + astLargo + "\r\n" + "b\r\n"},
        {"asterisco pasado el límite, con puntos", {l4000, l6000, ast, "b"},
         l4000 + "\r\n" + kPuntos + ast + "\r\n" + "b\r\n"},
        {"un asterisco que no empieza la línea no cuenta", {l4000, l6000, " *x", "b"}, l4000 + "\r\n"},
        {"9.999 caracteres caben", {l4000, l5999}, l4000 + "\r\n" + l5999 + "\r\n"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(TextoIncidencias(caso.lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), caso.esperado)
            << caso.nombre;
    }
    // Bare line feeds end lines too.
    EXPECT_EQ(TextoIncidencias(QStringLiteral("a\nb")), QStringLiteral("a\r\nb\r\n"));
}

TEST(IncidenciasImportar, UTF8ValidoOWindows1252)
{
    EXPECT_EQ(DecodificarTextoComplemento(QByteArray("Pe\xc3\xb1" "a \xe2\x82\xac")), QStringLiteral("Peña €"));
    EXPECT_EQ(DecodificarTextoComplemento(QByteArray("\xef\xbb\xbf" "a")), QStringLiteral("a"));
    EXPECT_EQ(DecodificarTextoComplemento(QByteArray("Pe\xf1" "a \x80 \x93x\x94 \xc1")),
              QStringLiteral("Peña € “x” Á"));
}
