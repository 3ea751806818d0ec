#pragma once

// Short builders for the layout tables of EsquemaDuzediv.cpp,
// EsquemaInformes.cpp and EsquemaContabilidad.cpp, so that each column reads
// as one line: Texto("Nombre", 40).Defecto("\"\""), Clave("IDBanco"), ...

#include "schema/DefinicionEsquema.h"

#include <initializer_list>
#include <utility>

namespace esquema_p {

struct Col {
    ColumnaDef def;

    Col(const char* nombre, QString tipo) { def.nombre = QString::fromUtf8(nombre); def.tipo = std::move(tipo); }
    Col Defecto(const char* literal) const { Col c = *this; c.def.porDefecto = QString::fromUtf8(literal); return c; }
    Col Nulo() const { Col c = *this; c.def.nulo = true; return c; }
    operator ColumnaDef() const { return def; }
};

// Engine-assigned 32-bit key.
inline Col Clave(const char* n) { Col c(n, QStringLiteral("COUNTER")); c.def.claveprimaria = true; return c; }
// Key whose value the writer gives (a detail row keyed by its owner's id).
inline Col ClaveEntera(const char* n) { Col c(n, QStringLiteral("INT")); c.def.claveprimaria = true; return c; }
inline Col Texto(const char* n, int ancho) { return Col(n, QStringLiteral("NVARCHAR(%1)").arg(ancho)); }
inline Col Memo(const char* n) { return Col(n, QStringLiteral("TEXT")); }
inline Col Entero(const char* n) { return Col(n, QStringLiteral("INT")); }
inline Col Corto(const char* n) { return Col(n, QStringLiteral("SMALLINT")); }
inline Col Byte(const char* n) { return Col(n, QStringLiteral("BYTE")); }
inline Col Doble(const char* n) { return Col(n, QStringLiteral("FLOAT")); }
inline Col Moneda(const char* n) { return Col(n, QStringLiteral("CURRENCY")); }
inline Col SiNo(const char* n) { return Col(n, QStringLiteral("BIT")); }
inline Col Binario(const char* n) { return Col(n, QStringLiteral("LONGBINARY")); }
// Dates are 8-character "yyyymmdd" texts, times 4-character "hhmm" texts.
inline Col Fecha(const char* n) { return Texto(n, 8); }
inline Col Hora(const char* n) { return Texto(n, 4); }

inline TablaDef Tabla(const char* nombre, QList<ColumnaDef> columnas)
{
    TablaDef t;
    t.nombre = QString::fromUtf8(nombre);
    t.columnas = std::move(columnas);
    return t;
}

inline TablaDef Tabla(const char* nombre, std::initializer_list<ColumnaDef> columnas)
{
    return Tabla(nombre, QList<ColumnaDef>(columnas));
}

// Index named "IX_<columnas>": as in Jet, an index name only has to be unique
// within its table (the layer keeps the names apart per table).
inline IndiceDef Indice(const char* tabla, std::initializer_list<const char*> columnas, bool unico = false)
{
    IndiceDef i;
    i.tabla = QString::fromUtf8(tabla);
    QStringList partes{QStringLiteral("IX")};
    for (const char* c : columnas) {
        i.columnas << QString::fromUtf8(c);
        partes << QString::fromUtf8(c);
    }
    i.nombre = partes.join(QLatin1Char('_'));
    i.unico = unico;
    return i;
}

} // namespace esquema_p
