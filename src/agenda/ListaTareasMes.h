#pragma once

#include "agenda/ModeloTareasMes.h"

#include <QListView>

// The month list (`lstTareas`): one sorted line per task of the month, with
// the task's row id as the line's data. Lines are found by that id.
class ListaTareasMes : public QListView {
    Q_OBJECT

public:
    explicit ListaTareasMes(QWidget* parent = nullptr);

    // `ordenadas`: the lines come in their order already.
    void Llenar(QList<ModeloTareasMes::Linea> lineas, bool ordenadas = false);
    void Limpiar() { Llenar({}); }
    // Adds a line in its sorted place; its index.
    int AddItem(const QString& texto, qint32 id);
    void RemoveItem(int index);
    // Gives the task's line a new text, in its sorted place; the line stays
    // current if it was. False when the task has no line.
    bool CambiarLinea(qint32 id, const QString& texto);
    // The index of the task's line; -1 when it has none.
    int Buscar(qint32 id) const { return m_modelo->Buscar(id); }

    int ListCount() const { return m_modelo->rowCount(); }
    QString List(int index) const { return m_modelo->At(index).texto; }
    qint32 ItemData(int index) const { return m_modelo->At(index).id; }
    // The current line; -1 when none.
    int ListIndex() const;
    void SetListIndex(int index);

signals:
    void DblClick();
    // The Delete key on the current line. With no current line the key
    // goes on as any other.
    void Suprimir();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ModeloTareasMes* m_modelo;
};
