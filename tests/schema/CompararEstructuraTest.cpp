// Comparing an open database with a layout description.

#include "BasesVacias.h"

#include "platform/db/Connection.h"
#include "schema/Estructura.h"
#include "schema/EstructuraReal.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(TipoJetCanonico, UneLasGrafiasDeCadaTipo)
{
    const std::pair<const char*, const char*> casos[] = {
        {"NVARCHAR(40)", "TEXT(40)"}, {"varchar(40)", "TEXT(40)"}, {"TEXT(40)", "TEXT(40)"},
        {"CHAR ( 5 )", "TEXT(5)"},    {"TEXT", "MEMO"},            {"LONGTEXT", "MEMO"},
        {"INT", "LONG"},              {"INTEGER", "LONG"},         {"LONG", "LONG"},
        {"SMALLINT", "SHORT"},        {"BYTE", "BYTE"},            {"FLOAT", "DOUBLE"},
        {"DOUBLE", "DOUBLE"},         {"REAL", "SINGLE"},          {"CURRENCY", "CURRENCY"},
        {"BIT", "YESNO"},             {"yesno", "YESNO"},          {"COUNTER", "COUNTER"},
        {"AUTOINCREMENT", "COUNTER"}, {"LONGBINARY", "LONGBINARY"}, {"DATETIME", "DATETIME"},
        {"RARO", "RARO"},
    };
    for (const auto& [declarado, canonico] : casos)
        EXPECT_EQ(TipoJetCanonico(declarado), canonico) << declarado;
}

ColumnaDef Columna(const char* nombre, const char* tipo, bool clave = false, const char* defecto = "")
{
    ColumnaDef c;
    c.nombre = nombre;
    c.tipo = tipo;
    c.claveprimaria = clave;
    c.porDefecto = defecto;
    return c;
}

EsquemaDef Base()
{
    EsquemaDef e;
    TablaDef t;
    t.nombre = "Banco";
    t.columnas = {Columna("IDBanco", "COUNTER", true), Columna("Codigo", "NVARCHAR(4)"),
                 Columna("Nombre", "NVARCHAR(100)", false, "\"\"")};
    e.tablas = {t};
    e.indices = {{"IX_Banco_Codigo", "Banco", {"Codigo"}}};
    return e;
}

TEST(CompararEstructura, IgualesNoTienenDiferencias)
{
    EXPECT_TRUE(CompararEstructura(Base(), Base()).isEmpty());
}

TEST(CompararEstructura, CadaDiferenciaSeNombra)
{
    struct Caso {
        const char* descripcion;
        std::function<void(EsquemaDef&)> cambio;
        const char* diferencia;
    };
    const Caso casos[] = {
        {"tabla de menos", [](EsquemaDef& e) { e.tablas.clear(); }, "falta la tabla Banco"},
        {"tabla de más", [](EsquemaDef& e) { e.tablas << TablaDef{"Sucursal", {}}; }, "sobra la tabla Sucursal"},
        {"columna de menos", [](EsquemaDef& e) { e.tablas[0].columnas.removeLast(); }, "falta la columna Banco.Nombre"},
        {"columna de más", [](EsquemaDef& e) { e.tablas[0].columnas << Columna("Web", "TEXT"); },
         "sobra la columna Banco.Web"},
        {"otro ancho", [](EsquemaDef& e) { e.tablas[0].columnas[1].tipo = "NVARCHAR(5)"; },
         "Banco.Codigo: tipo TEXT(5) en lugar de TEXT(4)"},
        {"sin clave", [](EsquemaDef& e) { e.tablas[0].columnas[0].claveprimaria = false; },
         "Banco.IDBanco: no es clave principal"},
        {"otro defecto", [](EsquemaDef& e) { e.tablas[0].columnas[2].porDefecto = "'x'"; },
         "Banco.Nombre: valor por defecto <'x'> en lugar de <''>"},
        {"índice de menos", [](EsquemaDef& e) { e.indices.clear(); }, "falta el índice banco(codigo)"},
        {"índice único", [](EsquemaDef& e) { e.indices[0].unico = true; }, "el índice banco(codigo) sí es único"},
    };
    for (const Caso& c : casos) {
        EsquemaDef real = Base();
        c.cambio(real);
        const QStringList diferencias = CompararEstructura(Base(), real);
        EXPECT_EQ(diferencias, QStringList{c.diferencia}) << c.descripcion;
    }
}

TEST(CompararEstructura, LasMayusculasYLasComillasNoCuentan)
{
    EsquemaDef real = Base();
    real.tablas[0].nombre = "BANCO";
    real.tablas[0].columnas[1].nombre = "codigo";
    real.tablas[0].columnas[2].porDefecto = "''";
    real.indices[0].nombre = "otro_nombre";
    EXPECT_TRUE(CompararEstructura(Base(), real).isEmpty());
}

TEST(CompararEstructura, SePuedenDejarFueraDefectosEIndices)
{
    EsquemaDef real = Base();
    real.tablas[0].columnas[2].porDefecto.clear();
    real.indices.clear();
    EXPECT_TRUE(CompararEstructura(Base(), real, {.compararPorDefecto = false, .compararIndices = false}).isEmpty());
}

TEST(CrearIndicesQueFalten, DevuelveLosIndicesQueFaltanYNadaMas)
{
    BasesVacias bases;
    db::Connection& con = bases.con(BaseDatosPrograma::Duzediv);
    con.Execute("DROP INDEX [IX_Nombre] ON [Institucion]");
    con.Execute("DROP INDEX [IX_PrimerApellido_SegundoApellido_Nombre] ON [Padron]");
    EXPECT_EQ(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)).size(), 2);

    EXPECT_EQ(CrearIndicesQueFalten(con, EsquemaDuzediv()), 2);
    EXPECT_TRUE(CompararEstructura(EsquemaDuzediv(), LeerEstructura(con)).isEmpty());
    EXPECT_EQ(CrearIndicesQueFalten(con, EsquemaDuzediv()), 0);
}

TEST(CrearIndicesQueFalten, PasaPorAltoLosDeTablasQueNoEstan)
{
    BasesVacias bases;
    db::Connection con = bases.nueva("Antigua.mdb");
    con.Execute("CREATE TABLE [Nodo] ([IDNodo] COUNTER PRIMARY KEY, [Nivel] SMALLINT, [CodPadre] INT, [Orden] SMALLINT)");
    EXPECT_EQ(CrearIndicesQueFalten(con, EsquemaDuzediv()), 1);
    ASSERT_EQ(LeerEstructura(con).indices.size(), 1);
}

} // namespace
