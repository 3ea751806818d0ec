#include "EscritorDbf.h"

#include "comun/LectorDbf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

// A dBase table read generically: fields, values by type, the deleted flag,
// the code page, memos; damaged files stop with a clear message and values
// that cannot be read become incidences.

namespace {

const QList<EscritorDbf::Campo> kCampos = {
    {"NOMBRE", 'C', 20}, {"EDAD", 'N', 3}, {"FECHA", 'D', 8}, {"VIVO", 'L', 1}, {"NOTAS", 'M', 10},
};

class LectorDbfTest : public ::testing::Test {
public:
    QString Guardar(const EscritorDbf& escritor, const QString& base = QStringLiteral("Baut"))
    {
        escritor.Guardar(carpeta.path(), base);
        return carpeta.filePath(base + QStringLiteral(".dbf"));
    }
    QString GuardarBytes(const QByteArray& bytes)
    {
        const QString ruta = carpeta.filePath(QStringLiteral("Roto.dbf"));
        QFile archivo(ruta);
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(bytes);
        return ruta;
    }
    QTemporaryDir carpeta;
};

} // namespace

TEST_F(LectorDbfTest, LeeCamposValoresYNotas)
{
    EscritorDbf escritor(kCampos);
    escritor.Registro({Cp850(QStringLiteral("Íñigo Peña Núñez")), "42", "19990131", "T", escritor.Memo("Bautizado en\r\nBurgos")});
    escritor.Registro({"Borrado", "1", "", "F", ""}, true);
    escritor.Registro({"  Ana", "", "        ", "?", ""});
    LectorDbf lector(Guardar(escritor));

    ASSERT_EQ(lector.Campos().size(), 5);
    EXPECT_EQ(lector.Campos()[2].tipo, 'D');
    EXPECT_EQ(lector.IndiceCampo(QStringLiteral("notas")), 4);
    EXPECT_EQ(lector.IndiceCampo(QStringLiteral("otro")), -1);
    EXPECT_EQ(lector.NumeroRegistros(), 3);
    EXPECT_EQ(lector.CodigoPagina(), QStringLiteral("CP850"));

    ASSERT_TRUE(lector.Siguiente());
    EXPECT_FALSE(lector.Borrado());
    EXPECT_EQ(lector.Valor(0).toString(), QStringLiteral("Íñigo Peña Núñez"));
    EXPECT_EQ(lector.Valor(1).toDouble(), 42.0);
    EXPECT_EQ(lector.Valor(2).toString(), QStringLiteral("19990131"));
    EXPECT_EQ(lector.Valor(3).toBool(), true);
    EXPECT_EQ(lector.Valor(4).toString(), QStringLiteral("Bautizado en\r\nBurgos"));
    EXPECT_TRUE(lector.Incidencias().isEmpty());

    ASSERT_TRUE(lector.Siguiente());
    EXPECT_TRUE(lector.Borrado());
    EXPECT_FALSE(lector.Valor(3).toBool());
    EXPECT_TRUE(lector.Valor(4).isNull());

    ASSERT_TRUE(lector.Siguiente());
    EXPECT_EQ(lector.Valor(0).toString(), QStringLiteral("  Ana")) << "sólo se quitan los blancos del final";
    EXPECT_TRUE(lector.Valor(1).isNull());
    EXPECT_TRUE(lector.Valor(2).isNull());
    EXPECT_TRUE(lector.Valor(3).isNull());
    EXPECT_FALSE(lector.Siguiente());
}

TEST_F(LectorDbfTest, ElCodigoDePaginaSaleDeLaCabecera)
{
    struct Caso {
        quint8 codigo;
        QByteArray bytes;
        QString texto;
    };
    const QList<Caso> casos = {
        {0x00, "Pe\xa4" "a", "Peña"},
        {0x02, "Pe\xa4" "a", "Peña"},
        {0x03, "Pe\xf1" "a \x80", "Peña €"},
        {0x57, "\xc1ngel", "Ángel"},
    };
    for (const Caso& caso : casos) {
        EscritorDbf escritor({{"NOMBRE", 'C', 10}}, caso.codigo);
        escritor.Registro({caso.bytes});
        LectorDbf lector(Guardar(escritor));
        ASSERT_TRUE(lector.Siguiente());
        EXPECT_EQ(lector.Valor(0).toString(), caso.texto) << int(caso.codigo);
    }
}

