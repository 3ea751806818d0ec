#pragma once

#include <QComboBox>
#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

namespace widgets {

// The editor of a reference: the rows of another table by their text, with
// a search as the user types (any part of the text, without regard to case
// or accents' letter case). Each row keeps its key.
class DialogoRegistroCombo : public QComboBox {
    Q_OBJECT

public:
    // `conVacio`: the first entry is an empty one, for "none" (key 0).
    explicit DialogoRegistroCombo(bool conVacio, QWidget* parent = nullptr);

    // Adds the rows of a query of two columns: key, text.
    void Llenar(db::Connection& con, const QString& consulta);
    void AnadirOpcion(qint64 clave, const QString& texto);

    // The key of what the box shows: 0 when empty, -1 when its text is none
    // of the rows offered.
    qint64 Clave() const;
    // Shows the row of that key; a key no row has (its row was deleted) is
    // shown as such, so that nothing is changed behind the user's back.
    void ElegirClave(qint64 clave);
    // Shows the row of that text (without regard to case); false when none has it.
    bool ElegirTexto(const QString& texto);
};

} // namespace widgets
