#pragma once

#include <QString>
#include <optional>

class EjecucionTolerante;

// An institution's name taken apart into the type word before its first
// blank ("Parroquia") and the rest ("San Juan"), as receipts print them.
struct NombreInstitucion {
    QString tipo;
    QString nombre;
};

// The widths of InstitucionTipo and InstitucionNombre.
inline constexpr int kAnchoInstitucionTipo = 16;
inline constexpr int kAnchoInstitucionNombre = 33;

// What a row's `Nombre` splits into, or nothing when the row is to be left as
// it is: its name has no value, its stored parts already join to the name
// (exact comparison), or a part would not fit its column. Blanks are spaces
// only. `tipoActual` and `nombreActual` are the stored parts ("" for Null).
std::optional<NombreInstitucion> DividirNombreInstitucion(const std::optional<QString>& nombre,
                                                          const QString& tipoActual, const QString& nombreActual);

// Splits every institution's name into InstitucionTipo and
// InstitucionNombre, one bound UPDATE per row that changes. A failing query
// or update is passed over like the other statements of the step.
void DividirNombresInstituciones(EjecucionTolerante& ejecucion);
