// Backup and restore through the service: a backup brought back undoes the
// changes made since; every bad archive, another workstation and a full
// disk are refused with their message and leave the databases' bytes as
// they were; an older database is upgraded on its way back.

#include "EntornoMantenimiento.h"

#include "CarpetaPrueba.h"

#include "BasesDatosPrograma.h"
#include "mantenimiento/ArchivoCopia.h"
#include "platform/db/DatabaseFiles.h"
#include "schema/Estructura.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testsupport::scriptedUi;

qint64 Municipios(db::Connection& con)
{
    return con.Execute(QStringLiteral("SELECT Count(*) FROM Municipio")).value(0).toInt64();
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(datos);
}

// Working files, journals and extraction folders left in a folder.
QStringList Restos(const QString& carpeta)
{
    QStringList restos;
    for (const QString& n : QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (n.startsWith(QLatin1Char('.')) || n.endsWith(QLatin1String("-journal")))
            restos << n;
    return restos;
}

TEST(CopiaSeguridad, RestaurarDevuelveLosDatosDeLaCopia)
{
    EntornoMantenimiento e;
    e.accesoReal = true;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    e.conLocal.Execute(QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Antes', 0)"));
    const qint64 antes = Municipios(e.conLocal);

    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(archivo));
    ASSERT_TRUE(QFile::exists(archivo));
    {
        compresor::ZlibTool z;
        LectorArchivoCopia lector(archivo, z);
        const ManifiestoCopia& m = lector.Manifiesto();
        QStringList roles;
        for (const FicheroCopia& f : m.ficheros)
            roles << f.rol;
        EXPECT_EQ(roles, (QStringList{rol::Parroquia, rol::Contabilidad, rol::Informes, rol::Imagenes}));
        EXPECT_EQ(m.Buscar(rol::Parroquia)->version, VERSION_DUZEDIV);
        EXPECT_EQ(m.Buscar(rol::Contabilidad)->version, VERSION_CONTABILIDAD);
        EXPECT_EQ(m.Buscar(rol::Parroquia)->nombre, QStringLiteral("Duzediv.mdb"));
        EXPECT_EQ(m.usuario, QStringLiteral("Administrador"));
    }

    e.conLocal.Execute(QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Después', 0)"));
    e.conLocal.Execute(QStringLiteral("DELETE FROM Municipio WHERE Nombre = 'Antes'"));

    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_TRUE(e.Restaurar(archivo));
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("La copia de seguridad se ha recuperado correctamente."));
    ASSERT_TRUE(e.conLocal.isOpen());
    ASSERT_TRUE(e.conContabilidad.isOpen());
    EXPECT_EQ(Municipios(e.conLocal), antes);
    EXPECT_EQ(e.conLocal.Execute(QStringLiteral("SELECT Count(*) FROM Municipio WHERE Nombre = 'Después'")).value(0).toInt64(), 0);
    EXPECT_EQ(Restos(e.carpeta.path()), QStringList());
    EXPECT_EQ(Restos(e.fuera.path()), QStringList());
}

TEST(CopiaSeguridad, SinElComplementoDeContabilidadSoloVuelveLaParroquia)
{
    EntornoMantenimiento e;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);
    e.conLocal.Execute(QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Después', 0)"));
    const QByteArray contabilidad = e.Huella(QStringLiteral("Contabilidad.mdb"));

    e.contabilidad = false;
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_TRUE(e.Restaurar(archivo));
    EXPECT_TRUE(scriptedUi().messages().at(1).text.contains(QStringLiteral("(Datos de DUZEDIV)")));
    EXPECT_EQ(e.conLocal.Execute(QStringLiteral("SELECT Count(*) FROM Municipio WHERE Nombre = 'Después'")).value(0).toInt64(), 0);
    EXPECT_EQ(e.Huella(QStringLiteral("Contabilidad.mdb")), contabilidad);
}

struct CasoMalo {
    const char* nombre;
    // Makes the bad archive from a good one.
    std::function<QByteArray(const QByteArray&)> estropear;
    bool pregunta; // refused only after the user confirmed
    const char* mensaje;
};

class ArchivoMaloTest : public ::testing::TestWithParam<CasoMalo> {};

TEST_P(ArchivoMaloTest, SeRechazaYLosDatosNoCambian)
{
    const CasoMalo& caso = GetParam();
    EntornoMantenimiento e;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    // Two archives whose frame is sound are made from a database changed for
    // the copy and put back afterwards.
    const QByteArray nombre(caso.nombre);
    const QString clave = Descripcion(BaseDatosPrograma::Duzediv).password;
    if (nombre == "versión de la base más moderna")
        e.conLocal.Execute(QStringLiteral("UPDATE Informacion SET Version = '9.9.9'"));
    if (nombre == "otra contraseña")
        db::SetDatabasePassword(e.conLocal, QStringLiteral("Otra clave"));
    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);
    if (nombre == "versión de la base más moderna")
        e.conLocal.Execute(QStringLiteral("UPDATE Informacion SET Version = '%1'").arg(VERSION_DUZEDIV));
    if (nombre == "otra contraseña")
        db::SetDatabasePassword(e.conLocal, clave);
    Escribir(archivo, caso.estropear(Leer(archivo)));
    const QList<QByteArray> huellas = e.HuellasDatos();

    if (caso.pregunta)
        scriptedUi().queueAnswer(ui::vbYes);
    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_FALSE(e.Restaurar(archivo));

    const QString texto = scriptedUi().lastMessage().text;
    EXPECT_TRUE(texto.contains(QString::fromUtf8(caso.mensaje))) << texto.toStdString();
    EXPECT_TRUE(texto.endsWith(QStringLiteral("Los datos actuales no se han modificado."))) << texto.toStdString();
    EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbExclamation);
    EXPECT_EQ(e.HuellasDatos(), huellas);
    EXPECT_TRUE(e.conLocal.isOpen());
    EXPECT_EQ(Restos(e.carpeta.path()), QStringList());
}

