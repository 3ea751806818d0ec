#pragma once

#include "platform/report/DatosInforme.h"
#include "platform/report/Plantilla.h"
#include "platform/report/TablaFormulas.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace report {

// Where a text is evaluated: the main row (-1: none), the related row of a
// repeated section, the rows a sum covers, the page.
struct Contexto {
    int fila = -1;
    int relacion = -1;
    int filaRelacion = -1;
    int sumaDesde = 0;
    int sumaHasta = 0;
    int pagina = 0;
    int paginas = 0;
};

// A piece with its names resolved against the rows read: formulas and the
// print date are already text, fields point at their table and column.
struct TrozoEnlazado {
    Trozo::Tipo tipo = Trozo::Tipo::Literal;
    QString literal;
    int relacion = -1; // -1: the main table
    int columna = -1;
    Formato::Tipo formato = Formato::Tipo::TalCual;
    int decimales = 0;
};

struct TextoEnlazado {
    QList<TrozoEnlazado> trozos;
    bool constante = true; // the same on every row and page
    bool dePaginas = false; // shows the page count, known only at the end
};

struct CondicionEnlazada {
    bool activa = false;
    bool negada = false;
    std::optional<ValorFormula> formula; // set: the operand is this formula
    TrozoEnlazado campo;                 // otherwise this field
    std::optional<QString> igualA;
};

// Resolves the names of a template against the rows and formulas of one
// print and evaluates texts and conditions. Unknown tables and fields raise
// err::TablaDesconocida / err::CampoDesconocido; references the template
// cannot use (an undeclared formula, a sum over a related table, a field in
// a form without data) err::PlantillaIncoherente.
class Evaluador {
public:
    Evaluador(const Plantilla& plantilla, const DatosInforme* datos, const TablaFormulas& formulas, QDate fecha);

    TextoEnlazado Enlazar(const QList<Trozo>& trozos) const;
    CondicionEnlazada Enlazar(const Condicion& condicion) const;
    // The relation a section repeats over, by its table name; -1 for none.
    int Relacion(const QString& tabla) const;

    QString Evaluar(const TextoEnlazado& texto, const Contexto& c);
    bool Cumple(const CondicionEnlazada& condicion, const Contexto& c) const;
    // The value of a field at a row: nullptr when there is no such row.
    const db::Value* Valor(const TrozoEnlazado& campo, const Contexto& c) const;

    const DatosInforme* datos() const { return m_datos; }

private:
    TrozoEnlazado EnlazarTrozo(const Trozo& trozo) const;
    void EnlazarCampo(const Trozo& trozo, TrozoEnlazado& t) const;
    const ValorFormula& Formula(const QString& nombre) const;
    [[noreturn]] void Incoherente(const QString& mensaje) const;
    double Suma(int columna, int desde, int hasta);

    const Plantilla& m_plantilla;
    const DatosInforme* m_datos;
    const TablaFormulas& m_formulas;
    QDate m_fecha;
    QHash<int, std::vector<double>> m_acumulados; // column -> running sums
};

} // namespace report
