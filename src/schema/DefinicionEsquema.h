#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Machine-readable description of a database layout: the tables with their
// columns as the Jet DDL declares them, and the indexes. The layout code
// creates databases from it, and the tests compare an open database with it
// (a fresh one, or one the upgrade has brought to the current version).

struct ColumnaDef {
    QString nombre;
    // Jet type as the DDL writes it: "NVARCHAR(40)", "TEXT" (memo), "INT",
    // "SMALLINT", "BYTE", "FLOAT", "CURRENCY", "BIT", "COUNTER", "LONGBINARY".
    QString tipo;
    bool claveprimaria = false;
    bool nulo = false;       // an explicit NULL in the type clause
    QString porDefecto;      // Jet literal after DEFAULT ("\"\"", "0", "False"); empty = none
};

struct IndiceDef {
    QString nombre;
    QString tabla;
    QStringList columnas;
    bool unico = false;
};

struct TablaDef {
    QString nombre;
    QList<ColumnaDef> columnas;

    const ColumnaDef* columna(const QString& nombreColumna) const;
};

struct EsquemaDef {
    QString version;     // stored in Informacion.Version; empty when the database keeps none
    QList<TablaDef> tablas;
    QList<IndiceDef> indices;

    const TablaDef* tabla(const QString& nombreTabla) const;
};
