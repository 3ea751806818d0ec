// The accounting upgrade: the version table made when missing, and the one
// step 1.0.1 -> 1.0.2 with its backup.

#include "CarpetaPrueba.h"
#include "EsquemasAntiguos.h"

#include "platform/db/Connection.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "schema/EstructuraReal.h"
#include "schema/upgrade/cActBDContab.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kContabilidad = QStringLiteral("Contabilidad.mdb");

class ActualizacionContabilidad : public ::testing::Test {
protected:
    void Actualizar()
    {
        db::Connection con = carpeta.AbrirContabilidad();
        OpcionesActualizacion o;
        o.terminarPrograma = [this] { ++finesDePrograma; };
        cActBDContab(con, o).ComprobarVersionBD();
    }

    db::Value Escalar(const QString& sql)
    {
        db::Connection con = carpeta.AbrirContabilidad();
        db::Recordset rs = con.Execute(sql);
        return rs.isEOF() ? db::Value() : rs.value(0);
    }

    QStringList Columna(const QString& sql)
    {
        db::Connection con = carpeta.AbrirContabilidad();
        QStringList valores;
        for (db::Recordset rs = con.Execute(sql); !rs.isEOF(); rs.MoveNext())
            valores << (rs.value(0).isNull() ? QStringLiteral("<null>") : rs.value(0).toString());
        return valores;
    }

    QStringList DiferenciasConUnaBaseNueva()
    {
        db::Connection con = carpeta.AbrirContabilidad();
        return CompararEstructura(EsquemaContabilidad(), LeerEstructura(con));
    }

    CarpetaPrueba carpeta;
    int finesDePrograma = 0;
};

struct Inicio {
    const char* nombre;
    const char* version; // "" : without Informacion
    bool copia;
};

void PrintTo(const Inicio& i, std::ostream* os) { *os << i.nombre; }

class DesdeCadaInicio : public ActualizacionContabilidad, public ::testing::WithParamInterface<Inicio> {};

TEST_P(DesdeCadaInicio, TerminaEn102ConLaEstructuraDeUnaBaseNueva)
{
    carpeta.CrearContabilidad(QString::fromUtf8(GetParam().version));
    Actualizar();

    EXPECT_EQ(Columna(QStringLiteral("SELECT Version FROM Informacion")), QStringList{QStringLiteral("1.0.2")});
    EXPECT_EQ(DiferenciasConUnaBaseNueva(), QStringList());
    EXPECT_EQ(QFileInfo(carpeta.Ruta(QStringLiteral("CopiasBD/V102/Contabilidad.mdb"))).isFile(), GetParam().copia);
    EXPECT_EQ(Columna(QStringLiteral("SELECT CodGrupo FROM Empresa")), QStringList(3, QStringLiteral("0")));
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
    EXPECT_EQ(finesDePrograma, 0);
}

const Inicio kInicios[] = {
    {"SinInformacion", "", true},
    {"En101", "1.0.1", true},
    {"En102", "1.0.2", false},
};

