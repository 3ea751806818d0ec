// The layouts made by the layout code, read back from the files.

#include "BasesVacias.h"
#include "ColumnasEsperadas.h"

#include "platform/db/Recordset.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "schema/EstructuraReal.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <span>

namespace {

bool Cumple(const ColumnaDef& real, const ColumnaEsperada& esperada)
{
    const QString tipo = TipoJetCanonico(real.tipo);
    switch (esperada.clase) {
    case Clase::Exacto: return tipo == TipoJetCanonico(QString::fromUtf8(esperada.tipo));
    case Clase::Texto: return tipo.startsWith(QLatin1String("TEXT("));
    case Clase::Fecha: return tipo == QLatin1String("TEXT(8)");
    case Clase::Hora: return tipo == QLatin1String("TEXT(4)");
    case Clase::Memo: return tipo == QLatin1String("MEMO");
    case Clase::Entero:
        return tipo == QLatin1String("LONG") || tipo == QLatin1String("SHORT") || tipo == QLatin1String("BYTE");
    case Clase::Numero:
        return QStringList{"LONG", "SHORT", "BYTE", "DOUBLE", "SINGLE", "CURRENCY"}.contains(tipo);
    case Clase::SiNo: return tipo == QLatin1String("YESNO");
    case Clase::Clave:
        return real.claveprimaria && (tipo == QLatin1String("COUNTER") || tipo == QLatin1String("LONG"));
    }
    return false;
}

void ExigirColumnas(db::Connection& con, std::span<const ColumnaEsperada> esperadas,
                    std::span<const char* const> soloNombradas)
{
    const EsquemaDef real = LeerEstructura(con);
    for (const ColumnaEsperada& e : esperadas) {
        const QString nombre = QString::fromUtf8(e.tabla) + QLatin1Char('.') + QString::fromUtf8(e.columna);
        const TablaDef* tabla = real.tabla(QString::fromUtf8(e.tabla));
        ASSERT_NE(tabla, nullptr) << "falta la tabla de " << nombre.toStdString();
        const ColumnaDef* columna = tabla->columna(QString::fromUtf8(e.columna));
        ASSERT_NE(columna, nullptr) << "falta " << nombre.toStdString();
        EXPECT_TRUE(Cumple(*columna, e)) << nombre.toStdString() << " es " << columna->tipo.toStdString();
    }
    for (const char* t : soloNombradas)
        EXPECT_NE(real.tabla(QString::fromUtf8(t)), nullptr) << "falta la tabla " << t;
}

class EstructuraTest : public ::testing::Test {
protected:
    BasesVacias bases;
};

TEST_F(EstructuraTest, DuzedivTieneCadaColumnaConSuTipo)
{
    ExigirColumnas(bases.con(BaseDatosPrograma::Duzediv), kColumnasDuzediv, kTablasSoloNombradasDuzediv);
}

TEST_F(EstructuraTest, ContabilidadTieneCadaColumnaConSuTipo)
{
    ExigirColumnas(bases.con(BaseDatosPrograma::Contabilidad), kColumnasContabilidad,
                   kTablasSoloNombradasContabilidad);
}

TEST_F(EstructuraTest, InformesTieneCadaTablaDeTrabajo)
{
    ExigirColumnas(bases.con(BaseDatosPrograma::Informes), kColumnasInformes, kTablasInformes);
}

TEST_F(EstructuraTest, RecibosTieneExactamenteLasDieciochoColumnasDeLaImpresion)
{
    const EsquemaDef leida = LeerEstructura(bases.con(BaseDatosPrograma::Informes));
    const TablaDef* recibos = leida.tabla("Recibos");
    ASSERT_NE(recibos, nullptr);
    EXPECT_EQ(recibos->columnas.size(), 18);
}

TEST_F(EstructuraTest, LaBaseLeidaEsIgualQueSuDescripcion)
{
    for (const DescripcionBaseDatos& d : BasesDatosPrograma()) {
        const QStringList diferencias = CompararEstructura(Esquema(d.base), LeerEstructura(bases.con(d.base)));
        EXPECT_TRUE(diferencias.isEmpty()) << d.archivo.toStdString() << ":\n"
                                           << diferencias.join('\n').toStdString();
    }
}

TEST_F(EstructuraTest, InformacionGuardaLaVersionYLosComplementosApagados)
{
    db::Recordset rs = bases.con(BaseDatosPrograma::Duzediv)
                           .Execute("SELECT Version, Vodidazaz, GestionParroquial, Contabilidad, GestionContable, "
                                    "TipoAplicacion, FechaDestinatarios FROM Informacion");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.value("Version").toString(), "2.2.0");
    for (const char* bandera : {"Vodidazaz", "GestionParroquial", "Contabilidad", "GestionContable"}) {
        EXPECT_FALSE(rs.value(bandera).isNull()) << bandera;
        EXPECT_FALSE(rs.value(bandera).toBool()) << bandera;
    }
    EXPECT_EQ(rs.value("TipoAplicacion").toString(), "");
    EXPECT_FALSE(rs.value("TipoAplicacion").isNull());

