// The removal of an institution with 100,000 persons (census members, half
// of them donors with a donation, a receipt and an account, one in ten a
// collaborator, each with a baptism entry and its parent records), while a
// second institution with 10,000 persons shares its remittances. Timed
// against a hand-written list of set-based DELETE and UPDATE statements,
// prepared and stepped through the raw SQLite C API on the same kind of
// connection, that makes the same deletions; both start from a fresh copy
// of one database, rounds interleaved, and must leave the same row counts.
//
//   bench_eliminacion [rondas]

#include "BasesDatosPrograma.h"
#include "CarpetaPrograma.h"

#include "dialogs/EliminacionInstitucion.h"
#include "dialogs/ProgresoEliminacion.h"
#include "platform/db/Connection.h"
#include "platform/locks/LockSession.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kPersonasA = 100000;
constexpr int kPersonasB = 10000;
constexpr int kRemesas = 100;

void Ejecutar(sqlite3* h, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(h, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error);
        std::exit(1);
    }
}

sqlite3_stmt* Preparar(sqlite3* h, const char* sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql, -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(h));
        std::exit(1);
    }
    return st;
}

// Runs a prepared statement with its integer parameters.
void Paso(sqlite3* h, sqlite3_stmt* st, std::initializer_list<sqlite3_int64> valores)
{
    int i = 1;
    for (sqlite3_int64 v : valores)
        sqlite3_bind_int64(st, i++, v);
    if (sqlite3_step(st) != SQLITE_DONE) {
        std::fprintf(stderr, "%s: %s\n", sqlite3_sql(st), sqlite3_errmsg(h));
        std::exit(1);
    }
    sqlite3_reset(st);
}

void LlenarInstitucion(sqlite3* h, int institucion, int primera, int personas)
{
    sqlite3_stmt* padron = Preparar(h, "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) "
                                       "VALUES (?, 'Nombre', 'Apellido', ?)");
    sqlite3_stmt* tipo = Preparar(h, "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)");
    sqlite3_stmt* nacimiento =
        Preparar(h, "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (?, '19700101')");
    sqlite3_stmt* donativo = Preparar(h, "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, "
                                         "CodTipoDonativo, Importe, ImporteEur, PagoBanco) VALUES (?, ?, ?, 1, 1000, "
                                         "6.01, -1)");
    sqlite3_stmt* recibo = Preparar(h, "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, "
                                       "ImporteEur) VALUES (?, ?, ?, '20240105', 1000, 6.01)");
    sqlite3_stmt* cuenta =
        Preparar(h, "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (?, 1, '0000000001', '00')");
    sqlite3_stmt* ptc = Preparar(h, "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, "
                                    "CodTipoDonativo, CodCuenta) VALUES (?, ?, 1, ?)");
    sqlite3_stmt* miembro = Preparar(h, "INSERT INTO Padron_Actividad (IDActividadesPadron, CodPadron, CodGrupo, "
                                        "CodCargo) VALUES (?, ?, ?, 0)");
    sqlite3_stmt* bautismo = Preparar(h, "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, "
                                         "Numero, CodPadres, CodMadres) VALUES (?, ?, 0, 1, '1', ?, ?)");
    sqlite3_stmt* hijo = Preparar(h, "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre) VALUES (?, 'Hijo')");
    sqlite3_stmt* padres = Preparar(h, "INSERT INTO Bautismo_Padres (IDPadres, Nombre) VALUES (?, 'Padre')");
    sqlite3_stmt* madres = Preparar(h, "INSERT INTO Bautismo_Madres (IDMadres, Nombre) VALUES (?, 'Madre')");
    for (int p = primera; p < primera + personas; ++p) {
        Paso(h, padron, {p, institucion});
        Paso(h, tipo, {p, 2});
        Paso(h, nacimiento, {p});
        if (p % 2 == 0) {
            Paso(h, tipo, {p, 1});
            Paso(h, donativo, {p, p, institucion});
            Paso(h, recibo, {p, p, 1 + p % kRemesas});
            Paso(h, cuenta, {p});
            Paso(h, ptc, {p, p, p});
        }
        if (p % 10 == 0) {
            Paso(h, tipo, {p, 3});
            Paso(h, miembro, {p, p, institucion});
        }
        Paso(h, bautismo, {p, institucion, p, p});
        Paso(h, hijo, {p});
        Paso(h, padres, {p});
        Paso(h, madres, {p});
    }
    for (sqlite3_stmt* st : {padron, tipo, nacimiento, donativo, recibo, cuenta, ptc, miembro, bautismo, hijo, padres,
                             madres})
        sqlite3_finalize(st);
}

