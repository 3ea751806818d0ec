#include "AsistenteFixture.h"
#include "EscritorDbf.h"

#include "addin_doubles/InstalarComplementos.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Recordset.h"
#include "support/FilasConsulta.h"

#include <QDir>
#include <QFile>
#include <QFont>

// The imports end to end: a folder of the older program's dBase tables (or
// a previous version's database) goes through the wizard to the stand-in
// add-ins installed in the program folder, which write the parish
// database, drive the wizard's bar and labels, keep their incidences in
// "Log/Trasvase" and say how it ended.

namespace {

using testsupport::Filas;

// The one log of the folder's "Log/Trasvase" whose name begins so, read
// as lines; empty (and a failure) when there is not exactly one.
QStringList Registro(const QString& carpetaPrograma, const QString& comienzo, QString* ruta = nullptr)
{
    const QDir carpeta(carpetaPrograma + QStringLiteral("/Log/Trasvase"));
    const QStringList archivos = carpeta.entryList({comienzo + QStringLiteral("_*.txt")}, QDir::Files);
    EXPECT_EQ(archivos.size(), 1) << archivos.join(QLatin1Char(' ')).toStdString();
    if (archivos.size() != 1)
        return {};
    QFile archivo(carpeta.filePath(archivos.first()));
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    if (ruta)
        *ruta = archivo.fileName();
    const QString texto = QString::fromUtf8(archivo.readAll());
    EXPECT_TRUE(texto.endsWith(QStringLiteral("\r\n")));
    return texto.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// A full bar: the records of the table and the label bold meanwhile.
struct Lleno {
    int registros;
    int negrita;
    bool operator==(const Lleno&) const = default;
};

void PrintTo(const Lleno& l, std::ostream* os)
{
    *os << l.registros << " @" << l.negrita;
}

} // namespace

class ComplementosRealesTest : public AsistenteTest {
public:
    ComplementosRealesTest()
    {
        EXPECT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"PVVodidazaz", "PVGestionParroquial"}));
        vodidazazReal = addins::CrearObjeto<addins::cVodidazaz>(addins::cVodidazaz::NombreClase);
        gestParReal = addins::CrearObjeto<addins::cGestPar>(addins::cGestPar::NombreClase);
        contexto.objVodidazaz = vodidazazReal.get();
        contexto.objGestPar = gestParReal.get();
    }

    // Records each time the bar fills up, with the label that was bold.
    void Observar(QProgressBar* barra, const QList<QLabel*>& etiquetas)
    {
        QObject::connect(barra, &QProgressBar::valueChanged, barra, [=, this](int valor) {
            if (valor != barra->maximum())
                return;
            int negrita = -1;
            for (int i = 0; i < etiquetas.size(); ++i) {
                if (etiquetas[i]->font().bold())
                    negrita = i;
            }
            llenos.append({valor, negrita});
        });
    }

    std::unique_ptr<addins::cVodidazaz> vodidazazReal;
    std::unique_ptr<addins::cGestPar> gestParReal;
    QList<Lleno> llenos;
};

