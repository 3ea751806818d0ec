#pragma once

#include "printing/ContextoImpresion.h"

#include <QString>
#include <QtGlobal>

// The user's print margins, in millimetres as text in the user's section
// "Documentos" of the settings.
namespace margenes {

// Books and entries: "20" under the top key and "25" under the left key
// when they hold no text yet.
void SembrarMargenesDocumento(const ContextoImpresion& ctx);

// The setting under `clave` (or `defecto` when there is none) in twips. A
// blank setting is 0; one that is not a number or does not fit is reported
// and taken as 0.
qint16 Margen(const ContextoImpresion& ctx, const QString& clave, const QString& defecto = {});

// The stored text under `clave`, or `defecto`.
QString LeerMargen(const ContextoImpresion& ctx, const QString& clave, const QString& defecto = {});

} // namespace margenes
