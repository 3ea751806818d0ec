// What interrupted copies and compactions left behind (hidden copies of a
// whole database, their journals) goes at the next start or the next copy,
// unless the program that made it is still running.

#include "CarpetaPrueba.h"

#include "platform/db/Connection.h"
#include "platform/db/TemporaryFile.h"
#include "support/PidTerminado.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/cActBDContab.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using db::TemporaryFile;

using testsupport::PidTerminado;

class TemporalesAbandonados : public ::testing::Test {
protected:
    void SetUp() override
    {
        muerto = TemporaryFile::OwnerTag(PidTerminado());
        vivo = TemporaryFile::OwnerTag(QCoreApplication::applicationPid());
        carpeta.CrearContabilidad(QStringLiteral("1.0.2"));
        ASSERT_TRUE(QDir().mkpath(carpeta.Ruta(QStringLiteral("CopiasBD/V102"))));
    }

    void Dejar(const QString& ruta)
    {
        QFile f(carpeta.Ruta(ruta));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
        f.write("copia a medias");
    }

    bool Existe(const QString& ruta) const { return QFile::exists(carpeta.Ruta(ruta)); }

    CarpetaPrueba carpeta;
    QString muerto;
    QString vivo;
};

TEST_F(TemporalesAbandonados, GoAtTheNextStartUnlessTheirProgramRuns)
{
    const QString compactacion = QStringLiteral(".Contabilidad.mdb.tmp0123abcd.") + muerto;
    const QString copia = QStringLiteral("CopiasBD/V102/..Contabilidad.mdb.tmp89abcdef.%1.tmp01234567.%1").arg(muerto);
    const QString enCurso = QStringLiteral("CopiasBD/V102/.Contabilidad.mdb.tmp0f0f0f0f.") + vivo;
    const QString delUsuario = QStringLiteral("CopiasBD/V102/notas.txt");
    for (const QString& ruta : {compactacion, copia, copia + QStringLiteral("-journal"), enCurso, delUsuario})
        Dejar(ruta);

    db::Connection con = carpeta.AbrirContabilidad();
    cActBDContab(con, {}).ComprobarVersionBD();

    EXPECT_FALSE(Existe(compactacion));
    EXPECT_FALSE(Existe(copia));
    EXPECT_FALSE(Existe(copia + QStringLiteral("-journal")));
    EXPECT_TRUE(Existe(enCurso));
    EXPECT_TRUE(Existe(delUsuario));
    EXPECT_TRUE(Existe(QStringLiteral("Contabilidad.mdb")));
}

TEST_F(TemporalesAbandonados, GoBeforeTheNextCopyAndTheCopyLeavesNoneOfItsOwn)
{
    const QString copia = QStringLiteral("CopiasBD/V102/.Contabilidad.mdb.tmp89abcdef.") + muerto;
    Dejar(copia);

    db::Connection con = carpeta.AbrirContabilidad();
    CopiarBDAntesDeActualizar(con, QStringLiteral("V102"));

    EXPECT_EQ(QDir(carpeta.Ruta(QStringLiteral("CopiasBD/V102"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Contabilidad.mdb")});
    EXPECT_EQ(QDir(carpeta.Ruta({})).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
