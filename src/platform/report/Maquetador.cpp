#include "platform/report/Maquetador.h"

#include "platform/db/JetCollation.h"
#include "platform/report/ComposicionSeccion.h"
#include "platform/report/Evaluador.h"
#include "platform/report/MetricasTexto.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr double kHolgura = 1e-6;

// Where each group of the sorted rows ends: fin[g][i] is the last row of
// the level-g group that row i belongs to.
class Grupos {
public:
    Grupos(const Plantilla& p, const Evaluador& ev, const TablaDatos* t)
    {
        const int n = t ? t->filas() : 0;
        for (std::size_t g = 0; g < p.grupos.size(); ++g) {
            TrozoEnlazado campo = ev.Enlazar(QList<Trozo>{p.grupos[g].campo}).trozos.value(0);
            std::vector<bool> empieza(std::size_t(n), false);
            for (int i = 0; i < n; ++i) {
                const bool exterior = g > 0 && m_empieza[g - 1][std::size_t(i)];
                empieza[std::size_t(i)] = i == 0 || exterior || Distintos(*t, campo.columna, i - 1, i);
            }
            std::vector<int> fin(std::size_t(n), n - 1);
            for (int i = n - 2; i >= 0; --i)
                fin[std::size_t(i)] = empieza[std::size_t(i) + 1] ? i : fin[std::size_t(i) + 1];
            std::vector<int> inicio(std::size_t(n), 0);
            for (int i = 1; i < n; ++i)
                inicio[std::size_t(i)] = empieza[std::size_t(i)] ? i : inicio[std::size_t(i) - 1];
            m_empieza.push_back(std::move(empieza));
            m_inicio.push_back(std::move(inicio));
            m_fin.push_back(std::move(fin));
        }
    }

    std::size_t niveles() const { return m_fin.size(); }
    bool empieza(std::size_t g, int fila) const { return m_empieza[g][std::size_t(fila)]; }
    int fin(std::size_t g, int fila) const { return m_fin[g][std::size_t(fila)]; }
    int inicio(std::size_t g, int fila) const { return m_inicio[g][std::size_t(fila)]; }

private:
    // Rows belong to one group when their keys are equal in the database's
    // own order (letter case and accents aside), as the sort put them.
    static bool Distintos(const TablaDatos& t, int columna, int a, int b)
    {
        const QByteArray x = t.valor(a, columna).toString().toUtf8();
        const QByteArray y = t.valor(b, columna).toString().toUtf8();
        return db::JetCollation::compare(std::string_view(x.constData(), std::size_t(x.size())),
                                         std::string_view(y.constData(), std::size_t(y.size()))) != 0;
    }

    std::vector<std::vector<bool>> m_empieza;
    std::vector<std::vector<int>> m_inicio;
    std::vector<std::vector<int>> m_fin;
};

struct EstadoPagina {
    int primeraFila = -1;
    int ultimaFila = -1;
    double yCabecera = 0;
    bool cabeceraReservada = false;
    bool conContenido = false;
    bool conDetalle = false;
};

class Maquetador {
public:
    Maquetador(const Plantilla& p, const DatosInforme* datos, const TablaFormulas& formulas,
               const OpcionesMaquetacion& o);
    ModeloPaginas maquetar();

private:
    static double Lado(double dado, double propio) { return dado > kHolgura ? dado : propio; }
    double fondoCuerpo() const { return m_p.pagina.height() - m_margenes.bottom() - m_reservaPie; }

    void nuevaPagina();
    void reservarCabecera();
    double altoBanda(const BandaEnlazada& banda, const Contexto& c, bool contarDeCampos) const;
    void colocar(Bloque bloque);
    void colocarBanda(const BandaEnlazada& banda, const Contexto& c);
    void colocarDetalle(const Contexto& c);
    void colocarEnCelda(const Contexto& c);
    void recorrerFilas();
    void cabecerasYPies();
    Contexto contexto(int fila, int desde, int hasta) const;

