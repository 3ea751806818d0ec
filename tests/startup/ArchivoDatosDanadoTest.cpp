// A file in place of one of the databases that is empty, damaged or no
// database of the program: one message saying which, with its path, and
// nothing on disk changed.

#include "ArranqueFixture.h"

#include "platform/ui/Ui.h"
#include "support/QtPrinters.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>

#include <sqlite3.h>

namespace {

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A sound SQLite database that another program made.
void BaseAjena(const QString& ruta)
{
    QFile::remove(ruta);
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(ruta).constData(), &h), SQLITE_OK);
    const int rc = sqlite3_exec(h, "CREATE TABLE Informacion (Version TEXT); INSERT INTO Informacion VALUES ('2.2.0')",
                                nullptr, nullptr, nullptr);
    sqlite3_close(h);
    ASSERT_EQ(rc, SQLITE_OK);
}

enum class Contenido { Vacio, Basura, Cortado, EsquemaRoto, Ajena };

const char* const kArchivos[] = {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb", "Imagenes.img",
                                 "duzediv.udl", "Informes.udl", "Contabilidad.udl"};

const QString kFinal = QStringLiteral("La aplicación no podrá continuar. Restaure una copia de seguridad de la base "
                                      "de datos en ese archivo y vuelva a iniciar la aplicación.");

} // namespace

class ArchivoDatosDanadoTest : public ArranqueTest {
protected:
    void Estropear(const QString& ruta, Contenido contenido)
    {
        const QByteArray sano = Leer(ruta);
        switch (contenido) {
        case Contenido::Vacio:
            Escribir(ruta, {});
            break;
        case Contenido::Basura:
            Escribir(ruta, QByteArray(8192, '\x5A'));
            break;
        case Contenido::Cortado:
            // An interrupted copy: the header promises pages that are not there.
            Escribir(ruta, sano.left(sano.size() / 2));
            break;
        case Contenido::EsquemaRoto: {
            // The header intact, the schema page after it overwritten.
            QByteArray roto = sano;
            roto.replace(100, 3996, QByteArray(3996, '\xA5'));
            Escribir(ruta, roto);
            break;
        }
        case Contenido::Ajena:
            BaseAjena(ruta);
            break;
        }
    }

    QMap<QString, QByteArray> Huellas() const
    {
        QMap<QString, QByteArray> huellas;
        for (const char* archivo : kArchivos)
            huellas.insert(QString::fromLatin1(archivo), Huella(carpeta.file(QString::fromLatin1(archivo))));
        return huellas;
    }
};

TEST_F(ArchivoDatosDanadoTest, UnSoloMensajeYNadaCambiaEnDisco)
{
    struct Caso {
        const char* base;
        Contenido contenido;
        const char* causa;
    };
    const Caso casos[] = {
        {"Duzediv.mdb", Contenido::Vacio, "¡El archivo de la base de datos 'Duzediv.mdb' está vacío!"},
        {"Duzediv.mdb", Contenido::Basura, "¡El archivo de la base de datos 'Duzediv.mdb' está dañado!"},
        {"Duzediv.mdb", Contenido::Cortado, "¡El archivo de la base de datos 'Duzediv.mdb' está dañado!"},
        {"Duzediv.mdb", Contenido::EsquemaRoto, "¡El archivo de la base de datos 'Duzediv.mdb' está dañado!"},
        {"Duzediv.mdb", Contenido::Ajena, "¡El archivo 'Duzediv.mdb' no es una base de datos de la aplicación!"},
        {"Informes.mdb", Contenido::Vacio, "¡El archivo de la base de datos 'Informes.mdb' está vacío!"},
        {"Informes.mdb", Contenido::Basura, "¡El archivo de la base de datos 'Informes.mdb' está dañado!"},
        {"Contabilidad.mdb", Contenido::Ajena,
         "¡El archivo 'Contabilidad.mdb' no es una base de datos de la aplicación!"},
        {"Contabilidad.mdb", Contenido::Cortado, "¡El archivo de la base de datos 'Contabilidad.mdb' está dañado!"},
    };
    for (const Caso& caso : casos) {
        const QString ruta = carpeta.file(QString::fromLatin1(caso.base));
        SCOPED_TRACE(QString::fromUtf8(caso.causa).toStdString());
        const QByteArray sano = Leer(ruta);
        Estropear(ruta, caso.contenido);
        const QMap<QString, QByteArray> antes = Huellas();
        pantalla().reset();
        app.den = {};
        pantalla().queueAnswer(ui::vbOK);

        EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

        ASSERT_EQ(pantalla().messages().size(), 1) << pantalla().messageTexts().join(QLatin1Char('|')).toStdString();
        const auto mensaje = pantalla().lastMessage();
        EXPECT_EQ(mensaje.text, QString::fromUtf8(caso.causa) + QStringLiteral("\r\n\r\nArchivo: ") + ruta
                                    + QStringLiteral("\r\n\r\n") + kFinal);
        EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        EXPECT_EQ(mensaje.caption, ui::AppTitle());
        EXPECT_EQ(pantalla().beepCount(), 1);
        EXPECT_TRUE(dialogos.Mostrados().isEmpty());
        EXPECT_EQ(ventana.mostrada, 0);
        EXPECT_TRUE(terminaciones.isEmpty());
        EXPECT_EQ(Huellas(), antes);

        modMain.reset();
        Escribir(ruta, sano);
    }
}
