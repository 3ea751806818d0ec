// The record list of the census node ("Padrón") with 1,000,000 persons: the
// node click that shows its first page, the "next page" button from the
// first page, "previous page" from the third, the "last page" button (with
// the row count known, and after a change, when it is counted again), a
// reload in the middle and a filter on a surname, each timed against the
// best raw way to the same rows through the SQLite C API on the same
// connection, its statements prepared once: the census read institution by
// institution in name order, each one's persons in the order of the index
// of the census by institution; first page from the start, next and
// previous by the order values of the page's edge row, the last page in the
// opposite order (it needs no count), the middle page by counting the
// institutions it passes. The last page right after one person is added is
// timed with the census count the database keeps and, as the baseline,
// again with that count removed (the census counted itself, as on an older
// file). Prints the medians and their ratios; run it with 10000 as well to
// see how the figures grow.
//   bench_recordlist [persons]     (default 1000000)

#include "BasesDatosPrograma.h"
#include "CarpetaPrograma.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "navigation/CargaModeloNodos.h"
#include "navigation/ClavesNodo.h"
#include "core/cPropiedadesNodo.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/NvList.h"
#include "recordlist/ConsultaPaginada.h"
#include "recordlist/cListaPrincipal.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kIdPadron = 16;
constexpr int kRepeticiones = 25;
const QString kApellido = QStringLiteral("S0042");

// The main window reduced to what the list uses.
class VentanaBench : public IVentanaLista {
public:
    VentanaBench() { lista.hide(); }
    widgets::NvList& msgPrincipal() override { return lista; }
    bool PanelVisible(PanelPrincipal p) const override
    {
        return p == PanelPrincipal::msgPrincipal ? lista.Visible() : visibles.value(int(p));
    }
    void SetPanelVisible(PanelPrincipal p, bool v) override
    {
        if (p == PanelPrincipal::msgPrincipal)
            lista.setVisible(v);
        else
            visibles[int(p)] = v;
    }
    void ColocarPanelMensaje(bool) override {}
    void SetInfoMensaje(int, const QString&) override {}
    void MostrarAgenda() override {}
    NodoArbol NodoSeleccionado() const override { return seleccionado; }
    void MostrarTituloNodo() override {}
    void EnfocarArbol() override {}
    QString TextoPanel(int panel) const override { return paneles.value(panel); }
    void SetTextoPanel(int panel, const QString& texto) override { paneles[panel] = texto; }
    void SetMenuVisible(const QString&, bool) override {}
    void SetMenuEnabled(const QString&, bool) override {}
    void SetMenuCaption(const QString&, const QString&) override {}
    void PopupMenu(const QString&) override {}
    void CargarArbol(qint16) override {}

    QWidget ventana;
    widgets::NvList lista{&ventana};
    QHash<int, bool> visibles;
    QHash<int, QString> paneles;
    NodoArbol seleccionado;
};

void Exec(sqlite3* h, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(h, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error);
        std::exit(1);
    }
}