    const Plantilla& m_p;
    const DatosInforme* m_datos;
    MetricasTexto& m_m;
    Evaluador m_ev;
    OpcionesMaquetacion m_o;
    QMarginsF m_margenes;
    int m_filas = 0;

    BandaEnlazada m_cabeceraInforme, m_cabeceraPagina, m_detalle, m_pieInforme, m_piePagina;
    std::vector<BandaEnlazada> m_cabecerasGrupo, m_piesGrupo;

    ModeloPaginas m_modelo;
    std::vector<EstadoPagina> m_estados;
    double m_y = 0;
    double m_reservaPie = 0;
    int m_filaActual = -1;
    bool m_enCabeceraInforme = false;
    int m_celda = 0;        // next label cell on this page
    int m_celdasPagina = 0; // cells this page holds
    double m_origenCeldas = 0;
};

Maquetador::Maquetador(const Plantilla& p, const DatosInforme* datos, const TablaFormulas& formulas,
                       const OpcionesMaquetacion& o)
    : m_p(p)
    , m_datos(datos)
    , m_m(MetricasTexto::Compartidas())
    , m_ev(p, datos, formulas, o.fecha)
    , m_o(o)
    , m_margenes(Lado(o.margenes.left(), p.margenes.left()), Lado(o.margenes.top(), p.margenes.top()),
                 Lado(o.margenes.right(), p.margenes.right()), Lado(o.margenes.bottom(), p.margenes.bottom()))
    , m_filas(datos ? datos->principal.filas() : 0)
{
    const bool celdas = p.cuadricula.has_value();
    m_cabeceraInforme = EnlazarBanda(p.cabeceraInforme, m_ev, true, m_m);
    m_cabeceraPagina = EnlazarBanda(p.cabeceraPagina, m_ev, false, m_m);
    m_detalle = EnlazarBanda(p.detalle, m_ev, !celdas, m_m);
    m_pieInforme = EnlazarBanda(p.pieInforme, m_ev, true, m_m);
    m_piePagina = EnlazarBanda(p.piePagina, m_ev, false, m_m);
    for (const Grupo& g : p.grupos) {
        m_cabecerasGrupo.push_back(EnlazarBanda(g.cabecera, m_ev, true, m_m));
        m_piesGrupo.push_back(EnlazarBanda(g.pie, m_ev, true, m_m));
    }
}

Contexto Maquetador::contexto(int fila, int desde, int hasta) const
{
    Contexto c;
    c.fila = fila;
    c.sumaDesde = desde;
    c.sumaHasta = hasta;
    c.pagina = int(m_modelo.paginas.size());
    return c;
}

double Maquetador::altoBanda(const BandaEnlazada& banda, const Contexto& c, bool contarDeCampos) const
{
    double alto = 0;
    for (const SeccionEnlazada& s : banda) {
        const bool deCampo = s.si.activa && !s.si.formula;
        if ((deCampo && contarDeCampos) || m_ev.Cumple(s.si, c))
            alto += AltoFijo(*s.seccion, m_m);
    }
    return alto;
}

void Maquetador::nuevaPagina()
{
    m_modelo.paginas.emplace_back();
    m_estados.push_back({m_filaActual, m_filaActual, 0, false, false, false});
    m_y = m_margenes.top();
    m_celda = 0;
    m_celdasPagina = 0;
    // The footer's room is kept whatever the rows on the page turn out to
    // be: sections shown by a field count as shown.
    m_reservaPie = altoBanda(m_piePagina, contexto(m_filaActual, 0, m_filas), true);
    // On the first page the report header comes before the page header.
    if (!m_enCabeceraInforme || m_modelo.paginas.size() > 1)
        reservarCabecera();
}

void Maquetador::reservarCabecera()
{
    EstadoPagina& e = m_estados.back();
    if (e.cabeceraReservada)
        return;
    e.cabeceraReservada = true;
    e.yCabecera = m_y;
    m_y += altoBanda(m_cabeceraPagina, contexto(m_filaActual, 0, m_filas), false);
}

