#pragma once

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

// The working currency of the lists that show amounts: the journal entries
// and the budget of the accounting side, the cash receipts and the bank
// remittances of the donations side. Each of these lists selects either the
// peseta or the euro column of its amounts.
namespace ConsultasMoneda {

// The list queries in the currency asked for; the two accounting ones for
// company `empresa` (0: none selected). Lines end in CR LF as stored.
QString Asientos(bool pesetas, qint32 empresa);
QString Presupuesto(bool pesetas, qint32 empresa);
QString RecibosCaja(bool pesetas);
QString Remesas(bool pesetas);

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
void Cambiar(bool pesetas, EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
             db::Connection& conLocal, const AjustesUsuario& ajustes);

} // namespace ConsultasMoneda

// The system's two entry points of the switch.
void ActualizarSQLPesetas(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                          db::Connection& conLocal, const AjustesUsuario& ajustes);
void ActualizarSQLEuros(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                        db::Connection& conLocal, const AjustesUsuario& ajustes);
