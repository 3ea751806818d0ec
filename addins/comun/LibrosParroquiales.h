#pragma once

#include "comun/TablasRegistroLibros.h"

#include <QtGlobal>

namespace db {
class Connection;
}

namespace addins {

// The commands on the parish books besides New, Properties and Delete. Each
// asks first, writes in one transaction and says why when it cannot.
class LibrosParroquiales {
public:
    // Closes a book: it takes no new entries from then on.
    static void CerrarLibro(db::Connection& con, Sacramento sacramento, qint64 idLibro);
    // Annuls an entry, or makes an annulled one valid again.
    static void AnularOValidar(db::Connection& con, Sacramento sacramento, qint64 idPartida);
    // Passes one request, chosen from a list, into a book with the book's next number.
    static void PasarSolicitud(db::Connection& con, Sacramento sacramento);
};

} // namespace addins