void Llenar(sqlite3* h)
{
    Ejecutar(h, "BEGIN");
    Ejecutar(h, "INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'Parroquia San Pedro')");
    Ejecutar(h, "INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (2, 'Parroquia Santa Ana')");
    Ejecutar(h, "INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota')");
    Ejecutar(h, "INSERT INTO Banco (IDBanco, Codigo, Nombre) VALUES (1, '2100', 'Caja')");
    Ejecutar(h, "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (1, 1, '0001')");
    Ejecutar(h, "INSERT INTO Presentador (IDPresentador, Nombre, CodSucursal) VALUES (1, 'Pilar', 1)");
    for (int i : {1, 2}) {
        const std::string n = std::to_string(i);
        Ejecutar(h, ("INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre) VALUES (" + n + ", " + n +
                     ", 'Libro')").c_str());
        Ejecutar(h, ("INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (" + n + ", 'Coro', " + n + ")")
                        .c_str());
        Ejecutar(h, ("INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (" + n + ", " + n + ", 'Voces')").c_str());
        Ejecutar(h, ("INSERT INTO Presentador_Institucion (CodPresentador, CodInstitucion) VALUES (1, " + n + ")").c_str());
    }
    sqlite3_stmt* remesa = Preparar(h, "INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, "
                                       "ImporteTotalEur) VALUES (?, 1, '20240105', 0, 0)");
    for (int r = 1; r <= kRemesas; ++r)
        Paso(h, remesa, {r});
    sqlite3_finalize(remesa);
    LlenarInstitucion(h, 1, 1, kPersonasA);
    LlenarInstitucion(h, 2, kPersonasA + 1, kPersonasB);
    Ejecutar(h, "UPDATE Remesa SET ImporteTotal = (SELECT SUM(Importe) FROM Recibo WHERE CodRemesa = IDRemesa), "
                "ImporteTotalEur = (SELECT SUM(ImporteEur) FROM Recibo WHERE CodRemesa = IDRemesa)");
    Ejecutar(h, "COMMIT");
    Ejecutar(h, "ANALYZE");
}

