#pragma once

#include "comun/FiltroInforme.h"

namespace db {
class Connection;
}

// The donation reports over all records that the donations stand-in fills:
// each replaces the rows of its work table of "Informes.mdb" with one read
// of the parish database and one transaction of inserts, numbering `Orden`
// in print order. Amounts are in pesetas or euros as the user works.
namespace informes_donativos {

// `filtro` keeps only the rows it selects (a selection of the user); its
// conditions may name the tables each fill reads: `Padron` (the donor)
// everywhere, `Donativo`, `Institucion` and `Tipo_Donativo` but in the two
// donor lists, `Recibo` in the receipt lists, `Remesa` in the remittances.

// `Informe_Persona`: every donor, by surnames and name.
void LlenarPersonas(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro = {});
// `Etiquetas`: the postal address of every donor, by surnames and name.
void LlenarEtiquetas(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro = {});
// `Informe_Totales_Vodidazaz`: per institution and donation type, the
// number of donations and their amounts paid in cash, through the bank and
// in all. Its filter may name `Donativo` alone.
void LlenarTotales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                   const FiltroInforme& filtro = {});

// `Informe_Persona_Donativo`: every receipt with its donation and donor,
// by donor and date.
void LlenarDonativosPorDonante(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                               const FiltroInforme& filtro = {});
// `Vodidazaz_Donantes`: every donation with its donor, by donor.
void LlenarDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                               const FiltroInforme& filtro = {});
// `Informe_Remesa`: the receipts of every remittance, by remittance date.
void LlenarRemesas(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                   const FiltroInforme& filtro = {});
// `Informe_Certificado_Recibo`: the receipts of every certificate number,
// with the donor, the institution and its responsible person, dated today.
void LlenarCertificados(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                        const FiltroInforme& filtro = {});

// Empties one work table of the donation reports.
void Vaciar(db::Connection& conInformes, const char* tabla);

} // namespace informes_donativos