void Maquetador::colocar(Bloque bloque)
{
    for (;;) {
        EstadoPagina& e = m_estados.back();
        const double disponible = fondoCuerpo() - m_y;
        if (bloque.alto <= disponible + kHolgura) {
            bloque.ColocarEn(m_modelo.paginas.back(), m_margenes.left(), m_y);
            m_y += bloque.alto;
            e.conContenido = true;
            e.ultimaFila = m_filaActual;
            return;
        }
        // Whole on the next page when it fits there; otherwise cut here.
        const double cuerpoNuevo = fondoCuerpo() - m_margenes.top()
                                   - altoBanda(m_cabeceraPagina, contexto(m_filaActual, 0, m_filas), false);
        if (e.conContenido && bloque.alto <= cuerpoNuevo + kHolgura) {
            nuevaPagina();
            continue;
        }
        Bloque resto;
        const auto parte = bloque.Partir(disponible, resto);
        if (!parte && e.conContenido) {
            nuevaPagina();
            continue;
        }
        if (!parte) {
            // Not one line fits on an empty page: it goes whole, past the
            // bottom, rather than nowhere.
            bloque.ColocarEn(m_modelo.paginas.back(), m_margenes.left(), m_y);
            m_y += bloque.alto;
            e.conContenido = true;
            return;
        }
        parte->ColocarEn(m_modelo.paginas.back(), m_margenes.left(), m_y);
        e.conContenido = true;
        e.ultimaFila = m_filaActual;
        nuevaPagina();
        bloque = std::move(resto);
    }
}

void Maquetador::colocarBanda(const BandaEnlazada& banda, const Contexto& c)
{
    for (const SeccionEnlazada& s : banda) {
        if (s.relacion < 0) {
            if (m_ev.Cumple(s.si, c))
                colocar(ComponerSeccion(s, m_ev, c, m_m));
            continue;
        }
        if (!m_datos || c.fila < 0)
            continue;
        Contexto r = c;
        r.relacion = s.relacion;
        for (int fila : m_datos->relaciones[std::size_t(s.relacion)].filasDe(m_datos->principal, c.fila)) {
            r.filaRelacion = fila;
            if (m_ev.Cumple(s.si, r))
                colocar(ComponerSeccion(s, m_ev, r, m_m));
        }
    }
}

void Maquetador::colocarEnCelda(const Contexto& c)
{
    const Cuadricula& q = *m_p.cuadricula;
    if (m_celdasPagina > 0 && m_celda >= m_celdasPagina)
        nuevaPagina();
    if (m_celdasPagina == 0) {
        reservarCabecera();
        m_origenCeldas = m_y;
        const double paso = q.altoCelda + q.separacionV;
        const int caben = int(std::floor((fondoCuerpo() - m_origenCeldas + q.separacionV + kHolgura) / paso));
        m_celdasPagina = q.columnas * std::clamp(caben, 1, q.filas);
    }
    const int columna = m_celda % q.columnas;
    const int fila = m_celda / q.columnas;
    const double x = m_margenes.left() + columna * (q.anchoCelda + q.separacionH);
    double y = m_origenCeldas + fila * (q.altoCelda + q.separacionV);
    Pagina& pagina = m_modelo.paginas.back();
    auto colocarSeccion = [&](const SeccionEnlazada& s, const Contexto& ctx) {
        if (!m_ev.Cumple(s.si, ctx))
            return;
        const Bloque b = ComponerSeccion(s, m_ev, ctx, m_m);
        b.ColocarEn(pagina, x, y);
        y += b.alto;
    };
    for (const SeccionEnlazada& s : m_detalle) {
        if (s.relacion < 0) {
            colocarSeccion(s, c);
            continue;
        }
        Contexto r = c;
        r.relacion = s.relacion;
        for (int f : m_datos->relaciones[std::size_t(s.relacion)].filasDe(m_datos->principal, c.fila)) {
            r.filaRelacion = f;
            colocarSeccion(s, r);
        }
    }
    ++m_celda;
    EstadoPagina& e = m_estados.back();
    e.conContenido = e.conDetalle = true;
    e.ultimaFila = m_filaActual;
    m_y = m_origenCeldas + (fila + 1) * (q.altoCelda + q.separacionV) - q.separacionV;
}

