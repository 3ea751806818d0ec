#pragma once

#include <QList>
#include <QString>
#include <QTreeWidget>

class ListaImagenes;

// A tree view whose nodes are named by key, text and picture, and counted in
// the order they were added (the "index order" the old code walks). Nodes
// keep the expansion asked for them even before they have children, so a
// parent inserted expanded stays expanded once its children arrive.
class ArbolNodos : public QTreeWidget {
    Q_OBJECT

public:
    explicit ArbolNodos(QWidget* parent = nullptr);

    // The picture list the node pictures are taken from (not owned).
    void SetImageList(const ListaImagenes* lista) { m_imagenes = lista; }
    const ListaImagenes* ImageList() const { return m_imagenes; }

    // Adds a node under the node keyed `claveRelativo` (none: top level) with
    // picture `imagen` of the picture list (0: none). A missing parent, a
    // repeated key or a picture outside the list raise vb::VbError and add
    // nothing.
    QTreeWidgetItem* Anadir(const QString& claveRelativo, const QString& clave, const QString& texto, int imagen = 0);

    // Removes a node and its descendants.
    void Eliminar(QTreeWidgetItem* nodo);
    // Removes every node (QTreeWidget::clear would leave the index order
    // pointing at deleted nodes).
    void Vaciar();

    // Nodes in index order, 1-based (positions outside raise vb::VbError).
    int Count() const { return int(m_orden.size()); }
    QTreeWidgetItem* Nodo(int indice) const;
    // The node under `clave`, or null.
    QTreeWidgetItem* PorClave(const QString& clave) const;

    static QString Clave(const QTreeWidgetItem* nodo);
    static QString Texto(const QTreeWidgetItem* nodo) { return nodo->text(0); }
    static void SetTexto(QTreeWidgetItem* nodo, const QString& texto) { nodo->setText(0, texto); }
    static int Imagen(const QTreeWidgetItem* nodo);

    bool Expandido(const QTreeWidgetItem* nodo) const;
    void SetExpandido(QTreeWidgetItem* nodo, bool expandido);

    QTreeWidgetItem* Seleccionado() const { return currentItem(); }
    void Seleccionar(QTreeWidgetItem* nodo) { setCurrentItem(nodo); }

private:
    void RecordarExpansion(QTreeWidgetItem* nodo, bool expandido);
    void QuitarDelOrden(QTreeWidgetItem* nodo);

    const ListaImagenes* m_imagenes = nullptr;
    QList<QTreeWidgetItem*> m_orden;
};
