#include "platform/report/GuardaImpresion.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/report/SecuenciaImpresion.h"

#include <exception>

namespace report {

GuardaImpresion::GuardaImpresion(PVAPI::IControlInforme& control, db::Connection* conInformes, QStringList vaciar)
    : m_control(control), m_con(conInformes), m_vaciar(std::move(vaciar))
{
}

GuardaImpresion::~GuardaImpresion()
{
    try {
        LimpiarControl();
    } catch (...) {
    }
    if (m_vaciadas || !m_con)
        return;
    for (const QString& sentencia : m_vaciar) {
        try {
            m_con->Execute(sentencia);
        } catch (...) {
        }
    }
}

void GuardaImpresion::PonerFormula(int indice, const QString& formula)
{
    m_control.setFormulas(indice, formula);
    m_formulas.append(indice);
}

int GuardaImpresion::AnadirFormula(const QString& formula)
{
    const int indice = report::AnadirFormula(m_control, formula);
    m_formulas.append(indice);
    return indice;
}

void GuardaImpresion::PonerOrden(int indice, const QString& campo)
{
    m_control.setSortFields(indice, campo);
    m_orden.append(indice);
}

void GuardaImpresion::VaciarTablas()
{
    m_vaciadas = true;
    if (!m_con)
        return;
    // Every table is tried, so one failure leaves no other table full.
    std::exception_ptr primerFallo;
    for (const QString& sentencia : m_vaciar) {
        try {
            m_con->Execute(sentencia);
        } catch (...) {
            if (!primerFallo)
                primerFallo = std::current_exception();
        }
    }
    if (primerFallo)
        std::rethrow_exception(primerFallo);
}

void GuardaImpresion::LimpiarControl()
{
    for (int i : std::as_const(m_formulas))
        m_control.setFormulas(i, QString());
    for (int i : std::as_const(m_orden))
        m_control.setSortFields(i, QString());
    m_formulas.clear();
    m_orden.clear();
}

} // namespace report
