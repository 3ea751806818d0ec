// The record list of the census node ("Padrón") with 1,000,000 persons: the
// node click that shows its first page, the "next page" button from the
// first page, "previous page" from the third, the "last page" button, a
// reload in the middle and a filter on a surname, each timed against the
// best raw way to the same rows through the SQLite C API on the same
// connection, its statement prepared once: the first page by its order
// with LIMIT, next and previous by the order values of the page's edge
// row, the last page by the opposite order with LIMIT (it needs no count),
// the middle page by OFFSET. Prints the medians and their ratios.
//
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
#include <vector>

namespace {

constexpr int kIdPadron = 16;
constexpr int kRepeticiones = 5;
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

// The census node's query as a raw program writes it, its order ending in
// the row id as the list's does.
const char kBaseCruda[] =
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, "
    "Padron.Telefono, Padron.IDPadron FROM Institucion, Padron, Padron_TipoPersona "
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado";
const char kClaves[] = "(Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron)";
const char kOrden[] =
    " ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron";
const char kOrdenInverso[] = " ORDER BY Institucion.Nombre DESC, Padron.PrimerApellido DESC, "
                             "Padron.SegundoApellido DESC, Padron.Nombre DESC, Padron.IDPadron DESC";

// The order values of a page's row: institution, surnames, name, id.
struct Claves {
    std::string institucion, apellido1, apellido2, nombre;
    sqlite3_int64 id = 0;
};

// A raw page: one statement prepared once and reused, its values bound,
// its rows stepped through reading every column as text.
class Crudo {
public:
    Crudo(sqlite3* h, const std::string& sql) : m_h(h)
    {
        if (sqlite3_prepare_v2(h, sql.c_str(), int(sql.size()), &m_st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(h));
            std::exit(1);
        }
    }
    ~Crudo() { sqlite3_finalize(m_st); }
    void Textos(const std::vector<std::string>& textos)
    {
        for (std::size_t i = 0; i < textos.size(); ++i)
            sqlite3_bind_text(m_st, int(i + 1), textos[i].c_str(), -1, SQLITE_TRANSIENT);
    }
    void ClavesDe(const Claves& k)
    {
        Textos({k.institucion, k.apellido1, k.apellido2, k.nombre});
        sqlite3_bind_int64(m_st, 5, k.id);
    }
    // Steps through the rows; the order values of the last one to `ultima`.
    long Leer(Claves* ultima = nullptr)
    {
        long filas = 0;
        std::size_t bytes = 0;
        while (sqlite3_step(m_st) == SQLITE_ROW) {
            ++filas;
            for (int c = 0; c < sqlite3_column_count(m_st); ++c) {
                sqlite3_column_text(m_st, c);
                bytes += std::size_t(sqlite3_column_bytes(m_st, c));
            }
            if (ultima) {
                const auto texto = [&](int c) { return std::string(reinterpret_cast<const char*>(sqlite3_column_text(m_st, c))); };
                *ultima = {texto(0), texto(2), texto(3), texto(1), sqlite3_column_int64(m_st, 6)};
            }
        }
        sqlite3_reset(m_st);
        return filas + long(bytes % 2);
    }

private:
    sqlite3* m_h;
    sqlite3_stmt* m_st = nullptr;
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

void Informe(const char* que, double nuestro, double crudo)
{
    std::printf("%-34s %10.1f ms %10.1f ms %8.2fx\n", que, nuestro, crudo, nuestro / crudo);
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

    const std::string base(kBaseCruda);
    Crudo primera(h, base + kOrden + " LIMIT 24");
    const double clicNuestro = Mediana([&] { lista.tvTreeView_NodeClick(padron); });
    const double clicCrudo = Mediana([&] { primera.Leer(); });
    const QString textoPrimera = ventana.TextoPanel(2);

    // From the first page shown each time, as the first press after a click;
    // raw, after the last row of the first page.
    cPropiedadesNodo& registro = *estado.gcolRegistroDB.Item(nodo->Path());
    Claves fin1;
    primera.Leer(&fin1);
    Crudo segunda(h, base + " AND " + kClaves + " > (?, ?, ?, ?, ?)" + kOrden + " LIMIT 24");
    segunda.ClavesDe(fin1);
    const double siguienteNuestra = Mediana([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg")); },
                                            [&] { lista.tvTreeView_NodeClick(padron); });
    const double siguienteCruda = Mediana([&] { segunda.Leer(); });
    const QString textoSiguiente = ventana.TextoPanel(2);

    // From the third page back to the second; raw, before the first row of
    // the third page.
    Claves fin2;
    segunda.Leer(&fin2);
    Crudo tercera(h, base + " AND " + kClaves + " > (?, ?, ?, ?, ?)" + kOrden + " LIMIT 1");
    tercera.ClavesDe(fin2);
    Claves inicio3;
    tercera.Leer(&inicio3);
    Crudo anterior(h, base + " AND " + kClaves + " < (?, ?, ?, ?, ?)" + kOrdenInverso + " LIMIT 24");
    anterior.ClavesDe(inicio3);
    const double anteriorNuestra = Mediana([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("prevReg")); },
                                           [&] {
                                               lista.tvTreeView_NodeClick(padron);
                                               lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg"));
                                               lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg"));
                                           });
    const double anteriorCruda = Mediana([&] { anterior.Leer(); });
    const QString textoAnterior = ventana.TextoPanel(2);

    Crudo ultima(h, base + kOrdenInverso + " LIMIT 24");
    const double ultimaNuestra = Mediana([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("lastReg")); });
    const double ultimaCruda = Mediana([&] { ultima.Leer(); });
    const QString textoUltima = ventana.TextoPanel(2);