// Baptisms and marriages of the older program reach the chosen
// institution's books through the parish stand-in; the labels and the bar
// follow the sacrament being read, the incidences go to the log, and the
// user is offered to open it.
TEST_F(ComplementosRealesTest, LosLibrosDeKaldexLleganALaBaseConSuRegistro)
{
    EscritorDbf baut({{"LIBRO", 'C', 10}, {"FOLIO", 'N', 4}, {"NUMERO", 'C', 6}, {"FECHA", 'C', 8},
                      {"NOMBRE", 'C', 50}, {"PADRINO", 'C', 30}, {"SEXO", 'C', 1}});
    baut.Registro({"B1", "12", "34", "05/03/58", Cp850(QStringLiteral("María José Núñez Peña")),
                   Cp850(QStringLiteral("Tomás")), "M"});
    baut.Registro({"B1", "13", "35", "01/01/00", "Luis Gil Sanz", "", "V"});
    baut.Registro({"B1", "13", "36", "31/02/58", "Mal Fecha Dos", "", "V"});
    baut.Guardar(origen.path(), QStringLiteral("BAUT"));
    EscritorDbf matr({{"LIBRO", 'C', 10}, {"NUMERO", 'C', 6}, {"FECHA", 'C', 8}, {"NOVIO", 'C', 40},
                      {"NOVIA", 'C', 40}});
    matr.Registro({"M1", "7", "12/10/00", "Pedro Ruiz Gil", Cp850(QStringLiteral("Begoña Muñoz Sáez"))});
    matr.Guardar(origen.path(), QStringLiteral("matr"));
    EscritorDbf({{"X", 'C', 1}}).Guardar(origen.path(), QStringLiteral("HIST"));

    Abrir();
    Observar(a->prgTrasvase[3], {a->lblSacra.begin(), a->lblSacra.end()});
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
    Siguiente();
    Marcar(a->lstImportar[2], {QStringLiteral("Bautismo"), QStringLiteral("Matrimonio")});
    a->optSiglo[0].Value = false;
    a->optSiglo[1].Value = true;
    Siguiente();
    a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(idCaritas), true);
    while (a->mintPaso != 3) {
        const int antes = a->mintPaso;
        Siguiente();
        ASSERT_NE(a->mintPaso, antes);
    }
    pantalla().queueAnswer(ui::vbYes);
    Finalizar();

    EXPECT_TRUE(a->Descargado());
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT l.Nombre, l.CodInstitucion, b.Numero, h.Nombre, h.SegundoApellido, "
                                        "b.FechaBautismo, b.Padrino FROM Bautismo b, Bautismo_Hijo h, "
                                        "Libro_Bautismo l WHERE h.CodBautismo = b.IDBautismo AND "
                                        "l.IDLibroBautismo = b.CodLibro ORDER BY b.Numero")),
              (QStringList{QStringLiteral("B1|%1|34|María José|Peña|19580305|Tomás").arg(idCaritas),
                           QStringLiteral("B1|%1|35|Luis|Sanz|20000101|").arg(idCaritas)}));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT l.CodInstitucion, a.Nombre, a.PrimerApellido, c.FechaMatrimonio "
                                        "FROM Matrimonio m, Libro_Matrimonio l, Matrimonio_Novias a, "
                                        "Matrimonio_Compromiso c WHERE l.IDLibroMatrimonio = m.CodLibro AND "
                                        "a.IDNovias = m.CodNovias AND c.CodMatrimonio = m.IDMatrimonio")),
              QStringList{QStringLiteral("%1|Begoña|Muñoz|20001012").arg(idCaritas)});

    // Baptisms (3 records) with their label bold, then the marriage (1).
    EXPECT_EQ(llenos, (QList<Lleno>{{3, 0}, {1, 2}}));
    for (int s = 0; s < 4; ++s) {
        EXPECT_FALSE(a->lblSacra[s]->font().bold()) << s;
        EXPECT_EQ(a->lblSacra[s]->isEnabled(), s == 0 || s == 2) << "sacramento no elegido: " << s;
    }

    QString ruta;
    const QStringList registro = Registro(carpeta.path(), QStringLiteral("KALDEX_Libros"), &ruta);
    ASSERT_GE(registro.size(), 5);
    EXPECT_EQ(registro.first(), QStringLiteral("Importación de los libros de KALDEX"));
    EXPECT_TRUE(registro.contains(QStringLiteral("Institución: Cáritas (%1)").arg(idCaritas)));
    EXPECT_TRUE(registro.contains(QStringLiteral("Años '00': 2000")));
    const QStringList resto = registro.mid(registro.indexOf(QStringLiteral("Bautismo: 2 partidas importadas")));
    EXPECT_EQ(resto, (QStringList{
                         "Bautismo: 2 partidas importadas",
                         "Confirmación: no elegido",
                         "Matrimonio: 1 partida importada",
                         "Defunción: no elegido",
                         "Incidencias: 3",
                         "HIST.dbf: la tabla no se importa",
                         "Baut.dbf: el campo SEXO no se importa",
                         "Baut.dbf: registro 3, no importado: FECHA: '31/02/58' no es una fecha",
                     }));

    const auto mensaje = pantalla().lastMessage();
    EXPECT_EQ(mensaje.text,
              QStringLiteral("¡La importación de los libros de KALDEX ha terminado!\r\n\r\nBautismo: 2 partidas "
                             "importadas.\r\nMatrimonio: 1 partida importada.\r\n\r\nSe han encontrado 3 "
                             "incidencias, que se han guardado con el resumen de la importación en el archivo "
                             "%1.\r\n\r\n¿Desea ver ahora el archivo %1?")
                  .arg(ruta));
    EXPECT_EQ(mensaje.buttons, ui::vbYesNo);
    EXPECT_EQ(mensaje.icon, ui::vbQuestion);
    EXPECT_EQ(pantalla().openedFiles(), QStringList{ruta});
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// Donations of the older program reach the parish database through the
// donations stand-in with the chosen institution; a damaged table leaves
// nothing and says why, and the log keeps it.
TEST_F(ComplementosRealesTest, LosDonativosDeKaldexLleganALaBaseConSuRegistro)
{
    EscritorDbf sucu({{"BANCO", 'C', 4}, {"SUCURSAL", 'C', 4}, {"NOMBRE", 'C', 30}});
    sucu.Registro({"2100", "0001", "Caja de Ahorros"});
    sucu.Registro({"21X0", "0003", "Mal"});
    sucu.Guardar(origen.path(), QStringLiteral("SUCU"));
    EscritorDbf reci({{"CODIGO", 'N', 6}, {"NOMBRE", 'C', 50}, {"BANCO", 'C', 4}, {"SUCURSAL", 'C', 4},
                      {"DC", 'C', 2}, {"CUENTA", 'C', 10}});
    reci.Registro({"1", Cp850(QStringLiteral("Begoña Muñoz Sáez")), "2100", "0001", "45", "0123456789"});
    reci.Registro({"2", Cp850(QStringLiteral("José Peña Ruiz")), "", "", "", ""});
    reci.Guardar(origen.path(), QStringLiteral("reci"));
    EscritorDbf lineas({{"CODIGO", 'N', 6}, {"IMPORTE", 'N', 8, 0}, {"DESCRIP", 'C', 20}});
    lineas.Registro({"1", "5000", Cp850(QStringLiteral("Cuota año"))});
    lineas.Registro({"2", "1000", ""});
    lineas.Guardar(origen.path(), QStringLiteral("re_l"));

    auto hastaFinalizar = [this] {
        Abrir();
        Observar(a->prgTrasvase[2], {a->lblKaldex[0], a->lblKaldex[1]});
        PasarPagina0(0);
        Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
        Siguiente();
        a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(idOtraSanJuan), true);
        Siguiente();
        Siguiente();
        ASSERT_EQ(a->mintPaso, 3);
        Finalizar();
    };
    pantalla().queueAnswer(ui::vbNo);
    hastaFinalizar();

    EXPECT_TRUE(a->Descargado());
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT p.Nombre, p.PrimerApellido, d.CodInstitucion, d.ImporteEur, "
                                        "d.PagoBanco FROM Donativo d, Padron p WHERE p.IDPadron = "
                                        "d.CodPersonaDonativo ORDER BY d.IDDonativo")),
              (QStringList{QStringLiteral("Begoña|Muñoz|%1|30,05|Verdadero").arg(idOtraSanJuan),
                           QStringLiteral("José|Peña|%1|6,01|Falso").arg(idOtraSanJuan)}));
    // Two branches, then two donors and two donations, each step's label bold.
    EXPECT_EQ(llenos, (QList<Lleno>{{2, 0}, {2, 1}, {2, 1}}));
    EXPECT_FALSE(a->lblKaldex[0]->font().bold());
    EXPECT_FALSE(a->lblKaldex[1]->font().bold());

    QString ruta;
    const QStringList registro = Registro(carpeta.path(), QStringLiteral("KALDEX_Donativos"), &ruta);
    const QStringList resto = registro.mid(registro.indexOf(QStringLiteral("Sucursales bancarias importadas: 1")));
    EXPECT_EQ(resto, (QStringList{
                         "Sucursales bancarias importadas: 1",
                         "Donantes importados: 2",
                         "Donativos importados: 2",
                         "Incidencias: 1",
                         "sucu.dbf: registro 2, banco con datos incorrectos ('21X0' '0003'): sus donativos serán "
                         "por caja",
                     }));
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡La importación de los donativos de KALDEX ha terminado!\r\n\r\nSe han importado 1 "
                             "sucursales bancarias, 2 donantes y 2 donativos.\r\n\r\nSe ha encontrado 1 incidencia, "
                             "que se ha guardado con el resumen de la importación en el archivo %1.\r\n\r\n¿Desea "
                             "ver ahora el archivo %1?")
                  .arg(ruta));
    EXPECT_TRUE(pantalla().openedFiles().isEmpty());
    QFile::remove(ruta);

    // A cut donations table: nothing more comes in, and the user is told.
    QFile archivo(origen.filePath(QStringLiteral("re_l.dbf")));
    ASSERT_TRUE(archivo.open(QIODevice::ReadWrite));
    ASSERT_TRUE(archivo.resize(archivo.size() - 5));
    archivo.close();
    pantalla().queueAnswer(ui::vbNo);
    llenos.clear();
    hastaFinalizar();

    EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM Donativo"), {}).value(0).toInt64(), 2);
    const QString motivo = QStringLiteral("No se ha importado ningún donativo: El archivo 're_l.dbf' está dañado o "
                                          "truncado: su cabecera anuncia 2 registros y el tamaño del archivo no "
                                          "corresponde.");
    const auto mensaje = pantalla().lastMessage();
    EXPECT_TRUE(mensaje.text.startsWith(QStringLiteral("¡No se ha importado ningún donativo de KALDEX!\r\n\r\n") +
                                        motivo + QStringLiteral("\r\n\r\n")))
        << mensaje.text.toStdString();
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_TRUE(Registro(carpeta.path(), QStringLiteral("KALDEX_Donativos")).contains(motivo));
}

