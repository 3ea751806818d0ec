#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

namespace report {

// The tables and columns of the report database, so that names written in
// a template or a sort field are checked before they are quoted into SQL.
class Catalogo {
public:
    explicit Catalogo(db::Connection& con);

    // The table's name as the database spells it; err::TablaDesconocida
    // when there is none (letter case ignored).
    QString tabla(const QString& nombre) const;
    // The column's name as the table spells it; err::CampoDesconocido.
    QString columna(const QString& tabla, const QString& nombre);

    // A checked name in brackets, ready for Jet SQL.
    static QString Citar(const QString& nombre);

private:
    const QHash<QString, QString>& columnas(const QString& tabla);

    db::Connection& m_con;
    QHash<QString, QString> m_tablas;                   // case-folded -> spelling
    QHash<QString, QHash<QString, QString>> m_columnas; // table spelling -> columns
};

} // namespace report
