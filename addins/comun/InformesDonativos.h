#pragma once

namespace db {
class Connection;
}

// The donation reports over all records that the donations stand-in fills:
// each replaces the rows of its work table of "Informes.mdb" with one read
// of the parish database and one transaction of inserts, numbering `Orden`
// in print order. Amounts are in pesetas or euros as the user works.
namespace informes_donativos {

// `Informe_Persona`: every donor, by surnames and name.
void LlenarPersonas(db::Connection& conLocal, db::Connection& conInformes);
// `Etiquetas`: the postal address of every donor, by surnames and name.
void LlenarEtiquetas(db::Connection& conLocal, db::Connection& conInformes);
// `Informe_Totales_Vodidazaz`: per institution and donation type, the
// number of donations and their amounts paid in cash, through the bank and
// in all.
void LlenarTotales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);

// `Informe_Persona_Donativo`: every receipt with its donation and donor,
// by donor and date.
void LlenarDonativosPorDonante(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);
// `Vodidazaz_Donantes`: every donation with its donor, by donor.
void LlenarDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);
// `Informe_Remesa`: the receipts of every remittance, by remittance date.
void LlenarRemesas(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);
// `Informe_Certificado_Recibo`: the receipts of every certificate number,
// with the donor, the institution and its responsible person, dated today.
void LlenarCertificados(db::Connection& conLocal, db::Connection& conInformes, bool pesetas);

// Empties one work table of the donation reports.
void Vaciar(db::Connection& conInformes, const char* tabla);

} // namespace informes_donativos
