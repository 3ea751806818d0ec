// The schema steps on their own: 2.0.1 (cuts and type changes), 2.1.0 and
// 2.0.3 (column operations, name split, number rewrites) and 2.2.0.

#include "support/TempDatabase.h"
#include "DatosEjemplo.h"
#include "EsquemasAntiguos.h"

#include "platform/db/Transaction.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "schema/EstructuraReal.h"
#include "schema/upgrade/ActualizarEstructura201.h"
#include "schema/upgrade/ActualizarEstructura210.h"
#include "schema/upgrade/ActualizarEstructura220.h"
#include "schema/upgrade/DivisionNombreInstitucion.h"
#include "schema/upgrade/EjecucionTolerante.h"
#include "seed/SemillasDuzediv.h"

#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Institution name split.

TEST(DivisionNombreInstitucion, CasosDeNombre)
{
    const struct {
        const char* nombre; // "<null>": no value
        const char* tipo;
        const char* nombreInstitucion;
        bool cambia;
        const char* tipoNuevo;
        const char* nombreNuevo;
    } casos[] = {
        {"Parroquia San Juan", "", "", true, "Parroquia", "San Juan"},
        {"Caritas", "", "", true, "", "Caritas"},
        {"  Parroquia   de Santa Ana ", "", "", true, "Parroquia", "de Santa Ana"},
        {"", "", "", false, "", ""},
        {"<null>", "", "", false, "", ""},
        {"Parroquia San Juan", "Parroquia", "San Juan", false, "", ""},
        {"Caritas", "", "Caritas", false, "", ""},
        {"Parroquia San Juan", "parroquia", "San Juan", true, "Parroquia", "San Juan"},
        // Only spaces are blanks: a tab stays inside the type word.
        {"Parroquia\tSan Juan", "", "", true, "Parroquia\tSan", "Juan"},
        // 16 and 33 characters fit; one more does not.
        {"Archicofradíaaaa Sacramental del Santísimo Cristo", "", "", true, "Archicofradíaaaa",
         "Sacramental del Santísimo Cristo"},
        {"Archicofradíaaaaa Sacramental", "", "", false, "", ""},
        {"Parroquia Sacramental del Santísimo Cristo Rey", "", "", false, "", ""},
    };
    for (const auto& c : casos) {
        const std::optional<QString> nombre = QString::fromUtf8(c.nombre) == QLatin1String("<null>")
                                                  ? std::nullopt
                                                  : std::optional<QString>(QString::fromUtf8(c.nombre));
        const auto partes = DividirNombreInstitucion(nombre, QString::fromUtf8(c.tipo), QString::fromUtf8(c.nombreInstitucion));
        ASSERT_EQ(partes.has_value(), c.cambia) << c.nombre;
        if (partes) {
            EXPECT_EQ(partes->tipo, QString::fromUtf8(c.tipoNuevo)) << c.nombre;
            EXPECT_EQ(partes->nombre, QString::fromUtf8(c.nombreNuevo)) << c.nombre;
        }
    }
}

TEST(DivisionNombreInstitucion, ComillasYApostrofosSeGuardanTalCual)
{
    testsupport::TempDatabase bd;
    bd.con.Execute(QStringLiteral("CREATE TABLE Institucion (IDInstitucion COUNTER PRIMARY KEY, Nombre NVARCHAR(50), "
                                  "InstitucionTipo NVARCHAR(16), InstitucionNombre NVARCHAR(33))"));
    bd.con.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES (?)"), {QStringLiteral("Colegio \"Sant'Ana\"")});
    EjecucionTolerante ejecucion(bd.con);
    DividirNombresInstituciones(ejecucion);
    EXPECT_FALSE(ejecucion.HuboFallo());
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT InstitucionNombre FROM Institucion")).toString(),
              QStringLiteral("\"Sant'Ana\""));
}

// ---------------------------------------------------------------------------
// Step 2.0.1.

class Estructura201 : public ::testing::Test {
protected:
    void SetUp() override { CrearEstructura(bd.con, EsquemaParroquiaAntiguo(QStringLiteral("2.0.0"))); }
    testsupport::TempDatabase bd;
};

