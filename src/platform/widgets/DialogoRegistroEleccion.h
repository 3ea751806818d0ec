#pragma once

#include <QDialog>
#include <QString>
#include <QtGlobal>

class QPushButton;

namespace db {
class Connection;
}

namespace widgets {

class DialogoRegistroCombo;

// Asks whether a new record is one of the rows already kept (a person
// already in the census who now becomes a donor) before a new one is made:
// the rows to search, "use this one", "a new one" and "Cancelar".
class DialogoRegistroEleccion : public QDialog {
    Q_OBJECT

public:
    static constexpr qint64 Cancelada = -1;
    static constexpr qint64 Nueva = 0;

    struct Textos {
        QString titulo;     // window title
        QString pregunta;   // the question above the list
        QString etiqueta;   // label of the list
        QString usar;       // button that takes the row chosen
        QString nueva;      // button that makes a new record; empty: no such button
    };

    DialogoRegistroEleccion(db::Connection& con, const QString& consulta, const Textos& textos,
                            QWidget* parent = nullptr);

    // Runs the question through the dialog runner over the active window:
    // the key of the row chosen, Nueva, or Cancelada. Without rows to offer
    // it asks nothing and answers Nueva.
    // Without a "new" button, Nueva means there was nothing to choose.
    static qint64 Elegir(db::Connection& con, const QString& consulta, const Textos& textos);

    DialogoRegistroCombo* Lista() const { return m_lista; }
    qint64 Eleccion() const { return m_eleccion; }

    // The two buttons; "use" tells the user when no row of the list is chosen.
    void Usar();
    void CrearNueva();

private:
    DialogoRegistroCombo* m_lista;
    QString m_textoNueva;
    qint64 m_eleccion = Cancelada;
};

} // namespace widgets
