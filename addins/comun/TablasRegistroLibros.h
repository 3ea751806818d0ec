#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QString>

#include <memory>
#include <optional>

namespace addins {

// The four sacramental registers.
enum class Sacramento { Bautismo, Confirmacion, Matrimonio, Defuncion };

// The record dialogs of the parish-management add-in: books, entries (one
// dialog per sacrament over the entry and its side rows) and requests,
// posts and activities with their groups.
class TablasRegistroLibros {
public:
    // The sacrament a node's kind key names ("LibrosBautismo",
    // "PartidasMatrimonio", "SolicitudesConfirmacion"...); none for any other.
    static std::optional<Sacramento> SacramentoDe(const QString& strTextDescription);

    static std::shared_ptr<const widgets::DefinicionRegistro> Libro(Sacramento sacramento);
    // An entry of a book, or a request (`CodLibro` 0, with the institution
    // that asked for it). A new entry takes the book's next number, and a
    // closed book takes none. Deaths have no requests.
    static std::shared_ptr<const widgets::DefinicionRegistro> Partida(Sacramento sacramento, bool solicitud);
    // An entry written long ago in a book: its number is typed, closed books
    // are offered too, and the book's next number does not move.
    static std::shared_ptr<const widgets::DefinicionRegistro> PartidaAntigua(Sacramento sacramento);
    // A request passed into a book: the book and page are chosen, the
    // number is the book's next one, as for a new entry.
    static std::shared_ptr<const widgets::DefinicionRegistro> SolicitudALibro(Sacramento sacramento);
    // The requests of a sacrament as a list to choose from: key and the
    // person's (or the couple's) names.
    static QString ConsultaSolicitudes(Sacramento sacramento);
    static std::shared_ptr<const widgets::DefinicionRegistro> Cargo();
    static std::shared_ptr<const widgets::DefinicionRegistro> Actividad();
    static std::shared_ptr<const widgets::DefinicionRegistro> Grupo();

    // Table and key of a sacrament's books and entries.
    static QString TablaLibro(Sacramento sacramento);
    static QString ClaveLibro(Sacramento sacramento);
    static QString TablaPartida(Sacramento sacramento);
    static QString ClavePartida(Sacramento sacramento);
};

} // namespace addins
