#pragma once

#include <QStringList>

namespace db {
class Connection;
}

// Our book formats (`Libros_Formato`): how many entries a folio of a
// sacramental book holds, in the order of their ids. The import wizard
// offers them for the books it makes and proposes the second one.
QStringList FormatosLibro();

// Writes the formats into a parish database whose `Libros_Formato` is
// empty, in one transaction, and answers how many it wrote; a table that
// already holds formats (ours or the user's) is left as it is, so running
// it again never duplicates a row. Throws vb::VbError on failure, leaving
// the table as it was.
int SembrarFormatosLibro(db::Connection& conLocal);
