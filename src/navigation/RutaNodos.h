#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
class Recordset;
}

// The caption chains of the rows of table `Nodo`, from which every node's
// settings section is made. One reading of the table serves every walk.
class RutaNodos {
public:
    RutaNodos() = default;
    // Takes IDNodo, Nombre and CodPadre of every row of the recordset and
    // leaves it on its first row.
    explicit RutaNodos(db::Recordset& nodos);
    // Reads "SELECT * FROM Nodo".
    static RutaNodos Leer(db::Connection& conLocal);

    void Anadir(qint32 idNodo, const QString& nombre, qint32 codPadre);

    // The captions from the top-level ancestor down to the node, joined by
    // "\" ("Norvia Parvanta 2000\Vodidazaz\Mantenimiento"). The walk follows
    // CodPadre until 0; it also stops at a parent that names no row and at a
    // node met twice (a cycle), so it always ends: the chain then starts at
    // the highest node reached. An id that names no row gives "".
    QString Captions(qint32 idNodo) const;

private:
    struct Fila {
        QString nombre;
        qint32 codPadre = 0;
    };
    QHash<qint32, Fila> m_filas;
};