// Values that cannot be read are Null with an incidence; the record goes on.
TEST_F(LectorDbfTest, ValoresIlegiblesSonIncidencias)
{
    EscritorDbf escritor(kCampos);
    escritor.Memo("una nota");
    escritor.Registro({"A", "4x", "00000000", "T", "99"});
    escritor.Registro({"B", "1", "19991399", "T", ""});
    escritor.Registro({"C", "1", "2000022a", "T", "0"});
    LectorDbf lector(Guardar(escritor));
    const QList<QStringList> esperadas = {
        {"EDAD: '4x' no es un número", "FECHA: '00000000' no es una fecha",
         "NOTAS: la nota del bloque 99 está fuera del archivo de notas"},
        {"FECHA: '19991399' no es una fecha"},
        {"FECHA: '2000022a' no es una fecha", "NOTAS: la nota del bloque 0 está fuera del archivo de notas"},
    };
    for (const QStringList& esperada : esperadas) {
        ASSERT_TRUE(lector.Siguiente());
        for (int i = 0; i < lector.Campos().size(); ++i)
            lector.Valor(i);
        EXPECT_EQ(lector.Incidencias(), esperada);
    }
}

// A damaged file stops the reading with a message that names it.
TEST_F(LectorDbfTest, UnArchivoDanadoSeExplica)
{
    EscritorDbf escritor({{"NOMBRE", 'C', 10}, {"NUM", 'N', 4}});
    escritor.Registro({"uno", "1"});
    escritor.Registro({"dos", "2"});
    const QByteArray bueno = escritor.Dbf();
    struct Caso {
        const char* nombre;
        std::function<QByteArray()> bytes;
        QString mensaje;
    };
    const QList<Caso> casos = {
        {"cabecera cortada", [&] { return bueno.left(20); },
         "El archivo 'Roto.dbf' está truncado: le falta parte de la cabecera."},
        {"registros cortados", [&] { return bueno.left(bueno.size() - 6); },
         "El archivo 'Roto.dbf' está dañado o truncado: su cabecera anuncia 2 registros y el tamaño del archivo no "
         "corresponde."},
        {"cuenta de registros mayor",
         [&] {
             QByteArray b = bueno;
             b[4] = 9;
             return b;
         },
         "El archivo 'Roto.dbf' está dañado o truncado: su cabecera anuncia 9 registros y el tamaño del archivo no "
         "corresponde."},
        {"tipo desconocido",
         [&] {
             QByteArray b = bueno;
             b[32 + 32 + 11] = 'X';
             return b;
         },
         "El campo 'NUM' del archivo 'Roto.dbf' es de un tipo desconocido ('X')."},
        {"código de página desconocido",
         [&] {
             QByteArray b = bueno;
             b[29] = char(0x65);
             return b;
         },
         "El archivo 'Roto.dbf' usa un código de página que no se admite (101)."},
        {"longitud de registro falsa",
         [&] {
             QByteArray b = bueno;
             b[10] = 20;
             return b;
         },
         "Los campos del archivo 'Roto.dbf' no ocupan la longitud de registro que anuncia su cabecera."},
    };
    for (const Caso& caso : casos) {
        try {
            LectorDbf lector(GuardarBytes(caso.bytes()));
            ADD_FAILURE() << caso.nombre << ": sin error";
        } catch (const LectorDbf::ErrorDbf& error) {
            EXPECT_EQ(error.texto(), caso.mensaje) << caso.nombre;
        }
    }
    // Without its memo file a table with memos cannot be read.
    EscritorDbf conNotas(kCampos);
    conNotas.Registro({"A"});
    conNotas.Guardar(carpeta.path(), QStringLiteral("Conf"));
    try {
        LectorDbf lector(carpeta.filePath(QStringLiteral("Conf.dbf")));
        ADD_FAILURE() << "sin archivo de notas";
    } catch (const LectorDbf::ErrorDbf& error) {
        EXPECT_EQ(error.texto(),
                  QStringLiteral("No se encuentra el archivo de notas 'Conf.dbt' del archivo 'Conf.dbf'."));
    }
}
