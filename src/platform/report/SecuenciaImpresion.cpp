#include "platform/report/SecuenciaImpresion.h"

#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"

namespace report {

namespace {

constexpr double kTwipsPorMilimetro = 56.7;
constexpr long kErrSubindice = 9;

} // namespace

std::optional<qint16> ConvertirMargen(const QString& milimetros)
{
    try {
        return vb::CInt(vb::CDblEs(milimetros) * kTwipsPorMilimetro);
    } catch (const vb::VbError&) {
        return std::nullopt;
    }
}

qint16 MargenEnTwips(const QString& milimetros)
{
    if (milimetros.trimmed().isEmpty())
        return 0;
    if (const auto twips = ConvertirMargen(milimetros))
        return *twips;
    ui::MsgBox(QStringLiteral("El margen guardado «%1» no es un número de milímetros válido.\n"
                              "El documento se imprime con margen 0; puede corregirlo en las opciones de márgenes.")
                   .arg(milimetros),
               ui::vbOKOnly + ui::vbExclamation);
    return 0;
}

int PrimeraFormulaLibre(const PVAPI::IControlInforme& control)
{
    for (int i = kPrimeraFormulaLista; i <= kUltimaFormulaLista; ++i) {
        if (control.Formulas(i).isEmpty())
            return i;
    }
    return 0;
}

int AnadirFormula(PVAPI::IControlInforme& control, const QString& formula)
{
    const int i = PrimeraFormulaLibre(control);
    if (i == 0)
        throw vb::VbError(kErrSubindice, QStringLiteral("Subíndice fuera del intervalo"));
    control.setFormulas(i, formula);
    return i;
}

void VaciarFormulasDesdeUno(PVAPI::IControlInforme& control)
{
    for (int i = kPrimeraFormulaLista; i <= kUltimaFormulaLista; ++i) {
        if (control.Formulas(i).isEmpty())
            return;
        control.setFormulas(i, QString());
    }
}

bool InformarErrorMotor(PVAPI::IControlInforme& control, const PVAPI::cDuzediv& duzediv)
{
    if (control.LastErrorNumber() == 0)
        return false;
    duzediv.VerErrorCrystal(control);
    control.setLastErrorNumber(0);
    control.setLastErrorString(QString());
    return true;
}

} // namespace report
