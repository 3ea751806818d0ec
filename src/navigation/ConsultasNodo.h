#pragma once

#include "core/cNodo.h"

#include <QString>
#include <QtGlobal>

struct AjustesUsuario;
struct EstadoPrincipal;
namespace db {
class Connection;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// The stored queries of the lists that depend on this workstation's choices:
// the five accounting lists of the selected company ("Asientos", "Asientos
// predefinidos", "Cuentas", "SubCuentas", "Presupuesto") and the lists that
// show amounts in the working currency ("Asientos", "Presupuesto", "Recibos
// por caja", "Remesas"). `Nodo` is shared by every workstation while the
// company and the currency are per user, so the model is rebuilt from this
// workstation's choices at load; `Nodo` is written when the user changes
// them. Lines end in CR LF as stored; each writer keeps its own text.
namespace ConsultasNodo {

// The texts of the currency switch; the two accounting ones for company
// `empresa` (0: none selected).
QString Asientos(bool pesetas, qint32 empresa);
QString Presupuesto(bool pesetas, qint32 empresa);
QString RecibosCaja(bool pesetas);
QString Remesas(bool pesetas);

// The text the company selection gives the accounting list `nombre` for
// company `empresa`; "" for any other list.
QString DeEmpresa(const QString& nombre, qint32 empresa, bool pesetas);

// The node is one of the five accounting lists of the selected company.
bool DependeDeEmpresa(const cNodo& nodo);

// Points the five accounting lists at company `empresa` in the accounting
// currency: in `Nodo` in one transaction with bound values, then in the
// model.
void ApuntarAEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal, qint32 empresa, bool pesetas);

// No company is selected: the five lists lose their query (a single blank in
// `Nodo`, empty in the model).
void VaciarEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal);

// Rebuilds, in the model only, the five accounting lists for `empresa` (none
// when 0) and the two donation lists for their currency, whatever another
// workstation last stored in `Nodo`.
void AjustarAlPuesto(ColeccionNodos& gcolNodo, qint32 empresa, bool contabilidadEnPesetas, bool donativosEnPesetas);

// Rewrites the four lists' queries for the currency: in `Nodo` first, in one
// transaction with bound values, then in the node model `gcolNodo`; then the
// two currency flags (of the shared configuration and of the accounting
// configuration) and the two per-user currency settings ("1" pesetas,
// "0" euros). The accounting queries take the company selected now.
//
// A failure of the table leaves everything as it was: the transaction is
// rolled back and the model, flags and settings are not touched. The
// settings come last, so a failure to write them (outside a batch) leaves
// the model and the flags agreeing with the table; the main window writes
// the flags back to the settings when it closes.
void CambiarMoneda(bool pesetas, EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                   db::Connection& conLocal, const AjustesUsuario& ajustes);

} // namespace ConsultasNodo

// The system's two entry points of the currency switch.
void ActualizarSQLPesetas(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                          db::Connection& conLocal, const AjustesUsuario& ajustes);
void ActualizarSQLEuros(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                        db::Connection& conLocal, const AjustesUsuario& ajustes);
