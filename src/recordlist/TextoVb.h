#pragma once

#include <QString>

// The few VB text rules the list code depends on, where Qt's differ.
namespace textovb {

// VB UCase, one character for one, so positions found in the result are
// positions of the original text.
QString UCase(const QString& texto);

// VB Mid with a 1-based start: a negative length raises vb::VbError 5; a
// start past the end gives "".
QString Mid(const QString& texto, int inicio, int longitud);
QString Mid(const QString& texto, int inicio);

} // namespace textovb
