#pragma once

#include <QString>

namespace db {
class Connection;
}

// The parish lists of chosen records and the duplicate books: each asks
// its selection, then fills its work tables of "Informes.mdb" with the
// rows chosen. A cancelled selection leaves the tables empty and says
// nothing; one that finds nothing says so. Failures raise, for the viewer
// to report.
namespace informes_gestpar {

// `Tareas_Agenda`: the tasks of a range of dates whose name contains a text.
void SeleccionAgenda(db::Connection& conLocal, db::Connection& conInformes);

// `Informe_Colaboradores`: the collaborators of an institution, an
// activity, by name; ordered by activity or by group as the list prints.
void SeleccionColaboradores(db::Connection& conLocal, db::Connection& conInformes, const QString& titulo,
                            bool porActividad);

// The duplicate of one book of the sacrament the report `informe` names
// ("Duplicadas de bautismo"...): its entries in the sacrament's document
// tables, and in `orden` the sort fields, separated by ",".
void Duplicadas(db::Connection& conLocal, db::Connection& conInformes, const QString& informe, QString& orden);

} // namespace informes_gestpar
