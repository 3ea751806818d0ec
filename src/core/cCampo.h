#pragma once

#include <QString>
#include <QtGlobal>

// One column of a node's record list: one row of table `Campo`. A plain
// record; `Ancho` holds the user's width, the rest comes from the table.
class cCampo {
public:
    QString Descripcion() const { return m_descripcion; }
    void SetDescripcion(const QString& valor) { m_descripcion = valor; }

    qint16 IDCampo() const { return m_idCampo; }
    void SetIDCampo(qint16 valor) { m_idCampo = valor; }

    // `CodNodo` of the row: the owning node.
    qint16 IDNodo() const { return m_idNodo; }
    void SetIDNodo(qint16 valor) { m_idNodo = valor; }

    // Kept for the record's shape; nothing fills or reads it.
    QString nodo() const { return m_nodo; }
    void Setnodo(const QString& valor) { m_nodo = valor; }

    QString Nombre() const { return m_nombre; }
    void SetNombre(const QString& valor) { m_nombre = valor; }

    // Width in twips.
    qint16 Ancho() const { return m_ancho; }
    void SetAncho(qint16 valor) { m_ancho = valor; }

    qint16 Orden() const { return m_orden; }
    void SetOrden(qint16 valor) { m_orden = valor; }

private:
    qint16 m_idNodo = 0;
    QString m_nodo;
    QString m_nombre;
    qint16 m_ancho = 0;
    qint16 m_orden = 0;
    qint16 m_idCampo = 0;
    QString m_descripcion;
};
