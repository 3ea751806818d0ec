#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "navigation/CargaModeloNodos.h"
#include "navigation/ListaImagenes.h"
#include "navigation/cIPrincipal.h"
#include "navigation/BaseNodosPrueba.h"

#include "fixtures/TempProgramFolder.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/VbError.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The picture database of a fresh program folder and the node model of its
// seeded parish database.
class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::SetErrorReporter([this](const QString& p, const QString& m, const QString&) {
            informes << (p + QLatin1Char('|') + m);
        });
    }

    void CargarNodos(db::Connection& con)
    {
        CargaModeloNodos(con, AjustesPrueba(), false).Cargar(nodos, registros);
    }

    void LlenarArbol()
    {
        arbol.SetImageList(&imlArbol);
        principal.fillImlTreeView(imlArbol);
        principal.fillTvPrincipal(arbol, imlTitulo);
    }

    TempProgramFolder carpeta;
    ColeccionNodos nodos;
    ColeccionRegistros registros;
    cIPrincipal principal {&nodos, carpeta.file(QStringLiteral("Imagenes.img"))};
    ListaImagenes imlArbol;
    ListaImagenes imlTitulo;
    ArbolNodos arbol;
    QStringList informes;
};

TEST_F(Pictures, TreePicturesAreKeyedByTheirId)
{
    principal.fillImlTreeView(imlArbol);
    ASSERT_EQ(imlArbol.Count(), 56);
    for (int i = 1; i <= imlArbol.Count(); ++i) {
        EXPECT_EQ(imlArbol.Clave(i), QStringLiteral("c%1").arg(i));
        EXPECT_EQ(imlArbol.Tag(i), "");
        EXPECT_FALSE(imlArbol.Picture(i).isNull());
    }
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(Pictures, ToolbarTakesPictures11And25To32)
{
    BarraBotones barra;
    for (const char* clave : {"Nuevo", "", "Eliminar", "Propiedades", "", "firstReg", "prevReg", "nextReg",
                              "lastReg", "", "Filtro"}) {
        barra.AnadirBoton(QString::fromUtf8(clave), {},
                          *clave ? BarraBotones::Estilo::Normal : BarraBotones::Estilo::Separador);
    }
    ListaImagenes iml;
    principal.FillImlBotonera(iml, barra);
    EXPECT_EQ(iml.Count(), 9);
    const int esperadas[] = {7, 0, 1, 8, 0, 2, 3, 4, 5, 0, 9};
    for (int posicion = 1; posicion <= 11; ++posicion)
        EXPECT_EQ(barra.Imagen(posicion), esperadas[posicion - 1]) << posicion;
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(Pictures, AMissingPictureDatabaseIsReportedByThePictureFillers)
{
    cIPrincipal sinImagenes(&nodos, carpeta.file(QStringLiteral("NoExiste.img")));
    BarraBotones barra;
    barra.AnadirBoton(QStringLiteral("Nuevo"));
    ListaImagenes iml;
    sinImagenes.fillImlTreeView(iml);
    sinImagenes.FillImlBotonera(iml, barra);
    EXPECT_EQ(iml.Count(), 0);
    EXPECT_EQ(barra.Imagen(1), 0);
    EXPECT_EQ(informes, (QStringList {QStringLiteral("fillImlTreeView()|cIPrincipal"),
                                      QStringLiteral("FillImlBotonera|cIPrincipal")}));
}

TEST_F(Pictures, TheSeededTreeHasEveryNodeWithItsPictureAndTitlePicture)
{
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    CargarNodos(con);
    LlenarArbol();
    ASSERT_EQ(arbol.Count(), 55);
    QTreeWidgetItem* raiz = arbol.Nodo(1);
    EXPECT_EQ(ArbolNodos::Clave(raiz), "c1");
    EXPECT_EQ(ArbolNodos::Texto(raiz), "Norvia Parvanta 2000");
    EXPECT_EQ(ArbolNodos::Imagen(raiz), 9);
    EXPECT_EQ(arbol.Seleccionado(), raiz);

    QTreeWidgetItem* libros = arbol.PorClave(QStringLiteral("c22"));
    ASSERT_TRUE(libros);
    EXPECT_EQ(ArbolNodos::Clave(libros->parent()), "c21");
    EXPECT_EQ(ArbolNodos::Imagen(libros), 15);

    EXPECT_EQ(imlTitulo.Count(), 55);
    EXPECT_EQ(imlTitulo.Tag(imlTitulo.Indice(QStringLiteral("c22"))), "Libros");
    EXPECT_EQ(imlTitulo.Tag(imlTitulo.Indice(QStringLiteral("c1"))), "");
    EXPECT_TRUE(imlTitulo.UseMaskColor());
    EXPECT_EQ(imlTitulo.MaskColor(), QColor(255, 255, 255));
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(Pictures, NodesWithoutPictureOrParentAreHandledOneByOne)
{
    BaseNodosPrueba base;
    base.Nodo(1, QStringLiteral("Primera"), 1, 0, 1, 9);
    base.Nodo(2, QStringLiteral("Segunda"), 1, 0, 2, 0);
    base.Nodo(3, QStringLiteral("Sin imagen"), 2, 1, 1, 0);
    base.Nodo(4, QStringLiteral("Imagen de más"), 2, 1, 2, 999);
    base.Nodo(5, QStringLiteral("Nieto perdido"), 3, 4, 1, 5);
    base.Nodo(6, QStringLiteral("Abierto"), 2, 2, 1, 3, QStringLiteral("SELECT 1"), true);
    base.Nodo(7, QStringLiteral("Hoja"), 3, 6, 1, 4);
    AjustesPrueba().Guardar(QStringLiteral("Administrador\\3082\\Nodos\\Segunda\\Abierto"),
                            QStringLiteral("Expandido"), QStringLiteral("1"));
    CargarNodos(base.con());
    LlenarArbol();

    EXPECT_EQ(arbol.Count(), 5);
    EXPECT_FALSE(arbol.PorClave(QStringLiteral("c4"))) << "picture beyond the list";
    EXPECT_FALSE(arbol.PorClave(QStringLiteral("c5"))) << "its parent is missing";
    EXPECT_EQ(ArbolNodos::Imagen(arbol.PorClave(QStringLiteral("c3"))), 0);
    EXPECT_EQ(imlTitulo.Indice(QStringLiteral("c3")), 0);
    EXPECT_EQ(imlTitulo.Indice(QStringLiteral("c2")), 0);
    EXPECT_NE(imlTitulo.Indice(QStringLiteral("c7")), 0);
    EXPECT_EQ(arbol.Seleccionado(), arbol.PorClave(QStringLiteral("c2"))) << "the last top-level node";
    QTreeWidgetItem* abierto = arbol.PorClave(QStringLiteral("c6"));
    EXPECT_TRUE(abierto->isExpanded()) << "expanded before its child came and still after";
    EXPECT_TRUE(arbol.Expandido(abierto));
    EXPECT_FALSE(arbol.Expandido(arbol.PorClave(QStringLiteral("c1"))));
}

TEST_F(Pictures, AMissingPictureDatabaseLeavesTheTreeEmpty)
{
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    CargarNodos(con);
    cIPrincipal sinImagenes(&nodos, carpeta.file(QStringLiteral("NoExiste.img")));
    EXPECT_THROW(sinImagenes.fillTvPrincipal(arbol, imlTitulo), vb::VbError);
    EXPECT_EQ(arbol.Count(), 0);
}

TEST(LeerIml, BytesThatAreNoPictureAddNothing)
{
    ListaImagenes lista;
    try {
        cIPrincipal::LeerIml(QByteArray("no es una imagen"), lista, QStringLiteral("c1"), QString());
        FAIL() << "expected error 481";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), 481);
    }
    EXPECT_EQ(lista.Count(), 0);
}

class EliminarNodo : public ::testing::Test {
protected:
    void SetUp() override
    {
        arbol.Anadir({}, QStringLiteral("c1"), QStringLiteral("Raíz"));
        arbol.Anadir(QStringLiteral("c1"), QStringLiteral("c2"), QStringLiteral("Vodidazaz"));
        arbol.Anadir(QStringLiteral("c2"), QStringLiteral("c3"), QStringLiteral("Donantes"));
        arbol.Anadir(QStringLiteral("c1"), QStringLiteral("c4"), QStringLiteral("Otro"));
        arbol.Anadir(QStringLiteral("c4"), QStringLiteral("c5"), QStringLiteral("Vodidazaz"));
    }
    ArbolNodos arbol;
};

TEST_F(EliminarNodo, RemovesTheFirstMatchWithItsBranchOnly)
{
    cIPrincipal::EliminarNodo(arbol, QStringLiteral("Vodidazaz"));
    EXPECT_EQ(arbol.Count(), 3);
    EXPECT_FALSE(arbol.PorClave(QStringLiteral("c2")));
    EXPECT_FALSE(arbol.PorClave(QStringLiteral("c3")));
    EXPECT_TRUE(arbol.PorClave(QStringLiteral("c5")));
    EXPECT_EQ(ArbolNodos::Clave(arbol.Nodo(3)), "c5") << "index order closes up";
}

TEST_F(EliminarNodo, ComparesExactly)
{
    cIPrincipal::EliminarNodo(arbol, QStringLiteral("vodidazaz"));
    cIPrincipal::EliminarNodo(arbol, QStringLiteral("Contabilidad"));
    EXPECT_EQ(arbol.Count(), 5);
}

} // namespace
