#pragma once

#include "platform/addins/TiposComplemento.h"

#include <QList>
#include <QSet>
#include <QString>

#include <array>

class QLabel;
class QProgressBar;

namespace db {
class Connection;
}

namespace addins::trasvase_version_anterior {

// The donations of a database of the previous version ("DUZEDIV.MDB" of the
// folder, one of this program's own files at the same or an older layout
// version), brought into the open parish database in two runs of the import
// wizard: the check reads the old file read-only and leaves in the eleven
// collections the rows that can be transferred, the transfer copies exactly
// those rows with new ids.
//
// What each collection holds (the wizard keeps them without looking inside,
// except the institutions): collections 1 to 9 one selection each, in the
// order of the check's steps: the institutions' bank links, banks, bank
// branches, bank accounts, presenters, donors, donations, receipts and
// remittances; collection 10 the institutions; collection 11 the checked
// file and the selections of the donation types, the donors' bank links and
// the presenters' institutions.
struct SeleccionTrasvase {
    QString tabla;      // the old table
    QSet<qint64> ids;   // its keys that passed the check
    QString ruta;       // collection 11 only: the file that was checked
};

struct ColeccionesTrasvase {
    std::array<ColeccionTrasvase*, 9> tablas {}; // collections 1 to 9
    ColeccionInstituciones* instituciones = nullptr;
    ColeccionTrasvase* once = nullptr;
};

// What the wizard's ImportarDuzediv1 answers. Mode 0, the check: "ERRORBD"
// when the folder holds no database that can be read (told first), "ERROR"
// when the check could not be made (told first), the path of the incidences
// file, or "" when there is none. Mode 1, the transfer: the path of its log
// in "Log/Trasvase"; "ERROR" (told first) when nothing could be
// transferred. Each part of the transfer runs in its own transaction: a part
// that fails is rolled back alone, and told, and what depends on it is left
// out. `etiquetas` are the step labels of the wizard's page (nine for the
// check, six for the transfer).
QString ImportarVersionAnterior(db::Connection& conLocal, const QString& carpeta, int modo,
                                const QList<QLabel*>& etiquetas, QProgressBar* barra,
                                const ColeccionesTrasvase& colecciones);

} // namespace addins::trasvase_version_anterior
