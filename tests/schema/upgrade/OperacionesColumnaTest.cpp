// The column operations of the schema steps and their continue-on-failure
// execution.

#include "support/TempDatabase.h"

#include "schema/EstructuraReal.h"
#include "schema/upgrade/EjecucionTolerante.h"
#include "schema/upgrade/OperacionesColumna.h"

#include <gtest/gtest.h>

namespace {

class OperacionesColumnaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.con.Execute(QStringLiteral("CREATE TABLE [Deduccion] ([IDDeduccion] COUNTER PRIMARY KEY, [Deduccion] SMALLINT)"));
        bd.con.Execute(QStringLiteral("INSERT INTO Deduccion (Deduccion) VALUES (15)"));
        bd.con.Execute(QStringLiteral("INSERT INTO Deduccion (Deduccion) VALUES (20)"));
    }

    QString Tipo(const QString& tabla, const QString& columna)
    {
        const EsquemaDef real = LeerEstructura(bd.con);
        const TablaDef* t = real.tabla(tabla);
        const ColumnaDef* c = t ? t->columna(columna) : nullptr;
        return c ? TipoJetCanonico(c->tipo) + QStringLiteral(" DEFAULT ") + c->porDefecto : QStringLiteral("<ninguna>");
    }

    testsupport::TempDatabase bd;
    EjecucionTolerante ejecucion{bd.con};
    OperacionesColumna columnas{ejecucion};
};

TEST_F(OperacionesColumnaTest, SondeoDiceSiLaColumnaSePuedeLeer)
{
    EXPECT_TRUE(columnas.Sondear(QStringLiteral("Deduccion"), QStringLiteral("Deduccion")));
    EXPECT_FALSE(columnas.Sondear(QStringLiteral("Deduccion"), QStringLiteral("codComunidad")));
    EXPECT_FALSE(columnas.Sondear(QStringLiteral("NoExiste"), QStringLiteral("Deduccion")));
    EXPECT_TRUE(columnas.ExisteTabla(QStringLiteral("deduccion")));
    EXPECT_FALSE(columnas.ExisteTabla(QStringLiteral("NoExiste")));
    // A probe's answer is not one of the step's failures.
    EXPECT_FALSE(ejecucion.HuboFallo());
}

TEST_F(OperacionesColumnaTest, ColumnaAusenteSeAnadeYSeRellena)
{
    EXPECT_FALSE(columnas.AnadirOCambiar(QStringLiteral("Deduccion"), QStringLiteral("codComunidad"),
                                         QStringLiteral("INT DEFAULT 0"), QStringLiteral("0")));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT codComunidad FROM Deduccion ORDER BY IDDeduccion")),
              (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(Tipo(QStringLiteral("Deduccion"), QStringLiteral("codComunidad")), QStringLiteral("LONG DEFAULT 0"));
    EXPECT_FALSE(ejecucion.HuboFallo());
}

TEST_F(OperacionesColumnaTest, ColumnaPresenteCambiaDeTipoSinRellenarse)
{
    bd.con.Execute(QStringLiteral("ALTER TABLE [Deduccion] ADD COLUMN [codComunidad] SMALLINT"));
    bd.con.Execute(QStringLiteral("UPDATE Deduccion SET codComunidad = 4"));

    EXPECT_TRUE(columnas.AnadirOCambiar(QStringLiteral("Deduccion"), QStringLiteral("codComunidad"),
                                        QStringLiteral("INT DEFAULT 0"), QStringLiteral("0")));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT codComunidad FROM Deduccion")),
              (QStringList{QStringLiteral("4"), QStringLiteral("4")}));
    EXPECT_EQ(Tipo(QStringLiteral("Deduccion"), QStringLiteral("codComunidad")), QStringLiteral("LONG DEFAULT 0"));
}

TEST_F(OperacionesColumnaTest, TablaQueFaltaSeCreaYRecibeSusColumnas)
{
    columnas.CrearSiFalta(QStringLiteral("Destinatarios"));
    EXPECT_FALSE(columnas.AnadirOCambiar(QStringLiteral("Destinatarios"), QStringLiteral("IDDestinatario"),
                                         QStringLiteral("INT PRIMARY KEY")));
    columnas.AnadirOCambiar(QStringLiteral("Destinatarios"), QStringLiteral("Cuenta"),
                            QStringLiteral("NVARCHAR(50) DEFAULT \"\""), QStringLiteral("''"));
    bd.con.Execute(QStringLiteral("INSERT INTO Destinatarios (IDDestinatario) VALUES (7)"));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT Cuenta FROM Destinatarios")).toString(), QString());
    EXPECT_FALSE(bd.scalar(QStringLiteral("SELECT Cuenta FROM Destinatarios")).isNull());

    // An existing table is left as it is.
    columnas.CrearSiFalta(QStringLiteral("Destinatarios"));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT COUNT(*) FROM Destinatarios")).toInt64(), 1);
    EXPECT_FALSE(ejecucion.HuboFallo());
}

TEST_F(OperacionesColumnaTest, BorradoSoloDeLaColumnaPresente)
{
    bd.con.Execute(QStringLiteral("ALTER TABLE [Deduccion] ADD COLUMN [CodDeduccion] INT"));
    columnas.BorrarSiExiste(QStringLiteral("Deduccion"), QStringLiteral("CodDeduccion"));
    EXPECT_FALSE(columnas.Sondear(QStringLiteral("Deduccion"), QStringLiteral("CodDeduccion")));
    columnas.BorrarSiExiste(QStringLiteral("Deduccion"), QStringLiteral("CodDeduccion"));
    EXPECT_FALSE(ejecucion.HuboFallo());
}

// A failing statement is passed over and never decides a later operation.
TEST_F(OperacionesColumnaTest, UnFalloNoDetieneNiDecideLoQueSigue)
{
    columnas.CambiarSinSondeo(QStringLiteral("Bautismo_Matrimonio"), QStringLiteral("Parroquia"),
                              QStringLiteral("NVARCHAR(50) DEFAULT \"\""));
    EXPECT_EQ(ejecucion.Fallos(), 1);
    EXPECT_FALSE(ejecucion.UltimoFallo().isEmpty());

    bd.con.Execute(QStringLiteral("ALTER TABLE [Deduccion] ADD COLUMN [CodDeduccion] INT"));
    columnas.BorrarSiExiste(QStringLiteral("Deduccion"), QStringLiteral("CodDeduccion"));
    EXPECT_FALSE(columnas.Sondear(QStringLiteral("Deduccion"), QStringLiteral("CodDeduccion")));
    EXPECT_EQ(ejecucion.Fallos(), 1);
}

TEST_F(OperacionesColumnaTest, DentroDeUnaTransaccionLosFallosNoLaDeshacen)
{
    bd.con.BeginTrans();
    columnas.CambiarSinSondeo(QStringLiteral("NoExiste"), QStringLiteral("X"), QStringLiteral("INT"));
    columnas.AnadirOCambiar(QStringLiteral("Deduccion"), QStringLiteral("codComunidad"), QStringLiteral("INT DEFAULT 0"),
                            QStringLiteral("0"));
    EXPECT_TRUE(TransaccionViva(bd.con));
    bd.con.RollbackTrans();
    EXPECT_FALSE(columnas.Sondear(QStringLiteral("Deduccion"), QStringLiteral("codComunidad")));
}

} // namespace
