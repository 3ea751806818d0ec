#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace PVAPI {

// The state of a list or drop-down list as the list fillers and the import
// wizard drive it: lines with their text, item data and selection mark, the
// current line (`ListIndex`, -1 for none) and the enabled state. A window
// shows it; the fillers and the tests work on it alone.
class ListaControl {
public:
    void Clear();
    void AddItem(const QString& texto);
    int ListCount() const { return int(m_lineas.size()); }

    QString List(int i) const;
    qint32 ItemData(int i) const;
    void setItemData(int i, qint32 valor);
    bool Selected(int i) const;
    void setSelected(int i, bool marcado);
    int SelCount() const;

    int ListIndex() const { return m_listIndex; }
    // -1 leaves no current line; an index outside the list raises error 380
    // ("El valor de la propiedad no es válido"), as the list controls did.
    // In a single-selection list the current line is the marked one.
    void setListIndex(int i);
    // The text of the current line; "" without one.
    QString Text() const;
    // The line whose item data is `valor`; -1 when none.
    int IndiceDe(qint32 valor) const;

    bool Enabled = true;
    // Lines may be marked independently of the current line.
    bool MultiSelect = false;

private:
    struct Linea {
        QString texto;
        qint32 itemData = 0;
        bool marcada = false;
    };
    const Linea& linea(int i) const;
    QList<Linea> m_lineas;
    int m_listIndex = -1;
};

} // namespace PVAPI
