#pragma once

#include "platform/addins/TiposComplemento.h"

#include <QDate>
#include <QDialog>

namespace db {
class Connection;
}
namespace widgets {
class DialogoRegistroFecha;
}

// The cash receipts to print from "Recibos por caja": the donations
// stand-in asks for the days they were issued (today, unless the user
// changes it) and hands over the receipts of those days that are not paid
// through the bank; the program prints them.
namespace recibos_caja {

// The cash receipts dated from `desde` to `hasta`, both included, by date
// and number.
addins::ColeccionRecibos RecibosEntre(db::Connection& conLocal, const QDate& desde, const QDate& hasta);

// "Desde" ("txtDesde") and "Hasta" ("txtHasta") dates, "Aceptar"
// ("cmdAceptar") and "Cancelar". Accepting refuses, with a message and the
// focus on the box, a date that is no date, a range that ends before it
// begins and days without cash receipts; the dialog stays open.
class DialogoRecibosCaja : public QDialog {
    Q_OBJECT

public:
    explicit DialogoRecibosCaja(db::Connection& conLocal, QWidget* parent = nullptr);

    bool Aceptar();
    const addins::ColeccionRecibos& Recibos() const { return m_recibos; }

private:
    db::Connection& m_con;
    widgets::DialogoRegistroFecha* m_desde;
    widgets::DialogoRegistroFecha* m_hasta;
    addins::ColeccionRecibos m_recibos;
};

// Shows the dialog through the dialog runner; no receipts when cancelled.
addins::ColeccionRecibos Elegir(db::Connection& conLocal);

} // namespace recibos_caja
