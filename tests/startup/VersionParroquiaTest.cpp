// A parish database of an older version in an edition that cannot upgrade
// it: the start reads its version first, says which it is and that this
// edition cannot upgrade it, and changes nothing.

#include "ArranqueFixture.h"
#include "EsquemasAntiguos.h"
#include "DatosEjemplo.h"

#include "BasesDatosPrograma.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCAplicacion.h"
#include "platform/ui/Ui.h"
#include "schema/Estructura.h"
#include "startup/VersionParroquia.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

namespace {

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class VersionParroquiaTest : public ArranqueTest {
protected:
    // "Duzediv.mdb" made again at `version`, with rows, as an older program
    // left it; the program's password and make.
    void CrearParroquiaAntigua(const QString& version)
    {
        const QString ruta = carpeta.file(QStringLiteral("Duzediv.mdb"));
        ASSERT_TRUE(QFile::remove(ruta));
        db::CreateDatabase(ruta, Descripcion(BaseDatosPrograma::Duzediv).password);
        db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
        const EsquemaDef esquema = EsquemaParroquiaAntiguo(version);
        CrearEstructura(con, esquema);
        LlenarBDParroquia(con, esquema);
    }

    // The databases and every backup copy (the lock file beside them is the
    // locking service's, and changes with every start).
    QMap<QString, QByteArray> Huellas() const
    {
        QMap<QString, QByteArray> huellas;
        for (const char* base : {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb"})
            huellas.insert(QString::fromLatin1(base), Huella(carpeta.file(QString::fromLatin1(base))));
        QDirIterator copias(carpeta.file(QStringLiteral("CopiasBD")), QDir::Files | QDir::Hidden,
                            QDirIterator::Subdirectories);
        while (copias.hasNext()) {
            const QString copia = copias.next();
            huellas.insert(copia, Huella(copia));
        }
        return huellas;
    }
};

TEST_F(VersionParroquiaTest, UnMensajeConLaVersionDelArchivoYNadaCambia)
{
    for (const char* version : {"2.0.0", "2.1.2"}) {
        SCOPED_TRACE(version);
        CrearParroquiaAntigua(QString::fromLatin1(version));
        const QMap<QString, QByteArray> antes = Huellas();
        pantalla().reset();
        app.den = {};
        pantalla().queueAnswer(ui::vbOK);

        EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

        ASSERT_EQ(pantalla().messages().size(), 1) << pantalla().messageTexts().join(QLatin1Char('|')).toStdString();
        const auto mensaje = pantalla().lastMessage();
        EXPECT_EQ(mensaje.text,
                  QStringLiteral("¡La base de datos 'Duzediv.mdb' es de la versión %1, y esta edición de la "
                                 "aplicación trabaja con la versión 2.2.0 y no puede actualizarla!\r\n\r\n"
                                 "Archivo: %2\r\n\r\n"
                                 "No se ha cambiado nada en el archivo. La aplicación no podrá continuar. Actualice la "
                                 "base de datos con la edición de la aplicación que la creó, o restaure una copia de "
                                 "seguridad de la versión 2.2.0, y vuelva a iniciar la aplicación.")
                      .arg(QString::fromLatin1(version), carpeta.file(QStringLiteral("Duzediv.mdb"))));
        EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        EXPECT_EQ(mensaje.caption, ui::AppTitle());
        EXPECT_EQ(ventana.mostrada, 0);
        EXPECT_TRUE(terminaciones.isEmpty());
        modMain.reset();
        app.den = {};
        EXPECT_EQ(Huellas(), antes);
    }
}

// The check agrees with the upgrade: a version the edition's steps bring to
// the current one goes on to the upgrade.
TEST(VersionParroquia, VersionQueAlcanzaLaActualizacionDeCadaEdicion)
{
    using PVAPI::cCAplicacion;
    struct Caso {
        long edicion;
        const char* version;
        const char* alcanzada;
    };
    const Caso casos[] = {
        {cCAplicacion::APP_PARVANTA_VALDENA, "2.0.0", "2.2.0"},
        {cCAplicacion::APP_PARVANTA_VALDENA, "2.0.2", "2.0.2"},
        {cCAplicacion::APP_PARVANTA_GENERAL, "2.0.2", "2.2.0"},
        {cCAplicacion::APP_PARVANTA_CORBELA, "2.0.0", "2.0.0"},
        {cCAplicacion::APP_PARVANTA_MIRANTE, "2.1.0", "2.2.0"},
        {cCAplicacion::APP_PARVANTA_TUREL, "2.1.2", "2.1.2"},
        {cCAplicacion::APP_PARVANTA_TUREL, "2.2.0", "2.2.0"},
        {99, "2.0.0", "2.0.0"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(VersionTrasActualizar(QString::fromLatin1(caso.version), cCAplicacion::Texto(caso.edicion)),
                  QString::fromLatin1(caso.alcanzada))
            << caso.edicion << " " << caso.version;
}
