#pragma once

#include "core/AjustesUsuario.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

class ArbolNodos;
class ListaImagenes;
namespace db {
class Connection;
}

// The report tree of the viewer, built from table `Informe` and the user's
// settings, and its expansion state saved back at closing. The rows read at
// the load are kept: the state saved is this workstation's, never re-read
// from the shared table another workstation may have written meanwhile.
class ArbolInformes {
public:
    struct Fila {
        qint32 id = 0;
        qint32 codPadre = 0;
        QString nombre;
        qint32 nivel = 0;
        qint32 codImagen = 0;
        bool expandido = false;
        // Captions from the first-level ancestor down, joined by "\".
        QString ruta;
    };

    ArbolInformes(db::Connection& conLocal, AjustesUsuario ajustes, QString rutaImagenes);

    // Reads the rows, takes each node's state from its setting "Expandido"
    // ("1" expanded; anything else, or none, collapsed, and stored as "0"),
    // writes the states that changed into `Informe` (bound, one
    // transaction), then fills the picture list and the tree in the order
    // of Nivel and IDInforme. A row whose parent is not in the tree is left
    // out with its descendants; a picture that cannot be read takes its
    // place as an empty one, so every node keeps its own picture.
    // Failures raise (vb::VbError); the caller reports them.
    void Cargar(ArbolNodos& arbol, ListaImagenes& imagenes);

    // Saves the state of every row: a node of the tree gives its own state;
    // a row left out of the tree (an absent add-in's branch) keeps what the
    // load gave it. Writes the column (bound, one transaction, only changed
    // rows) and the settings "1"/"0" under each row's path, in one batch.
    void GuardaConfigTvInformes(const ArbolNodos& arbol);

    const QList<Fila>& Filas() const { return m_filas; }

private:
    void LeerFilas();
    void EscribirColumna(const QList<QPair<qint32, bool>>& cambios);

    db::Connection& m_con;
    AjustesUsuario m_ajustes;
    QString m_rutaImagenes;
    QList<Fila> m_filas;
    // What the column holds now, by row id, as this workstation wrote it.
    QHash<qint32, bool> m_columna;
};
