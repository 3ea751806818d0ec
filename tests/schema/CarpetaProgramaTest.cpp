// The program folder laid out by the program-folder tool.

#include "fixtures/TempProgramFolder.h"

#include "BaseImagenes.h"
#include "CatalogoIconos.h"

#include "platform/db/DatabaseFiles.h"
#include "platform/db/Recordset.h"
#include "platform/vb/VbError.h"
#include "core/ArchivoUdl.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// PRAGMA integrity_check on the file. It goes through the layer's connection
// because the text indexes use the layer's collation, which a bare SQLite
// does not know.
QString Integridad(const QString& ruta, const QString& password = {})
{
    db::Connection con;
    con.Open(password.isEmpty() ? CadenaConexionVinculo(ruta) : CadenaConexionConPassword(ruta, password), true);
    QString resultado;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(con.handle(), "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK
        && sqlite3_step(st) == SQLITE_ROW)
        resultado = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return resultado;
}

// A data-link file's text after its byte-order mark, read as UTF-16LE.
QString DesdeUtf16(const QByteArray& bytes)
{
    QString texto;
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
        texto += QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    return texto;
}

QString TextoUtf16(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? DesdeUtf16(f.readAll()) : QString();
}

TEST(CarpetaPrograma, TieneTodosLosArchivosYCarpetas)
{
    TempProgramFolder carpeta;
    const QDir dir(carpeta.path());
    for (const char* archivo : {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb", "Imagenes.img", "duzediv.udl",
                                "Informes.udl", "Contabilidad.udl"})
        EXPECT_TRUE(QFileInfo(dir.filePath(archivo)).isFile()) << archivo;
    for (const char* sub : {"CopiasBD", "Log/Trasvase", "addins"})
        EXPECT_TRUE(QFileInfo(dir.filePath(sub)).isDir()) << sub;
    EXPECT_EQ(qgetenv("DUZEDIV_APP_PATH"), QFile::encodeName(carpeta.path()));
}

TEST(CarpetaPrograma, LasBasesEstanSanasYEnSuVersion)
{
    TempProgramFolder carpeta;
    for (const DescripcionBaseDatos& d : BasesDatosPrograma())
        EXPECT_EQ(Integridad(carpeta.file(d.archivo), d.password), "ok") << d.archivo.toStdString();
    EXPECT_EQ(Integridad(carpeta.file("Imagenes.img")), "ok");

    struct Caso {
        BaseDatosPrograma base;
        const char* version;
    };
    for (const Caso& c : {Caso{BaseDatosPrograma::Duzediv, "2.2.0"}, Caso{BaseDatosPrograma::Contabilidad, "1.0.2"}}) {
        db::Connection con = carpeta.abrir(c.base);
        db::Recordset rs = con.Execute("SELECT Version FROM Informacion");
        ASSERT_EQ(rs.RecordCount(), 1);
        EXPECT_EQ(rs.value("Version").toString(), c.version);
    }
}

TEST(CarpetaPrograma, CadaBaseExigeSuPassword)
{
    TempProgramFolder carpeta;
    for (const DescripcionBaseDatos& d : BasesDatosPrograma()) {
        EXPECT_TRUE(db::HasDatabasePassword(carpeta.file(d.archivo))) << d.archivo.toStdString();
        db::Connection sinPassword;
        EXPECT_THROW(sinPassword.Open(CadenaConexionVinculo(carpeta.file(d.archivo))), vb::VbError)
            << d.archivo.toStdString();
        db::Connection otra;
        EXPECT_THROW(otra.Open(CadenaConexionConPassword(carpeta.file(d.archivo), d.password + "x")), vb::VbError);
        EXPECT_NO_THROW(carpeta.abrir(d.base));
    }
    EXPECT_FALSE(db::HasDatabasePassword(carpeta.file("Imagenes.img")));
}

