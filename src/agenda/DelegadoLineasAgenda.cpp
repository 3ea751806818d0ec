#include "agenda/DelegadoLineasAgenda.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// Where each column starts, measured in the bold font of the header so that
// both lists place them alike.
std::array<int, 3> Columnas(const QFont& fuente, int izquierda)
{
    QFont negrita = fuente;
    negrita.setBold(true);
    const QFontMetrics fm(negrita);
    const int dia = std::max(fm.horizontalAdvance(QStringLiteral("Día")), fm.horizontalAdvance(QStringLiteral("00")));
    const int hora = std::max(fm.horizontalAdvance(QStringLiteral("Hora")), fm.horizontalAdvance(QStringLiteral("00:00")));
    const int x0 = izquierda + 4;
    const int x1 = x0 + dia + 14;
    return {x0, x1, x1 + hora + 18};
}

} // namespace

QStringList DelegadoLineasAgenda::Campos(const QString& linea)
{
    QStringList campos;
    qsizetype i = 0;
    const auto saltarBlancos = [&] {
        while (i < linea.size() && linea.at(i) == u' ')
            ++i;
    };
    for (int n = 0; n < 2; ++n) {
        saltarBlancos();
        const qsizetype inicio = i;
        while (i < linea.size() && linea.at(i) != u' ')
            ++i;
        campos << linea.mid(inicio, i - inicio);
    }
    saltarBlancos();
    campos << linea.mid(i);
    return campos;
}

void DelegadoLineasAgenda::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList campos = Campos(opt.text);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* estilo = widget ? widget->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const std::array<int, 3> x = Columnas(opt.font, opt.rect.left());
    const bool seleccionada = opt.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(seleccionada ? QPalette::HighlightedText : QPalette::Text));
    for (int c = 0; c < 3; ++c) {
        const int derecha = c < 2 ? x[c + 1] - 6 : opt.rect.right() - 2;
        const QRect celda(x[c], opt.rect.top(), std::max(0, derecha - x[c]), opt.rect.height());
        painter->drawText(celda, Qt::AlignLeft | Qt::AlignVCenter,
                          opt.fontMetrics.elidedText(campos.value(c), Qt::ElideRight, celda.width()));
    }
    painter->restore();
}