    // A reload of the page in the middle; raw, the same OFFSET.
    const long medio = total / 2;
    Crudo centro(h, base + kOrden + " LIMIT 24 OFFSET " + std::to_string(medio));
    const double medioNuestro = Mediana([&] { lista.mnuVerActualizarLista_Click(); },
                                        [&] { registro.SetPosInicial(qint32(medio + 1)); });
    const double medioCrudo = Mediana([&] { centro.Leer(); });
    const QString textoMedio = ventana.TextoPanel(2);

    // "1º Apellido" is the third column of the census list.
    lista.tvTreeView_NodeClick(padron);
    ventana.lista.SetFilterText(2, kApellido);
    Crudo filtrada(h, base + " AND Padron.PrimerApellido LIKE ?" + kOrden + " LIMIT 32769");
    filtrada.Textos({("%" + kApellido + "%").toStdString()});
    const double filtroNuestro = Mediana([&] { lista.FiltrarNvList(); });
    const double filtroCrudo = Mediana([&] { filtrada.Leer(); });
    const int filasFiltro = ventana.lista.RowCount();

    std::printf("\n%-34s %13s %13s %9s\n", "", "lista", "sqlite3", "razón");
    Informe("Clic en Padrón (primera página)", clicNuestro, clicCrudo);
    Informe("Página siguiente", siguienteNuestra, siguienteCruda);
    Informe("Página anterior", anteriorNuestra, anteriorCruda);
    Informe("Página última", ultimaNuestra, ultimaCruda);
    Informe("Página del medio (recarga)", medioNuestro, medioCrudo);
    Informe("Filtro por primer apellido", filtroNuestro, filtroCrudo);
    std::printf("\n%ld filas; primera: %s; siguiente: %s; anterior: %s; última: %s; medio: %s; filtro: %d filas%s\n",
                total, qPrintable(textoPrimera), qPrintable(textoSiguiente), qPrintable(textoAnterior),
                qPrintable(textoUltima), qPrintable(textoMedio), filasFiltro,
                estado.mblnFiltrado ? "" : " (¡sin filtrar!)");
    ui::SetCurrent(nullptr);
    return silenciosa.mensajes == 0 && estado.mblnFiltrado ? 0 : 1;
}
