#include "navigation/ArbolNodos.h"
#include "navigation/CargaModeloNodos.h"
#include "navigation/GuardarConfigTvPrincipal.h"
#include "navigation/ListaImagenes.h"
#include "navigation/cIPrincipal.h"
#include "navigation/BaseNodosPrueba.h"

#include "fixtures/TempProgramFolder.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ErrorReporting.h"

#include <gtest/gtest.h>

namespace {

const QString kRaiz = QStringLiteral("Administrador\\3082\\Nodos\\Norvia Parvanta 2000");

class GuardarArbol : public ::testing::Test {
protected:
    // A start of the main window: model, pictures, tree.
    void Arrancar()
    {
        nodos.Clear();
        registros.Clear();
        arbol = std::make_unique<ArbolNodos>();
        imlArbol.Clear();
        imlTitulo.Clear();
        CargaModeloNodos(con, ajustes, false).Cargar(nodos, registros);
        arbol->SetImageList(&imlArbol);
        cIPrincipal principal(&nodos, carpeta.file(QStringLiteral("Imagenes.img")));
        principal.fillImlTreeView(imlArbol);
        principal.fillTvPrincipal(*arbol, imlTitulo);
    }

    bool ExpandidoEnTabla(int id) { return ::ExpandidoEnTabla(con, id); }

    TempProgramFolder carpeta;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    AjustesUsuario ajustes = AjustesPrueba();
    ColeccionNodos nodos;
    ColeccionRegistros registros;
    ListaImagenes imlArbol;
    ListaImagenes imlTitulo;
    std::unique_ptr<ArbolNodos> arbol;
};

TEST_F(GuardarArbol, AnExpandedNodeIsSavedAndOpensExpandedAtTheNextStart)
{
    Arrancar();
    arbol->SetExpandido(arbol->PorClave(QStringLiteral("c6")), true);
    GuardarConfigTvPrincipal(*arbol, con, ajustes);

    EXPECT_EQ(ajustes.Leer(kRaiz + QStringLiteral("\\Vodidazaz"), QStringLiteral("Expandido")), "1");
    EXPECT_EQ(ajustes.Leer(kRaiz + QStringLiteral("\\Bancos"), QStringLiteral("Expandido")), "0");
    EXPECT_TRUE(ExpandidoEnTabla(6));
    EXPECT_FALSE(ExpandidoEnTabla(2));

    Arrancar();
    EXPECT_TRUE(arbol->PorClave(QStringLiteral("c6"))->isExpanded());
    EXPECT_FALSE(arbol->PorClave(QStringLiteral("c14"))->isExpanded());
}

TEST_F(GuardarArbol, RowsOutsideTheTreeSaveTheirColumnValue)
{
    Arrancar();
    con.Execute(QStringLiteral("UPDATE Nodo SET Expandido = True WHERE IDNodo = 41"));
    cIPrincipal::EliminarNodo(*arbol, QStringLiteral("Contabilidad"));
    GuardarConfigTvPrincipal(*arbol, con, ajustes);
    EXPECT_TRUE(ExpandidoEnTabla(41));
    EXPECT_EQ(ajustes.Leer(kRaiz + QStringLiteral("\\Contabilidad"), QStringLiteral("Expandido")), "1");
    EXPECT_EQ(ajustes.Leer(kRaiz + QStringLiteral("\\Contabilidad\\Grupos"), QStringLiteral("Expandido")), "0");
}

TEST(GuardarArbolPropio, ARowWithAMissingParentDoesNotStopTheRowsAfterIt)
{
    BaseNodosPrueba base;
    base.Nodo(1, QStringLiteral("Raíz"), 1, 0, 1, 0, QStringLiteral("SELECT 1"), true);
    base.Nodo(2, QStringLiteral("Suelto"), 2, 50, 1);
    base.Nodo(3, QStringLiteral("Último"), 2, 1, 2, 0, QStringLiteral("SELECT 1"), true);
    ArbolNodos vacio;
    QStringList informes;
    ui::SetErrorReporter([&](const QString& p, const QString&, const QString&) { informes << p; });
    GuardarConfigTvPrincipal(vacio, base.con(), AjustesPrueba());
    EXPECT_TRUE(informes.isEmpty());
    EXPECT_EQ(AjustesPrueba().Leer(QStringLiteral("Administrador\\3082\\Nodos\\Suelto"), QStringLiteral("Expandido")),
              "0");
    EXPECT_EQ(AjustesPrueba().Leer(QStringLiteral("Administrador\\3082\\Nodos\\Raíz\\Último"),
                                   QStringLiteral("Expandido")),
              "1");
}

TEST(GuardarArbolPropio, AFailureIsReportedWithItsProcedure)
{
    BaseNodosPrueba base;
    base.con().Execute(QStringLiteral("DROP TABLE Nodo"));
    ArbolNodos arbol;
    arbol.Anadir({}, QStringLiteral("c1"), QStringLiteral("Raíz"));
    QStringList informes;
    ui::SetErrorReporter([&](const QString& p, const QString& m, const QString& proyecto) {
        informes << (p + QLatin1Char('|') + m + QLatin1Char('|') + proyecto);
    });
    GuardarConfigTvPrincipal(arbol, base.con(), AjustesPrueba());
    EXPECT_EQ(informes, QStringList {QStringLiteral("GuardarConfigTvPrincipal()|frmPrincipal |NorviaParvanta2000.vbp")});
}

} // namespace
