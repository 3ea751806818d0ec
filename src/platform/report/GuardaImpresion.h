#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace PVAPI {
class IControlInforme;
}
namespace db {
class Connection;
}

namespace report {

// Holds what one print puts on the shared report control and into the work
// tables, and takes it away again on every path, an exception included: the
// formula and sort entries set through it go back to "", and the work
// tables are emptied by the given statements (fixed Jet SQL on the report
// connection). Call VaciarTablas where the print's own order empties them,
// so that a failure there is reported; the destructor only repeats what was
// not done, and passes over failures, as nothing can be reported from it.
class GuardaImpresion {
public:
    GuardaImpresion(PVAPI::IControlInforme& control, db::Connection* conInformes = nullptr,
                    QStringList vaciar = {});
    ~GuardaImpresion();
    GuardaImpresion(const GuardaImpresion&) = delete;
    GuardaImpresion& operator=(const GuardaImpresion&) = delete;

    // A formula in a given entry, or in the first free one from 1 to 75
    // (returned).
    void PonerFormula(int indice, const QString& formula);
    int AnadirFormula(const QString& formula);
    void PonerOrden(int indice, const QString& campo);

    // Empties the work tables now; the first failure raises.
    void VaciarTablas();
    // Clears the formulas and sort fields set so far.
    void LimpiarControl();

private:
    PVAPI::IControlInforme& m_control;
    db::Connection* m_con;
    QStringList m_vaciar;
    bool m_vaciadas = false;
    QList<int> m_formulas;
    QList<int> m_orden;
};

} // namespace report
