#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The lines of the month list, kept sorted (TextosAgenda::LineaAntes), each
// with its task's row id as the item data (Qt::UserRole).
class ModeloTareasMes : public QAbstractListModel {
    Q_OBJECT

public:
    struct Linea {
        QString texto;
        qint32 id = 0;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Replaces every line, sorting them unless the caller knows they come
    // in their order.
    void Llenar(QList<Linea> lineas, bool ordenadas = false);
    // Inserts after the lines that do not come after it; its row.
    int Anadir(const Linea& linea);
    void Quitar(int fila);
    const Linea& At(int fila) const { return m_lineas.at(fila); }
    // The row of the line of a task; -1 when it has none.
    int Buscar(qint32 id) const;

private:
    QList<Linea> m_lineas;
};
