#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

class QPushButton;

namespace db {
class Connection;
}

namespace widgets {

class DialogoRegistroDatos;
class DialogoRegistroDetalle;
class DialogoRegistroError;

// The shared record dialog: one editor per field of the record's definition,
// in its order (which is also the tab order), the lists of dependent
// records, and "Aceptar" / "Cancelar". Enter accepts, Escape cancels.
//
// Accepting takes every editor into the record, checks it and writes it;
// a refusal shows its message, puts the focus on the field it names and
// leaves the dialog open with nothing written. All the rules live in
// DialogoRegistroDatos; this class only wires the widgets to it.
class DialogoRegistro : public QDialog {
    Q_OBJECT

public:
    enum class Modo {
        Escribir, // accepting writes the record
        Memoria,  // accepting keeps the values (a dependent record, written with its owner)
        Consulta, // shown only; one "Cerrar" button
    };

    DialogoRegistro(db::Connection& con, DialogoRegistroDatos& datos, Modo modo = Modo::Escribir,
                    QWidget* parent = nullptr);
    ~DialogoRegistro() override;

    // Shows the dialog of `datos` through the dialog runner over the active
    // window, `titulo` replacing the definition's; true when the record was
    // accepted and written.
    static bool Editar(db::Connection& con, DialogoRegistroDatos& datos, const QString& titulo = {});

    // The New and Properties commands of a record kind: record `id` (0: a
    // new one) read and shown; a record no longer there is told. True when
    // it was written.
    static bool EditarRegistro(db::Connection& con, std::shared_ptr<const DefinicionRegistro> definicion, qint64 id,
                               const MonedaRegistro& moneda = {});
    // The Delete command: asks `pregunta` (Yes/No, No by default), then
    // deletes the record with all its rows in one transaction; a refusal of
    // the owner's rules or a record already gone is told. True when deleted.
    static bool EliminarRegistro(db::Connection& con, std::shared_ptr<const DefinicionRegistro> definicion, qint64 id,
                                 const QString& pregunta);

    DialogoRegistroDatos& Datos() { return m_datos; }

    // The editor of a column (in any section when `seccion` < 0); nullptr when none.
    QWidget* Editor(const QString& columna, int seccion = -1) const;
    // Gives a field what a user would: the text typed (texts, dates,
    // numbers, amounts), a bool (check boxes), the text or the key of a row
    // (references; a text no row has stays typed).
    void Rellenar(const QString& columna, const QVariant& valor, int seccion = -1);
    DialogoRegistroDetalle* Detalle(int detalle) const;
    QPushButton* BotonAceptar() const { return m_aceptar; }

    // The "Aceptar" button. True when the dialog was accepted.
    bool Aceptar();

private:
    void Construir();
    QWidget* CrearEditor(int campo);
    void MostrarValores();
    void TomarEditores();
    bool PreguntarCompartidas();
    bool AceptarSinProteger();
    void Enfocar(const DialogoRegistroError& error);
    bool Editable(int campo) const;
    void OrdenarTabulacion();

    db::Connection& m_con;
    DialogoRegistroDatos& m_datos;
    Modo m_modo;
    QList<QWidget*> m_editores;
    QList<DialogoRegistroDetalle*> m_detalles;
    QPushButton* m_aceptar = nullptr;
    QPushButton* m_cancelar = nullptr;
};

} // namespace widgets
