// Repair: a database with free pages comes out smaller and sound; a damaged
// one, or another workstation, stops the repair with every file unchanged.

#include "EntornoMantenimiento.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using testsupport::scriptedUi;

QString Integridad(db::Connection& con)
{
    return con.Execute(QStringLiteral("PRAGMA integrity_check")).value(0).toString();
}

void LlenarYVaciar(db::Connection& con)
{
    con.Execute(QStringLiteral("CREATE TABLE Relleno (ID INT, Texto NVARCHAR(255))"));
    con.BeginTrans();
    for (int i = 0; i < 3000; ++i)
        con.Exec(QStringLiteral("INSERT INTO Relleno VALUES (?, ?)"), {i, QString(200, QLatin1Char('x'))});
    con.CommitTrans();
}

TEST(Reparacion, CompactaLaBaseConPaginasLibresYLaDejaSana)
{
    EntornoMantenimiento e;
    e.accesoReal = true;
    LlenarYVaciar(e.conLocal);
    e.conLocal.Execute(QStringLiteral("DELETE FROM Relleno"));
    const qint64 antes = QFileInfo(e.carpeta.file(QStringLiteral("Duzediv.mdb"))).size();

    scriptedUi().queueAnswer(ui::vbOK);
    e.Reparar();

    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("Las bases de datos se han reparado y compactado correctamente."));
    EXPECT_LT(QFileInfo(e.carpeta.file(QStringLiteral("Duzediv.mdb"))).size(), antes - 500 * 1024);
    for (db::Connection* con : {&e.conLocal, &e.conInformes, &e.conContabilidad}) {
        ASSERT_TRUE(con->isOpen());
        EXPECT_EQ(Integridad(*con), QStringLiteral("ok"));
    }
}

TEST(Reparacion, UnaPaginaDanadaSeDiceYNadaCambia)
{
    EntornoMantenimiento e;
    LlenarYVaciar(e.conLocal);
    const QString ruta = e.carpeta.file(QStringLiteral("Duzediv.mdb"));
    const qint64 raiz = e.conLocal.Execute(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Relleno'"))
                            .value(0)
                            .toInt64();
    const qint64 pagina = e.conLocal.Execute(QStringLiteral("PRAGMA page_size")).value(0).toInt64();
    e.conLocal.Close();
    {
        // A page of the table's leaves, past its root, written over.
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek((raiz + 3 - 1) * pagina));
        f.write(QByteArray(int(pagina), char(0x5A)));
    }
    e.conLocal.Open();
    const QList<QByteArray> huellas = {e.Huella(QStringLiteral("Duzediv.mdb")), e.Huella(QStringLiteral("Informes.mdb")),
                                       e.Huella(QStringLiteral("Contabilidad.mdb"))};

    scriptedUi().queueAnswer(ui::vbOK);
    e.Reparar();

    const QString texto = scriptedUi().lastMessage().text;
    EXPECT_TRUE(texto.contains(QStringLiteral("está dañada y no se puede reparar"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Datos de DUZEDIV")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Recupere una copia de seguridad.")));
    EXPECT_EQ((QList<QByteArray>{e.Huella(QStringLiteral("Duzediv.mdb")), e.Huella(QStringLiteral("Informes.mdb")),
                                 e.Huella(QStringLiteral("Contabilidad.mdb"))}),
              huellas);
    EXPECT_TRUE(e.conLocal.isOpen());
}

TEST(Reparacion, OtroPuestoConectadoImpideReparar)
{
    EntornoMantenimiento e;
    e.OtroPuestoConectado();
    const QList<QByteArray> huellas = e.HuellasDatos();
    scriptedUi().queueAnswer(ui::vbOK);
    e.Reparar();
    EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(QStringLiteral("Para realizar esta operación necesita acceso exclusivo")));
    EXPECT_EQ(e.HuellasDatos(), huellas);
    EXPECT_EQ(e.llamadasAcceso->last(), QStringLiteral("Liberar"));
}

} // namespace