// By file name alone: a copied or moved folder must use its own databases.
TEST(CarpetaPrograma, LosVinculosNombranLasBasesSinCarpeta)
{
    TempProgramFolder carpeta;
    for (const DescripcionBaseDatos& d : BasesDatosPrograma()) {
        QFile udl(carpeta.file(d.vinculo));
        ASSERT_TRUE(udl.open(QIODevice::ReadOnly));
        const QString esperado = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                                                "Persist Security Info=False")
                                     .arg(d.archivo);
        EXPECT_EQ(udl.readAll(), ContenidoArchivoUdl(esperado)) << d.vinculo.toStdString();
    }
}

TEST(VinculoDatos, FormatoDelArchivoDeVinculo)
{
    const QByteArray bytes = ContenidoArchivoUdl("Provider=P;Data Source=/datos/Año.mdb");
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(DesdeUtf16(bytes), "[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n"
                     "Provider=P;Data Source=/datos/Año.mdb\r\n");
}

TEST(CarpetaPrograma, VolverAEjecutarlaNoTocaLoQueYaExiste)
{
    TempProgramFolder carpeta;
    // The user's data: a row in each database.
    carpeta.abrir(BaseDatosPrograma::Duzediv).Execute("INSERT INTO Banco (Codigo, Nombre) VALUES ('0049', 'Banco')");
    carpeta.abrir(BaseDatosPrograma::Contabilidad).Execute("INSERT INTO Grupo (Nombre) VALUES ('Diócesis')");
    QFile::remove(carpeta.file("Informes.udl"));

    QMap<QString, QByteArray> antes;
    for (const char* archivo : {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb", "Imagenes.img", "duzediv.udl",
                                "Contabilidad.udl"})
        antes.insert(archivo, Huella(carpeta.file(archivo)));

    const InformeCarpetaPrograma informe = CrearCarpetaPrograma(carpeta.path());

    for (auto it = antes.cbegin(); it != antes.cend(); ++it)
        EXPECT_EQ(Huella(carpeta.file(it.key())), it.value()) << it.key().toStdString();
    EXPECT_EQ(informe.creados, QStringList{carpeta.file("Informes.udl")});
    EXPECT_EQ(informe.conservados.size(), 6);
}

TEST(CarpetaPrograma, UnaBaseConOtrasMayusculasSeRespeta)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile viejo(QDir(dir.path()).filePath("DUZEDIV.MDB"));
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("datos de otra instalación");
    viejo.close();

    const InformeCarpetaPrograma informe = CrearCarpetaPrograma(dir.path(), {.sembrar = false});

    EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath("Duzediv.mdb")));
    EXPECT_TRUE(informe.conservados.contains(viejo.fileName()));
    // The link names the database as it is spelled in the folder.
    EXPECT_TRUE(TextoUtf16(QDir(dir.path()).filePath("duzediv.udl")).contains("Data Source=DUZEDIV.MDB;"));
}

TEST(CarpetaPrograma, UnArchivoAMedioHacerDeOtraVezSeReemplaza)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile resto(QDir(dir.path()).filePath("Informes.mdb.nuevo"));
    ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
    resto.write("interrumpido");
    resto.close();

    CrearCarpetaPrograma(dir.path(), {.sembrar = false});

    EXPECT_FALSE(QFileInfo::exists(resto.fileName()));
    EXPECT_EQ(Integridad(QDir(dir.path()).filePath("Informes.mdb"), Descripcion(BaseDatosPrograma::Informes).password),
              "ok");
}

TEST(CarpetaPrograma, LasBasesNuevasLlevanLasFilasDeSemilla)
{
    TempProgramFolder carpeta;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    const qint64 nodos = con.Execute("SELECT COUNT(*) AS n FROM Nodo").value("n").toInt64();
    if (nodos == 0)
        GTEST_SKIP() << "el módulo de semillas aún no escribe filas";
    EXPECT_EQ(nodos, 56);
    EXPECT_EQ(con.Execute("SELECT COUNT(*) AS n FROM Campo").value("n").toInt64(), 160);
    EXPECT_EQ(con.Execute("SELECT COUNT(*) AS n FROM ComunidadAutonoma").value("n").toInt64(), 17);
    EXPECT_EQ(con.Execute("SELECT COUNT(*) AS n FROM Tipo_Via").value("n").toInt64(), 31);
    EXPECT_GT(con.Execute("SELECT COUNT(*) AS n FROM Informe").value("n").toInt64(), 0);
}

