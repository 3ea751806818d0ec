#pragma once

#include "comun/FiltroInforme.h"

#include <QDialog>
#include <QString>
#include <QtGlobal>

#include <optional>

class QCheckBox;
class QLineEdit;

namespace db {
class Connection;
}
namespace widgets {
class DialogoRegistroCombo;
class DialogoRegistroFecha;
}

// The selection the stand-in add-ins ask before a report of chosen records
// ("Seleccionar" in the report viewer): one small dialog with the boxes
// the report can filter on, and the conditions that turn its answer into a
// filter of the report's fill.
namespace seleccion_informes {

// The boxes a report's dialog shows.
enum Campo : unsigned {
    Institucion = 1u << 0,   // one institution or all
    Fechas = 1u << 1,        // a range of dates, either end open
    Nombre = 1u << 2,        // a name that contains a text
    Remesa = 1u << 3,        // one remittance or all
    TipoDonativo = 1u << 4,  // one donation type or all
    Actividad = 1u << 5,     // one parish activity or all
    Libro = 1u << 6,         // one book, which must be chosen
    Etiquetas = 1u << 7,     // also print the labels
};

// What the user chose; 0 and empty texts mean "no condition".
struct Seleccion {
    qint64 institucion = 0;
    QString desde;  // "yyyymmdd"
    QString hasta;  // "yyyymmdd"
    QString nombre;
    qint64 remesa = 0;
    qint64 tipoDonativo = 0;
    qint64 actividad = 0;
    qint64 libro = 0;
    bool etiquetas = false;
};

struct Opciones {
    QString titulo;           // window title: the report's name
    unsigned campos = 0;      // Campo flags
    QString etiquetaFechas;   // what the dates are ("Fecha del recibo")
    QString etiquetaNombre;   // whose name ("Nombre del donante")
    QString consultaLibros;   // the books to choose from: key, text
};

class DialogoSeleccionInforme : public QDialog {
    Q_OBJECT

public:
    DialogoSeleccionInforme(db::Connection& conLocal, const Opciones& opciones, QWidget* parent = nullptr);

    // The boxes (null when the report does not show them).
    widgets::DialogoRegistroCombo* CajaInstitucion() const { return m_institucion; }
    widgets::DialogoRegistroCombo* CajaRemesa() const { return m_remesa; }
    widgets::DialogoRegistroCombo* CajaTipoDonativo() const { return m_tipo; }
    widgets::DialogoRegistroCombo* CajaActividad() const { return m_actividad; }
    widgets::DialogoRegistroCombo* CajaLibro() const { return m_libro; }
    widgets::DialogoRegistroFecha* CajaDesde() const { return m_desde; }
    widgets::DialogoRegistroFecha* CajaHasta() const { return m_hasta; }
    QLineEdit* CajaNombre() const { return m_nombre; }
    QCheckBox* CajaEtiquetas() const { return m_etiquetas; }

    // "Aceptar": checks the boxes (telling the user what is wrong and
    // keeping the dialog open) and accepts. True when accepted.
    bool Aceptar();
    bool Aceptado() const { return m_aceptado; }
    const Seleccion& Resultado() const { return m_seleccion; }

private:
    bool Rechazar(QWidget* caja, const QString& texto);
    bool LeerFecha(widgets::DialogoRegistroFecha* caja, QString& fechaTexto);

    widgets::DialogoRegistroCombo* m_institucion = nullptr;
    widgets::DialogoRegistroCombo* m_remesa = nullptr;
    widgets::DialogoRegistroCombo* m_tipo = nullptr;
    widgets::DialogoRegistroCombo* m_actividad = nullptr;
    widgets::DialogoRegistroCombo* m_libro = nullptr;
    widgets::DialogoRegistroFecha* m_desde = nullptr;
    widgets::DialogoRegistroFecha* m_hasta = nullptr;
    QLineEdit* m_nombre = nullptr;
    QCheckBox* m_etiquetas = nullptr;
    Seleccion m_seleccion;
    bool m_aceptado = false;
};

// Shows the dialog through the dialog runner over the active window: the
// selection, or nothing when the user cancelled.
std::optional<Seleccion> Preguntar(db::Connection& conLocal, const Opciones& opciones);

// Conditions of a selection on the columns the caller names; each adds
// nothing when its part of the selection is empty.
void PorClave(FiltroInforme& filtro, const QString& columna, qint64 clave);
void PorFechas(FiltroInforme& filtro, const QString& columna, const Seleccion& s);
// A person (columns Nombre, PrimerApellido, SegundoApellido of `tabla`)
// whose name, in either reading order, contains the text, without regard
// to case or accents.
void PorNombrePersona(FiltroInforme& filtro, const QString& tabla, const QString& texto);
// A column that contains the text.
void PorTexto(FiltroInforme& filtro, const QString& columna, const QString& texto);

// The LIKE pattern of "contains `texto`", its wildcards taken literally.
QString PatronContiene(const QString& texto);

// Tells the user that no record meets the selection, so that an accepted
// selection that prints nothing is never silent.
void AvisarSinRegistros();

} // namespace seleccion_informes