// The same deletions as the removal with both check boxes ticked, written
// by hand: what is collected first goes into temporary tables, every step
// is one statement over a table.
const char* const kCrudo[] = {
    "CREATE TEMP TABLE IF NOT EXISTS r (id INTEGER PRIMARY KEY)",
    "CREATE TEMP TABLE IF NOT EXISTS c (id INTEGER PRIMARY KEY)",
    "CREATE TEMP TABLE IF NOT EXISTS g (id INTEGER PRIMARY KEY)",
    "CREATE TEMP TABLE IF NOT EXISTS k (id INTEGER PRIMARY KEY)",
    "DELETE FROM r", "DELETE FROM c", "DELETE FROM g", "DELETE FROM k",
    "INSERT OR IGNORE INTO r SELECT Recibo.CodRemesa FROM Recibo, Donativo WHERE Recibo.CodDonativo = "
    "Donativo.IDDonativo AND Donativo.CodInstitucion = ?1",
    "INSERT OR IGNORE INTO c SELECT CodPersonaDonativo FROM Donativo WHERE CodInstitucion = ?1",
    "INSERT OR IGNORE INTO c SELECT Padron_Actividad.CodPadron FROM Padron_Actividad, Grupo, Actividad WHERE "
    "Padron_Actividad.CodGrupo = Grupo.IDGrupo AND Grupo.CodActividad = Actividad.IDActividad AND "
    "Actividad.CodInstitucion = ?1",
    "INSERT OR IGNORE INTO c SELECT IDPadron FROM Padron WHERE CodInstitucionEmpadronado = ?1",
    "INSERT OR IGNORE INTO k SELECT CodCuenta FROM Institucion_TipoDonativo_Cuenta WHERE CodInstitucion = ?1",
    "DELETE FROM Contab_Enlace_Institucion WHERE CodInstitucion = ?1",
    "DELETE FROM Contab_Enlace_Bancos WHERE CodInstitucion = ?1",
    "DELETE FROM Contab_Enlace_Padron WHERE CodInstitucion = ?1",
    "DELETE FROM Institucion_TipoDonativo_Cuenta WHERE CodInstitucion = ?1",
    "DELETE FROM Presentador_Institucion WHERE CodInstitucion = ?1",
    "DELETE FROM Recibo WHERE CodDonativo IN (SELECT IDDonativo FROM Donativo WHERE CodInstitucion = ?1)",
    "DELETE FROM Donativo WHERE CodInstitucion = ?1",
    "DELETE FROM Remesa WHERE IDRemesa IN r AND NOT EXISTS (SELECT 1 FROM Recibo WHERE Recibo.CodRemesa = "
    "Remesa.IDRemesa)",
    "UPDATE Remesa SET ImporteTotal = (SELECT round(sum(Importe), 0) FROM Recibo WHERE Recibo.CodRemesa = "
    "Remesa.IDRemesa), ImporteTotalEur = (SELECT round(sum(ImporteEur), 2) FROM Recibo WHERE Recibo.CodRemesa = "
    "Remesa.IDRemesa) WHERE IDRemesa IN r",
    "DELETE FROM Padron_Actividad WHERE CodGrupo IN (SELECT Grupo.IDGrupo FROM Grupo, Actividad WHERE "
    "Grupo.CodActividad = Actividad.IDActividad AND Actividad.CodInstitucion = ?1)",
    "DELETE FROM Grupo WHERE CodActividad IN (SELECT IDActividad FROM Actividad WHERE CodInstitucion = ?1)",
    "DELETE FROM Actividad_Grupo WHERE CodActividad IN (SELECT IDActividad FROM Actividad WHERE CodInstitucion = ?1)",
    "DELETE FROM Actividad WHERE CodInstitucion = ?1",
    "DELETE FROM Bautismo_Hijo WHERE CodBautismo IN (SELECT IDBautismo FROM Bautismo WHERE CodLibro IN "
    "(SELECT IDLibroBautismo FROM Libro_Bautismo WHERE CodInstitucion = ?1))",
    "DELETE FROM Bautismo_Matrimonio WHERE IDMatrimonio IN (SELECT IDBautismo FROM Bautismo WHERE CodLibro IN "
    "(SELECT IDLibroBautismo FROM Libro_Bautismo WHERE CodInstitucion = ?1))",
    "DELETE FROM Bautismo WHERE CodLibro IN (SELECT IDLibroBautismo FROM Libro_Bautismo WHERE CodInstitucion = ?1)",
    "DELETE FROM Libro_Bautismo WHERE CodInstitucion = ?1",
    "DELETE FROM Libro_Confirmacion WHERE CodInstitucion = ?1",
    "DELETE FROM Libro_Matrimonio WHERE CodInstitucion = ?1",
    "DELETE FROM Libro_Defuncion WHERE CodInstitucion = ?1",
    "DELETE FROM Bautismo_Padres WHERE NOT EXISTS (SELECT 1 FROM Bautismo WHERE Bautismo.CodPadres = "
    "Bautismo_Padres.IDPadres)",
    "DELETE FROM Bautismo_Madres WHERE NOT EXISTS (SELECT 1 FROM Bautismo WHERE Bautismo.CodMadres = "
    "Bautismo_Madres.IDMadres)",
    "DELETE FROM Padron_TipoPersona WHERE CodTipoPersona = 2 AND CodPadron IN (SELECT IDPadron FROM Padron WHERE "
    "CodInstitucionEmpadronado = ?1)",
    "UPDATE Padron SET CodInstitucionEmpadronado = 0 WHERE CodInstitucionEmpadronado = ?1",
    "DELETE FROM Padron_TipoPersona WHERE CodTipoPersona IN (1, 3) AND CodPadron IN c "
    "AND NOT EXISTS (SELECT 1 FROM Donativo WHERE Donativo.CodPersonaDonativo = Padron_TipoPersona.CodPadron) "
    "AND NOT EXISTS (SELECT 1 FROM Padron_Actividad WHERE Padron_Actividad.CodPadron = Padron_TipoPersona.CodPadron) "
    "AND NOT EXISTS (SELECT 1 FROM Padron_TipoPersona AS t WHERE t.CodPadron = Padron_TipoPersona.CodPadron "
    "AND t.CodTipoPersona = 2) "
    "AND NOT EXISTS (SELECT 1 FROM Contab_Enlace_Padron WHERE Contab_Enlace_Padron.CodPadron = "
    "Padron_TipoPersona.CodPadron)",
    "INSERT INTO g SELECT id FROM c WHERE NOT EXISTS (SELECT 1 FROM Padron_TipoPersona WHERE CodPadron = c.id) "
    "AND NOT EXISTS (SELECT 1 FROM Donativo WHERE CodPersonaDonativo = c.id) "
    "AND NOT EXISTS (SELECT 1 FROM Padron_Actividad WHERE CodPadron = c.id) "
    "AND NOT EXISTS (SELECT 1 FROM Contab_Enlace_Padron WHERE CodPadron = c.id)",
    "INSERT OR IGNORE INTO k SELECT CodCuenta FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodPersonaDonativo IN g",
    "DELETE FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodPersonaDonativo IN g",
    "DELETE FROM Padron_Nacimiento WHERE CodPadron IN g",
    "DELETE FROM Padron_Bautismo WHERE CodPadron IN g",
    "DELETE FROM Padron_Comunion WHERE CodPadron IN g",
    "DELETE FROM Padron_Confirmacion WHERE CodPadron IN g",
    "DELETE FROM Padron_Matrimonio WHERE CodPadron IN g",
    "DELETE FROM Padron_Defuncion WHERE CodPadron IN g",
    "DELETE FROM Padron_NotasPersonales WHERE CodPadron IN g",
    "DELETE FROM Institucion_Padron WHERE CodPadron IN g",
    "DELETE FROM Padron WHERE IDPadron IN g",
    "DELETE FROM Cuenta WHERE IDCuenta IN k AND NOT EXISTS (SELECT 1 FROM PersonaDonativo_TipoDonativo_Cuenta WHERE "
    "CodCuenta = Cuenta.IDCuenta) AND NOT EXISTS (SELECT 1 FROM Institucion_TipoDonativo_Cuenta WHERE CodCuenta = "
    "Cuenta.IDCuenta)",
    "DELETE FROM Institucion_Padron WHERE CodInstitucion = ?1",
    "DELETE FROM Institucion_Encargado WHERE CodInstitucion = ?1",
    "DELETE FROM Institucion WHERE IDInstitucion = ?1",
};

