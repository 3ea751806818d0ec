#pragma once

#include <QString>

namespace db {
class Connection;
}

// The donation reports of chosen records ("Seleccionar"): each asks its
// selection, then fills its work table of "Informes.mdb" with the rows
// selected, through the same fill as the report of all records. A
// cancelled selection leaves the work table empty and says nothing (the
// viewer then prints nothing); a selection that finds nothing says so.
// Failures raise, for the viewer to report.
namespace seleccion_donativos {

void Personas(db::Connection& conLocal, db::Connection& conInformes);
void Etiquetas(db::Connection& conLocal, db::Connection& conInformes);
void DonativosPorDonante(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);
// "Donantes con donativo" and "Vodidazaz con donante" share their table.
void DonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                         const QString& titulo);
void Remesas(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);
void Totales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);

// Certificates: whole certificates whose receipts meet the selection; with
// `etiquetas` asked, `Etiquetas` gets their donors too. `cancelar` comes
// back set when the user cancelled; `plantilla` names the template.
void Certificados(db::Connection& conLocal, db::Connection& conInformes, bool pesetas, bool& cancelar,
                  QString& plantilla, bool& etiquetas);

// Unpaid donations: the database keeps no returned receipts, so the table
// stays empty and the user is told why.
void Impagados(db::Connection& conInformes);

} // namespace seleccion_donativos
