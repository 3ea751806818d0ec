#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

namespace addins {

// The rules of the accounting stand-in for whole companies and fiscal years,
// without any window. Every change of more than one row runs in one
// transaction of its own (or of the caller's, where a member says so), so a
// failure leaves "Contabilidad.mdb" as it was.
class EmpresasContabilidad {
public:
    struct Empresa {
        qint64 id = 0;
        QString nombre;
        QString abreviatura;
        qint64 anio = 0;
        bool cerrado = false;
        qint64 anterior = 0;
        qint64 siguiente = 0;
        qint64 grupo = 0;
    };

    // The company's row; false when there is none.
    static bool Leer(db::Connection& con, qint64 id, Empresa& empresa);
    // "ABREV - 2024": how messages name a fiscal year.
    static QString Nombre(const Empresa& empresa);

    // Inside the caller's transaction: the default chart (`Predet_Cuenta`,
    // `Predet_Estructura`, `Predet_Rel_Estructura_Cuenta`) copied into the
    // company with new ids, the links following their rows; and the natures,
    // documents and account kinds the structure refers to, when missing.
    static void CopiarPlanPredeterminado(db::Connection& con, qint64 empresa);
    // Inside the caller's transaction: the chart of one company copied into
    // another with new ids (budgets left at "0").
    static void CopiarPlan(db::Connection& con, qint64 origen, qint64 destino);
    // Inside the caller's transaction: everything that hangs from the
    // company (entries and their lines, predefined entries, accounts,
    // headings and their links); the fiscal years before and after it no
    // longer name it.
    static void EliminarDependientes(db::Connection& con, qint64 empresa);

    // Closes the year in one transaction: the next year's company (year + 1,
    // the chart copied, chained by `CodEmpresaAnterior` and
    // `CodEmpresaSiguiente`) is made, or the one a former close made is used
    // again, and the year is marked closed. Its id, 0 when the year was
    // already closed or the company is gone (nothing changed).
    static qint64 CerrarEjercicio(db::Connection& con, qint64 empresa);
    // Reopens a closed year; false when it was not closed or is gone.
    // The next year's company stays, with whatever it holds.
    static bool AbrirEjercicio(db::Connection& con, qint64 empresa);
    // In one transaction: the second currency of every entry line and
    // sub-account budget of the company worked out again from the working
    // one. False (nothing changed) when the year is closed or the company gone.
    static bool RecalcularTotales(db::Connection& con, qint64 empresa, bool trabajarConPesetas);
    // In one transaction: the company's entries numbered 1, 2, … by date,
    // then by their former number (entries of one day keep their order).
    // The number of entries, or -1 (nothing changed) when the year is
    // closed or the company gone.
    static qint64 RenumerarAsientos(db::Connection& con, qint64 empresa);
    // In one transaction: the company's journal lines of sub-account
    // `origen` moved to sub-account `destino`. The number of lines moved, or
    // -1 (nothing changed) when the year is closed, the company gone or
    // either sub-account not the company's.
    static qint64 MoverApuntes(db::Connection& con, qint64 empresa, qint64 origen, qint64 destino);

    // Pesetas <-> euros by the program's rules (166,386; euros to cents).
    static double Convertir(double importe, bool aEuros);
    // A budget as the text it is stored as: "0" for none, a Spanish number
    // otherwise ("1250", "7,51").
    static QString TextoPresupuesto(double importe);
};

} // namespace addins