void Maquetador::colocarDetalle(const Contexto& c)
{
    if (m_p.cuadricula) {
        colocarEnCelda(c);
        return;
    }
    colocarBanda(m_detalle, c);
    m_estados.back().conDetalle = true;
}

void Maquetador::recorrerFilas()
{
    if (!m_datos) {
        colocarDetalle(contexto(-1, 0, 0));
        return;
    }
    const Grupos grupos(m_p, m_ev, &m_datos->principal);
    for (int i = 0; i < m_filas; ++i) {
        m_filaActual = i;
        // A row of its own page takes its group headers along.
        if (m_p.detalleNuevaPagina && m_estados.back().conDetalle)
            nuevaPagina();
        int desde = 0;
        int hasta = m_filas;
        for (std::size_t g = 0; g < grupos.niveles(); ++g) {
            desde = grupos.inicio(g, i);
            hasta = grupos.fin(g, i) + 1;
            if (!grupos.empieza(g, i))
                continue;
            if (m_p.grupos[g].nuevaPagina && m_estados.back().conContenido && i > 0)
                nuevaPagina();
            colocarBanda(m_cabecerasGrupo[g], contexto(i, desde, hasta));
        }
        colocarDetalle(contexto(i, desde, hasta));
        for (std::size_t g = grupos.niveles(); g-- > 0;) {
            if (grupos.fin(g, i) == i)
                colocarBanda(m_piesGrupo[g], contexto(i, grupos.inicio(g, i), i + 1));
        }
    }
}

void Maquetador::cabecerasYPies()
{
    const int total = int(m_modelo.paginas.size());
    for (int n = 0; n < total; ++n) {
        const EstadoPagina& e = m_estados[std::size_t(n)];
        Pagina& pagina = m_modelo.paginas[std::size_t(n)];
        Contexto c = contexto(e.primeraFila, 0, m_filas);
        c.pagina = n + 1;
        c.paginas = total;
        double y = e.yCabecera;
        if (e.cabeceraReservada) {
            for (const SeccionEnlazada& s : m_cabeceraPagina) {
                if (!m_ev.Cumple(s.si, c))
                    continue;
                ComponerSeccion(s, m_ev, c, m_m).ColocarEn(pagina, m_margenes.left(), y);
                y += AltoFijo(*s.seccion, m_m);
            }
        }
        c.fila = e.ultimaFila;
        y = m_p.pagina.height() - m_margenes.bottom() - altoBanda(m_piePagina, c, false);
        for (const SeccionEnlazada& s : m_piePagina) {
            if (!m_ev.Cumple(s.si, c))
                continue;
            ComponerSeccion(s, m_ev, c, m_m).ColocarEn(pagina, m_margenes.left(), y);
            y += AltoFijo(*s.seccion, m_m);
        }
    }
}

ModeloPaginas Maquetador::maquetar()
{
    m_modelo.titulo = m_o.titulo;
    m_modelo.tamano = m_p.pagina;
    m_filaActual = m_filas > 0 ? 0 : -1;
    m_enCabeceraInforme = true;
    nuevaPagina();
    colocarBanda(m_cabeceraInforme, contexto(m_filaActual, 0, m_filas));
    m_enCabeceraInforme = false;
    reservarCabecera();
    recorrerFilas();
    colocarBanda(m_pieInforme, contexto(m_filas - 1, 0, m_filas));
    cabecerasYPies();
    return std::move(m_modelo);
}

} // namespace

ModeloPaginas Maquetar(const Plantilla& plantilla, const DatosInforme* datos, const TablaFormulas& formulas,
                       const OpcionesMaquetacion& opciones)
{
    return Maquetador(plantilla, datos, formulas, opciones).maquetar();
}

} // namespace report
