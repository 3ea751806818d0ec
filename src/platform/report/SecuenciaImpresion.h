#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace PVAPI {
class IControlInforme;
class cDuzediv;
}

// The steps every print repeats around the report control: margins,
// formula entries, the engine's error.
namespace report {

inline constexpr int kPrimeraFormulaLista = 1;
inline constexpr int kUltimaFormulaLista = 75;

// A margin setting in millimetres, written as a Spanish number ("12,5"), in
// twips: times 56.7, halves to the even twip. nullopt when the text is not
// a number or the twips do not fit 16 bits.
std::optional<qint16> ConvertirMargen(const QString& milimetros);

// The same for a print. A blank setting is 0; one that cannot be converted
// is reported to the user and taken as 0, never as the previous print's
// margin.
qint16 MargenEnTwips(const QString& milimetros);

// The first empty formula entry from 1 to 75; 0 when all are taken.
int PrimeraFormulaLibre(const PVAPI::IControlInforme& control);

// Writes `formula` into the first empty entry from 1 to 75 and returns it;
// error 9 when none is free.
int AnadirFormula(PVAPI::IControlInforme& control, const QString& formula);

// Empties the entries from 1 up to the first empty one: the list reports
// fill them from 1 without gaps.
void VaciarFormulasDesdeUno(PVAPI::IControlInforme& control);

// After a print: when the engine failed, shows its error (VerErrorCrystal)
// and sets the last error back to 0 and "", so the next print starts clean.
// Returns whether there was an error.
bool InformarErrorMotor(PVAPI::IControlInforme& control, const PVAPI::cDuzediv& duzediv);

} // namespace report
