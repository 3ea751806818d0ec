// A data folder, or a database file, that may not be written: the start
// says so in one message that names it, before anything is opened or
// written there (no lock file either).

#include "ArranqueFixture.h"

#include "BasesDatosPrograma.h"
#include "core/ArchivoUdl.h"
#include "platform/ui/Ui.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A path's permissions for the length of a case, put back however it ends
// so the temporary folder can be removed.
class Permisos {
public:
    Permisos(const QString& ruta, mode_t modo) : m_ruta(QFile::encodeName(ruta))
    {
        struct stat st {};
        ::stat(m_ruta.constData(), &st);
        m_antes = st.st_mode & 07777;
        m_hecho = ::chmod(m_ruta.constData(), modo) == 0;
    }
    ~Permisos() { ::chmod(m_ruta.constData(), m_antes); }
    Permisos(const Permisos&) = delete;
    Permisos& operator=(const Permisos&) = delete;
    bool hecho() const { return m_hecho; }

private:
    QByteArray m_ruta;
    mode_t m_antes = 0;
    bool m_hecho = false;
};

const QString kFinalCarpeta = QStringLiteral(
    "La aplicación no podrá continuar. Pida permiso de escritura en esa carpeta al administrador del equipo, o copie "
    "los datos a una carpeta en la que pueda escribir, y vuelva a iniciar la aplicación.");

} // namespace

TEST_F(ArranqueTest, DatosQueNoSePuedenEscribirSeDicenEnUnSoloMensaje)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes in read-only folders and files";
    // The parish database also in a folder of its own, linked by path: the
    // start clears the read-only attribute only of the program folder's files.
    const QString datos = carpeta.path() + QStringLiteral("/datos");
    ASSERT_TRUE(QDir().mkdir(datos));
    const QString enDatos = datos + QStringLiteral("/Duzediv.mdb");
    ASSERT_TRUE(QFile::copy(carpeta.file(QStringLiteral("Duzediv.mdb")), enDatos));

    struct Caso {
        const char* nombre;
        bool enlazarDatos;  // duzediv.udl names datos/Duzediv.mdb
        QString soloLectura;
        mode_t modo;
        QString texto;
        QString carpetaSinCambios;
    };
    const Caso casos[] = {
        {"carpeta del programa", false, carpeta.path(), 0555,
         QStringLiteral("¡La carpeta '%1' es de sólo lectura!\r\n\r\nLa base de datos 'Duzediv.mdb' está en esa "
                        "carpeta, y la aplicación necesita escribir en ella para guardar los cambios y para saber qué "
                        "otros puestos de trabajo usan los datos.\r\n\r\n")
                 .arg(carpeta.path())
             + kFinalCarpeta,
         carpeta.path()},
        {"carpeta enlazada", true, datos, 0555,
         QStringLiteral("¡La carpeta '%1' es de sólo lectura!\r\n\r\nLa base de datos 'Duzediv.mdb' está en esa "
                        "carpeta, y la aplicación necesita escribir en ella para guardar los cambios y para saber qué "
                        "otros puestos de trabajo usan los datos.\r\n\r\n")
                 .arg(datos)
             + kFinalCarpeta,
         datos},
        {"archivo enlazado", true, enDatos, 0444,
         QStringLiteral("¡El archivo de la base de datos 'Duzediv.mdb' es de sólo lectura!\r\n\r\nArchivo: %1\r\n\r\n"
                        "La aplicación no podrá continuar. Quite el atributo de sólo lectura del archivo o pida "
                        "permiso de escritura al administrador del equipo, y vuelva a iniciar la aplicación.")
             .arg(enDatos),
         datos},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        ASSERT_TRUE(EscribirArchivoUdl(carpeta.file(QStringLiteral("duzediv.udl")),
                                       caso.enlazarDatos ? CadenaConexionVinculo(enDatos)
                                                         : CadenaEnlaceDatos(QStringLiteral("Duzediv.mdb"))));
        const QStringList antes = QDir(caso.carpetaSinCambios).entryList(QDir::AllEntries | QDir::Hidden);
        const QByteArray huella = Huella(caso.enlazarDatos ? enDatos : carpeta.file(QStringLiteral("Duzediv.mdb")));
        pantalla().reset();
        app.den = {};
        pantalla().queueAnswer(ui::vbOK);
        {
            const Permisos permisos(caso.soloLectura, caso.modo);
            ASSERT_TRUE(permisos.hecho());

            EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);
            modMain.reset();
            app.den = {};
        }

        ASSERT_EQ(pantalla().messages().size(), 1) << pantalla().messageTexts().join(u'|').toStdString();
        const auto mensaje = pantalla().lastMessage();
        EXPECT_EQ(mensaje.text, caso.texto);
        EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        EXPECT_FALSE(app.den.conLocal.isOpen());
        EXPECT_EQ(ventana.mostrada, 0);
        EXPECT_EQ(QDir(caso.carpetaSinCambios).entryList(QDir::AllEntries | QDir::Hidden), antes);
        EXPECT_EQ(Huella(caso.enlazarDatos ? enDatos : carpeta.file(QStringLiteral("Duzediv.mdb"))), huella);
    }
}
