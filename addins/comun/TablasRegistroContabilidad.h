#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QtGlobal>

#include <memory>

class cConfigContabilidad;

namespace addins {

// The record tables of the accounting stand-in, on "Contabilidad.mdb".
// Tables whose choices depend on the company (the accounts an entry line may
// use) are made for that company at each call; its id is a number of ours,
// never a text typed by a user.
class TablasRegistroContabilidad {
public:
    // A company; a new one gets the default chart in the same write.
    static std::shared_ptr<const widgets::DefinicionRegistro> Empresa(bool nueva);
    static std::shared_ptr<const widgets::DefinicionRegistro> Grupo();
    // An account (kind 1) or a sub-account (kind 2) of the company.
    static std::shared_ptr<const widgets::DefinicionRegistro> Cuenta(qint64 empresa, int tipo);
    // A heading of the structure of the company.
    static std::shared_ptr<const widgets::DefinicionRegistro> Epigrafe(qint64 empresa, qint64 documento,
                                                                       qint64 naturaleza);
    // A journal entry with its lines; never written without a line, nor
    // into a closed year.
    static std::shared_ptr<const widgets::DefinicionRegistro> Asiento(qint64 empresa);
    // A predefined entry with its lines; never written without a line.
    static std::shared_ptr<const widgets::DefinicionRegistro> AsientoPredefinido(qint64 empresa);
    // The budget of a sub-account (texts, "0" = none).
    static std::shared_ptr<const widgets::DefinicionRegistro> Presupuesto();

    // The working currency of the accounting record and the program's rules.
    static widgets::MonedaRegistro Moneda(const cConfigContabilidad& objConfig);
    // The column that holds the amounts of the working currency.
    static QString ColumnaDebe(bool pesetas);
    static QString ColumnaHaber(bool pesetas);
    // The year of the company is closed (or the company is gone).
    static bool EjercicioCerrado(db::Connection& con, qint64 empresa);
};

} // namespace addins
