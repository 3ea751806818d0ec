#pragma once

// Types that the add-in interfaces take from the rest of the program. Only
// declared here: the interfaces pass them by reference, so the platform layer
// needs none of their definitions (and nothing above it).

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>
#include <memory>

namespace db {
class Connection;
class Recordset;
} // namespace db

namespace PVAPI {
struct cInfoConfiguracion;
class IControlInforme;
class cInstitucion;
} // namespace PVAPI

// The accounting configuration record of the main window.
class cConfigContabilidad;

class QIcon;
class QLabel;
class QProgressBar;
class QTreeWidget;

namespace addins {

// The ids (`Recibo.IDRecibo`) of the cash receipts an add-in hands back for
// printing; empty when there is nothing to print.
using ColeccionRecibos = QList<qint32>;

// The pictures of the accounting structure tree, by key.
using ListaImagenes = QMap<QString, QIcon>;

// Objects the donations add-in hands over in its import check run and takes
// back in the transfer run; the caller keeps them without looking inside.
using ColeccionTrasvase = QList<std::shared_ptr<void>>;

// The institutions found by that check run, which the import wizard edits
// between the two runs.
using ColeccionInstituciones = QList<std::shared_ptr<PVAPI::cInstitucion>>;

} // namespace addins
