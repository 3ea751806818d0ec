#pragma once

#include <QString>
#include <QtGlobal>

namespace PVAPI {

// An institution of a previous-version database, as the donations add-in's
// check run hands it to the import wizard and the transfer run takes it
// back: the wizard completes the four names and the fiscal regime of
// deductions (0 none, 1 or 2 the regime chosen).
class cInstitucion {
public:
    QString Nombre;
    qint32 IDInstitucion = 0;
    QString Parroco;
    QString EncargadoArchivo;
    QString Diocesis;
    QString Vicaria;
    qint16 RegimenFiscal = 0;
};

} // namespace PVAPI
