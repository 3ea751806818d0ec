#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace widgets {

// The editor of a date: the date typed as dd/mm/yyyy, or chosen in a
// calendar from the button beside it. It may be left empty; whether that is
// allowed, and whether the text is a date, the record decides.
class DialogoRegistroFecha : public QWidget {
    Q_OBJECT

public:
    explicit DialogoRegistroFecha(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& texto);
    void setReadOnly(bool soloLectura);
    QLineEdit* Linea() const { return m_linea; }

private:
    void MostrarCalendario();

    QLineEdit* m_linea;
    QToolButton* m_calendario;
};

} // namespace widgets
