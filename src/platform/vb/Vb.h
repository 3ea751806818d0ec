#pragma once

#include <QString>
#include <QtGlobal>

// VB runtime conversions whose exact results the stored data depends on.
namespace vb {

// VB Val: reads the leading number of a text with "." as the decimal point,
// whatever the regional settings. Blanks, tabs and line feeds are skipped
// anywhere; an optional sign, digits, "." and an exponent ("E" or "D", with
// optional sign) are read up to the first character that does not fit.
// "&H" (hex) and "&O" / "&" (octal) prefixes give 16-bit values when they fit
// ("&HFFFF" is -1), 32-bit ones otherwise. No number gives 0. Throws
// ErrOverflow when the value does not fit a double.
double Val(const QString& text);

// Nearest whole number, halves to the even neighbour (VB's rounding for
// CInt, CLng and Currency).
double RoundHalfEven(double value);

// VB CInt / CLng: round halves to even, then throw ErrOverflow when the result
// does not fit 16 / 32 bits (NaN and infinities overflow too).
qint16 CInt(double value);
qint32 CLng(double value);

// VB IsNumeric under the Spanish regional settings the program requires
// ("," decimal, "." thousands). Accepted, with blanks around:
//  - an optional leading "+" or "-";
//  - digits, where "." may follow any digit of the whole part ("1.234",
//    "1.2.3" and "12." are numbers; ".5" and "1..2" are not);
//  - an optional "," and decimal digits (",5" is a number, "," alone is not);
//  - an optional exponent "E"/"e"/"D"/"d" with an optional sign and digits;
//  - or a whole "&H" hex / "&O" octal number.
// Currency symbols, parentheses and trailing signs are not accepted.
bool IsNumeric(const QString& text);

// Regional text to double under the rules of IsNumeric. Throws
// ErrTypeMismatch when the text is not a number and ErrOverflow when it does
// not fit a double.
double CDblEs(const QString& text);

} // namespace vb
