#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace db {
class Connection;
}

// The description of one kind of record that the shared record dialog edits:
// which rows of which tables it is made of, the fields the user sees, the
// lists of dependent records edited inside it, and the hooks its owner adds.
// Owners write one such table by hand per record kind; table and column
// names come only from these tables, never from what a user types.
namespace widgets {

class DialogoRegistroDatos;

enum class TipoCampo {
    Texto,      // one line, at most `ancho` characters
    Memo,       // long text, several lines
    Fecha,      // stored "yyyymmdd", shown and typed dd/mm/yyyy
    SiNo,       // check box; stored -1 / 0
    Entero,     // whole number between `minimo` and `maximo`
    Importe,    // amount typed in the working currency; `columna` pesetas, `columnaEuros` euros
    Referencia, // the key of a row of another table, chosen by its text
};

// The rows a reference offers: a Jet SELECT of two columns, the key and the
// text shown, in the order they are offered. `tabla` and `clave` name the
// row the stored key must still find when the record is written.
struct ReferenciaCampo {
    QString tabla;
    QString clave;
    QString consulta;
};

struct CampoRegistro {
    QString etiqueta;
    QString columna;
    TipoCampo tipo = TipoCampo::Texto;
    int seccion = 0;
    int ancho = 0;
    // Required: a text or memo not blank, a date given, a reference chosen,
    // a number or amount typed. A date that is not required may stay empty.
    bool obligatorio = false;
    qint64 minimo = 0;
    qint64 maximo = 0;
    QString columnaEuros;
    ReferenciaCampo referencia;
    // Editable only while the record is new (the book of an entry).
    bool soloAlCrear = false;
    bool soloLectura = false;
    // A box of its own for fields of one row that belong together ("Responsable
    // de donativos"); empty: the box of its section, if it has one.
    QString grupo;

    CampoRegistro Obligatorio() const { CampoRegistro c = *this; c.obligatorio = true; return c; }
    CampoRegistro EnSeccion(int s) const { CampoRegistro c = *this; c.seccion = s; return c; }
    CampoRegistro SoloAlCrear() const { CampoRegistro c = *this; c.soloAlCrear = true; return c; }
    CampoRegistro SoloLectura() const { CampoRegistro c = *this; c.soloLectura = true; return c; }
    CampoRegistro EnGrupo(const QString& g) const { CampoRegistro c = *this; c.grupo = g; return c; }
};

CampoRegistro CampoTexto(const QString& etiqueta, const QString& columna, int ancho);
CampoRegistro CampoMemo(const QString& etiqueta, const QString& columna);
CampoRegistro CampoFecha(const QString& etiqueta, const QString& columna);
CampoRegistro CampoSiNo(const QString& etiqueta, const QString& columna);
CampoRegistro CampoEntero(const QString& etiqueta, const QString& columna, qint64 minimo, qint64 maximo);
CampoRegistro CampoImporte(const QString& etiqueta, const QString& columnaPesetas, const QString& columnaEuros);
CampoRegistro CampoReferencia(const QString& etiqueta, const QString& columna, const ReferenciaCampo& referencia);

enum class VinculoSeccion {
    Principal, // the record's own row; section 0
    UnoAUno,   // a row keyed by its parent's key (`Bautismo_Hijo.CodBautismo`)
    Referida,  // a row whose key the parent holds (`Bautismo.CodPadres`)
};

struct SeccionRegistro {
    QString tabla;
    QString clave;
    VinculoSeccion vinculo = VinculoSeccion::Principal;
    int padre = 0;
    // Referida: the parent's column that holds this row's key.
    QString columnaEnPadre;
    // Referida: one row may serve several parent rows. Changing it asks
    // whether the change is for all of them or for this record only (a copy).
    bool compartida = false;
    // Box title in the dialog ("Padre"); empty: the fields go with the main ones.
    QString titulo;
    // How messages name it ("los datos del padre").
    QString nombre;
    // Other tables whose column refers to a Referida row: it is deleted only
    // when neither its parent table nor these refer to it any more.
    QList<QPair<QString, QString>> otrasReferencias;
    // Columns that no field shows but that are read with the row, kept and
    // checked for changes by others like the fields (`Bautismo.Numero`).
    QStringList columnasLeidas;
    // Its box takes the whole width of the dialog instead of sharing a row.
    bool anchoCompleto = false;