TEST_F(Estructura201, TruncarColumnaCortaLosTextosLargosYDejaLosNulos)
{
    const QString largo(300, QLatin1Char('a'));
    bd.con.Exec(QStringLiteral("INSERT INTO Matrimonio (Observaciones) VALUES (?)"), {largo});
    bd.con.Exec(QStringLiteral("INSERT INTO Matrimonio (Observaciones) VALUES (?)"), {db::Value()});
    bd.con.Exec(QStringLiteral("INSERT INTO Matrimonio (Observaciones) VALUES (?)"), {QStringLiteral("corta")});
    TruncarColumna(bd.con, QStringLiteral("Matrimonio"), QStringLiteral("Observaciones"), 255);
    EXPECT_EQ(bd.column(QStringLiteral("SELECT Observaciones FROM Matrimonio ORDER BY IDMatrimonio")),
              (QStringList{largo.left(255), QStringLiteral("<null>"), QStringLiteral("corta")}));
}

TEST_F(Estructura201, DejaLosTiposDe201)
{
    ActualizarEstructura201(bd.con);
    EsquemaDef esperado = EsquemaParroquiaAntiguo(QStringLiteral("2.0.1"));
    // 2.0.1 had the retired tables and lacked what 2.1.0 added; only the
    // columns 2.0.1 changed are compared.
    const EsquemaDef real = LeerEstructura(bd.con);
    for (const char* tabla : {"Bautismo", "Defuncion", "Padron", "Remesa", "Matrimonio_Novios_RegCivil", "Ultimos"}) {
        const TablaDef* e = esperado.tabla(QString::fromUtf8(tabla));
        const TablaDef* r = real.tabla(QString::fromUtf8(tabla));
        ASSERT_TRUE(e && r) << tabla;
        for (const ColumnaDef& c : e->columnas) {
            ASSERT_TRUE(r->columna(c.nombre)) << tabla << "." << c.nombre.toStdString();
            EXPECT_EQ(TipoJetCanonico(r->columna(c.nombre)->tipo), TipoJetCanonico(c.tipo))
                << tabla << "." << c.nombre.toStdString();
        }
    }
}

// A name longer than its new width is not cut silently: the step fails.
TEST_F(Estructura201, UnNombreDemasiadoLargoParaSuAnchoFallaElPaso)
{
    bd.con.Exec(QStringLiteral("INSERT INTO Padron (Nombre) VALUES (?)"), {QString(45, QLatin1Char('n'))});
    EXPECT_THROW(ActualizarEstructura201(bd.con), vb::VbError);
}

TEST(Estructura201SinTabla, UnaTablaQueFaltaFallaElPaso)
{
    testsupport::TempDatabase bd;
    EsquemaDef e = EsquemaParroquiaAntiguo(QStringLiteral("2.0.0"));
    e.tablas.removeIf([](const TablaDef& t) { return t.nombre == QLatin1String("Ultimos"); });
    CrearEstructura(bd.con, e);
    EXPECT_THROW(ActualizarEstructura201(bd.con), vb::VbError);
}

// ---------------------------------------------------------------------------
// Steps 2.1.0 and 2.0.3.

TEST(Estructura210, SinNumerosDeReciboLosAnadeConCero)
{
    testsupport::TempDatabase bd;
    EsquemaDef e = EsquemaParroquiaAntiguo(QStringLiteral("2.0.1"));
    for (TablaDef& t : e.tablas)
        if (t.nombre == QLatin1String("Recibo"))
            t.columnas.removeIf([](const ColumnaDef& c) {
                return c.nombre == QLatin1String("NumCertificado") || c.nombre == QLatin1String("NumeroRecibo");
            });
    e.indices.removeIf([](const IndiceDef& i) { return i.columnas.contains(QStringLiteral("NumeroRecibo")); });
    CrearEstructura(bd.con, e);
    for (int i = 0; i < 3; ++i)
        bd.con.Execute(QStringLiteral("INSERT INTO Recibo (Importe) VALUES (1000)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Presentador (Nombre) VALUES ('Caja Rural')"));

    ActualizarEstructura210(bd.con);

    EXPECT_EQ(bd.column(QStringLiteral("SELECT NumeroRecibo FROM Recibo")), QStringList(3, QStringLiteral("0")));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT NumCertificado FROM Recibo")), QStringList(3, QStringLiteral("0")));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT ImporteEur FROM Recibo")), QStringList(3, QStringLiteral("0")));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT Sufijo FROM Presentador")).toString(), QStringLiteral("000"));
}

