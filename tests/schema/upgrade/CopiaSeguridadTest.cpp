// Backup copies before a step, and the in-place compaction after it.

#include "CarpetaPrueba.h"

#include "platform/db/DatabaseFiles.h"
#include "platform/vb/VbError.h"
#include "schema/upgrade/CompactacionEnSitio.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/PreparacionPaso.h"
#include "support/ScopedEnv.h"
#include "support/TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kClave = QStringLiteral("Np2000");

class CopiaSeguridad : public testsupport::TempDatabaseTest {
protected:
    CopiaSeguridad() : TempDatabaseTest(QStringLiteral("Duzediv.mdb"), kClave) {}

    void SetUp() override
    {
        con.Execute(QStringLiteral("CREATE TABLE Informacion (Version NVARCHAR(50))"));
        con.Execute(QStringLiteral("INSERT INTO Informacion (Version) VALUES ('2.1.0')"));
    }

    QString Ruta(const QString& nombre) const { return filePath(nombre); }
    QString Cadena(const QString& fichero) const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=%2")
            .arg(Ruta(fichero), kClave);
    }
    QString VersionCopia(const QString& etiqueta)
    {
        db::Connection copia;
        copia.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2")
                       .arg(Ruta(QStringLiteral("CopiasBD/%1/Duzediv.mdb").arg(etiqueta)), kClave));
        return copia.Execute(QStringLiteral("SELECT Version FROM Informacion")).value(0).toString();
    }

    testsupport::ScopedEnv appPath{"DUZEDIV_APP_PATH", folder().toUtf8()};
};

TEST(EtiquetaCopia, SinBarrasInvertidasNiBlancosAlrededor)
{
    EXPECT_EQ(NormalizarEtiqueta(QStringLiteral("\\V212 ")), QStringLiteral("V212"));
    EXPECT_EQ(NormalizarEtiqueta(QStringLiteral(" Cont\\V2\\12")), QStringLiteral("ContV212"));
    EXPECT_EQ(NormalizarEtiqueta(QStringLiteral("V200")), QStringLiteral("V200"));
}

