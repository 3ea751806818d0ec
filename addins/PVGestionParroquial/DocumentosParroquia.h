#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

// The parish documents the parish-management stand-in prepares: each copies
// the rows of a book, or of one entry, from the parish database into the
// sacrament's work table of "Informes.mdb" (one read, one transaction of
// inserts, `Orden` numbered in print order), with the book, the parish
// block (a request's is the parish that made it), the entry's text and its
// side rows, the signer and the date of issue.
namespace documentos_parroquia {

enum class Sacramento { Bautismo, Confirmacion, Defuncion };

// Which rows: every entry of book `id`, or the one entry `id`.
enum class Alcance { Libro, Partida };

void Llenar(db::Connection& conLocal, db::Connection& conInformes, Sacramento s, Alcance alcance, qint32 id,
            const QString& firmante = {}, const QString& cargo = {});

// Marriages: one row of `Documentos_Matrimonio` per marriage (its date,
// celebrant, sponsors and the spouses' parishes of residence, "---" when
// unknown), the groom and the bride with their civil-register and baptism
// data in `Documentos_Matrimonio_Novios` / `_Novias`, and the witnesses of
// the file in `Documentos_Matrimonio_Otros` (`Tipo` "Testigo").
void LlenarMatrimonio(db::Connection& conLocal, db::Connection& conInformes, Alcance alcance, qint32 id);

// Who signs for a parish: its priest ("Párroco"), else its archivist
// ("Encargado del archivo"); both empty when it has neither. The names come
// trimmed.
struct Firma {
    QString firmante;
    QString cargo;
};
Firma FirmaDeParroquia(const QString& parroco, const QString& encargadoArchivo);

// Who signs a certificate of entry `id`: the parish priest of the entry's
// parish ("Párroco"), else its archivist ("Encargado del archivo"). When
// the parish has neither the user is told where to record them and ""
// comes back (nothing is printed).
QString Encargado(db::Connection& conLocal, Sacramento s, qint32 id, QString& cargo);

} // namespace documentos_parroquia
