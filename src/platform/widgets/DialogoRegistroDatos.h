#pragma once

#include "platform/db/Value.h"
#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QMap>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace db {
class Connection;
}

namespace widgets {

// One record being edited, without any window: its rows as read (or empty
// for a new record), the values the user gives them, the dependent records
// kept in memory, and the writing of all of it in one transaction.
//
// Every row is re-read inside the write transaction before anything is
// written: a row that another workstation deleted or changed since it was
// read (in a column this record reads) stops the write with a message naming
// the field, and so does a reference to a row deleted meanwhile. Values are
// always bound; table and column names come from the definition.
//
// Every refusal is a DialogoRegistroError; database failures are vb::VbError.
class DialogoRegistroDatos {
public:
    explicit DialogoRegistroDatos(std::shared_ptr<const DefinicionRegistro> definicion, MonedaRegistro moneda = {});

    const DefinicionRegistro& Definicion() const { return *m_definicion; }
    std::shared_ptr<const DefinicionRegistro> DefinicionCompartida() const { return m_definicion; }
    const MonedaRegistro& Moneda() const { return m_moneda; }

    // A new record: empty values, then the owner's `alCrear`.
    void Nuevo();
    // Reads record `id` with its sections and dependent records; a record
    // that is not there is refused.
    void Cargar(db::Connection& con, qint64 id);

    bool EsNuevo() const { return !m_filas.empty() && !m_filas[0].existia; }
    // The key of the main row (0 while new) and of a section's row.
    qint64 Id() const { return Clave(0); }
    qint64 Clave(int seccion) const;
    // A dependent record given new values in memory since it was read.
    bool Modificado() const { return m_modificado; }

    // Stored values, by column; for columns no field edits (links, derived values).
    db::Value Valor(const QString& columna, int seccion = 0) const;
    void EstablecerValor(const QString& columna, const db::Value& valor, int seccion = 0);

    // A field as its editor shows it: texts, dates dd/mm/yyyy, numbers, amounts
    // in the working currency; check boxes; the key of a reference (0: none).
    QString Texto(int campo) const;
    bool Marcado(int campo) const;
    qint64 Referencia(int campo) const;
    // Takes what the user gave a field. A text equal to what the field
    // shows changes nothing (an untouched field keeps its stored value). A
    // value that cannot be stored is refused naming the field. A reference
    // of -1 is a text that matches none of the rows offered.
    void EstablecerTexto(int campo, const QString& texto);
    void EstablecerMarcado(int campo, bool marcado);
    void EstablecerReferencia(int campo, qint64 clave);
    // Refuses the first required field (in the order of the fields) left empty.
    void Validar() const;
    // «Etiqueta», with the box it is in when that is not the main one.
    QString NombreCampo(int campo) const;

    // Shared rows (Referida, compartida) the user changed while other
    // records use them too; the dialog asks whether the change is for all.
    QList<int> CompartidasCambiadas() const;
    int OtrosUsos(int seccion) const { return m_otrosUsos.value(seccion); }
    void DecidirCompartida(int seccion, bool paraTodos);

    // Dependent records of list `detalle`, in memory until the record is written.
    int Filas(int detalle) const;
    const DialogoRegistroDatos& Fila(int detalle, int fila) const;
    // A new dependent record, not yet in the list.
    DialogoRegistroDatos FilaNueva(int detalle) const;
    void AnadirFila(int detalle, const DialogoRegistroDatos& fila);
    void ReemplazarFila(int detalle, int fila, const DialogoRegistroDatos& nueva);
    // Refuses a row its owner marked as not deletable.
    void QuitarFila(int detalle, int fila);
    void MarcarNoEliminables(int detalle, const QSet<qint64>& claves);

    // Writes the record, its sections and its dependent records in one
    // transaction. On a refusal or a failure nothing is written and this
    // object is as it was; on success it holds the written state (new keys).
    void Escribir(db::Connection& con);
    // Deletes the record with its sections, its dependent records and the
    // shared rows nothing else uses, in one transaction.
    void Eliminar(db::Connection& con);

private:
    struct FilaSeccion {
        QMap<QString, db::Value> valores;
        QMap<QString, db::Value> originales;
        bool existia = false;
        qint64 clave = 0;
    };
    struct ListaDetalle {
        std::vector<DialogoRegistroDatos> filas;
        std::vector<DialogoRegistroDatos> eliminadas;
        QSet<qint64> noEliminables;
    };

    const CampoRegistro& CampoEn(int campo) const;
    FilaSeccion& FilaDe(int seccion);
    const FilaSeccion& FilaDe(int seccion) const;
    QStringList ColumnasSeccion(int seccion) const;
    void VaciarSeccion(int seccion);
    void CargarSeccion(db::Connection& con, int seccion, qint64 clave);
    void CargarDetalles(db::Connection& con);
    QString NombreRegistro() const;

    void EscribirEnTransaccion(db::Connection& con);
    void ComprobarSinCambios(db::Connection& con) const;
    void ComprobarReferencias(db::Connection& con) const;
    void EscribirSeccion(db::Connection& con, int seccion);
    void EscribirDetalles(db::Connection& con);
    void EliminarEnTransaccion(db::Connection& con);
    void EliminarSeccion(db::Connection& con, int seccion);

    std::shared_ptr<const DefinicionRegistro> m_definicion;
    MonedaRegistro m_moneda;
    std::vector<FilaSeccion> m_filas;
    std::vector<ListaDetalle> m_detalles;
    QMap<int, int> m_otrosUsos;
    QSet<int> m_compartidasParaTodos;
    bool m_modificado = false;
};

} // namespace widgets
