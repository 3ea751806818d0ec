#include "AsistenteFixture.h"
#include "EscritorDbf.h"

#include "comun/LibrosKaldex.h"
#include "platform/db/Recordset.h"
#include "support/FilasConsulta.h"

#include <QFile>
#include <sqlite3.h>

// The sacramental books of the older program through the field mapping:
// names by the chosen order, two-digit years, one transaction per
// sacrament, incidences instead of guesses.

using ::testing::_;
using ::testing::Invoke;

namespace {

using testsupport::Filas;

EscritorDbf Bautismos()
{
    EscritorDbf baut({{"LIBRO", 'C', 10}, {"FOLIO", 'N', 4}, {"NUMERO", 'C', 6}, {"FECHA", 'C', 8},
                      {"NOMBRE", 'C', 50}, {"PADRE", 'C', 40}, {"MADRE", 'C', 40}, {"PADRINO", 'C', 30},
                      {"NOTAS", 'M', 10}, {"SEXO", 'C', 1}});
    baut.Registro({"1", "12", "34", "05/03/58", Cp850(QStringLiteral("María José Núñez Peña")),
                   Cp850(QStringLiteral("Íñigo Núñez Ruiz")), "Ana Peña Gil", Cp850(QStringLiteral("Tomás")),
                   baut.Memo(Cp850(QStringLiteral("Casó en León"))), "M"});
    baut.Registro({"1", "13", "35", "01/01/00", "Luis Gil Sanz", "", "", "", "", "V"});
    baut.Registro({"1", "13", "36", "31/02/58", "Mal Fecha Dos", "", "", "", "", "V"});
    baut.Registro({"1", "13", "37", "01/01/59", "Borrado Uno Dos", "", "", "", "", "V"}, true);
    baut.Registro({"2", "1", "1", "02/02/60", "Eva Sol Mar", "", "", "", "", "M"});
    return baut;
}

} // namespace

TEST(LibrosKaldexTest, NombresPorElOrdenElegido)
{
    struct Caso {
        const char* completo;
        quint8 orden;
        const char* nombre;
        const char* primero;
        const char* segundo;
    };
    const QList<Caso> casos = {
        {"María José Núñez Peña", 0, "María José", "Núñez", "Peña"},
        {"Luis Gil", 0, "Luis", "Gil", ""},
        {"Luis", 0, "Luis", "", ""},
        {"  Núñez   Peña ,  María José ", 1, "María José", "Núñez", "Peña"},
        {"Núñez de la Peña, Ana", 1, "Ana", "Núñez", "de la Peña"},
        {"Núñez", 1, "", "Núñez", ""},
    };
    for (const Caso& caso : casos) {
        const NombreKaldex n = DividirNombreKaldex(QString::fromUtf8(caso.completo), caso.orden);
        EXPECT_EQ(n.nombre, QString::fromUtf8(caso.nombre)) << caso.completo;
        EXPECT_EQ(n.primerApellido, QString::fromUtf8(caso.primero)) << caso.completo;
        EXPECT_EQ(n.segundoApellido, QString::fromUtf8(caso.segundo)) << caso.completo;
    }
}

TEST(LibrosKaldexTest, AniosDeDosCifras)
{
    const QList<std::array<const char*, 3>> casos = {
        {"05/03/58", "19", "19580305"}, {"1/1/00", "19", "19000101"}, {"01/01/00", "20", "20000101"},
        {"29/02/00", "20", "20000229"}, {"29/02/00", "19", ""},       {"31/04/58", "19", ""},
        {"05-03-58", "19", ""},         {"", "19", ""},
    };
    for (const auto& [texto, siglo, fecha] : casos)
        EXPECT_EQ(FechaKaldex(QString::fromLatin1(texto), QString::fromLatin1(siglo)), QString::fromLatin1(fecha))
            << texto << " " << siglo;
}

