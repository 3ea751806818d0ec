#include "platform/vb/VbError.h"
#include "core/ArchivoUdl.h"
#include "core/cConfiguracion.h"
#include "startup/EnlaceDatos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(EnlaceDatos, CambiaSoloElOrigenDeDatos)
{
    struct Caso {
        QString cadena;
        QString esperada;
    };
    const Caso casos[] = {
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/viejo/Duzediv.mdb;Persist Security Info=False"),
         QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nuevo/Duzediv.mdb;Persist Security Info=False")},
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;data source=/viejo/Duzediv.mdb"),
         QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nuevo/Duzediv.mdb")},
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Mode=Share Deny None"),
         QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nuevo/Duzediv.mdb;Mode=Share Deny None")},
        {QString(),
         QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nuevo/Duzediv.mdb;Persist Security Info=False")},
    };
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("duzediv.udl"));
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.cadena.toStdString());
        QFile::remove(ruta);
        if (!caso.cadena.isEmpty()) {
            ASSERT_TRUE(EscribirArchivoUdl(ruta, caso.cadena));
        }

        EnlaceDatos enlace(ruta);
        enlace.EstablecerOrigenDatos(QStringLiteral("/nuevo/Duzediv.mdb"));
        enlace.Guardar();

        EXPECT_EQ(LeerArchivoUdl(ruta), caso.esperada);
        EXPECT_EQ(EnlaceDatos(ruta).OrigenDatos(), QStringLiteral("/nuevo/Duzediv.mdb"));
    }
}

// The connection dialog's editor writes a path holding ";" or quotes between
// quotes, so the start reads it back whole; the other properties stay as
// they were written.
TEST(EnlaceDatos, UnaRutaConPuntoYComaOComillasSeLeeEntera)
{
    const QString rutas[] = {
        QStringLiteral("/srv/a;b/Duzediv.mdb"),
        QStringLiteral("/srv/O'Brien;\"2\"/Duzediv.mdb"),
        QStringLiteral("'/srv/comillas'/Duzediv.mdb"),
        QStringLiteral("/srv/O'Brien/Duzediv.mdb"),
    };
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("duzediv.udl"));
    for (const QString& origen : rutas) {
        SCOPED_TRACE(origen.toStdString());
        ASSERT_TRUE(EscribirArchivoUdl(ruta, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;DATA SOURCE=/viejo.mdb;"
                                                            "Extended Properties=\"a;b\";Persist Security Info=False")));

        EnlaceDatos enlace(ruta);
        enlace.EstablecerOrigenDatos(origen);
        enlace.Guardar();

        const QString cadena = cConfiguracion::getConnectionString(ruta);
        EXPECT_EQ(cConfiguracion::ObtenerOrigenDatos(cadena), origen);
        EXPECT_EQ(cConfiguracion::ObtenerOrigenDatosMDB(cadena), QStringLiteral("Duzediv.mdb"));
        EXPECT_EQ(EnlaceDatos(ruta).OrigenDatos(), origen);
        EXPECT_TRUE(cadena.startsWith(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")));
        EXPECT_TRUE(cadena.endsWith(QStringLiteral(";Extended Properties=\"a;b\";Persist Security Info=False")));
    }
}

TEST(EnlaceDatos, GuardaSobreElArchivoAunqueSeNombreConOtrasMayusculas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(EscribirArchivoUdl(dir.filePath(QStringLiteral("Informes.udl")),
                                   QStringLiteral("Provider=P;Data Source=/a/Informes.mdb")));

    EnlaceDatos enlace(dir.filePath(QStringLiteral("informes.udl")));
    enlace.EstablecerOrigenDatos(QStringLiteral("/b/Informes.mdb"));
    enlace.Guardar();

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Informes.udl")});
    EXPECT_EQ(LeerArchivoUdl(dir.filePath(QStringLiteral("Informes.udl"))),
              QStringLiteral("Provider=P;Data Source=/b/Informes.mdb"));
}

TEST(EnlaceDatos, ArchivoQueNoSePuedeEscribir)
{
    EnlaceDatos enlace(QStringLiteral("/no/existe/la/carpeta/duzediv.udl"));
    enlace.EstablecerOrigenDatos(QStringLiteral("/a/Duzediv.mdb"));
    try {
        enlace.Guardar();
        FAIL() << "Guardar debía fallar";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.number(), 75);
    }
}