TEST_F(CopiaSeguridad, CreaLaCarpetaYCopiaConLaMismaClave)
{
    const QString directorio = QDir::currentPath();
    CopiarBDAntesDeActualizar(con, QStringLiteral("\\V210 "));

    const QString copia = Ruta(QStringLiteral("CopiasBD/V210/Duzediv.mdb"));
    ASSERT_TRUE(QFileInfo(copia).isFile());
    EXPECT_EQ(VersionCopia(QStringLiteral("V210")), QStringLiteral("2.1.0"));
    EXPECT_TRUE(db::HasDatabasePassword(copia));
    db::Connection sinClave;
    EXPECT_THROW(sinClave.Open(QStringLiteral("Data Source=") + copia), vb::VbError);
    // The live connection goes on as it was, and so does the process.
    EXPECT_TRUE(con.isOpen());
    EXPECT_EQ(QDir::currentPath(), directorio);
    EXPECT_EQ(QDir(Ruta(QStringLiteral("CopiasBD/V210"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(CopiaSeguridad, UnaCopiaConLaMismaEtiquetaSeSustituye)
{
    CopiarBDAntesDeActualizar(con, QStringLiteral("V210"));
    con.Execute(QStringLiteral("UPDATE Informacion SET Version = '2.1.2'"));
    CopiarBDAntesDeActualizar(con, QStringLiteral("V210"));
    EXPECT_EQ(VersionCopia(QStringLiteral("V210")), QStringLiteral("2.1.2"));
}

TEST_F(CopiaSeguridad, OrigenSinCarpetaSeBuscaEnLaCarpetaDelPrograma)
{
    con.Close();
    con.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2").arg(Ruta(QStringLiteral("duzediv.MDB")), kClave));
    db::Connection relativa;
    relativa.setConnectionString(QStringLiteral("Data Source=duzediv.MDB;Jet OLEDB:Database Password=%1").arg(kClave));
    EXPECT_EQ(QFileInfo(FicheroDeConexion(relativa)).canonicalFilePath(), QFileInfo(Ruta(QStringLiteral("Duzediv.mdb"))).canonicalFilePath());

    CopiarBDAntesDeActualizar(con, QStringLiteral("V212"));
    EXPECT_EQ(VersionCopia(QStringLiteral("V212")), QStringLiteral("2.1.0"));
}

TEST_F(CopiaSeguridad, SinFicheroOSinCarpetaNoHayCopiaYSeDiceAsi)
{
    db::Connection inexistente;
    inexistente.setConnectionString(Cadena(QStringLiteral("Otra.mdb")));
    EXPECT_THROW(CopiarBDAntesDeActualizar(inexistente, QStringLiteral("V210")), vb::VbError);

    QFile estorbo(Ruta(QStringLiteral("CopiasBD")));
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    EXPECT_THROW(CopiarBDAntesDeActualizar(con, QStringLiteral("V210")), vb::VbError);
}

TEST_F(CopiaSeguridad, UnaCopiaQueFallaNoBorraLaAnterior)
{
    CopiarBDAntesDeActualizar(con, QStringLiteral("V210"));
    con.Execute(QStringLiteral("UPDATE Informacion SET Version = '2.1.2'"));
    db::Connection otraClave;
    otraClave.setConnectionString(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=mala").arg(Ruta(QStringLiteral("Duzediv.mdb"))));
    EXPECT_THROW(CopiarBDAntesDeActualizar(otraClave, QStringLiteral("V210")), vb::VbError);
    EXPECT_EQ(VersionCopia(QStringLiteral("V210")), QStringLiteral("2.1.0"));
    EXPECT_EQ(QDir(Ruta(QStringLiteral("CopiasBD/V210"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(CopiaSeguridad, CopiaPreparadaParteDeOtraCopiaSinTocarLaBaseViva)
{
    con.Execute(QStringLiteral("CREATE TABLE Predet (ID INT)"));
    con.Execute(QStringLiteral("INSERT INTO Predet (ID) VALUES (1)"));
    CopiarBDAntesDeActualizar(con, QStringLiteral("ContV212"));
    CopiarCopiaPreparada(con, QStringLiteral("ContV212"), QStringLiteral("ContSinDatPredetV212"),
                         [](db::Connection& copia) { copia.Execute(QStringLiteral("DELETE * FROM Predet")); });

    db::Connection preparada;
    preparada.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2")
                       .arg(Ruta(QStringLiteral("CopiasBD/ContSinDatPredetV212/Duzediv.mdb")), kClave));
    EXPECT_EQ(preparada.Execute(QStringLiteral("SELECT COUNT(*) FROM Predet")).value(0).toInt64(), 0);
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT COUNT(*) FROM Predet")).value(0).toInt64(), 1);
    EXPECT_EQ(QDir(Ruta(QStringLiteral("CopiasBD/ContSinDatPredetV212"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(CopiaSeguridad, CompactarEnSitioReabreLaConexion)
{
    con.Execute(QStringLiteral("CREATE TABLE Nodo (IDNodo COUNTER PRIMARY KEY, Nombre NVARCHAR(50))"));
    for (int i = 0; i < 200; ++i)
        con.Exec(QStringLiteral("INSERT INTO Nodo (Nombre) VALUES (?)"), {QString(40, QLatin1Char('n'))});
    con.Execute(QStringLiteral("DELETE * FROM Nodo"));
    const qint64 antes = QFileInfo(Ruta(QStringLiteral("Duzediv.mdb"))).size();

    EXPECT_TRUE(CompactarEnSitio(con));

    EXPECT_TRUE(con.isOpen());
    EXPECT_LT(QFileInfo(Ruta(QStringLiteral("Duzediv.mdb"))).size(), antes);
    con.Execute(QStringLiteral("INSERT INTO Nodo (Nombre) VALUES ('Raíz')"));
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT IDNodo FROM Nodo")).value(0).toInt64(), 1);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(CopiaSeguridad, PrepararPasoVaciaYReiniciaElContadorDentroDeLaTransaccion)
{
    con.Execute(QStringLiteral("CREATE TABLE Nodo (IDNodo COUNTER PRIMARY KEY, Nombre NVARCHAR(50))"));
    con.Execute(QStringLiteral("CREATE TABLE Misa (IDMisa COUNTER PRIMARY KEY)"));
    for (int i = 0; i < 3; ++i)
        con.Execute(QStringLiteral("INSERT INTO Nodo (Nombre) VALUES ('x')"));

    con.BeginTrans();
    PrepararPaso(con, {QStringLiteral("Misa"), QStringLiteral("Visita")}, {QStringLiteral("Nodo"), QStringLiteral("Tipo_Via")});
    con.Execute(QStringLiteral("INSERT INTO Nodo (Nombre) VALUES ('Raíz')"));
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT IDNodo FROM Nodo")).value(0).toInt64(), 1);
    con.RollbackTrans();

    // Undone with the step: rows, counter and dropped table are back.
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT COUNT(*) FROM Nodo")).value(0).toInt64(), 3);
    EXPECT_NO_THROW(con.Execute(QStringLiteral("SELECT * FROM Misa")));
    con.Execute(QStringLiteral("INSERT INTO Nodo (Nombre) VALUES ('y')"));
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT MAX(IDNodo) FROM Nodo")).value(0).toInt64(), 4);
}

} // namespace