// Baptisms come in with their accents, books and side rows; what cannot be
// read is told and left out; a damaged table leaves nothing of its
// sacrament and the others go on.
TEST_F(AsistenteTest, LosLibrosSeImportanPorSacramento)
{
    Bautismos().Guardar(origen.path(), QStringLiteral("BAUT"));
    EscritorDbf conf({{"LIBRO", 'C', 10}, {"NUMERO", 'C', 6}, {"NOMBRE", 'C', 40}});
    conf.Registro({"1", "1", "Pepe Pérez Pi"});
    QByteArray rota = conf.Dbf();
    rota.chop(10);
    QFile archivo(origen.filePath(QStringLiteral("Conf.dbf")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(rota);
    archivo.close();
    EscritorDbf defu({{"LIBRO", 'C', 10}, {"NUMERO", 'C', 6}});
    defu.Registro({"1", "1"});
    defu.Guardar(origen.path(), QStringLiteral("Defu"));
    EscritorDbf({{"X", 'C', 1}}).Guardar(origen.path(), QStringLiteral("HIST"));

    OpcionesLibrosKaldex opciones;
    opciones.carpetas = {origen.path(), origen.path(), QString(), origen.path()};
    opciones.idInstitucion = idCaritas;
    opciones.siglo = QStringLiteral("20");
    const ResultadoLibrosKaldex resultado = ImportarLibrosKaldex(con, opciones);

    EXPECT_EQ(resultado.partidas[0], 3);
    EXPECT_EQ(resultado.importado, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(resultado.incidencias,
              (QStringList{
                  "HIST.dbf: la tabla no se importa",
                  "Baut.dbf: el campo SEXO no se importa",
                  "Baut.dbf: registro 3, no importado: FECHA: '31/02/58' no es una fecha",
                  "Conf.dbf: no se ha importado ningún dato: El archivo 'Conf.dbf' está dañado o truncado: su "
                  "cabecera anuncia 1 registros y el tamaño del archivo no corresponde.",
                  "Defu.dbf: no se ha importado ningún dato: faltan los campos NOMBRE",
              }));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Nombre, CodInstitucion, NumeroSiguiente FROM Libro_Bautismo ORDER BY "
                                        "Nombre")),
              (QStringList{QStringLiteral("1|%1|36").arg(idCaritas), QStringLiteral("2|%1|2").arg(idCaritas)}));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT h.Nombre, h.PrimerApellido, h.SegundoApellido, b.Folio, b.Numero, "
                                        "b.FechaBautismo, b.Padrino, b.NotasMarginales FROM Bautismo b, "
                                        "Bautismo_Hijo h WHERE h.CodBautismo = b.IDBautismo ORDER BY b.Numero")),
              (QStringList{"Eva|Sol|Mar|1|1|19600202||", "María José|Núñez|Peña|12|34|19580305|Tomás|Casó en León",
                           "Luis|Gil|Sanz|13|35|20000101||"}));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT p.Nombre, p.PrimerApellido, m.SegundoApellido FROM Bautismo b, "
                                        "Bautismo_Padres p, Bautismo_Madres m WHERE p.IDPadres = b.CodPadres AND "
                                        "m.IDMadres = b.CodMadres")),
              QStringList{"Íñigo|Núñez|Gil"});
    EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM Confirmacion"), {}).value(0).toInt64(), 0);
    EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM Libro_Confirmacion"), {}).value(0).toInt64(), 0);
}

