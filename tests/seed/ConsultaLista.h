#pragma once

#include <QString>
#include <QStringList>

// Fields of the SELECT list of a stored list query, as written (table prefix
// kept), so tests can line them up with the node's list columns.
inline QStringList CamposConsultaLista(const QString& sql)
{
    QString texto = sql;
    texto.replace(QLatin1String("\r\n"), QLatin1String(" "));
    const qsizetype desde = texto.indexOf(QLatin1String("SELECT "), 0, Qt::CaseInsensitive);
    const qsizetype hasta = texto.indexOf(QLatin1String(" FROM "), 0, Qt::CaseInsensitive);
    if (desde < 0 || hasta < desde)
        return {};
    QString lista = texto.mid(desde + 7, hasta - desde - 7).trimmed();
    if (lista.startsWith(QLatin1String("DISTINCT "), Qt::CaseInsensitive))
        lista = lista.mid(9);
    QStringList campos;
    for (const QString& campo : lista.split(QLatin1Char(',')))
        campos << campo.trimmed();
    return campos;
}

// Column part of "Tabla.Campo" (or the whole text when there is no dot).
inline QString ColumnaDe(const QString& campo)
{
    return campo.section(QLatin1Char('.'), -1);
}
