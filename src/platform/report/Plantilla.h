#pragma once

#include "platform/report/ValorFormula.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A report template as read from its XML file (see docs/PlantillasInformes.md).
// Lengths are millimetres, font sizes points; positions inside a section are
// relative to the section's top-left corner, which lies on the left margin.
namespace report {

enum class Letra { Serif, Sans, Mono };
enum class Alineacion { Izquierda, Centro, Derecha, Justificado };

struct EstiloTexto {
    Letra letra = Letra::Serif;
    double puntos = 11;
    bool negrita = false;
    bool cursiva = false;
    bool operator==(const EstiloTexto&) const = default;
};

size_t qHash(const EstiloTexto& estilo, size_t semilla = 0);

// How a value is written: as stored, "yyyymmdd" as dd/mm/yyyy or as a long
// Spanish date, or a number with thousands and a fixed number of decimals
// or as many as a formula says.
struct Formato {
    enum class Tipo { TalCual, Fecha, FechaLarga, Numero };
    Tipo tipo = Tipo::TalCual;
    int decimales = 0;
    QString formulaDecimales; // set: the decimals are this formula's value
};

// One piece of a text: literal text, a field "{Tabla.Campo}", a formula
// "{@Nombre}", a page number, the page count, the print date, or the sum of
// a field over the rows of the enclosing group or of the whole report.
struct Trozo {
    enum class Tipo { Literal, Campo, Formula, Pagina, Paginas, Fecha, Suma };
    Tipo tipo = Tipo::Literal;
    QString texto;  // literal text, or the formula's name
    QString tabla;  // Campo, Suma
    QString campo;  // Campo, Suma
    Formato formato;
};

// "si" of a section: shown when the operand's value is true (not empty, not
// 0, not False), or equal to a given value; "!" negates.
struct Condicion {
    bool activa = false;
    bool negada = false;
    Trozo operando;
    std::optional<QString> igualA;
};

struct ElementoTexto {
    QRectF caja;
    QList<Trozo> trozos;
    EstiloTexto estilo;
    Alineacion alineacion = Alineacion::Izquierda;
    bool crece = true; // a long text makes the section taller instead of being cut
};

struct ElementoLinea {
    QLineF linea;
    double grosor = 0.3;
};

struct ElementoCaja {
    QRectF caja;
    double grosor = 0.3;
};

struct ElementoImagen {
    QRectF caja;
    QString archivo;
    QImage imagen;
};

// A piece of a band with its own height and condition. A section of the
// detail with a relation repeats for every related row of the current row.
struct Seccion {
    double alto = 0;
    Condicion si;
    QString relacion; // table name of a relation, or empty
    std::vector<ElementoTexto> textos;
    std::vector<ElementoLinea> lineas;
    std::vector<ElementoCaja> cajas;
    std::vector<ElementoImagen> imagenes;
};

using Banda = std::vector<Seccion>;

struct Grupo {
    Trozo campo; // the field whose change starts a new group
    bool nuevaPagina = false;
    Banda cabecera;
    Banda pie;
};

// Labels and several receipts per page: the detail of each row fills one
// cell, left to right and then down.
struct Cuadricula {
    int columnas = 1;
    int filas = 1;
    double anchoCelda = 0;
    double altoCelda = 0;
    double separacionH = 0;
    double separacionV = 0;
};

// Rows of another work table that belong to the current row: those whose
// `campo` equals the current row's `clave`, optionally only those whose
// `filtroCampo` equals `filtroValor`. Its fields read the first such row;
// a section with this relation repeats over all of them.
struct Relacion {
    QString tabla;
    QString campo;
    QString clave;
    QStringList orden;
    QString filtroCampo;
    QString filtroValor;
};

struct DeclaracionFormula {
    QString nombre;
    ValorFormula valor;
};

struct Plantilla {
    QString archivo;
    QSizeF pagina{210, 297};
    QMarginsF margenes{20, 20, 20, 20}; // left, top, right, bottom
    EstiloTexto estilo;

    QString tabla;     // empty: a form with no data
    QStringList orden; // default sort, "+{Tabla.Campo}" entries
    std::vector<Relacion> relaciones;
    std::vector<DeclaracionFormula> formulas;

    Banda cabeceraInforme;
    Banda cabeceraPagina;
    std::vector<Grupo> grupos; // outermost first
    Banda detalle;
    bool detalleNuevaPagina = false; // one page (or more) per row
    std::optional<Cuadricula> cuadricula;
    Banda pieInforme;
    Banda piePagina;
};

} // namespace report