// The older program's books go through the wizard to a parish add-in that
// imports them: the rows reach the parish database.
TEST_F(AsistenteTest, UnaCarpetaDeKaldexPasaPorElAsistenteHastaLaBase)
{
    Bautismos().Guardar(origen.path(), QStringLiteral("Baut"));
    EscritorDbf matr({{"LIBRO", 'C', 10}, {"NUMERO", 'C', 6}, {"FECHA", 'C', 8}, {"NOVIO", 'C', 40},
                      {"NOVIA", 'C', 40}});
    matr.Registro({"M1", "7", "12/10/00", Cp850(QStringLiteral("Peña Ruiz, José")),
                   Cp850(QStringLiteral("Muñoz Sáez, Begoña"))});
    matr.Guardar(origen.path(), QStringLiteral("matr"));

    ResultadoLibrosKaldex resultado;
    EXPECT_CALL(gestPar, ImportarKaldexGP(_)).WillOnce(Invoke([&](const dobles::LlamadaImportarKaldexGP& llamada) {
        OpcionesLibrosKaldex opciones;
        opciones.carpetas = {*llamada.strPathBautismo, *llamada.strPathConfirmacion, *llamada.strPathMatrimonio,
                             *llamada.strPathDefuncion};
        opciones.idInstitucion = *llamada.lngIDInstitucion;
        opciones.siglo = *llamada.strSiglo;
        opciones.ordenNombres = *llamada.bytOrdenNombres;
        resultado = ImportarLibrosKaldex(*llamada.conLocal, opciones);
    }));
    Abrir();
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
    Siguiente();
    Marcar(a->lstImportar[2], {QStringLiteral("Matrimonio")});
    a->optSiglo[0].Value = false;
    a->optSiglo[1].Value = true;
    Siguiente();
    a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(idParroquiaSanJuan), true);
    Siguiente();
    Siguiente();
    a->optOrdenNombres[0].Value = false;
    a->optOrdenNombres[1].Value = true;
    Siguiente();
    ASSERT_EQ(a->mintPaso, 3);
    Finalizar();

    EXPECT_TRUE(a->Descargado());
    EXPECT_EQ(resultado.partidas, (std::array<int, 4>{0, 0, 1, 0})) << "sólo el sacramento elegido";
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT l.Nombre, l.CodInstitucion, m.Numero, o.Nombre, o.PrimerApellido, "
                                        "a.Nombre, a.SegundoApellido, c.FechaMatrimonio FROM Matrimonio m, "
                                        "Libro_Matrimonio l, Matrimonio_Novios o, Matrimonio_Novias a, "
                                        "Matrimonio_Compromiso c WHERE l.IDLibroMatrimonio = m.CodLibro AND "
                                        "o.IDNovios = m.CodNovios AND a.IDNovias = m.CodNovias AND "
                                        "c.CodMatrimonio = m.IDMatrimonio")),
              QStringList{QStringLiteral("M1|%1|7|José|Peña|Begoña|Sáez|20001012").arg(idParroquiaSanJuan)});
    EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM Bautismo"), {}).value(0).toInt64(), 0);
}

// A sacrament the parish database refuses half-way (a trigger standing in for
// any failure after rows were written) leaves nothing of it, books included;
// the sacraments imported before and after it stay.
TEST_F(AsistenteTest, UnSacramentoQueFallaAMitadNoDejaNada)
{
    Bautismos().Guardar(origen.path(), QStringLiteral("Baut"));
    EscritorDbf defu({{"LIBRO", 'C', 10}, {"NUMERO", 'C', 6}, {"NOMBRE", 'C', 40}});
    defu.Registro({"D1", "1", "Pepe Pérez Pi"});
    defu.Guardar(origen.path(), QStringLiteral("Defu"));
    // SQLite's own trigger, past the Jet dialect of the layer.
    ASSERT_EQ(sqlite3_exec(con.handle(),
                           "CREATE TRIGGER rechaza_eva BEFORE INSERT ON Bautismo_Hijo WHEN NEW.Nombre = 'Eva' "
                           "BEGIN SELECT RAISE(ABORT, 'rechazado'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);

    OpcionesLibrosKaldex opciones;
    opciones.carpetas = {origen.path(), QString(), QString(), origen.path()};
    opciones.idInstitucion = idCaritas;
    opciones.siglo = QStringLiteral("19");
    const ResultadoLibrosKaldex resultado = ImportarLibrosKaldex(con, opciones);

    EXPECT_EQ(resultado.importado, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(resultado.incidencias.filter(QStringLiteral("Baut.dbf: no se ha importado ningún dato")).size(), 1)
        << resultado.incidencias.join(u'\n').toStdString();
    for (const char* tabla : {"Libro_Bautismo", "Bautismo", "Bautismo_Hijo", "Bautismo_Padres", "Bautismo_Madres"})
        EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(tabla)), {}).value(0).toInt64(),
                  0)
            << tabla;
    EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM Defuncion"), {}).value(0).toInt64(), 1);
}
