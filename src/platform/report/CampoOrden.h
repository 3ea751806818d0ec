#pragma once

#include <QString>

#include <optional>

namespace report {

// One sort field, "+{Tabla.Campo}" (ascending) or "-{Tabla.Campo}".
struct CampoOrden {
    bool ascendente = true;
    QString tabla;
    QString campo;

    // nullopt when the text is not of that form.
    static std::optional<CampoOrden> Leer(const QString& texto);
};

} // namespace report
