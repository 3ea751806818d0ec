#pragma once

#include "comun/DonativosKaldex.h"
#include "comun/LibrosKaldex.h"
#include "comun/RegistroTrasvase.h"

#include <QList>

class QLabel;
class QProgressBar;

namespace db {
class Connection;
}

namespace addins::importacion_kaldex {

// The add-ins' imports of the older parish program as the wizard hands them
// over: the import itself (LibrosKaldex.h, DonativosKaldex.h) under the
// hourglass, the wizard's bar and step labels driven as it goes, the
// summary and every incidence written to the log of "Log/Trasvase", and a
// closing message that says how it ended and offers to open the log.

// The sacramental books; `etiquetas` are the four sacraments' step labels,
// a sacrament without a folder is not imported.
RegistroTrasvase ImportarLibros(db::Connection& conLocal, const OpcionesLibrosKaldex& opciones, QProgressBar* barra,
                                const QList<QLabel*>& etiquetas);

// The donations, with the labels of their two steps (banks and branches,
// donors and donations).
RegistroTrasvase ImportarDonativos(db::Connection& conLocal, const OpcionesDonativosKaldex& opciones,
                                   QProgressBar* barra, QLabel* lblBancos, QLabel* lblDonantes);

} // namespace addins::importacion_kaldex