// Persons spread over 200 institutions, with 1000 surnames ("S0000" ..
// "S0999"), all of them in the census.
void LlenarPadron(sqlite3* h, int personas)
{
    static const char* nombres[] = {"José", "María", "Ángel", "Nuria", "Íñigo", "Lucía", "Óscar", "Begoña", "Raúl", "Sofía"};
    static const char* segundos[] = {"García", "Núñez", "Álvarez", "Muñoz", "López", "Martín", "Sánchez", "Pérez"};
    Exec(h, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, "INSERT INTO Institucion (Nombre) VALUES (?)", -1, &st, nullptr);
    for (int i = 0; i < 200; ++i) {
        const std::string nombre = "Parroquia " + std::to_string(1000 + i);
        sqlite3_bind_text(st, 1, nombre.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_prepare_v2(h,
                       "INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, DNI, Telefono, "
                       "CodInstitucionEmpadronado) VALUES (?, ?, ?, ?, ?, ?)",
                       -1, &st, nullptr);
    sqlite3_stmt* tipo = nullptr;
    sqlite3_prepare_v2(h, "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 2)", -1, &tipo, nullptr);
    char apellido[8];
    for (int i = 1; i <= personas; ++i) {
        std::snprintf(apellido, sizeof apellido, "S%04d", (i * 7919) % 1000);
        const std::string dni = std::to_string(10000000 + i) + "Z";
        sqlite3_bind_text(st, 1, nombres[i % 10], -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 2, apellido, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, segundos[(i / 10) % 8], -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 4, dni.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 5, "948000000", -1, SQLITE_STATIC);
        sqlite3_bind_int(st, 6, (i % 200) + 1);
        sqlite3_step(st);
        sqlite3_reset(st);
        sqlite3_bind_int(tipo, 1, i);
        sqlite3_step(tipo);
        sqlite3_reset(tipo);
    }
    sqlite3_finalize(st);
    sqlite3_finalize(tipo);
    Exec(h, "COMMIT");
}

// The census node's query as a raw program writes it, read institution by
// institution as the index of the census by institution allows: the
// institutions in name order (the bench's names are all different, which a
// raw program may know), each one's persons in the order of the index, its
// row id last.
const char kBaseCruda[] =
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, "
    "Padron.Telefono, Padron.IDPadron FROM Institucion CROSS JOIN Padron CROSS JOIN Padron_TipoPersona "
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado";
// As the node has it, for the filter, whose whole result is read and sorted.
const char kBasePlana[] =
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, "
    "Padron.Telefono, Padron.IDPadron FROM Institucion, Padron, Padron_TipoPersona "
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado";
const char kDeInstitucion[] = " AND Institucion.IDInstitucion = ?1 AND Padron.CodInstitucionEmpadronado = ?1";
const char kClaves[] = " AND (Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron)";
const char kOrden[] = " ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron";
const char kOrdenInverso[] = " ORDER BY Padron.PrimerApellido DESC, Padron.SegundoApellido DESC, "
                             "Padron.Nombre DESC, Padron.IDPadron DESC";

// The order values of a page's edge row: institution, surnames, name, id.
struct Claves {
    sqlite3_int64 institucion = 0;
    std::string apellido1, apellido2, nombre;
    sqlite3_int64 id = 0;
};

// One statement prepared once and reused.
class Sentencia {
public:
    Sentencia(sqlite3* h, const std::string& sql)
    {
        if (sqlite3_prepare_v2(h, sql.c_str(), int(sql.size()), &m_st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(h));
            std::exit(1);
        }
    }
    ~Sentencia() { sqlite3_finalize(m_st); }
    sqlite3_stmt* st() const { return m_st; }

private:
    sqlite3_stmt* m_st = nullptr;
};

// The raw reader: the same walk over the institutions as the list's, every
// statement prepared once, every column of a row read as text.
class Crudo {
public:
    explicit Crudo(sqlite3* h)
        : m_instituciones(h, "SELECT IDInstitucion FROM Institucion ORDER BY Nombre, IDInstitucion"),
          m_adelante(h, std::string(kBaseCruda) + kDeInstitucion + kOrden + " LIMIT ?2 OFFSET ?3"),
          m_atras(h, std::string(kBaseCruda) + kDeInstitucion + kOrdenInverso + " LIMIT ?2 OFFSET ?3"),
          m_despues(h, std::string(kBaseCruda) + kDeInstitucion + kClaves + " > (?3, ?4, ?5, ?6)" + kOrden + " LIMIT ?2"),
          m_antes(h, std::string(kBaseCruda) + kDeInstitucion + kClaves + " < (?3, ?4, ?5, ?6)" + kOrdenInverso
                         + " LIMIT ?2"),
          m_contar(h, "SELECT Institucion.IDInstitucion, COUNT(*) FROM Institucion, Padron, Padron_TipoPersona "
                      "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
                      "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado "
                      "GROUP BY Institucion.IDInstitucion")
    {
    }

    // `limite` rows from the start (the end when `inversa`) after skipping
    // `saltar`, or after (before) the row `desde`; the edge rows' values.
    long Leer(long limite, long saltar, bool inversa, const Claves* desde = nullptr, Claves* primera = nullptr,
              Claves* ultima = nullptr)
    {
        std::vector<sqlite3_int64> ids;
        while (sqlite3_step(m_instituciones.st()) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int64(m_instituciones.st(), 0));
        sqlite3_reset(m_instituciones.st());
        if (inversa)
            std::reverse(ids.begin(), ids.end());
        std::size_t g = 0;
        if (desde)
            g = std::size_t(std::find(ids.begin(), ids.end(), desde->institucion) - ids.begin());
        // Rows to skip: every institution counted in one pass, whole
        // institutions skipped by their counts.
        if (saltar > 0) {
            std::unordered_map<sqlite3_int64, sqlite3_int64> filas;
            while (sqlite3_step(m_contar.st()) == SQLITE_ROW)
                filas[sqlite3_column_int64(m_contar.st(), 0)] = sqlite3_column_int64(m_contar.st(), 1);
            sqlite3_reset(m_contar.st());
            for (; g < ids.size() && filas[ids[g]] <= saltar; ++g)
                saltar -= filas[ids[g]];
        }
        long leidas = 0;
        for (; g < ids.size() && leidas < limite; ++g) {
            sqlite3_stmt* st = nullptr;
            if (desde) {
                st = inversa ? m_antes.st() : m_despues.st();
                sqlite3_bind_text(st, 3, desde->apellido1.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(st, 4, desde->apellido2.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(st, 5, desde->nombre.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(st, 6, desde->id);
                desde = nullptr;
            } else {
                st = inversa ? m_atras.st() : m_adelante.st();
                sqlite3_bind_int64(st, 3, saltar);
            }
            sqlite3_bind_int64(st, 1, ids[g]);
            sqlite3_bind_int64(st, 2, limite - leidas);
            long n = 0;
            while (sqlite3_step(st) == SQLITE_ROW) {
                ++n;
                for (int c = 0; c < sqlite3_column_count(st); ++c)
                    sqlite3_column_text(st, c);
                const auto texto = [&](int c) { return std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, c))); };
                const Claves k{ids[g], texto(2), texto(3), texto(1), sqlite3_column_int64(st, 6)};
                if (leidas + n == 1 && primera)
                    *primera = k;
                if (ultima)
                    *ultima = k;
            }
            sqlite3_reset(st);
            saltar = 0;
            leidas += n;
        }
        return leidas;
    }

private:
    Sentencia m_instituciones, m_adelante, m_atras, m_despues, m_antes, m_contar;
};

double Mediana(const std::function<void()>& f, const std::function<void()>& antes = {})
{
    if (antes)
        antes();
    f();  // warm the page cache
    std::vector<double> t;
    for (int i = 0; i < kRepeticiones; ++i) {
        if (antes)
            antes();
        QElapsedTimer reloj;
        reloj.start();
        f();
        t.push_back(double(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// Ours and raw timed in turn, so that a change of the machine's load
// touches both the same; `antes` runs before each of ours, untimed.
struct Medida {
    double nuestra;
    double cruda;
};

Medida Medir(const std::function<void()>& nuestra, const std::function<void()>& cruda,
             const std::function<void()>& antes = {})
{
    const auto reloj = [](const std::function<void()>& f) {
        QElapsedTimer t;
        t.start();
        f();
        return double(t.nsecsElapsed()) / 1e6;
    };
    if (antes)
        antes();
    nuestra();  // warm the page cache
    cruda();
    std::vector<double> a, b;
    for (int i = 0; i < kRepeticiones; ++i) {
        if (antes)
            antes();
        a.push_back(reloj(nuestra));
        b.push_back(reloj(cruda));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

void Informe(const char* que, const Medida& m)
{
    std::printf("%-34s %10.3f ms %10.3f ms %8.2fx\n", que, m.nuestra, m.cruda, m.nuestra / m.cruda);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int personas = argc > 1 ? std::atoi(argv[1]) : 1000000;
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);

    QTemporaryDir dir;
    settings::SetFolder(dir.filePath(QStringLiteral("ajustes")));
    const QString carpeta = dir.filePath(QStringLiteral("app"));
    CrearCarpetaPrograma(carpeta);
    const auto abrir = [&](BaseDatosPrograma base) {
        db::Connection con;
        const DescripcionBaseDatos& d = Descripcion(base);
        con.Open(CadenaConexionConPassword(RutaEnCarpeta(carpeta, d.archivo), d.password));
        return con;
    };
    denDuzediv den;
    den.conLocal = abrir(BaseDatosPrograma::Duzediv);
    den.conContabilidad = abrir(BaseDatosPrograma::Contabilidad);
    db::Connection& conLocal = den.conLocal;
    QElapsedTimer carga;
    carga.start();
    LlenarPadron(conLocal.handle(), personas);
    std::printf("%d personas escritas en %.1f s\n", personas, double(carga.elapsed()) / 1000);

    PVAPI::cInfoConfiguracion gobjInfoConfig;
    EstadoPrincipal estado;
    estado.gobjInfoConfig = &gobjInfoConfig;
    estado.den = &den;
    estado.appTitle = QStringLiteral("Norvia Parvanta 2000");
    estado.gintNRegMax = 24;
    const AjustesUsuario ajustes{QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};
    CargaModeloNodos(conLocal, ajustes, false).Cargar(estado.gcolNodo, estado.gcolRegistroDB);

    VentanaBench ventana;
    RegistroComandos comandos;
    cListaPrincipal lista(estado, ventana, comandos);

    const auto nodo = estado.gcolNodo.Item(ClaveColeccion(kIdPadron));
    const NodoArbol padron{ClaveArbol(kIdPadron), nodo->Nombre()};
    ventana.seleccionado = padron;
    sqlite3* h = conLocal.handle();
    const QString consulta = nodo->SQLSelect();
    const long total = conLocal.Execute(QStringLiteral("SELECT COUNT(*) FROM (") + consulta + u')').value(0).toInt64();

    Crudo crudo(h);
    const auto clicCrudo = [&] { crudo.Leer(24, 0, false); };
    const Medida clic = Medir([&] { lista.tvTreeView_NodeClick(padron); }, clicCrudo);
    const QString textoPrimera = ventana.TextoPanel(2);

    // From the first page shown each time, as the first press after a click;
    // raw, after the last row of the first page.
    cPropiedadesNodo& registro = *estado.gcolRegistroDB.Item(nodo->Path());
    Claves fin1;
    crudo.Leer(24, 0, false, nullptr, nullptr, &fin1);
    const auto siguienteCruda = [&] { crudo.Leer(24, 0, false, &fin1); };
    const Medida siguiente = Medir([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg")); }, siguienteCruda,
                                   [&] { lista.tvTreeView_NodeClick(padron); });
    const QString textoSiguiente = ventana.TextoPanel(2);

    // From the third page back to the second; raw, before the first row of
    // the third page.
    Claves inicio3;
    crudo.Leer(24, 48, false, nullptr, &inicio3);
    const auto anteriorCruda = [&] { crudo.Leer(24, 0, true, &inicio3); };
    const Medida anterior = Medir([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("prevReg")); }, anteriorCruda,
                                  [&] {
                                      lista.tvTreeView_NodeClick(padron);
                                      lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg"));
                                      lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg"));
                                  });
    const QString textoAnterior = ventana.TextoPanel(2);

    // The last page needs the row count for its positions. It is counted
    // again after any change to the database (here a phone number written
    // back as it was) and kept while nothing changes; raw needs no count.
    const auto cambio = [&] {
        Exec(h, "UPDATE Padron SET Telefono = Telefono WHERE IDPadron = 1");
        lista.tvTreeView_NodeClick(padron);
    };
    const auto ultimaCruda = [&] { crudo.Leer(24, 0, true); };
    const Medida ultimaContada =
        Medir([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("lastReg")); }, ultimaCruda, cambio);
    const Medida ultima = Medir([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("lastReg")); }, ultimaCruda,
                                [&] { lista.tvTreeView_NodeClick(padron); });
    const QString textoUltima = ventana.TextoPanel(2);

    // A reload of the page in the middle, after a change; raw, the same
    // walk counting the institutions it passes.
    const long medio = total / 2;
    const auto medioCrudo = [&] { crudo.Leer(24, medio, false); };
    const Medida medioLista = Medir([&] { lista.mnuVerActualizarLista_Click(); }, medioCrudo, [&] {
        Exec(h, "UPDATE Padron SET Telefono = Telefono WHERE IDPadron = 1");
        registro.SetPosInicial(qint32(medio + 1));
    });
    const QString textoMedio = ventana.TextoPanel(2);

    // The pager alone, called as the list's commands call it, without the
    // list control: a new reader per command, the edges kept between them.
    BordesPagina bordes;
    const auto leer = [&](long inicio) {
        ConsultaPaginada lector(conLocal, consulta, {}, &bordes);
        return lector.LeerPagina(inicio, 24).RecordCount();
    };
    const auto ultimaLector = [&] {
        ConsultaPaginada lector(conLocal, consulta, {}, &bordes);
        return lector.LeerPagina(lector.RecordCount() - 23, 24).RecordCount();
    };
    const Medida lectorPrimera = Medir([&] { leer(1); }, clicCrudo);
    const Medida lectorSiguiente = Medir([&] { leer(25); }, siguienteCruda, [&] { leer(1); });
    const Medida lectorAnterior = Medir([&] { leer(25); }, anteriorCruda, [&] {
        leer(1);
        leer(25);
        leer(49);
    });
    const Medida lectorUltima = Medir(ultimaLector, ultimaCruda, [&] { leer(1); });
    const Medida lectorUltimaContada = Medir(ultimaLector, ultimaCruda, [&] {
        Exec(h, "UPDATE Padron SET Telefono = Telefono WHERE IDPadron = 1");
        leer(1);
    });
    const Medida lectorMedio = Medir([&] { leer(medio + 1); }, medioCrudo,
                                     [&] { Exec(h, "UPDATE Padron SET Telefono = Telefono WHERE IDPadron = 1"); });

    // One person added (the one added before goes first, so the census has
    // one more person each time), then the first or the last page: the
    // count summed from the counts the database keeps, and the baseline
    // with them removed, when the census is counted.
    const std::string otra = std::to_string(personas + 1);
    const std::string altaSql = "DELETE FROM Padron_TipoPersona WHERE CodPadron = " + otra
        + "; DELETE FROM Padron WHERE IDPadron = " + otra
        + "; INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, CodInstitucionEmpadronado) "
          "VALUES ("
        + otra + ", 'Zoe', 'S0500', 'García', 7); INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES ("
        + otra + ", 2)";
    const auto alta = [&] { Exec(h, altaSql.c_str()); };
    struct TrasAlta {
        double ultimaLista, ultimaLector, primeraLector;
        QString texto;
        long filas;
    };
    const auto trasAlta = [&] {
        TrasAlta t;
        t.ultimaLista = Mediana([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("lastReg")); },
                                [&] {
                                    alta();
                                    lista.tvTreeView_NodeClick(padron);
                                });
        t.texto = ventana.TextoPanel(2);
        t.ultimaLector = Mediana(ultimaLector, [&] {
            alta();
            leer(1);
        });
        t.primeraLector = Mediana([&] { leer(1); }, alta);
        ConsultaPaginada lector(conLocal, consulta, {}, &bordes);
        t.filas = lector.RecordCount();
        return t;
    };
    const TrasAlta conRecuento = trasAlta();
    {
        QStringList quitar;
        for (db::Recordset rs = conLocal.Execute(QStringLiteral(
                 "SELECT type, name FROM sqlite_master WHERE name LIKE 'Recuento%' ORDER BY type DESC"));
             !rs.isEOF(); rs.MoveNext())
            quitar << QStringLiteral("DROP %1 [%2]").arg(rs.value(0).toString().toUpper(), rs.value(1).toString());
        for (const QString& sql : quitar)
            Exec(h, sql.toUtf8().constData());
    }
    const TrasAlta sinRecuento = trasAlta();

    // "1º Apellido" is the third column of the census list. Its whole
    // result is read at once: raw, by the query's order with the condition.
    lista.tvTreeView_NodeClick(padron);
    ventana.lista.SetFilterText(2, kApellido);
    Sentencia filtrada(h, std::string(kBasePlana) + " AND Padron.PrimerApellido LIKE ? ORDER BY Institucion.Nombre, "
                                                    "Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, "
                                                    "Padron.IDPadron LIMIT 32769");
    const std::string patron = ("%" + kApellido + "%").toStdString();
    sqlite3_bind_text(filtrada.st(), 1, patron.c_str(), -1, SQLITE_TRANSIENT);
    const Medida filtro = Medir([&] { lista.FiltrarNvList(); }, [&] {
        while (sqlite3_step(filtrada.st()) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(filtrada.st()); ++c)
                sqlite3_column_text(filtrada.st(), c);
        sqlite3_reset(filtrada.st());
    });
    const int filasFiltro = ventana.lista.RowCount();

    std::printf("\n%-34s %13s %13s %9s\n", "", "lista", "sqlite3", "razón");
    Informe("Clic en Padrón (primera página)", clic);
    Informe("Página siguiente", siguiente);
    Informe("Página anterior", anterior);
    Informe("Página última (recuento conocido)", ultima);
    Informe("Página última (tras un cambio)", ultimaContada);
    Informe("Página del medio (tras un cambio)", medioLista);
    Informe("Filtro por primer apellido", filtro);
    std::printf("\nSólo el lector de páginas (sin el control de la lista):\n");
    Informe("Primera página", lectorPrimera);
    Informe("Página siguiente", lectorSiguiente);
    Informe("Página anterior", lectorAnterior);
    Informe("Página última (recuento conocido)", lectorUltima);
    Informe("Página última (tras un cambio)", lectorUltimaContada);
    Informe("Página del medio (tras un cambio)", lectorMedio);
    std::printf("\nTras un alta (recuento guardado / sin él, el censo contado):\n");
    const auto informeAlta = [](const char* que, double con, double sin) {
        std::printf("%-34s %10.3f ms %10.3f ms %8.3fx\n", que, con, sin, con / sin);
    };
    informeAlta("Página última", conRecuento.ultimaLista, sinRecuento.ultimaLista);
    informeAlta("Página última (sólo el lector)", conRecuento.ultimaLector, sinRecuento.ultimaLector);
    informeAlta("Primera página (sólo el lector)", conRecuento.primeraLector, sinRecuento.primeraLector);
    std::printf("%ld / %ld filas; última: %s / %s\n", conRecuento.filas, sinRecuento.filas,
                qPrintable(conRecuento.texto), qPrintable(sinRecuento.texto));
    std::printf("\n%ld filas; primera: %s; siguiente: %s; anterior: %s; última: %s; medio: %s; filtro: %d filas%s\n",
                total, qPrintable(textoPrimera), qPrintable(textoSiguiente), qPrintable(textoAnterior),
                qPrintable(textoUltima), qPrintable(textoMedio), filasFiltro,
                estado.mblnFiltrado ? "" : " (¡sin filtrar!)");
    ui::SetCurrent(nullptr);
    const bool iguales = conRecuento.filas == sinRecuento.filas && conRecuento.texto == sinRecuento.texto;
    if (!iguales)
        std::printf("¡El recuento guardado no da lo mismo que el censo contado!\n");
    return silenciosa.mensajes == 0 && estado.mblnFiltrado && iguales ? 0 : 1;
}
