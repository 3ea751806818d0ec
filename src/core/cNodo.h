#pragma once

#include "core/Coleccion.h"
#include "core/cCampo.h"

#include <QString>
#include <QtGlobal>

using ColeccionCampos = Coleccion<cCampo>;

// One node of the navigation tree: one row of table `Nodo` with its list
// columns. A plain record filled once when the main window loads.
class cNodo {
public:
    // The node's columns in display order, keyed " " + IDCampo digits.
    ColeccionCampos& colCampo() { return m_colCampo; }
    const ColeccionCampos& colCampo() const { return m_colCampo; }

    // The Yes/No column as text: "Verdadero" or "Falso".
    QString Expandido() const { return m_expandido; }
    void SetExpandido(const QString& valor) { m_expandido = valor; }

    // Kind key ("Recibo", "LibrosBautismo"...).
    QString Descripcion() const { return m_descripcion; }
    void SetDescripcion(const QString& valor) { m_descripcion = valor; }

    // The list query, trimmed; empty when the node has no list.
    QString SQLSelect() const { return m_sqlSelect; }
    void SetSQLSelect(const QString& valor) { m_sqlSelect = valor; }

    // The node's settings section; empty for a node without columns.
    QString Path() const { return m_path; }
    void SetPath(const QString& valor) { m_path = valor; }

    // Kept for the record's shape; nothing fills or reads it.
    QString Imagen() const { return m_imagen; }
    void SetImagen(const QString& valor) { m_imagen = valor; }

    qint32 CodImagen() const { return m_codImagen; }
    void SetCodImagen(qint32 valor) { m_codImagen = valor; }

    qint32 CodPadre() const { return m_codPadre; }
    void SetCodPadre(qint32 valor) { m_codPadre = valor; }

    quint8 Nivel() const { return m_nivel; }
    void SetNivel(quint8 valor) { m_nivel = valor; }

    QString Nombre() const { return m_nombre; }
    void SetNombre(const QString& valor) { m_nombre = valor; }

    qint32 IDNodo() const { return m_idNodo; }
    void SetIDNodo(qint32 valor) { m_idNodo = valor; }

    // Kept for the record's shape; nothing fills or reads it.
    qint16 Visible() const { return m_visible; }
    void SetVisible(qint16 valor) { m_visible = valor; }

    // Caption of the level-2 ancestor; "Contabilidad" sends the node's query
    // to the accounting database.
    QString PadreDeNivel2() const { return m_padreDeNivel2; }
    void SetPadreDeNivel2(const QString& valor) { m_padreDeNivel2 = valor; }

private:
    ColeccionCampos m_colCampo;
    qint32 m_idNodo = 0;
    QString m_nombre;
    quint8 m_nivel = 0;
    qint32 m_codPadre = 0;
    qint32 m_codImagen = 0;
    QString m_imagen;
    QString m_path;
    QString m_sqlSelect;
    QString m_descripcion;
    QString m_expandido;
    qint16 m_visible = 0;
    QString m_padreDeNivel2;
};

using ColeccionNodos = Coleccion<cNodo>;
