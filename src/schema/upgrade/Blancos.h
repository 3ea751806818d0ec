#pragma once

#include <QString>

// The text without the blanks around it. Blanks are spaces only, as the old
// Trim took them: a tab or a non-breaking space is kept.
QString QuitarBlancos(const QString& texto);