INSTANTIATE_TEST_SUITE_P(Inicios, DesdeCadaInicio, ::testing::ValuesIn(kInicios),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(ActualizacionContabilidad, ElConceptoDelAsientoSaleDeSuPrimeraLinea)
{
    carpeta.CrearContabilidad(QStringLiteral("1.0.1"));
    Actualizar();
    // Entry 1: lines 2 and 3, the lower one wins; entry 3 has no lines.
    EXPECT_EQ(Columna(QStringLiteral("SELECT ConceptoAsiento FROM Asiento ORDER BY IDAsiento")),
              (QStringList{QStringLiteral("Colecta del domingo"), QStringLiteral("Cuota de febrero"), QString(),
                           QStringLiteral("Donativo para la restauración")}));
}

TEST_F(ActualizacionContabilidad, UnConceptoLargoSeCortaSinEstropearLosDemas)
{
    EsquemaDef e = EsquemaContabilidadAntiguo();
    for (TablaDef& t : e.tablas)
        if (t.nombre == QLatin1String("Apunte"))
            for (ColumnaDef& c : t.columnas)
                if (c.nombre == QLatin1String("Concepto"))
                    c.tipo = QStringLiteral("TEXT");
    carpeta.CrearContabilidad(e);
    Actualizar();
    EXPECT_EQ(Columna(QStringLiteral("SELECT ConceptoAsiento FROM Asiento ORDER BY IDAsiento")),
              (QStringList{QStringLiteral("Colecta del domingo"), QStringLiteral("Cuota de febrero"), QString(),
                           QStringLiteral("Donativo extraordinario para l")}));
}

TEST_F(ActualizacionContabilidad, ConceptoYaPresenteNoSeRellena)
{
    EsquemaDef e = EsquemaContabilidadAntiguo();
    for (TablaDef& t : e.tablas)
        if (t.nombre == QLatin1String("Asiento"))
            t.columnas << ColumnaDef{QStringLiteral("ConceptoAsiento"), QStringLiteral("NVARCHAR(20)"), false, false, {}};
    carpeta.CrearContabilidad(e);
    Actualizar();
    EXPECT_EQ(Columna(QStringLiteral("SELECT ConceptoAsiento FROM Asiento")), QStringList(4, QStringLiteral("<null>")));
    EXPECT_EQ(DiferenciasConUnaBaseNueva(), QStringList());
}

TEST_F(ActualizacionContabilidad, InformacionSinColumnaOSinFilaEmpiezaEn101)
{
    EsquemaDef e = EsquemaContabilidadAntiguo(false);
    carpeta.CrearContabilidad(e);
    {
        db::Connection con = carpeta.AbrirContabilidad();
        con.Execute(QStringLiteral("CREATE TABLE Informacion (Notas NVARCHAR(10))"));
        con.Execute(QStringLiteral("INSERT INTO Informacion (Notas) VALUES ('a')"));
        con.Execute(QStringLiteral("INSERT INTO Informacion (Notas) VALUES ('b')"));
    }
    Actualizar();
    // Every row got 1.0.1 and then 1.0.2.
    EXPECT_EQ(Columna(QStringLiteral("SELECT Version FROM Informacion")), QStringList(2, QStringLiteral("1.0.2")));
}

TEST_F(ActualizacionContabilidad, InformacionVaciaRecibeSuFila)
{
    carpeta.CrearContabilidad(QStringLiteral("1.0.1"));
    {
        db::Connection con = carpeta.AbrirContabilidad();
        con.Execute(QStringLiteral("DELETE * FROM Informacion"));
    }
    Actualizar();
    EXPECT_EQ(Columna(QStringLiteral("SELECT Version FROM Informacion")), QStringList{QStringLiteral("1.0.2")});
}

TEST_F(ActualizacionContabilidad, OtraVersionNoHaceNada)
{
    carpeta.CrearContabilidad(QStringLiteral("1.0.1"));
    {
        db::Connection con = carpeta.AbrirContabilidad();
        con.Execute(QStringLiteral("UPDATE Informacion SET Version = '1.0.0'"));
    }
    Actualizar();
    EXPECT_EQ(Columna(QStringLiteral("SELECT Version FROM Informacion")), QStringList{QStringLiteral("1.0.0")});
    EXPECT_FALSE(QFileInfo::exists(carpeta.Ruta(QStringLiteral("CopiasBD"))));
}

TEST_F(ActualizacionContabilidad, UnPasoFallidoSeDeshaceYTerminaConElMensaje)
{
    carpeta.CrearContabilidad(QStringLiteral("1.0.1"));
    // A version that can be read but not written: the step's last statement
    // fails after all its changes were made.
    carpeta.EjecutarSqlite(kContabilidad, QStringLiteral("DROP TABLE Informacion; "
                                                         "CREATE VIEW Informacion AS SELECT '1.0.1' AS Version"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    Actualizar();

    EXPECT_EQ(Columna(QStringLiteral("SELECT Version FROM Informacion")), QStringList{QStringLiteral("1.0.1")});
    EXPECT_THROW(Escalar(QStringLiteral("SELECT * FROM Grupo")), vb::VbError);
    EXPECT_THROW(Escalar(QStringLiteral("SELECT CodGrupo FROM Empresa")), vb::VbError);
    EXPECT_TRUE(QFileInfo(carpeta.Ruta(QStringLiteral("CopiasBD/V102/Contabilidad.mdb"))).isFile());
    EXPECT_EQ(testsupport::scriptedUi().messageTexts(),
              QStringList{QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión 1.0.2!")});
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
    EXPECT_EQ(finesDePrograma, 1);
}

} // namespace
