#pragma once

#include "comun/FiltroInforme.h"

namespace db {
class Connection;
}

// The parish lists over all records that the parish-management stand-in
// fills: each replaces the rows of its work table of "Informes.mdb" with one
// read of the parish database and one transaction of inserts, numbering
// `Orden` in print order.
namespace informes_parroquia {

// `Tareas_Agenda`: every task of the agenda, by date, start and name; or
// those of `filtro` (conditions on `Tareas`).
void LlenarAgenda(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro = {});

// `Informe_Colaboradores`: every collaborator's membership of a group, with
// the group's activity, the office and the person's data; ordered by
// activity (`porActividad`) or by group, then by surnames and name; or
// those of `filtro` (conditions on `Padron`, `Actividad`, `Grupo`).
void LlenarColaboradores(db::Connection& conLocal, db::Connection& conInformes, bool porActividad,
                         const FiltroInforme& filtro = {});

} // namespace informes_parroquia