TEST(CarpetaPrograma, CadaConsultaGuardadaEnElArbolCorre)
{
    TempProgramFolder carpeta;
    db::Connection local = carpeta.abrir(BaseDatosPrograma::Duzediv);
    db::Connection contabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
    // The nodes below "Contabilidad" (node 41) list the accounting database.
    int consultas = 0;
    for (db::Recordset rs = local.Execute("SELECT IDNodo, CodPadre, SQLSelect FROM Nodo"); !rs.EOF_(); rs.MoveNext()) {
        const QString sql = rs.value("SQLSelect").toString();
        if (sql.trimmed().isEmpty())
            continue;
        ++consultas;
        const qint64 padre = rs.value("CodPadre").toInt64();
        db::Connection& con = padre == 41 ? contabilidad : local;
        EXPECT_NO_THROW(con.Execute(sql)) << "nodo " << rs.value("IDNodo").toInt64() << ": " << sql.toStdString();
    }
    if (consultas == 0)
        GTEST_SKIP() << "el módulo de semillas aún no escribe filas";
    EXPECT_EQ(consultas, 29);
}

TEST(CarpetaPrograma, LaHerramientaDeLaCompilacionSoloAnadeLoQueFalta)
{
    const QString herramienta =
        QDir(qEnvironmentVariable("DUZ_TEST_BINARY_DIR")).filePath("tools/programfolder/duz_carpeta_programa");
    if (!QFileInfo(herramienta).isExecutable())
        GTEST_SKIP() << "sin la herramienta compilada";
    QTemporaryDir dir;
    auto ejecutar = [&] {
        QProcess p;
        p.start(herramienta, {dir.path()});
        EXPECT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    EXPECT_TRUE(ejecutar().contains("Duzediv.mdb"));
    const QByteArray huella = Huella(QDir(dir.path()).filePath("Duzediv.mdb"));
    EXPECT_EQ(ejecutar(), "");
    EXPECT_EQ(Huella(QDir(dir.path()).filePath("Duzediv.mdb")), huella);
}

// ---------------------------------------------------------------------------
// The picture database.

QSet<int> IdsDeImagenes(const QString& ruta)
{
    db::Connection con;
    con.Open(CadenaConexionVinculo(ruta));
    QSet<int> ids;
    for (db::Recordset rs = con.Execute("SELECT IDImagen FROM Imagen ORDER BY IDImagen"); !rs.EOF_(); rs.MoveNext())
        ids.insert(int(rs.value("IDImagen").toInt64()));
    return ids;
}

TEST(BaseImagenes, TieneUnaImagenPorIdDeUnoAlUltimoSinHuecos)
{
    TempProgramFolder carpeta;
    const QSet<int> ids = IdsDeImagenes(carpeta.file("Imagenes.img"));
    ASSERT_FALSE(ids.isEmpty());
    const int ultimo = *std::max_element(ids.begin(), ids.end());
    EXPECT_EQ(ids.size(), ultimo);
    EXPECT_GE(ultimo, 56);  // the highest id the tree, toolbar and report tree name
}

TEST(BaseImagenes, CadaImagenEsUnPngDeSuTamano)
{
    TempProgramFolder carpeta;
    db::Connection con;
    con.Open(CadenaConexionVinculo(carpeta.file("Imagenes.img")));
    for (db::Recordset rs = con.Execute("SELECT * FROM IMAGEN"); !rs.EOF_(); rs.MoveNext()) {
        const int id = int(rs.value("IDImagen").toInt64());
        const QImage pequena = QImage::fromData(rs.value("TrvImagen").toBytes(), "PNG");
        const QImage grande = QImage::fromData(rs.value("LblImagen").toBytes(), "PNG");
        EXPECT_EQ(pequena.size(), QSize(16, 16)) << id;
        EXPECT_EQ(grande.size(), QSize(32, 32)) << id;
    }
}

TEST(BaseImagenes, CadaIdQueNombranElArbolLaBarraYLosInformesExiste)
{
    TempProgramFolder carpeta;
    const QSet<int> ids = IdsDeImagenes(carpeta.file("Imagenes.img"));
    // The toolbar reads 11 and 25 to 32.
    for (int id : {11, 25, 26, 27, 28, 29, 30, 31, 32})
        EXPECT_TRUE(ids.contains(id)) << id;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    for (const char* tabla : {"Nodo", "Informe"}) {
        for (db::Recordset rs = con.Execute(QStringLiteral("SELECT CodImagen FROM %1").arg(tabla)); !rs.EOF_();
             rs.MoveNext()) {
            const int id = int(rs.value("CodImagen").toInt64());
            EXPECT_TRUE(id == 0 || ids.contains(id)) << tabla << " nombra la imagen " << id;
        }
    }
}

TEST(BaseImagenes, NoSobrescribeUnArchivoExistente)
{
    QTemporaryDir dir;
    const QString ruta = QDir(dir.path()).filePath("Imagenes.img");
    CrearBaseImagenes(ruta);
    EXPECT_THROW(CrearBaseImagenes(ruta), vb::VbError);
}

// ---------------------------------------------------------------------------
// The picture description.

TEST(CatalogoIconos, LeeColoresIconosYOrdenes)
{
    const CatalogoIconos c = CatalogoIconos::DesdeTexto(
        "# prueba\ncolor fondo #ff0000\nicono 2 Dos\n  relleno fondo\n  rect 0 0 32 32\nfin\n"
        "icono 1 Uno\n  pluma ninguna\n  ruta M 1,1 L 30,1 Q 30,30 1,30 Z\nfin\n");
    EXPECT_EQ(c.ids(), (QList<int>{1, 2}));
    EXPECT_EQ(c.nombre(2), "Dos");
    const QImage imagen = QImage::fromData(c.png(2, 16), "PNG");
    ASSERT_EQ(imagen.size(), QSize(16, 16));
    EXPECT_EQ(imagen.pixelColor(8, 8), QColor(255, 0, 0));
    EXPECT_TRUE(c.png(3, 16).isEmpty());
}

TEST(CatalogoIconos, UnErrorDiceSuLinea)
{
    struct Caso {
        const char* texto;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"icono 1 A\n  rect 0 0 x 4\nfin\n", "línea 2"},
        {"icono 1 A\n  circulo 1 2 3\nfin\n", "línea 2"},
        {"icono 1 A\n  relleno morado\n  rect 0 0 1 1\nfin\n", "línea 2"},
        {"icono 1 A\nfin\nicono 1 B\nfin\n", "línea 3"},
        {"icono 1 A\n  rect 0 0 1\nfin\n", "línea 2"},
        {"icono 1 A\n  rect 0 0 1 1\n", "falta 'fin'"},
        {"  rect 0 0 1 1\n", "línea 1"},
        {"icono 1 A\n  linea 1,1 2\nfin\n", "línea 2"},
    };
    for (const Caso& c : casos) {
        try {
            CatalogoIconos::DesdeTexto(QString::fromUtf8(c.texto));
            ADD_FAILURE() << "sin error: " << c.texto;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.mensaje), std::string::npos) << e.what();
        }
    }
}

TEST(CatalogoIconos, ElIncorporadoDibujaCadaIconoConAlgo)
{
    const CatalogoIconos& c = CatalogoIconos::Incorporado();
    for (int id : c.ids()) {
        const QImage imagen = QImage::fromData(c.png(id, 16), "PNG");
        int pintados = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pintados += qAlpha(imagen.pixel(x, y)) > 128;
        EXPECT_GT(pintados, 20) << c.nombre(id).toStdString();
    }
}

} // namespace
