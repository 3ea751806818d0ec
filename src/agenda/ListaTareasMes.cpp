#include "agenda/ListaTareasMes.h"

#include <QKeyEvent>

ListaTareasMes::ListaTareasMes(QWidget* parent) : QListView(parent), m_modelo(new ModeloTareasMes(this))
{
    setModel(m_modelo);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit DblClick();
    });
}

void ListaTareasMes::Llenar(QList<ModeloTareasMes::Linea> lineas, bool ordenadas)
{
    m_modelo->Llenar(std::move(lineas), ordenadas);
}

int ListaTareasMes::AddItem(const QString& texto, qint32 id)
{
    return m_modelo->Anadir({texto, id});
}

void ListaTareasMes::RemoveItem(int index)
{
    m_modelo->Quitar(index);
}

bool ListaTareasMes::CambiarLinea(qint32 id, const QString& texto)
{
    const int fila = m_modelo->Buscar(id);
    if (fila < 0)
        return false;
    const bool actual = ListIndex() == fila;
    m_modelo->Quitar(fila);
    const int nueva = m_modelo->Anadir({texto, id});
    if (actual)
        SetListIndex(nueva);
    return true;
}

int ListaTareasMes::ListIndex() const
{
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.row() : -1;
}

void ListaTareasMes::SetListIndex(int index)
{
    setCurrentIndex(index < 0 ? QModelIndex() : m_modelo->index(index));
}

void ListaTareasMes::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && ListIndex() != -1) {
        emit Suprimir();
        return;
    }
    QListView::keyPressEvent(event);
}
