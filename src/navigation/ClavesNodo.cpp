#include "navigation/ClavesNodo.h"

QString ClaveColeccion(qint64 id)
{
    return QLatin1Char(' ') + QString::number(id);
}

QString ClaveArbol(qint64 id)
{
    return QLatin1Char('c') + QString::number(id);
}

qint32 IdDeClaveArbol(const QString& clave)
{
    bool ok = false;
    const qint32 id = clave.mid(1).trimmed().toInt(&ok);
    return ok ? id : 0;
}
