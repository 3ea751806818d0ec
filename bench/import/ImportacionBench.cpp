// The imports of the older parish program, each against inserting the same
// rows, values already in memory, with statements prepared once and stepped
// through the raw SQLite C API in one transaction on the same kind of
// connection: 100,000 baptism records of a dBase table, each an entry with
// its child and both parents (400,000 rows and the books), through
// ImportarLibrosKaldex; 100,000 donor records with 100,000 donations
// (300,000 rows) through ImportarDonativosKaldex. Each pair starts from a
// fresh copy of one database, rounds interleaved, and must leave the same
// row counts.
//
//   bench_importacion [rondas] [registros]

#include "BasesDatosPrograma.h"
#include "CarpetaPrograma.h"
#include "EscritorDbf.h"

#include "comun/DonativosKaldex.h"
#include "comun/LibrosKaldex.h"
#include "platform/db/Connection.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Fila {
    std::string libro, numero, fecha, nombre, ap1, ap2, padre, padreAp1, padreAp2, madre, madreAp1, madreAp2,
        padrino;
    int folio = 0;
};

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

void Texto(sqlite3_stmt* st, int i, const std::string& texto)
{
    sqlite3_bind_text(st, i, texto.data(), int(texto.size()), SQLITE_STATIC);
}

void Paso(sqlite3* h, sqlite3_stmt* st)
{
    if (sqlite3_step(st) != SQLITE_DONE) {
        std::fprintf(stderr, "%s: %s\n", sqlite3_sql(st), sqlite3_errmsg(h));
        std::exit(1);
    }
    sqlite3_reset(st);
}

void Crudo(sqlite3* h, const std::vector<Fila>& filas)
{
    Ejecutar(h, "BEGIN IMMEDIATE");
    sqlite3_stmt* libro = Preparar(h, "INSERT INTO Libro_Bautismo (CodInstitucion, Nombre, Nuevo, Cerrado, "
                                      "FechaCreacion, NumeroSiguiente) VALUES (1, ?, 0, 0, '', 1)");
    sqlite3_stmt* padres = Preparar(h, "INSERT INTO Bautismo_Padres (Nombre, PrimerApellido, SegundoApellido) "
                                       "VALUES (?, ?, ?)");
    sqlite3_stmt* madres = Preparar(h, "INSERT INTO Bautismo_Madres (Nombre, PrimerApellido, SegundoApellido) "
                                       "VALUES (?, ?, ?)");
    sqlite3_stmt* bautismo = Preparar(
        h, "INSERT INTO Bautismo (CodLibro, Folio, Numero, Anulada, NotasMarginales, Observaciones, "
           "InstitucionSolicitud, FechaBautismo, CodPadres, CodMadres, Padrino, Madrina, Ministro) "
           "VALUES (?, ?, ?, 0, '', '', 0, ?, ?, ?, ?, '', '')");
    sqlite3_stmt* hijo = Preparar(h, "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, "
                                     "SegundoApellido) VALUES (?, ?, ?, ?)");
    sqlite3_stmt* siguiente = Preparar(h, "UPDATE Libro_Bautismo SET NumeroSiguiente = ? WHERE IDLibroBautismo = ?");
    std::string libroActual;
    sqlite3_int64 idLibro = 0;
    std::vector<std::pair<sqlite3_int64, sqlite3_int64>> siguientes;
    for (const Fila& f : filas) {
        if (f.libro != libroActual) {
            libroActual = f.libro;
            Texto(libro, 1, f.libro);
            Paso(h, libro);
            idLibro = sqlite3_last_insert_rowid(h);
            siguientes.push_back({idLibro, 0});
        }
        siguientes.back().second = std::max<sqlite3_int64>(siguientes.back().second, std::stoll(f.numero) + 1);
        Texto(padres, 1, f.padre);
        Texto(padres, 2, f.padreAp1);
        Texto(padres, 3, f.padreAp2);
        Paso(h, padres);
        const sqlite3_int64 idPadre = sqlite3_last_insert_rowid(h);
        Texto(madres, 1, f.madre);
        Texto(madres, 2, f.madreAp1);
        Texto(madres, 3, f.madreAp2);
        Paso(h, madres);
        const sqlite3_int64 idMadre = sqlite3_last_insert_rowid(h);
        sqlite3_bind_int64(bautismo, 1, idLibro);
        sqlite3_bind_int64(bautismo, 2, f.folio);
        Texto(bautismo, 3, f.numero);
        Texto(bautismo, 4, f.fecha);
        sqlite3_bind_int64(bautismo, 5, idPadre);
        sqlite3_bind_int64(bautismo, 6, idMadre);
        Texto(bautismo, 7, f.padrino);
        Paso(h, bautismo);
        sqlite3_bind_int64(hijo, 1, sqlite3_last_insert_rowid(h));
        Texto(hijo, 2, f.nombre);
        Texto(hijo, 3, f.ap1);
        Texto(hijo, 4, f.ap2);
        Paso(h, hijo);
    }
    for (const auto& [id, numero] : siguientes) {
        sqlite3_bind_int64(siguiente, 1, numero);
        sqlite3_bind_int64(siguiente, 2, id);
        Paso(h, siguiente);
    }
    for (sqlite3_stmt* st : {libro, padres, madres, bautismo, hijo, siguiente})
        sqlite3_finalize(st);
    Ejecutar(h, "COMMIT");
}

