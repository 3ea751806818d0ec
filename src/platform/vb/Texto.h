#pragma once

#include <QString>

// VB text functions where Qt's rules differ.
namespace vb {

// VB's trimming functions: they take off spaces only, never tabs, line ends
// or non-breaking spaces, which Qt's trimmed() would also remove.
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

// VB UCase, one character for one, so positions found in the result are
// positions of the original text.
QString UCase(const QString& texto);

// VB Mid with a 1-based start: a start below 1 or a negative length raises
// error 5; a start past the end gives "".
QString Mid(const QString& texto, int inicio, int longitud);
QString Mid(const QString& texto, int inicio);

} // namespace vb
