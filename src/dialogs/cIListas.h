#pragma once

#include <QtGlobal>

class QLineEdit;
namespace db {
class Connection;
}
namespace PVAPI {
class ListaControl;
}

// The program's own list fillers and text selection (not the component
// library's `PVAPI::cIListas`). The fillers append to the list, each line
// with its record id as item data, and then make `lngselItem` the current
// line: the first line carrying it; no line at all for 0 or less; the
// current line unchanged when no line carries it. A query that fails is
// reported ("fillPersonas()"/"fillRemesas()", "cIListas") and adds nothing.
class cIListas {
public:
    // The donors (person type 1) by surnames: "PrimerApellido
    // SegundoApellido, Nombre".
    void fillPersonas(db::Connection& conLocal, PVAPI::ListaControl& objLista, qint32 lngselItem) const;
    // The bank remittances by date, in the short date form; a stored date
    // that is no date adds no line.
    void fillRemesas(db::Connection& conLocal, PVAPI::ListaControl& objLista, qint32 lngselItem) const;
    // Selects the whole text of a box.
    void SelText(QLineEdit& txt) const;
};
