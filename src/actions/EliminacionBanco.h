#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace db {
class Connection;
}
namespace PVAPI {
class cProcesarBloqueos;
}

// The parish database's side of a bank's removal: what blocks it, what the
// question tells, the locks, and the rows that go before the banks add-in
// deletes the bank and its branches. Every statement binds the bank's id.
class EliminacionBanco {
public:
    // What still depends on the bank and must be removed by hand first, in
    // the order the checks run.
    enum class Bloqueo { Ninguno, Instituciones, Donantes, Presentadores };

    EliminacionBanco(db::Connection& conLocal, qint32 lngIDBanco);

    Bloqueo Comprobar() const;
    static QString TextoBloqueo(Bloqueo bloqueo);

    // Its name; nothing when the bank is gone.
    std::optional<QString> Nombre() const;
    qint64 ContarCuentas() const;
    static QString TextoConfirmacion(qint64 cuentas, const QString& nombre);

    // The bank's row (checked to exist), its branches, and the rows of the
    // other tables that the removal deletes or changes. A link to the
    // accounting module is named by its three columns, not by their digits
    // glued into one number, so no two links share a lock.
    void DeclararBloqueos(PVAPI::cProcesarBloqueos& bloqueos) const;

    // How many rows the cascade goes through (the progress maximum but one).
    qint64 ContarDependientes() const;
    // Inside the caller's transaction: its accounting links go, the
    // donations paid through its accounts are paid at the cash desk from
    // now on, then the receipts and remittances of its presenters, the
    // institutions' and donors' links to its accounts, and its accounts go.
    // `avance` gets the rows gone so far after each statement.
    void EliminarDependientes(const std::function<void(qint64)>& avance);

    bool Existe() const;

private:
    db::Connection& m_con;
    qint32 m_id;
};
