#pragma once

#include <QDialog>
#include <QtGlobal>

class QComboBox;
namespace db {
class Connection;
}

namespace addins {

// Asks for the two sub-accounts of a company between which the journal
// lines move: "cboOrigen" and "cboDestino", each line "code - description"
// with the account id as its data. Aceptar refuses the same sub-account
// twice and keeps the dialog open.
class DialogoMoverSubcuenta : public QDialog {
public:
    DialogoMoverSubcuenta(db::Connection& con, qint64 empresa, QWidget* padre = nullptr);

    // Sub-accounts offered; fewer than two leave nothing to move.
    int Subcuentas() const;
    qint64 Origen() const;
    qint64 Destino() const;
    QString Texto(bool origen) const;

private:
    void Aceptar();

    QComboBox* m_origen;
    QComboBox* m_destino;
};

} // namespace addins
