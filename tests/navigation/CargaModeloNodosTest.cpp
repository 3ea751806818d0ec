#include "navigation/CargaModeloNodos.h"
#include "navigation/ClavesNodo.h"
#include "navigation/BaseNodosPrueba.h"

#include "fixtures/TempProgramFolder.h"
#include "platform/db/Recordset.h"
#include "platform/vb/ErrObject.h"

#include <gtest/gtest.h>

namespace {

const QString kRaiz = QStringLiteral("Administrador\\3082\\Nodos\\Norvia Parvanta 2000");

// The seeded parish database of a fresh program folder.
class CargaSembrada : public ::testing::Test {
protected:
    void Cargar(bool consolidacion = false)
    {
        nodos.Clear();
        registros.Clear();
        CargaModeloNodos(con, ajustes, consolidacion).Cargar(nodos, registros);
    }

    std::shared_ptr<cNodo> Nodo(int id) const { return nodos.Item(ClaveColeccion(id)); }

    bool ExpandidoEnTabla(int id) { return ::ExpandidoEnTabla(con, id); }

    TempProgramFolder carpeta;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    AjustesUsuario ajustes = AjustesPrueba();
    ColeccionNodos nodos;
    ColeccionRegistros registros;
};

TEST_F(CargaSembrada, FirstRunSeedsCollapsedStateAndColumnWidths)
{
    Cargar();

    EXPECT_EQ(ajustes.Leer(kRaiz, QStringLiteral("Expandido")), "0");
    EXPECT_EQ(ajustes.Leer(kRaiz + QStringLiteral("\\Gestión Parroquial\\Gestión\\Bautismo\\Libros"),
                           QStringLiteral("Expandido")),
              "0");
    EXPECT_FALSE(ExpandidoEnTabla(1)) << "the seeded root was expanded; a new user starts collapsed";
    for (const auto& nodo : nodos)
        EXPECT_EQ(nodo->Expandido(), "Falso") << nodo->Nombre().toStdString();

    // Every width comes from Campo and is stored for the next start.
    db::Recordset campos = con.Execute(QStringLiteral("SELECT IDCampo, Ancho FROM Campo"));
    int vistos = 0;
    for (; !campos.isEOF(); campos.MoveNext(), ++vistos) {
        const QString clave = campos.value(QStringLiteral("IDCampo")).toString();
        EXPECT_EQ(ajustes.Leer(ajustes.SeccionGrids(), clave), campos.value(QStringLiteral("Ancho")).toString());
    }
    EXPECT_EQ(vistos, 160);
    EXPECT_EQ(Nodo(43)->colCampo().Item(ClaveColeccion(143))->Ancho(), 990);
}

TEST_F(CargaSembrada, AStoredOneExpandsItsNodeAfterRestart)
{
    const QString bancos = kRaiz + QStringLiteral("\\Bancos");
    ajustes.Guardar(bancos, QStringLiteral("Expandido"), QStringLiteral("1"));
    Cargar();
    EXPECT_TRUE(ExpandidoEnTabla(2));
    EXPECT_EQ(Nodo(2)->Expandido(), "Verdadero");
    EXPECT_EQ(Nodo(3)->Expandido(), "Falso");
    EXPECT_EQ(ajustes.Leer(bancos, QStringLiteral("Expandido")), "1");
}

TEST_F(CargaSembrada, StoredExpansionValuesOtherThanOneCollapseAndAreNeverRunAsSql)
{
    for (const char* valor : {"-1", "True", "1 OR 1=1", "0; DELETE FROM Nodo"}) {
        ajustes.Guardar(kRaiz + QStringLiteral("\\Bancos"), QStringLiteral("Expandido"), QString::fromUtf8(valor));
        Cargar();
        EXPECT_FALSE(ExpandidoEnTabla(2)) << valor;
        EXPECT_EQ(con.Execute(QStringLiteral("SELECT COUNT(*) AS N FROM Nodo")).value(0).toInt64(), 56) << valor;
    }
}

TEST_F(CargaSembrada, AStoredWidthWinsOverTheTable)
{
    ajustes.Guardar(ajustes.SeccionGrids(), QStringLiteral("143"), QStringLiteral("2500"));
    ajustes.Guardar(ajustes.SeccionGrids(), QStringLiteral("144"), QStringLiteral("ancho"));
    Cargar();
    EXPECT_EQ(Nodo(43)->colCampo().Item(ClaveColeccion(143))->Ancho(), 2500);
    EXPECT_EQ(Nodo(43)->colCampo().Item(ClaveColeccion(144))->Ancho(), 0) << "a width that is no number";
}

TEST_F(CargaSembrada, NodesComeInLevelParentOrderWithTheirColumnsInOrder)
{
    Cargar();
    EXPECT_EQ(nodos.Count(), 55);
    EXPECT_EQ(nodos.Item(1)->IDNodo(), 1);
    int nivel = 0;
    for (const auto& nodo : nodos) {
        EXPECT_GE(nodo->Nivel(), nivel);
        nivel = nodo->Nivel();
    }
    const auto& remesas = Nodo(12);
    EXPECT_EQ(remesas->Nombre(), "Remesas");
    EXPECT_EQ(remesas->Descripcion(), "Remesa");
    EXPECT_EQ(remesas->CodPadre(), 11);
    EXPECT_EQ(remesas->CodImagen(), 8);
    EXPECT_TRUE(remesas->SQLSelect().startsWith(QStringLiteral("SELECT Remesa.Fecha")));
    EXPECT_FALSE(remesas->SQLSelect().endsWith(QLatin1Char(' ')));
    int orden = 0;
    for (const auto& campo : remesas->colCampo()) {
        EXPECT_GT(campo->Orden(), orden);
        orden = campo->Orden();
        EXPECT_EQ(campo->IDNodo(), 12);
        EXPECT_FALSE(campo->Descripcion().isEmpty());
    }
    EXPECT_EQ(Nodo(6)->SQLSelect(), "") << "a blank query is no list";
}

TEST_F(CargaSembrada, OnlyNodesWithColumnsGetAPathAndTheAccountingBranchItsLevel2Caption)
{
    Cargar();
    EXPECT_EQ(Nodo(1)->Path(), "");
    EXPECT_EQ(Nodo(2)->Path(), kRaiz + QStringLiteral("\\Bancos"));
    EXPECT_EQ(Nodo(22)->Path(), kRaiz + QStringLiteral("\\Gestión Parroquial\\Gestión\\Bautismo\\Libros"));
    EXPECT_EQ(Nodo(26)->Path(), kRaiz + QStringLiteral("\\Gestión Parroquial\\Gestión\\Confirmación\\Libros"));
    EXPECT_EQ(Nodo(1)->PadreDeNivel2(), "");
    EXPECT_EQ(Nodo(41)->PadreDeNivel2(), "");
    EXPECT_EQ(Nodo(46)->PadreDeNivel2(), "Contabilidad");
    EXPECT_EQ(Nodo(51)->PadreDeNivel2(), "Contabilidad");
    EXPECT_EQ(Nodo(22)->PadreDeNivel2(), "Gestión Parroquial");
}

TEST_F(CargaSembrada, WithoutConsolidationTheGroupNodeAndColumnGo)
{
    Cargar(false);
    EXPECT_FALSE(nodos.Contiene(ClaveColeccion(42)));
    const auto& empresas = Nodo(43);
    EXPECT_FALSE(empresas->colCampo().Contiene(ClaveColeccion(142)));
    EXPECT_EQ(empresas->colCampo().Count(), 4);
    EXPECT_EQ(empresas->SQLSelect(), CargaModeloNodos::ConsultaEmpresasSinGrupo());
    EXPECT_TRUE(con.Query(QStringLiteral("SELECT SQLSelect FROM Nodo WHERE IDNodo = 43"), {})
                    .value(0)
                    .toString()
                    .startsWith(QStringLiteral("SELECT Grupo.Nombre")))
        << "only the model changes";
    EXPECT_TRUE(registros.Contiene(kRaiz + QStringLiteral("\\Contabilidad\\Grupos")));
}

TEST_F(CargaSembrada, WithConsolidationTheGroupsStay)
{
    Cargar(true);
    EXPECT_EQ(nodos.Count(), 56);
    EXPECT_EQ(Nodo(43)->colCampo().Count(), 5);
    EXPECT_TRUE(Nodo(43)->SQLSelect().startsWith(QStringLiteral("SELECT Grupo.Nombre")));
}

TEST_F(CargaSembrada, OnePagingRecordPerRowKeyedBySection)
{
    Cargar();
    EXPECT_EQ(registros.Count(), 56);
    const auto& libros = registros.Item(kRaiz + QStringLiteral("\\Gestión Parroquial\\Gestión\\Bautismo\\Libros"));
    EXPECT_EQ(libros->NRegMax(), 24);
    EXPECT_EQ(libros->PosInicial(), 1);
    EXPECT_EQ(libros->Path(), kRaiz + QStringLiteral("\\Gestión Parroquial\\Gestión\\Bautismo\\Libros"));
    EXPECT_TRUE(registros.Contiene(kRaiz)) << "a node without columns has a paging record too";
}

struct CasoNRegMax {
    const char* guardado;
    int esperado;
};

class NRegMaxRaiz : public CargaSembrada, public ::testing::WithParamInterface<CasoNRegMax> {};

TEST_P(NRegMaxRaiz, ComesFromTheRootSettingOr24)
{
    ajustes.Guardar(QStringLiteral("PRINCIPAL"), QStringLiteral("NRegMax"), QString::fromUtf8(GetParam().guardado));
    Cargar();
    EXPECT_EQ(registros.Item(1)->NRegMax(), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Valores, NRegMaxRaiz,
                         ::testing::Values(CasoNRegMax {"30", 30}, CasoNRegMax {"", 24}, CasoNRegMax {"abc", 24},
                                           CasoNRegMax {"0", 24}, CasoNRegMax {"-5", 24}));

// Hand-made trees for the edge cases the seed does not have.
class CargaPropia : public ::testing::Test {
protected:
    void Cargar()
    {
        CargaModeloNodos(base.con(), AjustesPrueba(), true, [this] {
            if (vb::Err().Number != 0)
                ++errores;
            vb::Err().Clear();
        }).Cargar(nodos, registros);
    }

    BaseNodosPrueba base;
    ColeccionNodos nodos;
    ColeccionRegistros registros;
    int errores = 0;
};

TEST_F(CargaPropia, NullQueryGivesEmptyTextAndTwinSiblingsShareOnePagingRecord)
{
    base.Nodo(1, QStringLiteral("Raíz"), 1, 0, 1, 0, std::nullopt);
    base.Nodo(2, QStringLiteral("Gemelo"), 2, 1, 1);
    base.Nodo(3, QStringLiteral("Gemelo"), 2, 1, 2);
    Cargar();
    EXPECT_EQ(nodos.Item(1)->SQLSelect(), "");
    EXPECT_EQ(registros.Count(), 2);
    EXPECT_EQ(errores, 0);
}

TEST_F(CargaPropia, AMissingParentOrACycleStillEndsTheWalk)
{
    base.Nodo(1, QStringLiteral("Raíz"), 1, 0, 1);
    base.Nodo(2, QStringLiteral("Huérfano"), 3, 50, 1);
    base.Nodo(3, QStringLiteral("A"), 4, 4, 1);
    base.Nodo(4, QStringLiteral("B"), 4, 3, 2);
    base.Campo(1, 2, QStringLiteral("Col"), 1, 1000);
    Cargar();
    EXPECT_EQ(nodos.Count(), 4);
    EXPECT_EQ(nodos.Item(ClaveColeccion(2))->Path(), QStringLiteral("Administrador\\3082\\Nodos\\Huérfano"));
    EXPECT_TRUE(registros.Contiene(QStringLiteral("Administrador\\3082\\Nodos\\B\\A")));
}

TEST_F(CargaPropia, AFailingColumnQueryIsReportedAndTheNodeKeptWithoutColumns)
{
    base.Nodo(1, QStringLiteral("Raíz"), 1, 0, 1);
    base.Nodo(2, QStringLiteral("Hijo"), 2, 1, 1);
    base.con().Execute(QStringLiteral("DROP TABLE Campo"));
    Cargar();
    EXPECT_EQ(errores, 2) << "checkpoint 4, once per node";
    EXPECT_EQ(nodos.Count(), 2);
    EXPECT_EQ(nodos.Item(2)->colCampo().Count(), 0);
    EXPECT_EQ(registros.Count(), 2);
}

} // namespace
