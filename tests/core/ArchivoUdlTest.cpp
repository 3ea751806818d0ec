#include "core/ArchivoUdl.h"
#include "core/cConfiguracion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kCabecera = QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n");

QByteArray Utf16LeConBom(const QString& texto)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : texto) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

class ArchivoUdlTest : public ::testing::Test {
protected:
    QString Escribir(const QString& nombre, const QByteArray& bytes)
    {
        const QString ruta = m_carpeta.filePath(nombre);
        QFile archivo(ruta);
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(bytes);
        return ruta;
    }

    QTemporaryDir m_carpeta;
};

struct CasoLectura {
    const char* nombre;
    QByteArray bytes;
    const char* esperado;
};

TEST_F(ArchivoUdlTest, ReadsTheConnectionStringLine)
{
    const CasoLectura casos[] = {
        {"como lo escribe el editor",
         Utf16LeConBom(kCabecera + "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Datos\\Duzediv.mdb;"
                                   "Persist Security Info=False\r\n"),
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Datos\\Duzediv.mdb;Persist Security Info=False"},
        {"letras acentuadas y fuera de Latin-1",
         Utf16LeConBom(kCabecera + QString::fromUtf8("Provider=Microsoft.Jet.OLEDB.4.0;"
                                                     "Data Source=/home/párroco/Año Œ/Duzediv.mdb\r\n")),
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/home/párroco/Año Œ/Duzediv.mdb"},
        {"sin salto de línea final no pierde el último carácter",
         Utf16LeConBom(kCabecera + "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/datos/Duzediv.mdb"),
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/datos/Duzediv.mdb"},
        {"solo retorno de carro al final",
         Utf16LeConBom(kCabecera + "Provider=P;Data Source=a.mdb\r"), "Provider=P;Data Source=a.mdb"},
        {"provider en minúsculas", Utf16LeConBom(kCabecera + "provider=P;Data Source=a.mdb\r\n"),
         "provider=P;Data Source=a.mdb"},
        {"sin Provider", Utf16LeConBom(kCabecera + "Data Source=a.mdb\r\n"), ""},
        {"vacío", QByteArray(), ""},
        {"solo la marca de orden", QByteArray("\xFF\xFE", 2), ""},
        {"texto de 8 bits sin marca", QByteArray("[oledb]\r\nProvider=P;Data Source=x.mdb\r\n"),
         "Provider=P;Data Source=x.mdb"},
    };
    int n = 0;
    for (const CasoLectura& caso : casos) {
        const QString ruta = Escribir(QStringLiteral("caso%1.udl").arg(n++), caso.bytes);
        EXPECT_EQ(LeerArchivoUdl(ruta), QString::fromUtf8(caso.esperado)) << caso.nombre;
    }
}

TEST_F(ArchivoUdlTest, MissingFileOrFolderGivesEmptyText)
{
    EXPECT_EQ(LeerArchivoUdl(m_carpeta.filePath(QStringLiteral("no.udl"))), QString());
    EXPECT_EQ(LeerArchivoUdl(m_carpeta.path()), QString());
    EXPECT_EQ(cConfiguracion::getConnectionString(m_carpeta.filePath(QStringLiteral("no.udl"))), QString());
}

TEST_F(ArchivoUdlTest, ConnectionStringFindsTheFileWhateverItsCase)
{
    Escribir(QStringLiteral("Duzediv.udl"), Utf16LeConBom(kCabecera + "Provider=P;Data Source=d.mdb\r\n"));
    EXPECT_EQ(cConfiguracion::getConnectionString(m_carpeta.filePath(QStringLiteral("duzediv.udl"))),
              QStringLiteral("Provider=P;Data Source=d.mdb"));
}

TEST_F(ArchivoUdlTest, WrittenFileHasTheDataLinkLayoutAndReadsBack)
{
    const QString cadena = QString::fromUtf8("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/srv/Año/Informes.mdb;"
                                             "Persist Security Info=False");
    const QString ruta = m_carpeta.filePath(QStringLiteral("Informes.udl"));
    ASSERT_TRUE(EscribirArchivoUdl(ruta, cadena));

    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), Utf16LeConBom(kCabecera + cadena + "\r\n"));
    EXPECT_EQ(LeerArchivoUdl(ruta), cadena);

    ASSERT_TRUE(EscribirArchivoUdl(ruta, QStringLiteral("Provider=P;Data Source=otra.mdb")));
    EXPECT_EQ(LeerArchivoUdl(ruta), QStringLiteral("Provider=P;Data Source=otra.mdb"));
}

TEST_F(ArchivoUdlTest, WritingIntoAMissingFolderFails)
{
    EXPECT_FALSE(EscribirArchivoUdl(m_carpeta.filePath(QStringLiteral("no/existe.udl")), QStringLiteral("Provider=P")));
}

struct CasoOrigen {
    const char* cadena;
    const char* origen;
    const char* carpeta;
    const char* archivo;
};

TEST(OrigenDatosTest, SplitsTheDataSource)
{
    const CasoOrigen casos[] = {
        {"Provider=P;Data Source=C:\\Datos\\Duzediv.mdb;Persist Security Info=False",
         "C:\\Datos\\Duzediv.mdb", "C:\\Datos\\", "Duzediv.mdb"},
        {"Provider=P;Data Source=Duzediv.mdb;Persist Security Info=False", "Duzediv.mdb", "", "Duzediv.mdb"},
        {"Provider=P;Data Source=/srv/parroquia/Duzediv.mdb", "/srv/parroquia/Duzediv.mdb", "/srv/parroquia/",
         "Duzediv.mdb"},
        {"Provider=P;Data Source=C:/Datos\\Año\\Contabilidad.mdb;", "C:/Datos\\Año\\Contabilidad.mdb",
         "C:/Datos\\Año\\", "Contabilidad.mdb"},
        {"Provider=P;Data Source= a b.mdb ;X=1", " a b.mdb ", "", " a b.mdb "},
        {"Provider=P;Data Source=C:\\Datos\\;X=1", "C:\\Datos\\", "C:\\Datos\\", "Datos\\"},
        {"Provider=P;Data Source=Datos\\;X=1", "Datos\\", "Datos\\", "Datos\\"},
        {"Provider=P;Persist Security Info=False", "", "", ""},
        // The property's name in any letter case, as OLE DB reads it.
        {"Provider=P;data source=C:\\a.mdb;", "C:\\a.mdb", "C:\\", "a.mdb"},
        {"Provider=P; DATA SOURCE =/srv/b.mdb", "/srv/b.mdb", "/srv/", "b.mdb"},
        // A quoted value holds ";" and quotes; a doubled quote is one.
        {"Provider=P;Data Source=\"/srv/a;b/Duzediv.mdb\";Persist Security Info=False", "/srv/a;b/Duzediv.mdb",
         "/srv/a;b/", "Duzediv.mdb"},
        {"Provider=P;Data Source=\"/srv/dijo \"\"sí\"\"; y 'no'/Duzediv.mdb\"",
         "/srv/dijo \"sí\"; y 'no'/Duzediv.mdb", "/srv/dijo \"sí\"; y 'no'/", "Duzediv.mdb"},
        {"Provider=P;Data Source= '/srv/O''Brien;2/Informes.mdb' ;X=1", "/srv/O'Brien;2/Informes.mdb",
         "/srv/O'Brien;2/", "Informes.mdb"},
        {"Provider=P;Data Source=/srv/O'Brien/Informes.mdb", "/srv/O'Brien/Informes.mdb", "/srv/O'Brien/",
         "Informes.mdb"},
        // "Data Source" inside another property's value is not the property.
        {"Provider=P;Extended Properties=\"Data Source=/otra.mdb\";Data Source=/buena.mdb", "/buena.mdb", "/",
         "buena.mdb"},
        {"Provider=P;Data Source;X=1", "", "", ""},
        {"Provider=P;Data Source=", "", "", ""},
        {"", "", "", ""},
    };
    for (const CasoOrigen& caso : casos) {
        const QString cadena = QString::fromUtf8(caso.cadena);
        EXPECT_EQ(cConfiguracion::ObtenerOrigenDatos(cadena), QString::fromUtf8(caso.origen)) << caso.cadena;
        EXPECT_EQ(cConfiguracion::ObtenerOrigenDatosDir(cadena), QString::fromUtf8(caso.carpeta)) << caso.cadena;
        EXPECT_EQ(cConfiguracion::ObtenerOrigenDatosMDB(cadena), QString::fromUtf8(caso.archivo)) << caso.cadena;
    }
}

// A data source without a folder, or with a relative one, lies in the program
// folder whatever the working folder is.
TEST(OrigenDatosTest, ResolvesARelativeDataSourceInTheProgramFolder)
{
    struct Caso {
        const char* origen;
        const char* ruta;
    };
    const Caso casos[] = {
        {"Duzediv.mdb", "/srv/programa/Duzediv.mdb"},
        {"datos\\Informes.mdb", "/srv/programa/datos/Informes.mdb"},
        {"..\\datos/Contabilidad.mdb", "/srv/datos/Contabilidad.mdb"},
        {"/srv/parroquia/Duzediv.mdb", "/srv/parroquia/Duzediv.mdb"},
        {"\\srv\\parroquia\\Duzediv.mdb", "/srv/parroquia/Duzediv.mdb"},
        {"", ""},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(cConfiguracion::RutaOrigenDatos(QString::fromUtf8(caso.origen), QStringLiteral("/srv/programa")),
                  QString::fromUtf8(caso.ruta))
            << caso.origen;
    }
}

} // namespace
