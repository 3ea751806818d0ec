#include "navigation/BusquedaNodos.h"
#include "navigation/ClavesNodo.h"
#include "navigation/BaseNodosPrueba.h"

#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/VbError.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<cNodo> NodoCon(const QString& nombre, const QStringList& columnas = {})
{
    auto nodo = std::make_shared<cNodo>();
    nodo->SetNombre(nombre);
    int id = 1;
    for (const QString& columna : columnas) {
        auto campo = std::make_shared<cCampo>();
        campo->SetNombre(columna);
        nodo->colCampo().Add(campo, ClaveColeccion(id++));
    }
    return nodo;
}

ColeccionNodos Nodos()
{
    ColeccionNodos nodos;
    nodos.Add(NodoCon(QStringLiteral("Contabilidad")), QStringLiteral(" 1"));
    nodos.Add(NodoCon(QStringLiteral("Grupos")), QStringLiteral(" 2"));
    nodos.Add(NodoCon(QStringLiteral("Empresas"), {QStringLiteral("Grupo"), QStringLiteral("Nombre")}),
              QStringLiteral(" 3"));
    nodos.Add(NodoCon(QStringLiteral("GRUPOS")), QStringLiteral(" 4"));
    return nodos;
}

TEST(BuscarNodo, FindsTheFirstCaptionIgnoringCase)
{
    const ColeccionNodos nodos = Nodos();
    EXPECT_EQ(BuscarNodo(nodos, QStringLiteral("grupos")), 2);
    EXPECT_EQ(BuscarNodo(nodos, QStringLiteral("Empresas")), 3);
    EXPECT_EQ(BuscarNodo(nodos, QStringLiteral("Bancos")), 0);
    EXPECT_EQ(BuscarNodo(ColeccionNodos(), QStringLiteral("Grupos")), 0);
}

TEST(BuscarCampo, FindsTheColumnOfTheNodeAtAPosition)
{
    const ColeccionNodos nodos = Nodos();
    EXPECT_EQ(BuscarCampo(nodos, 3, QStringLiteral("grupo")), 1);
    EXPECT_EQ(BuscarCampo(nodos, 3, QStringLiteral("NOMBRE")), 2);
    EXPECT_EQ(BuscarCampo(nodos, 3, QStringLiteral("Año")), 0);
    EXPECT_EQ(BuscarCampo(nodos, 1, QStringLiteral("Grupo")), 0);
    EXPECT_THROW(BuscarCampo(nodos, 0, QStringLiteral("Grupo")), vb::VbError);
    EXPECT_THROW(BuscarCampo(nodos, 5, QStringLiteral("Grupo")), vb::VbError);
}

class PadreDeNivel2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        base.Nodo(1, QStringLiteral("Raíz"), 1, 0, 1);
        base.Nodo(2, QStringLiteral("Contabilidad"), 2, 1, 1);
        base.Nodo(3, QStringLiteral("Empresas"), 3, 2, 1);
        base.Nodo(4, QStringLiteral("Plan"), 4, 3, 1);
        base.Nodo(5, QStringLiteral("Balance"), 5, 4, 1);
        base.Nodo(6, QStringLiteral("Suelto"), 3, 77, 1);  // parent without a row
        base.Nodo(7, QStringLiteral("A"), 4, 8, 1);        // 7 and 8 form a cycle
        base.Nodo(8, QStringLiteral("B"), 4, 7, 1);
        ui::SetErrorReporter([this](const QString& p, const QString& m, const QString& proyecto) {
            informes << (p + QLatin1Char('|') + m + QLatin1Char('|') + proyecto);
        });
    }

    BaseNodosPrueba base;
    QStringList informes;
};

TEST_F(PadreDeNivel2, GivesTheCaptionOfTheLevel2Ancestor)
{
    const QString titulo = QStringLiteral("Norvia Parvanta 2000");
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 1, titulo), "");
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 2, titulo), "");
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 3, titulo), "Contabilidad");
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 5, titulo), "Contabilidad");
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 6, titulo), "");
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(PadreDeNivel2, EndsOnACycleWithoutReporting)
{
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 7, QStringLiteral("T")), "");
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(PadreDeNivel2, ReportsANodeWithoutRowAndGivesEmptyText)
{
    EXPECT_EQ(ComprobarPadreDeNivel2(base.con(), 99, QStringLiteral("Norvia Parvanta 2000")), "");
    EXPECT_EQ(informes, QStringList {QStringLiteral("ComprobarPadreDeNivel2()|frmPrincipal|Norvia Parvanta 2000")});
    EXPECT_NE(vb::Err().Number, 0);
}

} // namespace
