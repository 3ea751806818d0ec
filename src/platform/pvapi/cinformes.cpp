#include "platform/pvapi/cinformes.h"

#include <QStringList>

#include <cmath>

namespace PVAPI {

namespace {

const char* const kUnidades[] = {"cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve",
                                 "diez", "once", "doce", "trece", "catorce", "quince", "dieciséis", "diecisiete",
                                 "dieciocho", "diecinueve", "veinte", "veintiuno", "veintidós", "veintitrés",
                                 "veinticuatro", "veinticinco", "veintiséis", "veintisiete", "veintiocho",
                                 "veintinueve"};
const char* const kDecenas[] = {"", "", "", "treinta", "cuarenta", "cincuenta", "sesenta", "setenta", "ochenta",
                                "noventa"};
const char* const kCentenas[] = {"", "ciento", "doscient", "trescient", "cuatrocient", "quinient", "seiscient",
                                 "setecient", "ochocient", "novecient"};

enum class Genero { Masculino, Femenino, Apocopado };

// 1..99. A final one agrees with the gender, or is cut before a noun
// or "mil"/"millones".
QString Decenas(int n, Genero g)
{
    QString s;
    if (n < 30) {
        s = QString::fromUtf8(kUnidades[n]);
    } else {
        s = QString::fromUtf8(kDecenas[n / 10]);
        if (n % 10)
            s += QStringLiteral(" y ") + QString::fromUtf8(kUnidades[n % 10]);
    }
    if (s.endsWith(QStringLiteral("uno"))) {
        s.chop(3);
        if (g == Genero::Femenino)
            s += QStringLiteral("una");
        else if (g == Genero::Apocopado)
            s += s.endsWith(QStringLiteral("veinti")) ? QStringLiteral("ún") : QStringLiteral("un");
        else
            s += QStringLiteral("uno");
    }
    return s;
}

// 1..999.
QString Centenas(int n, Genero g)
{
    if (n == 100)
        return QStringLiteral("cien");
    QStringList partes;
    if (n >= 100) {
        QString c = QString::fromUtf8(kCentenas[n / 100]);
        if (n >= 200)
            c += g == Genero::Femenino ? QStringLiteral("as") : QStringLiteral("os");
        partes << c;
    }
    if (n % 100)
        partes << Decenas(n % 100, g);
    return partes.join(QLatin1Char(' '));
}

// 1..999,999: thousands agree with the noun too ("veintiuna mil pesetas").
QString Miles(qint64 n, Genero g)
{
    QStringList partes;
    const int miles = int(n / 1000);
    const int resto = int(n % 1000);
    if (miles == 1)
        partes << QStringLiteral("mil");
    else if (miles > 1)
        partes << Centenas(miles, g == Genero::Femenino ? g : Genero::Apocopado) + QStringLiteral(" mil");
    if (resto)
        partes << Centenas(resto, g);
    return partes.join(QLatin1Char(' '));
}

// Any whole number from 1: groups of millions, and of billions beyond.
QString Entero(qint64 n, Genero g)
{
    constexpr qint64 kMillon = 1000000;
    constexpr qint64 kBillon = kMillon * kMillon;
    QStringList partes;
    if (n >= kBillon) {
        const qint64 b = n / kBillon;
        partes << (b == 1 ? QStringLiteral("un billón") : Entero(b, Genero::Apocopado) + QStringLiteral(" billones"));
        n %= kBillon;
    }
    if (n >= kMillon) {
        const qint64 m = n / kMillon;
        partes << (m == 1 ? QStringLiteral("un millón") : Miles(m, Genero::Apocopado) + QStringLiteral(" millones"));
        n %= kMillon;
    }
    if (n > 0)
        partes << Miles(n, g);
    return partes.join(QLatin1Char(' '));
}

QString Palabras(double numero, Genero g)
{
    if (!std::isfinite(numero))
        return QStringLiteral("cero");
    const double entero = std::trunc(numero);
    if (std::fabs(entero) >= 9.2e18)
        return QStringLiteral("cero");
    const qint64 n = qint64(entero);
    if (n == 0)
        return QStringLiteral("cero");
    if (n < 0)
        return QStringLiteral("menos ") + Entero(-n, g);
    return Entero(n, g);
}

} // namespace

QString cinformes::NumerosALetrasfemenino(double numero) const
{
    return Palabras(numero, Genero::Femenino);
}

QString cinformes::NumerosALetrasMasculino(double numero) const
{
    return Palabras(numero, Genero::Masculino);
}

QString cinformes::FormaAntesDeNombre(const QString& palabras)
{
    QString s = palabras;
    if (s.endsWith(QStringLiteral("millón")) || s.endsWith(QStringLiteral("millones")) ||
        s.endsWith(QStringLiteral("billón")) || s.endsWith(QStringLiteral("billones")))
        return s + QStringLiteral(" de");
    if (s == QStringLiteral("uno") || s.endsWith(QStringLiteral(" uno"))) {
        s.chop(1);
        return s;
    }
    if (s.endsWith(QStringLiteral("veintiuno"))) {
        s.chop(3);
        return s + QStringLiteral("ún");
    }
    return s;
}

} // namespace PVAPI
