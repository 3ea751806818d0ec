#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;

namespace db {
class Connection;
}

// The marriage file of format 3 prints only the parts the user picks: the
// file handled in the parish, sent to the curia, or sent to the curia before
// the wedding. The parish stand-in asks for them in a small dialog of its
// own, for the blank form and for a request's file alike.
namespace expediente_formato3 {

struct Partes {
    bool tramitaParroquia = false;
    bool enviaCuria = false;
    bool enviaCuriaAntes = false;
};

// Three check boxes ("chkTramitaParroquia", "chkEnviaCuria",
// "chkEnviaCuriaAntes"), "Aceptar" ("cmdAceptar") and "Cancelar". Accepting
// with nothing marked is refused with a message: a file of no parts would
// print nothing, which the caller takes as a cancel.
class DialogoPartes : public QDialog {
    Q_OBJECT

public:
    explicit DialogoPartes(QWidget* parent = nullptr);

    Partes Elegidas() const;
    // The "Aceptar" button; true when the dialog was accepted.
    bool Aceptar();

private:
    QCheckBox* m_tramita;
    QCheckBox* m_curia;
    QCheckBox* m_curiaAntes;
};

// Shows the dialog through the dialog runner; nothing when cancelled.
std::optional<Partes> PedirPartes();

// A request's file: the parts are asked first, then the request's marriage
// data are copied into the marriage work tables. A cancel copies nothing
// and gives every part false.
void LlenarExpediente(db::Connection& conLocal, db::Connection& conInformes, const QString& strClave,
                      bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes);

} // namespace expediente_formato3