// The previous version's check run tells why a folder cannot be read
// before answering "ERRORBD", which takes the wizard back to the start.
TEST_F(ComplementosRealesTest, UnaBaseAnteriorIlegibleSeExplicaYVuelveAlPrincipio)
{
    const QString ruta = origen.filePath(QStringLiteral("Duzediv.mdb"));
    struct Caso {
        QByteArray contenido; // empty: no file
        QString explicacion;
    };
    const QList<Caso> casos = {
        {{},
         QStringLiteral("¡La base de datos de Norvia Parvanta 2000 v1 no se ha encontrado en el directorio "
                        "especificado!")},
        {QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(200, '\0'),
         QStringLiteral("La base de datos '%1' está guardada en el formato de Microsoft Access (Jet), que esta "
                        "versión del programa no puede leer.")
             .arg(ruta)},
        {"texto", QStringLiteral("El archivo '%1' no es una base de datos de Norvia Parvanta 2000.").arg(ruta)},
    };
    for (const Caso& caso : casos) {
        QFile::remove(ruta);
        if (!caso.contenido.isEmpty()) {
            QFile archivo(ruta);
            ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
            archivo.write(caso.contenido);
        }
        Abrir();
        PasarPagina0(1);
        Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
        Siguiente();
        ASSERT_EQ(a->mintPaso, 5);
        pantalla().queueAnswer(ui::vbOK);
        const int pitidos = pantalla().beepCount();
        Siguiente();

        EXPECT_EQ(a->mintPaso, 0) << caso.explicacion.toStdString();
        EXPECT_FALSE(a->Descargado());
        EXPECT_EQ(pantalla().lastMessage().text,
                  QStringLiteral("¡No se puede importar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n") +
                      caso.explicacion);
        EXPECT_EQ(pantalla().lastMessage().icon, ui::vbExclamation);
        EXPECT_EQ(pantalla().beepCount(), pitidos + 1);
    }
}