QByteArray CambiarByte(const QByteArray& a, qsizetype posicion)
{
    QByteArray b = a;
    b[posicion] = char(b.at(posicion) ^ 0x01);
    return b;
}

const CasoMalo kArchivosMalos[] = {
    {"cortado", [](const QByteArray& a) { return a.left(a.size() * 2 / 3); }, false, "está incompleta"},
    {"un byte cambiado en los datos", [](const QByteArray& a) { return CambiarByte(a, 3000); }, true, "está dañada"},
    {"un byte cambiado en el índice", [](const QByteArray& a) { return CambiarByte(a, a.size() - 200); }, false,
     "está dañada: su índice"},
    {"de un programa más moderno",
     [](const QByteArray& a) {
         QByteArray b = a;
         qToLittleEndian<quint32>(quint32(kFormatoArchivoCopia + 1), b.data() + 16);
         return b;
     },
     false, "versión más moderna del programa"},
    {"no es una copia", [](const QByteArray&) { return QByteArray("[oledb]\r\nProvider=Microsoft.Jet.OLEDB.4.0\r\n"); },
     false, "no es una copia de seguridad de este programa"},
    {"versión de la base más moderna", [](const QByteArray& a) { return a; }, true, "versión 9.9.9, más moderna"},
    {"otra contraseña", [](const QByteArray& a) { return a; }, true, "no se puede abrir con la contraseña"},
};

INSTANTIATE_TEST_SUITE_P(CopiaSeguridad, ArchivoMaloTest, ::testing::ValuesIn(kArchivosMalos));

TEST(CopiaSeguridad, OtroPuestoConectadoImpideRestaurar)
{
    EntornoMantenimiento e;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);
    e.conLocal.Execute(QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Nuevo', 0)"));
    const QList<QByteArray> huellas = e.HuellasDatos();
    e.OtroPuestoConectado();

    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_FALSE(e.Restaurar(archivo));

    EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(
        QStringLiteral("Para realizar esta operación necesita acceso exclusivo a la base de datos.")));
    // The entry lock comes before the test, and both go at the end.
    EXPECT_EQ(*e.llamadasAcceso, (QStringList{QStringLiteral("Inicializar"), QStringLiteral("BloqueoEntrada"),
                                              QStringLiteral("AccesoExclusivo"), QStringLiteral("Liberar")}));
    EXPECT_EQ(e.HuellasDatos(), huellas);
}

TEST(CopiaSeguridad, DiscoLlenoDuranteLaCopia)
{
    EntornoMantenimiento e;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    Escribir(archivo, QByteArray("copia anterior"));
    const QList<QByteArray> huellas = e.HuellasDatos();
    qint64 escritos = 0;
    e.escribir = [&escritos](int fd, const void* datos, size_t bytes) -> ssize_t {
        if (escritos > 20000) {
            errno = ENOSPC;
            return -1;
        }
        escritos += qint64(bytes);
        return ::write(fd, datos, bytes);
    };

    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);

    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("No queda espacio en el disco")));
    EXPECT_EQ(Leer(archivo), QByteArray("copia anterior"));
    EXPECT_EQ(Restos(e.fuera.path()), QStringList());
    EXPECT_EQ(e.HuellasDatos(), huellas);
}

