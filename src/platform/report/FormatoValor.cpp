#include "platform/report/FormatoValor.h"

#include "platform/vb/Fechas.h"
#include "platform/vb/Format.h"
#include "platform/vb/Vb.h"

namespace report {

namespace {

// Stored texts end lines with CR LF; the layout breaks at LF only.
QString ConSaltosDeLinea(QString texto)
{
    if (texto.contains(u'\r')) {
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texto.replace(u'\r', u'\n');
    }
    return texto;
}

} // namespace

QString FormatearNumero(double numero, int decimales)
{
    QString patron = QStringLiteral("#,##0");
    if (decimales > 0)
        patron += u'.' + QString(decimales, u'0');
    return vb::FormatNumber(numero, patron);
}

QString FechaLargaDeTexto(const QString& fechaTexto)
{
    const QDate fecha = vb::FechaTextoADate(fechaTexto);
    if (!fecha.isValid())
        return fechaTexto;
    return QStringLiteral("%1 de %2 de %3").arg(fecha.day()).arg(vb::NombreMes(fecha.month())).arg(fecha.year());
}

std::optional<double> NumeroDe(const db::Value& valor)
{
    switch (valor.type()) {
    case db::Value::Kind::Integer:
    case db::Value::Kind::Double:
    case db::Value::Kind::Currency:
        return valor.toDouble();
    case db::Value::Kind::Text:
        if (vb::IsNumeric(valor.toString()))
            return vb::CDblEs(valor.toString());
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QString FormatearValor(const db::Value& valor, Formato::Tipo tipo, int decimales)
{
    if (valor.isNull())
        return {};
    switch (tipo) {
    case Formato::Tipo::Fecha: {
        const QString texto = valor.toString();
        const QString fecha = vb::FechaTextoAFecha(texto);
        return fecha.isEmpty() ? texto : fecha;
    }
    case Formato::Tipo::FechaLarga:
        return FechaLargaDeTexto(valor.toString());
    case Formato::Tipo::Numero:
        if (const auto numero = NumeroDe(valor))
            return FormatearNumero(*numero, decimales);
        return ConSaltosDeLinea(valor.toString());
    case Formato::Tipo::TalCual:
        break;
    }
    return ConSaltosDeLinea(valor.toString());
}

} // namespace report