    db::Recordset cont = bases.con(BaseDatosPrograma::Contabilidad).Execute("SELECT Version FROM Informacion");
    ASSERT_EQ(cont.RecordCount(), 1);
    EXPECT_EQ(cont.value("Version").toString(), "1.0.2");
}

TEST_F(EstructuraTest, LasTablasDeTrabajoEmpiezanVacias)
{
    db::Connection& con = bases.con(BaseDatosPrograma::Informes);
    for (const char* tabla : kTablasInformes) {
        db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM [%1]").arg(tabla));
        EXPECT_EQ(rs.RecordCount(), 0) << tabla;
    }
}

TEST_F(EstructuraTest, CadaTablaDelProgramaTieneClaveOEsDeLasQueNoLaLlevan)
{
    // Tables whose rows are identified otherwise: the link tables, the roles
    // of a person, the one-row tables.
    const QStringList sinClave{"Informacion", "Ultimos", "Padron_TipoPersona", "Contab_Enlace_Bancos",
                               "Contab_Enlace_Institucion", "Contab_Enlace_Padron", "Recibos"};
    for (const DescripcionBaseDatos& d : BasesDatosPrograma()) {
        for (const TablaDef& t : LeerEstructura(bases.con(d.base)).tablas) {
            const bool tieneClave = std::any_of(t.columnas.begin(), t.columnas.end(),
                                                [](const ColumnaDef& c) { return c.claveprimaria; });
            EXPECT_NE(tieneClave, sinClave.contains(t.nombre)) << t.nombre.toStdString();
        }
    }
}

TEST(CrearEstructura, UnFalloNoDejaNadaAMedias)
{
    BasesVacias bases;
    db::Connection con = bases.nueva("Parcial.mdb");
    // A table that the layout also makes, already there: its CREATE fails
    // half-way through the layout.
    con.Execute("CREATE TABLE [Padron] ([IDPadron] COUNTER PRIMARY KEY)");
    EXPECT_THROW(CrearEstructuraDuzediv(con), vb::VbError);

    const EsquemaDef real = LeerEstructura(con);
    ASSERT_EQ(real.tablas.size(), 1);
    EXPECT_EQ(real.tablas[0].nombre, "Padron");
    EXPECT_TRUE(real.indices.isEmpty());
}

TEST(CrearEstructura, SentenciasEnJetConCorchetesTiposEIndices)
{
    const QStringList sentencias = SentenciasCrearEsquema(EsquemaDuzediv());
    EXPECT_TRUE(sentencias.contains(
        "CREATE TABLE [Destinatarios] ([IDDestinatario] INT PRIMARY KEY, [Cuenta] NVARCHAR(50) DEFAULT \"\", "
        "[NombreAdvocacion] NVARCHAR(50) DEFAULT \"\", [CodigoAdvocacion] INT DEFAULT 0)"));
    EXPECT_TRUE(sentencias.contains("CREATE INDEX [IX_Nivel_CodPadre_Orden] ON [Nodo] ([Nivel], [CodPadre], [Orden])"));
    const qsizetype primerIndice = sentencias.indexOf(QRegularExpression("CREATE INDEX .*"));
    ASSERT_GT(primerIndice, 0);
    for (qsizetype i = 0; i < primerIndice; ++i)
        EXPECT_TRUE(sentencias[i].startsWith("CREATE TABLE [")) << sentencias[i].toStdString();
}

} // namespace
