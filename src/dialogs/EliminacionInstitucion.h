#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace db {
class Connection;
}
namespace PVAPI {
class cProcesarBloqueos;
}
class ProgresoEliminacion;

// What an institution holds, as its removal shows it before anything is
// deleted. Each figure is read on its own: one that could not be read stays
// empty, and the first such failure is left as the current error
// (vb::Err()) for the caller to report.
struct RecuentoInstitucion {
    QString Nombre;
    std::optional<qint64> Donativos;
    // Persons of the donor type who gave to it, each once.
    std::optional<qint64> Donantes;
    std::optional<qint64> Empadronados;
    // Persons of the collaborator type in groups of its activities, each once.
    std::optional<qint64> Colaboradores;
    std::optional<qint64> Actividades;
    std::optional<qint64> LibrosBautismo;
    std::optional<qint64> LibrosConfirmacion;
    std::optional<qint64> LibrosMatrimonio;
    std::optional<qint64> LibrosDefuncion;
    // Entries in its books.
    std::optional<qint64> PartidasBautismo;
    std::optional<qint64> PartidasConfirmacion;
    std::optional<qint64> PartidasMatrimonio;
    std::optional<qint64> PartidasDefuncion;
    // Its requests that no book holds yet; they go with it.
    std::optional<qint64> Solicitudes;
    bool ErrorDeLectura = false;
};

// The summary paragraph of the removal dialog: one piece per kind of data
// found, each ending in a blank; empty when nothing was found.
QString TextoResumen(const RecuentoInstitucion& recuento);

// The removal of one institution of the parish database with what depends
// on it, all or nothing.
//
// Under the locks of the locking service (the institution's row and the
// tables the removal rewrites, taken at once) everything runs in one
// transaction, the `Institucion` row last: a failure anywhere rolls the
// whole removal back, and the locks are released once the transaction has
// ended, on every path. Nothing of another institution goes: a person goes
// only when no type and no donation, group membership or accounting link is
// left; a bank account only when no donor or institution uses it; a
// marriage party or a baptism parent record only when no entry uses it; a
// remittance only when no receipt is left in it, the others get the sums of
// their receipts in both currencies. Persons who stay, and entries of other
// books that came from its requests, lose their pointer to it.
//
// Steps work on sets of rows (a statement per table, or per lot of
// collected ids), not row by row.
//
// Refusals are told to the user here (locks held by another workstation,
// the institution gone meanwhile, data beyond donations in the donations
// scope), and so is a company of the accounting module linked to it.
// Errors are thrown after the rollback and the release, for the caller to
// report.
class EliminacionInstitucion {
public:
    // Completo: everything (the removal dialog). Donativos: the donations
    // side only (its accounts and account links, presenter links, receipts,
    // donations, remittance totals, its donors left without type), then the
    // institution; refused while it has books, entries or requests,
    // activities or census members, which only the complete removal takes.
    enum class Alcance { Completo, Donativos };
    enum class Resultado { Eliminada, EnUso, NoExiste, FueraDeAlcance };

    // The dialog's check boxes: also take the donor type from its donors
    // and the collaborator type from the members of its groups, unless they
    // are still related to another institution. The donations scope always
    // takes the donor type.
    struct Opciones {
        bool Donantes = false;
        bool Colaboradores = false;
    };

    EliminacionInstitucion(db::Connection& conLocal, db::Connection& conContabilidad, qint32 lngID);

    RecuentoInstitucion LeerRecuento() const;

    bool TieneDatosFueraDeDonativos() const;

    Resultado Eliminar(Alcance alcance, const Opciones& opciones, ProgresoEliminacion& progreso);

    // The names of the steps of a removal, in order.
    static QStringList Pasos(Alcance alcance, const Opciones& opciones);

    // What the user is told when the removal cannot run.
    static QString TextoEnUso();
    static QString TextoNoExiste();
    static QString TextoFueraDeAlcance();

private:
    bool AvisarEmpresaEnlazada(PVAPI::cProcesarBloqueos& bloqueos, Resultado& resultado);
    Resultado EliminarEnTransaccion(Alcance alcance, const Opciones& opciones, ProgresoEliminacion& progreso);

    db::Connection& m_conLocal;
    db::Connection& m_conContabilidad;
    qint32 m_id;
};
