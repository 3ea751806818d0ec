#include "printing/ContextoImpresion.h"

QString ContextoImpresion::Archivo(const QString& nombre) const
{
    // The control resolves "\name" in the program folder; the path is given
    // whole, as the old program gave it, so the recorded settings say where.
    QString base = appPath;
    while (base.endsWith(QLatin1Char('/')) || base.endsWith(QLatin1Char('\\')))
        base.chop(1);
    QString resto = nombre;
    while (resto.startsWith(QLatin1Char('/')) || resto.startsWith(QLatin1Char('\\')))
        resto.remove(0, 1);
    return base + QLatin1Char('/') + resto;
}
