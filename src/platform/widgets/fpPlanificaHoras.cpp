#include "platform/widgets/fpPlanificaHoras.h"

#include <algorithm>

namespace widgets::HorasPlanifica {
namespace {

// Minutes of an "HHMM" text before any clamping to the day; -1 when the
// text is not one to four digits.
int Leer(const QString& hhmm)
{
    if (hhmm.isEmpty() || hhmm.size() > 4)
        return -1;
    int valor = 0;
    for (const QChar c : hhmm) {
        if (c < u'0' || c > u'9')
            return -1;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return (valor / 100) * 60 + std::min(valor % 100, 59);
}

} // namespace

int MinutosInicio(const QString& hhmm)
{
    const int minutos = Leer(hhmm);
    return minutos < 0 ? 0 : std::min(minutos, MinutosDia - 1);
}

int MinutosFin(const QString& hhmm, int inicio)
{
    const int minutos = Leer(hhmm);
    const int unaHoraDespues = std::min(inicio + 60, MinutosDia);
    if (minutos < 0)
        return unaHoraDespues;
    // "0000" closes the day it belongs to, and "2359" is how the end of the
    // day is stored, since "2400" is no time of day.
    if (minutos == 0 || minutos >= MinutosDia - 1)
        return MinutosDia;
    return minutos > inicio ? minutos : unaHoraDespues;
}

// Written by hand: the month list formats thousands of times at a time.
QString TextoHora(int minutos)
{
    const int h = minutos / 60;
    const int m = minutos % 60;
    const QChar cifras[4] = {QChar(u'0' + h / 10), QChar(u'0' + h % 10), QChar(u'0' + m / 10), QChar(u'0' + m % 10)};
    return QString(cifras, 4);
}

QString HoraMostrada(int minutos)
{
    const int h = minutos / 60;
    const int m = minutos % 60;
    const QChar cifras[5] = {QChar(u'0' + h / 10), QChar(u'0' + h % 10), QChar(u':'), QChar(u'0' + m / 10),
                             QChar(u'0' + m % 10)};
    return QString(cifras, 5);
}

int SlotInicio(int minutos)
{
    return minutos / 60 + 1;
}

int SlotFin(int minutos)
{
    return (minutos + 59) / 60 + 1;
}

} // namespace widgets::HorasPlanifica
