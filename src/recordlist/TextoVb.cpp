#include "recordlist/TextoVb.h"

#include "platform/vb/VbError.h"

namespace textovb {

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
        vb::ThrowInvalidCall();
    return texto.mid(inicio - 1, longitud);
}

QString Mid(const QString& texto, int inicio)
{
    if (inicio < 1)
        vb::ThrowInvalidCall();
    return texto.mid(inicio - 1);
}

} // namespace textovb