TEST(CopiaSeguridad, LaCopiaNoSeGuardaSobreUnaBaseDeDatos)
{
    EntornoMantenimiento e;
    const QList<QByteArray> huellas = e.HuellasDatos();
    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(e.carpeta.file(QStringLiteral("Contabilidad.mdb")));
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("que es una de las bases de datos")));
    EXPECT_EQ(e.HuellasDatos(), huellas);
}

TEST(CopiaSeguridad, CancelarLaEleccionDelArchivoNoHaceNada)
{
    EntornoMantenimiento e;
    const QList<QByteArray> huellas = e.HuellasDatos();
    e.RealizarCopia(QString());
    EXPECT_FALSE(e.Restaurar(QString()));
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
    EXPECT_EQ(e.HuellasDatos(), huellas);
    // The first proposal is a dated archive in the program's backup folder.
    ASSERT_EQ(e.dialogos->sugeridos.size(), 1);
    EXPECT_TRUE(e.dialogos->sugeridos.first().startsWith(e.carpeta.path() + QStringLiteral("/CopiasBD/Copia de seguridad ")));
    EXPECT_TRUE(e.dialogos->sugeridos.first().endsWith(QStringLiteral(".copiabd")));
}

TEST(CopiaSeguridad, UnaCopiaAntiguaSeActualizaAlRestaurarla)
{
    QTemporaryDir fuera;
    const QString archivo = fuera.filePath(QStringLiteral("antigua.copiabd"));
    qint64 personas = 0;
    {
        // A parish database of an older program, backed up by this one.
        CarpetaPrueba antigua;
        antigua.CrearParroquia(QStringLiteral("2.0.0"));
        db::Connection con = antigua.AbrirParroquia();
        db::SetDatabasePassword(con, Descripcion(BaseDatosPrograma::Duzediv).password);
        personas = con.Execute(QStringLiteral("SELECT Count(*) FROM Padron")).value(0).toInt64();
        PVAPI::cDuzediv servicio;
        OpcionesMantenimiento opciones;
        auto dialogos = std::make_shared<DialogosRespondidos>();
        dialogos->archivoNuevo = archivo;
        opciones.dialogos = dialogos;
        cMantenimientoBD mantenimiento(servicio, opciones);
        ColeccionConexiones col;
        auto c = std::make_shared<cConexion>();
        c->IDConexion = conexion::Parroquia;
        c->ConexionBD = &con;
        col.Add(c, QStringLiteral("1"));
        QStringList ficheros{antigua.Ruta(QStringLiteral("Duzediv.mdb")), QString(), QString(), QString()};
        PVAPI::cInfoConfiguracion info;
        std::shared_ptr<compresor::ZlibTool> z;
        scriptedUi().queueAnswer(ui::vbOK);
        mantenimiento.RealizarCopiaSeg(col, ficheros, z, info);
        ASSERT_TRUE(QFile::exists(archivo));
    }
    ASSERT_GT(personas, 0);

    EntornoMantenimiento e(PVAPI::cCAplicacion::APP_PARVANTA_VALDENA);
    // The upgrade reports its steps' progress through the service; the
    // answers are the confirmation and the final message.
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_TRUE(e.Restaurar(archivo));
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("La copia de seguridad se ha recuperado correctamente."));
    EXPECT_EQ(e.conLocal.Execute(QStringLiteral("SELECT Version FROM Informacion")).value(0).toString(), VERSION_DUZEDIV);
    EXPECT_EQ(e.conLocal.Execute(QStringLiteral("SELECT Count(*) FROM Padron")).value(0).toInt64(), personas);
}

TEST(CopiaSeguridad, UnaCopiaAntiguaSinRutaDeActualizacionSeRechaza)
{
    // The build's own edition has no upgrade path: an older archive cannot
    // be brought to the current version and is refused unchanged.
    EntornoMantenimiento e;
    const QString archivo = e.fuera.filePath(QStringLiteral("copia.copiabd"));
    e.conLocal.Execute(QStringLiteral("UPDATE Informacion SET Version = '2.1.2'"));
    scriptedUi().queueAnswer(ui::vbOK);
    e.RealizarCopia(archivo);
    e.conLocal.Execute(QStringLiteral("UPDATE Informacion SET Version = '%1'").arg(VERSION_DUZEDIV));
    const QList<QByteArray> huellas = e.HuellasDatos();

    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_FALSE(e.Restaurar(archivo));
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("no ha podido actualizarla")));
    EXPECT_EQ(e.HuellasDatos(), huellas);
}

} // namespace
