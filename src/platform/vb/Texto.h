#pragma once

#include <QString>

// VB's trimming functions: they take off spaces only, never tabs, line ends
// or non-breaking spaces, which Qt's trimmed() would also remove.
namespace vb {

QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

} // namespace vb
