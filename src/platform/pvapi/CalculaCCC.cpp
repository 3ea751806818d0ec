#include "platform/pvapi/CalculaCCC.h"

#include "platform/vb/Texto.h"

#include <array>

namespace PVAPI {

namespace {

// Weight of each of the ten digits a control digit covers.
constexpr std::array<int, 10> kPesos = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};

// The part padded to `ancho` digits, or nothing when it cannot be.
std::optional<QString> Digitos(const QString& parte, int ancho)
{
    const QString texto = vb::Trim(parte);
    if (texto.isEmpty() || texto.size() > ancho)
        return std::nullopt;
    for (const QChar c : texto) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return texto.rightJustified(ancho, QLatin1Char('0'));
}

// Ten digits give one control digit: 11 minus the weighted sum modulo 11,
// where 11 is written 0 and 10 is written 1.
QChar DigitoControl(const QString& diez)
{
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += (diez.at(i).unicode() - '0') * kPesos[i];
    int digito = 11 - suma % 11;
    if (digito == 11)
        digito = 0;
    else if (digito == 10)
        digito = 1;
    return QLatin1Char(char('0' + digito));
}

} // namespace

std::optional<QString> CalculaCCC(const QString& strBanco, const QString& strSucursal, const QString& strCuenta)
{
    const std::optional<QString> banco = Digitos(strBanco, 4);
    const std::optional<QString> sucursal = Digitos(strSucursal, 4);
    const std::optional<QString> cuenta = Digitos(strCuenta, 10);
    if (!banco || !sucursal || !cuenta)
        return std::nullopt;
    return QString(DigitoControl(QStringLiteral("00") + *banco + *sucursal)) + DigitoControl(*cuenta);
}

} // namespace PVAPI