class SinProgreso : public ProgresoEliminacion {
public:
    void Iniciar(int) override {}
    void Paso(int, const QString&) override {}
    void Terminar() override {}
};

// Row counts of the tables either removal changes, to check that both did
// the same.
std::string Recuento(sqlite3* h)
{
    std::string texto;
    for (const char* tabla : {"Padron", "Padron_TipoPersona", "Padron_Nacimiento", "Donativo", "Recibo", "Remesa",
                              "Cuenta", "PersonaDonativo_TipoDonativo_Cuenta", "Padron_Actividad", "Bautismo",
                              "Bautismo_Hijo", "Bautismo_Padres", "Bautismo_Madres", "Institucion", "Grupo"}) {
        sqlite3_stmt* st = Preparar(h, (std::string("SELECT COUNT(*) FROM ") + tabla).c_str());
        sqlite3_step(st);
        texto += std::string(tabla) + "=" + std::to_string(sqlite3_column_int64(st, 0)) + " ";
        sqlite3_finalize(st);
    }
    sqlite3_stmt* st = Preparar(h, "SELECT SUM(ImporteTotal), SUM(ImporteTotalEur) FROM Remesa");
    sqlite3_step(st);
    texto += "totales=" + std::to_string(sqlite3_column_double(st, 0)) + "/" +
             std::to_string(sqlite3_column_double(st, 1));
    sqlite3_finalize(st);
    return texto;
}


