#pragma once

#include "platform/report/Plantilla.h"
#include "platform/report/ValorFormula.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace report {

// The formulas of one print: those the template declares, with their
// default values, overridden by the control's "Nombre=valor" entries.
// Names compare without regard to letter case.
class TablaFormulas {
public:
    explicit TablaFormulas(const std::vector<DeclaracionFormula>& declaradas = {});

    // Applies the entries in order, so a later entry wins. The name runs to
    // the first "=" and is trimmed; a name the template does not declare is
    // passed over. An entry without "=" or with a value that is neither a
    // quoted text nor a number raises err::Formula.
    void Aplicar(const QStringList& entradas);

    // nullptr when the template declares no such formula.
    const ValorFormula* Buscar(const QString& nombre) const;

private:
    QHash<QString, ValorFormula> m_valores; // by case-folded name
};

} // namespace report