TEST(Estructura203, ColumnasYaPresentesCambianDeTipoConservandoSusValores)
{
    testsupport::TempDatabase bd;
    EsquemaDef e = EsquemaParroquiaAntiguo(QStringLiteral("2.0.2"));
    // No Bautismo_Matrimonio: the first change fails, the rest goes on.
    e.tablas.removeIf([](const TablaDef& t) { return t.nombre == QLatin1String("Bautismo_Matrimonio"); });
    CrearEstructura(bd.con, e);
    bd.con.Execute(QStringLiteral("ALTER TABLE Deduccion ADD COLUMN codComunidad SMALLINT"));
    bd.con.Execute(QStringLiteral("ALTER TABLE Donativo ADD COLUMN ImporteEur CURRENCY"));
    bd.con.Execute(QStringLiteral("ALTER TABLE Institucion ADD COLUMN InstitucionTipo NVARCHAR(20)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Deduccion (codComunidad, Deduccion) VALUES (3, 15)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Donativo (Importe, ImporteEur) VALUES (1000, 6.01)"));
    bd.con.Execute(QStringLiteral("INSERT INTO ComunidadAutonoma (Nombre, Codigo, CodDeduccion) VALUES ('Aragón', '02', 1)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Recibo (NumeroRecibo, NumCertificado) VALUES ('ABCDEFGHIJ', 'ABCDEFGHIJ')"));
    bd.con.Execute(QStringLiteral("INSERT INTO Recibo (NumeroRecibo, NumCertificado) VALUES ('0', '0')"));

    ActualizarEstructura203(bd.con);

    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT codComunidad FROM Deduccion")).toInt64(), 3);
    EXPECT_DOUBLE_EQ(bd.scalar(QStringLiteral("SELECT ImporteEur FROM Donativo")).toDouble(), 6.01);
    EXPECT_EQ(bd.column(QStringLiteral("SELECT NumeroRecibo FROM Recibo ORDER BY IDRecibo")),
              (QStringList{QStringLiteral("ABCDEF00GHIJ"), QStringLiteral("000")}));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT NumCertificado FROM Recibo ORDER BY IDRecibo")),
              (QStringList{QStringLiteral("GHIJEF00ABCD"), QStringLiteral("0")}));
    const EsquemaDef real = LeerEstructura(bd.con);
    EXPECT_FALSE(real.tabla(QStringLiteral("ComunidadAutonoma"))->columna(QStringLiteral("CodDeduccion")));
    EXPECT_EQ(TipoJetCanonico(real.tabla(QStringLiteral("Deduccion"))->columna(QStringLiteral("codComunidad"))->tipo),
              QStringLiteral("LONG"));
    EXPECT_EQ(TipoJetCanonico(real.tabla(QStringLiteral("Institucion"))->columna(QStringLiteral("InstitucionTipo"))->tipo),
              QStringLiteral("TEXT(16)"));
}

TEST(Estructura203, SonLasTreceFilasDe210EnSuOrden)
{
    QList<int> filas;
    for (int f : FilasEstructura203())
        filas << f;
    EXPECT_EQ(filas, (QList<int>{1, 2, 17, 24, 34, 35, 36, 40, 42, 43, 44, 45, 46}));
    ASSERT_EQ(OperacionesEstructura210().size(), 46u);
    for (std::size_t i = 0; i < OperacionesEstructura210().size(); ++i)
        EXPECT_EQ(OperacionesEstructura210()[i].fila, int(i + 1));
}

// ---------------------------------------------------------------------------
// Step 2.2.0.

class Estructura220 : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.con.Execute(QStringLiteral("CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, DNI NVARCHAR(15))"));
        bd.con.Execute(QStringLiteral("CREATE TABLE ComunidadAutonoma (IdComunidad COUNTER PRIMARY KEY, "
                                      "Nombre NVARCHAR(50), Codigo NVARCHAR(2))"));
        bd.con.Execute(QStringLiteral("CREATE TABLE Deduccion (IDDeduccion COUNTER PRIMARY KEY, "
                                      "codComunidad INT DEFAULT 0, Deduccion SMALLINT)"));
        InsertarComunidadesAutonomas(bd.con);
        InsertarDeducciones(bd.con);
    }

    qint64 Contar(const QString& sql) { return bd.scalar(sql).toInt64(); }

    // Inside a transaction, as the step runs.
    bool Actualizar220()
    {
        db::Transaction transaccion(bd.con);
        const bool correcto = ActualizarEstructura220(bd.con);
        transaccion.Commit();
        return correcto;
    }

    testsupport::TempDatabase bd;
};

