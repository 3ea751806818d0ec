#pragma once

#include <QString>

namespace vb {

// VB Format of a number with a digit pattern, under the Spanish regional
// settings ("." thousands, "," decimals). The pattern is read as
//   [literal prefix] integer-part ["." decimal-part] [literal suffix]
// where the integer part holds "0" (digit always shown) and "#" (digit shown
// when significant) and a "," anywhere in it asks for thousands separators;
// the decimal part holds "0" (always shown) and "#" (shown when not a
// trailing zero). Examples: "##,##0", "##,##0.00", "###", "0", "0.00".
// The value is first written with 15 significant digits, like VB does, and
// rounded on that decimal form with halves away from zero, so 2.675 with
// "0.00" gives "2,68". A value that rounds to zero loses its sign, and with
// only "#" in the integer part a zero whole part is not written (VB's "###"
// gives "" for 0). A pattern without placeholders gives CStrDouble(value)
// when empty and the pattern itself otherwise.
QString FormatNumber(double value, const QString& pattern);

// VB CStr of a double under the Spanish regional settings: up to 15
// significant digits, "," decimal, no thousands separator, exponent form
// "1E+16" / "1E-05" for magnitudes of 1e15 and above or below 1e-4.
QString CStrDouble(double value);

} // namespace vb
