#pragma once

#include <QList>
#include <QString>

// The steps (numbers of PasosVersion) an edition's parish databases go
// through, in order; empty for an edition without a path (the build's own,
// TUREL, or a code that is no edition). `aplicacion` is the edition code as
// cConstante::Aplicacion gives it; it is compared for exact equality with the
// edition codes in the order VALDENA, GENERAL, LOSARA, CORBELA, BRINDEL,
// OSTRAVE, MIRANTE, TUREL.
QList<int> RutaActualizacion(const QString& aplicacion);
