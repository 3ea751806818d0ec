#include "core/cConstante.h"
#include "reports/TablaInformes.h"

#include <gtest/gtest.h>

using namespace informes;

namespace {

struct CasoBoton {
    const char* caption;
    const char* boton0;
    bool todos;
    bool seleccionar;
};

class TablaBotones : public ::testing::TestWithParam<CasoBoton> {};

TEST_P(TablaBotones, ANodeClickGivesTheCaptionAndStatesOfItsRow)
{
    const CasoBoton c = GetParam();
    const QList<FilaInforme> tabla = TablaInformes(cConstante().nodo());
    const QString caption = QString::fromUtf8(c.caption);
    EXPECT_EQ(CaptionBoton0(tabla, caption).toStdString(), c.boton0);
    const FilaInforme* fila = BuscarFila(tabla, caption);
    ASSERT_NE(fila, nullptr);
    EXPECT_EQ(fila->habilitaTodos, c.todos);
    EXPECT_EQ(fila->habilitaSeleccionar, c.seleccionar);
}

INSTANTIATE_TEST_SUITE_P(
    Informes, TablaBotones,
    ::testing::Values(CasoBoton{"Libro diario", "Aceptar", true, false},
                      CasoBoton{"Libros de IVA (facturas recibidas)", "Aceptar", true, false},
                      CasoBoton{"Remesas", "Todos", true, true}, CasoBoton{"Etiquetas", "Todos", true, true},
                      CasoBoton{"Duplicadas de matrimonio", "Aceptar", true, false},
                      CasoBoton{"Expediente matrimonial (formato 3)", "Aceptar", true, false},
                      CasoBoton{"Tareas de la agenda", "Todos", true, true},
                      CasoBoton{"Colaboradores (extendido)", "Todos", true, true},
                      CasoBoton{"Plantillas", "Aceptar", false, false},
                      CasoBoton{"Gestión Parroquial", "Aceptar", false, false},
                      CasoBoton{"Contabilidad", "Todos", false, false},
                      CasoBoton{"Informes y documentos", "Todos", false, false}));

TEST(TablaInformes, HoldsFortyOneReportsAndSevenFoldersInChainOrder)
{
    const QList<FilaInforme> tabla = TablaInformes(cConstante().nodo());
    int todos = 0;
    QList<int> seleccionar;
    for (const FilaInforme& f : tabla) {
        if (f.lugarTodos != 0) {
            EXPECT_EQ(f.lugarTodos, ++todos) << f.caption.toStdString();
        }
        if (f.lugarSeleccionar != 0)
            seleccionar << f.lugarSeleccionar;
    }
    EXPECT_EQ(todos, 41);
    EXPECT_EQ(tabla.size(), 48);
    std::sort(seleccionar.begin(), seleccionar.end());
    QList<int> esperado;
    for (int i = 1; i <= 13; ++i)
        esperado << i;
    EXPECT_EQ(seleccionar, esperado);
    EXPECT_EQ(BuscarFila(tabla, QStringLiteral("Tareas de la agenda"))->lugarSeleccionar, 1);
    EXPECT_EQ(BuscarFila(tabla, QStringLiteral("Certificado-Recibos"))->lugarSeleccionar, 2);
}

TEST(TablaInformes, AnUnknownOrDifferentlyCasedCaptionHasNoRowAndReadsTodos)
{
    const QList<FilaInforme> tabla = TablaInformes(cConstante().nodo());
    EXPECT_EQ(BuscarFila(tabla, QStringLiteral("libro diario")), nullptr);
    EXPECT_EQ(CaptionBoton0(tabla, QStringLiteral("libro diario")), QStringLiteral("Todos"));
    EXPECT_EQ(CaptionBoton0(tabla, QString()), QStringLiteral("Todos"));
}

} // namespace
