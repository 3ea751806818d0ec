#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

// Draws a month-list line (" 05    09:30      Misa") or the list's header
// ("Día  Hora    Título de la tarea") as three aligned columns, so the
// header stands over its columns in any font. The line's text is not
// changed: only its drawing.
class DelegadoLineasAgenda : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Day, time and title of a line: the first two words and the rest.
    static QStringList Campos(const QString& linea);
};