struct Donante {
    std::string nombre, ap1, ap2, nif;
    double importe = 0, euros = 0;
};

void CrudoDonantes(sqlite3* h, const std::vector<Donante>& donantes)
{
    Ejecutar(h, "BEGIN IMMEDIATE");
    sqlite3_stmt* tipo = Preparar(h, "INSERT INTO Tipo_Donativo (Descripcion) VALUES ('Donativos de KALDEX')");
    Paso(h, tipo);
    const sqlite3_int64 idTipo = sqlite3_last_insert_rowid(h);
    sqlite3_stmt* padron = Preparar(h, "INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, Direccion, "
                                       "CodMunicipio, CPostal, DNI, CodInstitucionEmpadronado) "
                                       "VALUES (?, ?, ?, '', 0, '', ?, 0)");
    sqlite3_stmt* rol = Preparar(h, "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 1)");
    sqlite3_stmt* donativo = Preparar(h, "INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, "
                                         "Descripcion, Importe, ImporteEur, PagoBanco) VALUES (?, 1, ?, '', ?, ?, 0)");
    std::vector<sqlite3_int64> ids;
    ids.reserve(donantes.size());
    for (const Donante& d : donantes) {
        Texto(padron, 1, d.nombre);
        Texto(padron, 2, d.ap1);
        Texto(padron, 3, d.ap2);
        Texto(padron, 4, d.nif);
        Paso(h, padron);
        ids.push_back(sqlite3_last_insert_rowid(h));
        sqlite3_bind_int64(rol, 1, ids.back());
        Paso(h, rol);
    }
    for (size_t i = 0; i < donantes.size(); ++i) {
        sqlite3_bind_int64(donativo, 1, ids[i]);
        sqlite3_bind_int64(donativo, 2, idTipo);
        sqlite3_bind_double(donativo, 3, donantes[i].importe);
        sqlite3_bind_double(donativo, 4, donantes[i].euros);
        Paso(h, donativo);
    }
    for (sqlite3_stmt* st : {tipo, padron, rol, donativo})
        sqlite3_finalize(st);
    Ejecutar(h, "COMMIT");
}

