#include "platform/report/Evaluador.h"

#include "platform/report/ErroresInforme.h"
#include "platform/report/FormatoValor.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Format.h"

#include <algorithm>

namespace report {

namespace {

bool TextoVerdadero(const QString& texto)
{
    const QString t = texto.trimmed();
    return !t.isEmpty() && t != QLatin1String("0") && t.compare(QLatin1String("Falso"), Qt::CaseInsensitive) != 0
           && t.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0;
}

bool ValorVerdadero(const db::Value* v)
{
    if (!v || v->isNull())
        return false;
    if (v->type() == db::Value::Kind::Boolean)
        return v->toBool();
    if (const auto n = NumeroDe(*v))
        return *n != 0;
    return TextoVerdadero(v->toString());
}

// Numbers compare as numbers, everything else as trimmed text without
// regard to letter case.
bool Iguales(const double* numero, const QString& texto, const QString& esperado)
{
    const auto leido = ValorFormula::Leer(esperado);
    if (numero && leido && !leido->esTexto)
        return *numero == leido->numero;
    const QString e = leido && leido->esTexto ? leido->texto : esperado;
    return texto.trimmed().compare(e.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

Evaluador::Evaluador(const Plantilla& plantilla, const DatosInforme* datos, const TablaFormulas& formulas,
                     QDate fecha)
    : m_plantilla(plantilla), m_datos(datos), m_formulas(formulas), m_fecha(fecha)
{
}

void Evaluador::Incoherente(const QString& mensaje) const
{
    err::Lanzar(err::PlantillaIncoherente, {m_plantilla.archivo, mensaje});
}

const ValorFormula& Evaluador::Formula(const QString& nombre) const
{
    const ValorFormula* v = m_formulas.Buscar(nombre);
    if (!v)
        Incoherente(QStringLiteral("usa la fórmula «%1» sin declararla.").arg(nombre));
    return *v;
}

int Evaluador::Relacion(const QString& tabla) const
{
    if (tabla.isEmpty())
        return -1;
    for (std::size_t i = 0; i < m_plantilla.relaciones.size(); ++i) {
        if (m_plantilla.relaciones[i].tabla.compare(tabla, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    Incoherente(QStringLiteral("la sección repite la relación «%1», que «datos» no declara.").arg(tabla));
}

void Evaluador::EnlazarCampo(const Trozo& trozo, TrozoEnlazado& t) const
{
    if (!m_datos)
        Incoherente(QStringLiteral("usa el campo «%1.%2» sin tabla de datos.").arg(trozo.tabla, trozo.campo));
    const TablaDatos* tabla = nullptr;
    if (trozo.tabla.compare(m_datos->principal.nombre(), Qt::CaseInsensitive) == 0) {
        tabla = &m_datos->principal;
    } else {
        for (std::size_t i = 0; i < m_datos->relaciones.size() && !tabla; ++i) {
            if (trozo.tabla.compare(m_datos->relaciones[i].tabla.nombre(), Qt::CaseInsensitive) == 0) {
                tabla = &m_datos->relaciones[i].tabla;
                t.relacion = int(i);
            }
        }
    }
    if (!tabla)
        err::Lanzar(err::TablaDesconocida, {trozo.tabla});
    t.columna = tabla->columna(trozo.campo);
    if (t.columna < 0)
        err::Lanzar(err::CampoDesconocido, {tabla->nombre(), trozo.campo});
}

TrozoEnlazado Evaluador::EnlazarTrozo(const Trozo& trozo) const
{
    TrozoEnlazado t;
    t.tipo = trozo.tipo;
    t.formato = trozo.formato.tipo;
    t.decimales = trozo.formato.decimales;
    if (!trozo.formato.formulaDecimales.isEmpty()) {
        const ValorFormula& d = Formula(trozo.formato.formulaDecimales);
        if (d.esTexto)
            Incoherente(QStringLiteral("los decimales de la fórmula «%1» no son un número.").arg(trozo.formato.formulaDecimales));
        t.decimales = std::clamp(int(d.numero), 0, 9);
    }
    switch (trozo.tipo) {
    case Trozo::Tipo::Literal:
        t.literal = trozo.texto;
        break;
    case Trozo::Tipo::Formula: {
        const ValorFormula& f = Formula(trozo.texto);
        t.tipo = Trozo::Tipo::Literal;
        t.literal = f.esTexto ? FormatearValor(db::Value(f.texto), t.formato, t.decimales)
                              : FormatearValor(db::Value(f.numero), t.formato, t.decimales);
        break;
    }
    case Trozo::Tipo::Fecha:
        t.tipo = Trozo::Tipo::Literal;
        t.literal = FormatearValor(db::Value(vb::DateAFechaTexto(m_fecha)), t.formato, 0);
        break;
    case Trozo::Tipo::Suma:
        EnlazarCampo(trozo, t);
        if (t.relacion >= 0)
            Incoherente(QStringLiteral("solo se suman campos de la tabla principal, no «%1».").arg(trozo.tabla));
        break;
    case Trozo::Tipo::Campo:
        EnlazarCampo(trozo, t);
        break;
    case Trozo::Tipo::Pagina:
    case Trozo::Tipo::Paginas:
        break;
    }
    return t;
}

TextoEnlazado Evaluador::Enlazar(const QList<Trozo>& trozos) const
{
    TextoEnlazado texto;
    for (const Trozo& trozo : trozos) {
        TrozoEnlazado t = EnlazarTrozo(trozo);
        texto.constante = texto.constante && t.tipo == Trozo::Tipo::Literal;
        texto.dePaginas = texto.dePaginas || t.tipo == Trozo::Tipo::Paginas;
        // Neighbouring texts are joined once here instead of on every row.
        if (t.tipo == Trozo::Tipo::Literal && !texto.trozos.isEmpty()
            && texto.trozos.back().tipo == Trozo::Tipo::Literal)
            texto.trozos.back().literal += t.literal;
        else
            texto.trozos.append(t);
    }
    return texto;
}

CondicionEnlazada Evaluador::Enlazar(const Condicion& condicion) const
{
    CondicionEnlazada c;
    c.activa = condicion.activa;
    if (!c.activa)
        return c;
    c.negada = condicion.negada;
    c.igualA = condicion.igualA;
    if (condicion.operando.tipo == Trozo::Tipo::Formula)
        c.formula = Formula(condicion.operando.texto);
    else
        c.campo = EnlazarTrozo(condicion.operando);
    return c;
}

const db::Value* Evaluador::Valor(const TrozoEnlazado& campo, const Contexto& c) const
{
    if (!m_datos || c.fila < 0)
        return nullptr;
    if (campo.relacion < 0)
        return &m_datos->principal.valor(c.fila, campo.columna);
    const DatosRelacion& r = m_datos->relaciones[std::size_t(campo.relacion)];
    int fila = -1;
    if (c.relacion == campo.relacion) {
        fila = c.filaRelacion;
    } else {
        const QList<int>& filas = r.filasDe(m_datos->principal, c.fila);
        fila = filas.isEmpty() ? -1 : filas.front();
    }
    return fila < 0 ? nullptr : &r.tabla.valor(fila, campo.columna);
}

double Evaluador::Suma(int columna, int desde, int hasta)
{
    auto it = m_acumulados.find(columna);
    if (it == m_acumulados.end()) {
        const TablaDatos& t = m_datos->principal;
        std::vector<double> acumulado(std::size_t(t.filas()) + 1, 0.0);
        for (int f = 0; f < t.filas(); ++f)
            acumulado[std::size_t(f) + 1] = acumulado[std::size_t(f)] + NumeroDe(t.valor(f, columna)).value_or(0);
        it = m_acumulados.insert(columna, std::move(acumulado));
    }
    return (*it)[std::size_t(hasta)] - (*it)[std::size_t(desde)];
}

QString Evaluador::Evaluar(const TextoEnlazado& texto, const Contexto& c)
{
    QString resultado;
    for (const TrozoEnlazado& t : texto.trozos) {
        switch (t.tipo) {
        case Trozo::Tipo::Literal:
            resultado += t.literal;
            break;
        case Trozo::Tipo::Campo:
            if (const db::Value* v = Valor(t, c))
                resultado += FormatearValor(*v, t.formato, t.decimales);
            break;
        case Trozo::Tipo::Suma: {
            const double suma = m_datos ? Suma(t.columna, c.sumaDesde, c.sumaHasta) : 0;
            resultado += t.formato == Formato::Tipo::TalCual ? vb::CStrDouble(suma)
                                                             : FormatearValor(db::Value(suma), t.formato, t.decimales);
            break;
        }
        case Trozo::Tipo::Pagina:
            resultado += QString::number(c.pagina);
            break;
        case Trozo::Tipo::Paginas:
            resultado += QString::number(c.paginas);
            break;
        default:
            break;
        }
    }
    return resultado;
}

bool Evaluador::Cumple(const CondicionEnlazada& condicion, const Contexto& c) const
{
    if (!condicion.activa)
        return true;
    bool cumple = false;
    if (condicion.formula) {
        const ValorFormula& f = *condicion.formula;
        cumple = condicion.igualA ? Iguales(f.esTexto ? nullptr : &f.numero, f.mostrar(), *condicion.igualA)
                                  : (f.esTexto ? TextoVerdadero(f.texto) : f.numero != 0);
    } else {
        const db::Value* v = Valor(condicion.campo, c);
        const std::optional<double> numero = v ? NumeroDe(*v) : std::nullopt;
        cumple = condicion.igualA ? Iguales(numero ? &*numero : nullptr, v ? v->toString() : QString(),
                                            *condicion.igualA)
                                  : ValorVerdadero(v);
    }
    return cumple != condicion.negada;
}

} // namespace report
