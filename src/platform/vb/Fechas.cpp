#include "platform/vb/Fechas.h"

#include <QRegularExpression>
#include <array>

namespace vb {
namespace {

const std::array<const char16_t*, 12> Meses = {
    u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio",
    u"julio", u"agosto", u"septiembre", u"octubre", u"noviembre", u"diciembre"};

const std::array<const char16_t*, 7> Dias = {
    u"lunes", u"martes", u"miércoles", u"jueves", u"viernes", u"sábado", u"domingo"};

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

QString NombreMes(int mes)
{
    if (mes < 1 || mes > 12)
        return {};
    return QString::fromUtf16(Meses[static_cast<std::size_t>(mes - 1)]);
}

QString NombreDiaSemana(int dia)
{
    if (dia < 1 || dia > 7)
        return {};
    return QString::fromUtf16(Dias[static_cast<std::size_t>(dia - 1)]);
}

QDate FechaTextoADate(const QString& fechaTexto)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    const auto match = form.match(fechaTexto.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QString DateAFechaTexto(const QDate& fecha)
{
    if (!fecha.isValid() || fecha.year() < 1 || fecha.year() > 9999)
        return {};
    return QStringLiteral("%1").arg(fecha.year(), 4, 10, QLatin1Char('0'))
        + TwoDigits(fecha.month()) + TwoDigits(fecha.day());
}

QDate FechaADate(const QString& fecha)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{4})$"));
    const auto match = form.match(fecha.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(4).toInt(), match.captured(3).toInt(), match.captured(1).toInt());
}

QString DateAFecha(const QDate& fecha)
{
    if (!fecha.isValid() || fecha.year() < 1 || fecha.year() > 9999)
        return {};
    return TwoDigits(fecha.day()) + u'/' + TwoDigits(fecha.month()) + u'/'
        + QStringLiteral("%1").arg(fecha.year(), 4, 10, QLatin1Char('0'));
}

QString FechaTextoAFecha(const QString& fechaTexto) { return DateAFecha(FechaTextoADate(fechaTexto)); }

QString FechaAFechaTexto(const QString& fecha) { return DateAFechaTexto(FechaADate(fecha)); }

QString FechaLarga(const QDate& fecha)
{
    if (!fecha.isValid())
        return {};
    return QStringLiteral("%1, %2 de %3 de %4")
        .arg(NombreDiaSemana(fecha.dayOfWeek()))
        .arg(fecha.day())
        .arg(NombreMes(fecha.month()))
        .arg(fecha.year());
}

QString HoraTextoAHora(const QString& horaTexto)
{
    static const QRegularExpression form(QStringLiteral("^([01]\\d|2[0-3])([0-5]\\d)$"));
    const auto match = form.match(horaTexto.trimmed());
    if (!match.hasMatch())
        return {};
    return match.captured(1) + u':' + match.captured(2);
}

QString HoraAHoraTexto(const QString& hora)
{
    static const QRegularExpression form(QStringLiteral("^([01]?\\d|2[0-3]):([0-5]\\d)$"));
    const auto match = form.match(hora.trimmed());
    if (!match.hasMatch())
        return {};
    return TwoDigits(match.captured(1).toInt()) + match.captured(2);
}

} // namespace vb