std::string Recuento(sqlite3* h)
{
    std::string texto;
    for (const char* tabla : {"Libro_Bautismo", "Bautismo", "Bautismo_Hijo", "Bautismo_Padres", "Bautismo_Madres",
                              "Padron", "Padron_TipoPersona", "Donativo"}) {
        sqlite3_stmt* st = Preparar(h, (std::string("SELECT COUNT(*) FROM ") + tabla).c_str());
        sqlite3_step(st);
        texto += std::string(tabla) + "=" + std::to_string(sqlite3_column_int64(st, 0)) + " ";
        sqlite3_finalize(st);
    }
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
    const int rondas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int registros = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100000;

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
        con.Exec(QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'Parroquia')"));
    }
    QFile::copy(archivo, plantilla);

    // The same records as a dBase table and as rows in memory.
    const QString kaldex = dir.filePath(QStringLiteral("kaldex"));
    QDir().mkpath(kaldex);
    EscritorDbf escritor({{"LIBRO", 'C', 10}, {"FOLIO", 'N', 5}, {"NUMERO", 'C', 8}, {"FECHA", 'C', 8},
                          {"NOMBRE", 'C', 50}, {"PADRE", 'C', 50}, {"MADRE", 'C', 50}, {"PADRINO", 'C', 40}});
    std::vector<Fila> filas;
    filas.reserve(registros);
    for (int i = 0; i < registros; ++i) {
        Fila f;
        f.libro = "L" + std::to_string(i / 1000 + 1);
        f.folio = i % 1000 / 2 + 1;
        f.numero = std::to_string(i % 1000 + 1);
        const int dia = i % 28 + 1, mes = i % 12 + 1, anio = i % 100;
        char fecha[16];
        std::snprintf(fecha, sizeof fecha, "%02d/%02d/%02d", dia, mes, anio);
        char iso[16];
        std::snprintf(iso, sizeof iso, "%04d%02d%02d", (anio == 0 ? 1900 : 1900 + anio), mes, dia);
        f.fecha = iso;
        f.nombre = "María José " + std::to_string(i);
        f.ap1 = "Núñez";
        f.ap2 = "Peña";
        f.padre = "Íñigo";
        f.padreAp1 = "Núñez";
        f.padreAp2 = "Ruiz";
        f.madre = "Ana";
        f.madreAp1 = "Peña";
        f.madreAp2 = "Gil";
        f.padrino = "Tomás Sáez";
        auto u = [](const std::string& s) { return QString::fromStdString(s); };
        escritor.Registro({QByteArray::fromStdString(f.libro), QByteArray::number(f.folio),
                           QByteArray::fromStdString(f.numero), fecha,
                           Cp850(u(f.nombre + " " + f.ap1 + " " + f.ap2)),
                           Cp850(u(f.padre + " " + f.padreAp1 + " " + f.padreAp2)),
                           Cp850(u(f.madre + " " + f.madreAp1 + " " + f.madreAp2)), Cp850(u(f.padrino))});
        filas.push_back(std::move(f));
    }
    escritor.Guardar(kaldex, QStringLiteral("Baut"));

    // Donors and their donations, as dBase tables and as rows in memory.
    const QString donativos = dir.filePath(QStringLiteral("donativos"));
    QDir().mkpath(donativos);
    EscritorDbf sucu({{"BANCO", 'C', 4}, {"SUCURSAL", 'C', 4}});
    sucu.Registro({"2100", "0001"});
    sucu.Guardar(donativos, QStringLiteral("sucu"));
    EscritorDbf reci({{"CODIGO", 'N', 7}, {"NOMBRE", 'C', 50}, {"NIF", 'C', 10}});
    EscritorDbf lineas({{"CODIGO", 'N', 7}, {"IMPORTE", 'N', 8}});
    std::vector<Donante> donantes;
    donantes.reserve(registros);
    for (int i = 0; i < registros; ++i) {
        Donante d{"Begoña " + std::to_string(i), "Muñoz", "Sáez", std::to_string(10000000 + i) + "Z",
                  double(1000 + i % 5000), 0};
        d.euros = std::round(d.importe / 166.386 * 100.0) / 100.0;
        auto u = [](const std::string& t) { return QString::fromStdString(t); };
        reci.Registro({QByteArray::number(i + 1), Cp850(u(d.nombre + " " + d.ap1 + " " + d.ap2)),
                       QByteArray::fromStdString(d.nif)});
        lineas.Registro({QByteArray::number(i + 1), QByteArray::number(qint64(d.importe))});
        donantes.push_back(std::move(d));
    }
    reci.Guardar(donativos, QStringLiteral("reci"));
    lineas.Guardar(donativos, QStringLiteral("re_l"));

    OpcionesLibrosKaldex opciones;
    opciones.carpetas[0] = kaldex;
    opciones.idInstitucion = 1;
    OpcionesDonativosKaldex opcionesDonativos;
    opcionesDonativos.carpeta = donativos;
    opcionesDonativos.idInstitucion = 1;
    const char* const nombres[2] = {"libros", "donativos"};
    bool iguales = true;
    for (int prueba = 0; prueba < 2; ++prueba) {
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
                if (forma == 0 && prueba == 0) {
                    const ResultadoLibrosKaldex resultado = ImportarLibrosKaldex(con, opciones);
                    if (resultado.partidas[0] != registros || !resultado.incidencias.isEmpty()) {
                        std::fprintf(stderr, "la importación no terminó: %s\n",
                                     qPrintable(resultado.incidencias.join(QLatin1Char('\n'))));
                        return 1;
                    }
                } else if (forma == 0) {
                    const ResultadoDonativosKaldex resultado = ImportarDonativosKaldex(con, opcionesDonativos);
                    if (resultado.donativos != registros || !resultado.incidencias.isEmpty()) {
                        std::fprintf(stderr, "la importación no terminó: %s\n",
                                     qPrintable(resultado.incidencias.join(QLatin1Char('\n'))));
                        return 1;
                    }
                } else if (prueba == 0) {
                    Crudo(con.handle(), filas);
                } else {
                    // The branch the import makes from sucu.dbf.
                    Ejecutar(con.handle(), "INSERT INTO Banco (Codigo, Nombre) VALUES ('2100', '2100')");
                    Ejecutar(con.handle(), "INSERT INTO Sucursal (CodBanco, Codigo) VALUES (1, '0001')");
                    CrudoDonantes(con.handle(), donantes);
                }
                tiempos[forma].push_back(double(reloj.nsecsElapsed()) / 1e6);
                recuentos[forma] = Recuento(con.handle());
            }
            std::printf("%s, ronda %d: importación %.0f ms, crudo %.0f ms\n", nombres[prueba], ronda + 1,
                        tiempos[0].back(), tiempos[1].back());
        }
        const double importacion = Mediana(tiempos[0]);
        const double crudo = Mediana(tiempos[1]);
        std::printf("%s, medianas: importación %.0f ms (%.0f registros/s), crudo %.0f ms, %.2fx\n", nombres[prueba],
                    importacion, registros / importacion * 1000, crudo, importacion / crudo);
        std::printf("tras la importación: %s\ntras el crudo:       %s\n", recuentos[0].c_str(),
                    recuentos[1].c_str());
        iguales = iguales && recuentos[0] == recuentos[1];
    }
    ui::SetCurrent(nullptr);
    if (!iguales) {
        std::fprintf(stderr, "¡Las dos formas no dejan lo mismo!\n");
        return 1;
    }
    return silenciosa.mensajes == 0 ? 0 : 1;
}
