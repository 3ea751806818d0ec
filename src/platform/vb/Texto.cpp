#include "platform/vb/Texto.h"

#include "platform/vb/VbError.h"

namespace vb {
namespace {

QString WithoutSpaces(const QString& text, bool left, bool right)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    if (left)
        while (begin < end && text.at(begin) == u' ')
            ++begin;
    if (right)
        while (end > begin && text.at(end - 1) == u' ')
            --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString Trim(const QString& text) { return WithoutSpaces(text, true, true); }

QString LTrim(const QString& text) { return WithoutSpaces(text, true, false); }

QString RTrim(const QString& text) { return WithoutSpaces(text, false, true); }


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
        ThrowInvalidCall();
    return texto.mid(inicio - 1, longitud);
}

QString Mid(const QString& texto, int inicio)
{
    if (inicio < 1)
        ThrowInvalidCall();
    return texto.mid(inicio - 1);
}

} // namespace vb
