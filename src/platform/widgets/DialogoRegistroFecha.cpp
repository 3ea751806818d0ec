#include "platform/widgets/DialogoRegistroFecha.h"

#include "platform/vb/Fechas.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

namespace widgets {

DialogoRegistroFecha::DialogoRegistroFecha(QWidget* parent)
    : QWidget(parent), m_linea(new QLineEdit(this)), m_calendario(new QToolButton(this))
{
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(2);
    m_linea->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    m_linea->setMinimumWidth(m_linea->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    m_linea->setMaximumWidth(m_linea->minimumWidth() + 24);
    m_calendario->setText(QStringLiteral("…"));
    m_calendario->setToolTip(QStringLiteral("Elegir la fecha en el calendario"));
    // The calendar is for the mouse; the keyboard goes from date to date.
    m_calendario->setFocusPolicy(Qt::NoFocus);
    fila->addWidget(m_linea);
    fila->addWidget(m_calendario);
    fila->addStretch();
    setFocusProxy(m_linea);
    connect(m_calendario, &QToolButton::clicked, this, &DialogoRegistroFecha::MostrarCalendario);
}

QString DialogoRegistroFecha::text() const
{
    return m_linea->text();
}

void DialogoRegistroFecha::setText(const QString& texto)
{
    m_linea->setText(texto);
}

void DialogoRegistroFecha::setReadOnly(bool soloLectura)
{
    m_linea->setReadOnly(soloLectura);
    m_calendario->setEnabled(!soloLectura);
}

void DialogoRegistroFecha::MostrarCalendario()
{
    QMenu menu(this);
    auto* calendario = new QCalendarWidget(&menu);
    // Spanish and Monday first, whatever the desktop's language.
    calendario->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    calendario->setFirstDayOfWeek(Qt::Monday);
    const QDate actual = vb::FechaADate(m_linea->text());
    calendario->setSelectedDate(actual.isValid() ? actual : QDate::currentDate());
    auto* accion = new QWidgetAction(&menu);
    accion->setDefaultWidget(calendario);
    menu.addAction(accion);
    connect(calendario, &QCalendarWidget::activated, &menu, [this, &menu](const QDate& fecha) {
        m_linea->setText(vb::DateAFecha(fecha));
        menu.close();
    });
    connect(calendario, &QCalendarWidget::clicked, &menu, [this, &menu](const QDate& fecha) {
        m_linea->setText(vb::DateAFecha(fecha));
        menu.close();
    });
    menu.exec(m_calendario->mapToGlobal(QPoint(0, m_calendario->height())));
    m_linea->setFocus();
}

} // namespace widgets
