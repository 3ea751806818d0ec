#pragma once

namespace db {
class Connection;
}

// The parish lists over all records that the parish-management stand-in
// fills: each replaces the rows of its work table of "Informes.mdb" with one
// read of the parish database and one transaction of inserts, numbering
// `Orden` in print order.
namespace informes_parroquia {

// `Tareas_Agenda`: every task of the agenda, by date, start and name.
void LlenarAgenda(db::Connection& conLocal, db::Connection& conInformes);

// `Informe_Colaboradores`: every collaborator's membership of a group, with
// the group's activity, the office and the person's data; ordered by
// activity (`porActividad`) or by group, then by surnames and name.
void LlenarColaboradores(db::Connection& conLocal, db::Connection& conInformes, bool porActividad);

} // namespace informes_parroquia