TEST_F(Estructura220, TipoDePersonaSegunElDocumento)
{
    const struct {
        const char* dni;
        int tipo;
    } casos[] = {
        {"12345678Z", 1}, {"X1234567L", 1}, {"x1234567L", 1}, {"B12345678", 2}, {"b12345678", 2},
        {"", 1},          {"   ", 1},       {"B1234567", 1},  {"G28000000", 2}, {"<null>", 1},
    };
    for (const auto& c : casos)
        bd.con.Exec(QStringLiteral("INSERT INTO Padron (DNI) VALUES (?)"), {ValorEjemplo(c.dni)});

    ASSERT_TRUE(Actualizar220());

    const QStringList tipos = bd.column(QStringLiteral("SELECT codTipoPersonaModelo182 FROM Padron ORDER BY IDPadron"));
    for (std::size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(tipos.value(qsizetype(i)), QString::number(casos[i].tipo)) << casos[i].dni;
}

TEST_F(Estructura220, DiecisieteComunidadesConCadaPorcentajeUnaVez)
{
    ASSERT_TRUE(Actualizar220());

    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma")), 17);
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT Codigo FROM ComunidadAutonoma WHERE IdComunidad = 5")).toString(),
              QStringLiteral("01"));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT Nombre FROM ComunidadAutonoma WHERE Codigo = '04'")).toString(),
              QStringLiteral("Illes Balears"));
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Deduccion")), 17 * 101);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT codComunidad, Deduccion FROM Deduccion)")), 17 * 101);
    // The community with key 4 had 5, 10 and 20 already; they keep their rows.
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Deduccion WHERE codComunidad = 4 AND IDDeduccion <= 6")), 3);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Deduccion WHERE codComunidad = 4")), 101);
    // Rows are written community by community in code order: "01" first.
    EXPECT_EQ(Contar(QStringLiteral("SELECT codComunidad FROM Deduccion WHERE IDDeduccion = 7")), 5);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM TipoPersonaModelo182")), 3);
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT TipoPersonaModelo182 FROM TipoPersonaModelo182 WHERE IdTipoPersonaModelo182 = 3"))
                  .toString(),
              QStringLiteral("Entidad en régimen de atribución de rentas"));
    EXPECT_EQ(bd.column(QStringLiteral("SELECT TipoA & '-' & TipoB & '-' & DeduccionRegFiscal2 FROM Modelo182")),
              QStringList{QStringLiteral("25-30-10")});
}

TEST_F(Estructura220, UnPorcentajeYaPresenteNoSeRepite)
{
    // A pair of a community this step will add (its key will be 5).
    bd.con.Execute(QStringLiteral("INSERT INTO Deduccion (codComunidad, Deduccion) VALUES (5, 50)"));
    ASSERT_TRUE(Actualizar220());
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Deduccion WHERE codComunidad = 5 AND Deduccion = 50")), 1);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Deduccion")), 17 * 101);
}

TEST_F(Estructura220, UnaSentenciaQueFallaDaFalsoPeroLasDemasSeIntentan)
{
    bd.con.Execute(QStringLiteral("CREATE TABLE TipoPersonaModelo182 (IdTipoPersonaModelo182 COUNTER PRIMARY KEY, "
                                  "TipoPersonaModelo182 VARCHAR(50))"));
    EXPECT_FALSE(Actualizar220());
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Modelo182")), 1);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM ComunidadAutonoma")), 17);
}

TEST(Estructura220SinComunidades, SinComunidadesNoEscribeDeducciones)
{
    testsupport::TempDatabase bd;
    bd.con.Execute(QStringLiteral("CREATE TABLE Deduccion (codComunidad INT, Deduccion SMALLINT)"));
    EXPECT_FALSE(ActualizarEstructura220(bd.con));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT COUNT(*) FROM Deduccion")).toInt64(), 0);
}

} // namespace
