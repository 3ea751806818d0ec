// The record list of the census node ("Padrón") with 1,000,000 persons: the
// node click that shows its first page, the "next page" button from the
// first page, the "last page" button and a filter on a surname, each timed
// against the same page query run through the raw SQLite C API on the same
// connection. Prints the medians and their ratios.
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
#include "platform/db/JetSql.h"
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

// The raw counterpart of a page: prepare, bind, step through the rows
// reading every column as text, finalize.
long Crudo(sqlite3* h, const std::string& sql, const std::vector<std::string>& textos)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql.c_str(), int(sql.size()), &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(h));
        std::exit(1);
    }
    for (std::size_t i = 0; i < textos.size(); ++i)
        sqlite3_bind_text(st, int(i + 1), textos[i].c_str(), -1, SQLITE_TRANSIENT);
    long filas = 0;
    std::size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++filas;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            sqlite3_column_text(st, c);
            bytes += std::size_t(sqlite3_column_bytes(st, c));
        }
    }
    sqlite3_finalize(st);
    return filas + long(bytes % 2);
}

double Mediana(const std::function<void()>& f)
{
    f();  // warm the page cache
    std::vector<double> t;
    for (int i = 0; i < kRepeticiones; ++i) {
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

    const std::string primera = db::TranslateJetSql(consulta + QStringLiteral(" LIMIT 24 OFFSET 0"));
    const double clicNuestro = Mediana([&] { lista.tvTreeView_NodeClick(padron); });
    const double clicCrudo = Mediana([&] { Crudo(h, primera, {}); });
    const QString textoPrimera = ventana.TextoPanel(2);

    // From the first page each time, as the first press after a click.
    cPropiedadesNodo& registro = *estado.gcolRegistroDB.Item(nodo->Path());
    const std::string segunda = db::TranslateJetSql(consulta + QStringLiteral(" LIMIT 24 OFFSET 24"));
    const double siguienteNuestra = Mediana([&] {
        registro.SetPosInicial(1);
        lista.tbPrincipal_ButtonClick(QStringLiteral("nextReg"));
    });
    const double siguienteCruda = Mediana([&] { Crudo(h, segunda, {}); });
    const QString textoSiguiente = ventana.TextoPanel(2);

    const std::string ultima =
        db::TranslateJetSql(consulta + QStringLiteral(" LIMIT 24 OFFSET %1").arg(std::max(0L, total - 24)));
    const double ultimaNuestra = Mediana([&] { lista.tbPrincipal_ButtonClick(QStringLiteral("lastReg")); });
    const double ultimaCruda = Mediana([&] { Crudo(h, ultima, {}); });
    const QString textoUltima = ventana.TextoPanel(2);

    // "1º Apellido" is the third column of the census list.
    lista.tvTreeView_NodeClick(padron);
    ventana.lista.SetFilterText(2, kApellido);
    QString sql = consulta.trimmed();
    QString condiciones = QStringLiteral("AND Padron.PrimerApellido LIKE ?");
    const std::string filtrada = db::TranslateJetSql(cListaPrincipal::TratarSentenciaSQL(sql, condiciones));
    const std::vector<std::string> patron{("%" + kApellido + "%").toStdString()};
    const double filtroNuestro = Mediana([&] { lista.FiltrarNvList(); });
    const double filtroCrudo = Mediana([&] { Crudo(h, filtrada, patron); });
    const int filasFiltro = ventana.lista.RowCount();

    std::printf("\n%-34s %13s %13s %9s\n", "", "lista", "sqlite3", "razón");
    Informe("Clic en Padrón (primera página)", clicNuestro, clicCrudo);
    Informe("Página siguiente", siguienteNuestra, siguienteCruda);
    Informe("Página última", ultimaNuestra, ultimaCruda);
    Informe("Filtro por primer apellido", filtroNuestro, filtroCrudo);
    std::printf("\n%ld filas; primera: %s; siguiente: %s; última: %s; filtro: %d filas%s\n", total,
                qPrintable(textoPrimera), qPrintable(textoSiguiente), qPrintable(textoUltima), filasFiltro,
                estado.mblnFiltrado ? "" : " (¡sin filtrar!)");
    ui::SetCurrent(nullptr);
    return silenciosa.mensajes == 0 && estado.mblnFiltrado ? 0 : 1;
}