    SeccionRegistro AnchoCompleto() const { SeccionRegistro s = *this; s.anchoCompleto = true; return s; }
    SeccionRegistro Compartida() const { SeccionRegistro s = *this; s.compartida = true; return s; }
    SeccionRegistro Leyendo(const QStringList& columnas) const { SeccionRegistro s = *this; s.columnasLeidas += columnas; return s; }
    SeccionRegistro ReferidaTambienPor(const QString& tabla, const QString& columna) const
    {
        SeccionRegistro s = *this;
        s.otrasReferencias.append({tabla, columna});
        return s;
    }
};

SeccionRegistro SeccionPrincipal(const QString& tabla, const QString& clave);
SeccionRegistro SeccionUnoAUno(const QString& tabla, const QString& clave, int padre, const QString& titulo,
                               const QString& nombre);
SeccionRegistro SeccionReferida(const QString& tabla, const QString& clave, int padre, const QString& columnaEnPadre,
                                const QString& titulo, const QString& nombre);

struct DefinicionRegistro;

// Records that depend on this one and are edited inside its dialog (the
// donations of a donor). Their rows are kept in memory and written with the
// record, in the same transaction.
struct DetalleRegistro {
    QString titulo;
    std::shared_ptr<const DefinicionRegistro> definicion;
    // The column of the dependent record's main row that holds this record's key.
    QString columnaPadre;
    // The dependent record's fields shown as the list's columns, by column name.
    QStringList columnas;
    // What the dialog says when the user deletes a row its owner has marked
    // as not deletable.
    QString mensajeNoEliminable;
};

DetalleRegistro Detalle(const QString& titulo, std::shared_ptr<const DefinicionRegistro> definicion,
                        const QString& columnaPadre, const QStringList& columnas,
                        const QString& mensajeNoEliminable = {});

// Hooks of the owner, all optional. Those that take the connection run
// inside the write transaction; a refusal is a DialogoRegistroError naming
// the field.
struct GanchosRegistro {
    // A new record: values the user does not type (fixed columns, defaults).
    std::function<void(DialogoRegistroDatos&)> alCrear;
    // Before any row is written: derived values, checks against the data.
    std::function<void(db::Connection&, DialogoRegistroDatos&)> antesDeEscribir;
    // After the rows are written: companion rows (roles, totals).
    std::function<void(db::Connection&, DialogoRegistroDatos&)> despuesDeEscribir;
    // Before the rows of a record are deleted: rows that hang from it and
    // are no section or detail of its own.
    std::function<void(db::Connection&, DialogoRegistroDatos&)> antesDeEliminar;
};

struct DefinicionRegistro {
    QString tituloNuevo;    // window title of a new record: "Nuevo donante"
    QString titulo;         // of an existing one: "Donante"
    QString nombre;         // in messages: "el donante"
    QList<SeccionRegistro> secciones;
    QList<CampoRegistro> campos;
    QList<DetalleRegistro> detalles;
    GanchosRegistro ganchos;
    // Shown, never written (a received message).
    bool soloLectura = false;

    // Index of the field of a column (in any section when `seccion` < 0); -1 when none.
    int IndiceCampo(const QString& columna, int seccion = -1) const;
};

// Amounts: the working currency chosen by the user, and the rule that gives
// the other column of a pair (pesetas <-> euros).
struct MonedaRegistro {
    bool trabajarConPesetas = false;
    std::function<double(double importe, bool aEuros)> convertir;
};

} // namespace widgets
