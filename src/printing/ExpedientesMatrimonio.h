#pragma once

#include "printing/ContextoImpresion.h"

#include <QString>

// The marriage file of a request in one of its formats, and the two pages
// of the marriage summary, by the edition (`cConstante::Aplicacion`): the
// parish add-in fills the marriage work tables for the request's key, and
// the edition's template prints them. The CORBELA file and attestation ask
// first for the extra data (`frmDatosGP`); a cancel prints nothing.
namespace expedientes {

enum class Documento { Formato1, Formato2, Formato3, Resumen1, Resumen2 };

// What one click prints: template, title and the extra-data kind ("" none).
struct Eleccion {
    QString plantilla;
    QString titulo;
    QString datos;
};
Eleccion Elegir(Documento documento, const QString& aplicacion);

// Errors of the add-in or of the tables reach the caller; the work tables
// are emptied and the formulas this print set cleared on every path once
// the add-in was called.
void ImprimirExpediente(const ContextoImpresion& ctx, Documento documento, const QString& strClave,
                        const QString& aplicacion);

} // namespace expedientes