double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    const int rondas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    settings::SetFolder(dir.filePath(QStringLiteral("ajustes")));
    const QString carpeta = dir.filePath(QStringLiteral("app"));
    CrearCarpetaPrograma(carpeta, {.sembrar = false});
    const DescripcionBaseDatos& d = Descripcion(BaseDatosPrograma::Duzediv);
    const QString archivo = RutaEnCarpeta(carpeta, d.archivo);
    const QString plantilla = dir.filePath(QStringLiteral("plantilla.mdb"));
    {
        db::Connection con;
        con.Open(CadenaConexionConPassword(archivo, d.password));
        QElapsedTimer reloj;
        reloj.start();
        Llenar(con.handle());
        std::printf("datos escritos en %.1f s\n", double(reloj.elapsed()) / 1000);
    }
    QFile::copy(archivo, plantilla);

    std::vector<double> tiempos[2];
    std::string recuentos[2];
    for (int ronda = 0; ronda < rondas; ++ronda) {
        for (int forma = 0; forma < 2; ++forma) {
            QFile::remove(archivo);
            QFile::copy(plantilla, archivo);
            db::Connection con;
            con.Open(CadenaConexionConPassword(archivo, d.password));
            QElapsedTimer reloj;
            reloj.start();
            if (forma == 0) {
                SinProgreso progreso;
                EliminacionInstitucion eliminacion(con, con, 1);
                if (eliminacion.Eliminar(EliminacionInstitucion::Alcance::Completo, {true, true}, progreso)
                    != EliminacionInstitucion::Resultado::Eliminada) {
                    std::fprintf(stderr, "la eliminación no terminó\n");
                    return 1;
                }
            } else {
                sqlite3* h = con.handle();
                Ejecutar(h, "BEGIN IMMEDIATE");
                for (const char* sql : kCrudo) {
                    sqlite3_stmt* st = Preparar(h, sql);
                    if (sqlite3_bind_parameter_count(st) > 0)
                        sqlite3_bind_int64(st, 1, 1);
                    if (sqlite3_step(st) != SQLITE_DONE) {
                        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(h));
                        return 1;
                    }
                    sqlite3_finalize(st);
                }
                Ejecutar(h, "COMMIT");
            }
            tiempos[forma].push_back(double(reloj.nsecsElapsed()) / 1e6);
            recuentos[forma] = Recuento(con.handle());
        }
        std::printf("ronda %d: eliminación %.0f ms, crudo %.0f ms\n", ronda + 1, tiempos[0].back(), tiempos[1].back());
    }
    PVAPI::LockSession::CloseAll();
    const double eliminacion = Mediana(tiempos[0]);
    const double crudo = Mediana(tiempos[1]);
    std::printf("medianas: eliminación %.0f ms, crudo %.0f ms, %.2fx\n", eliminacion, crudo, eliminacion / crudo);
    std::printf("tras la eliminación: %s\ntras el crudo:       %s\n", recuentos[0].c_str(), recuentos[1].c_str());
    ui::SetCurrent(nullptr);
    if (recuentos[0] != recuentos[1]) {
        std::fprintf(stderr, "¡Las dos formas no dejan lo mismo!\n");
        return 1;
    }
    return silenciosa.mensajes == 0 ? 0 : 1;
}
