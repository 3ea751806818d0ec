#include "recordlist/TextoVb.h"

#include "platform/vb/VbError.h"

namespace textovb {

QString Trim(const QString& texto)
{
    qsizetype a = 0;
    qsizetype b = texto.size();
    while (a < b && texto.at(a) == u' ')
        ++a;
    while (b > a && texto.at(b - 1) == u' ')
        --b;
    return texto.mid(a, b - a);
}

QString UCase(const QString& texto)
{
    QString r = texto;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString Mid(const QString& texto, int inicio, int longitud)
{
    if (inicio < 1 || longitud < 0)
        throw vb::VbError(vb::ErrInvalidCall, QStringLiteral("Llamada a procedimiento o argumento no válido"));
    return texto.mid(inicio - 1, longitud);
}

QString Mid(const QString& texto, int inicio)
{
    if (inicio < 1)
        throw vb::VbError(vb::ErrInvalidCall, QStringLiteral("Llamada a procedimiento o argumento no válido"));
    return texto.mid(inicio - 1);
}

} // namespace textovb
