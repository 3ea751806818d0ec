// Clicking through every node of the seeded tree, on an empty database and on
// one with a few thousand rows in every table: each list node shows its
// columns and a page of its rows, and nothing raises or shows a message.

#include "DatosListas.h"
#include "ListaFixture.h"

#include "platform/widgets/NvList.h"
#include "recordlist/ConsultaPaginada.h"
#include "schema/Estructura.h"
#include "support/TestEnvironment.h"

namespace {

class RecorridoNodos : public ListaFixture {
protected:
    // Clicks every node in model order with a company selected (so that the
    // accounting lists show) and checks the list of each node that has one.
    void Recorrer(bool conDatos)
    {
        mlngCodEmpresaSeleccionada = 1;
        int listas = 0;
        int conFilas = 0;
        for (const auto& nodo : gcolNodo) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(nodo->IDNodo()).arg(nodo->Nombre()).toStdString());
            Clic(nodo->IDNodo());
            EXPECT_EQ(mlngIDNodo, nodo->IDNodo());
            if (!ventana.PanelVisible(PanelPrincipal::msgPrincipal) || nodo->colCampo().Count() == 0)
                continue;
            // The click passes over failures: run the reload again to see them.
            EXPECT_NO_THROW(lista->mnuVerActualizarLista_Click());
            ASSERT_EQ(ventana.lista.ColumnCount(), nodo->colCampo().Count());
            for (int i = 0; i < ventana.lista.ColumnCount(); ++i)
                EXPECT_EQ(ventana.lista.ColumnCaption(i), nodo->colCampo().Item(i + 1)->Nombre());
            if (nodo->SQLSelect().trimmed().isEmpty())
                continue;
            ++listas;
            db::Connection& con = nodo->PadreDeNivel2() == u"Contabilidad" ? conContabilidad : conLocal;
            const long total = ConsultaPaginada(con, nodo->SQLSelect()).RecordCount();
            EXPECT_EQ(ventana.lista.RowCount(), qMin<long>(total, gintNRegMax));
            if (total == 0)
                EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("No hay registros"));
            else
                EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: %1").arg(qMin<long>(total, 24)));
            conFilas += total > 0 ? 1 : 0;
        }
        EXPECT_GE(listas, 25);
        // The generic rows meet the joins of most lists (the trays look for
        // node names no generic text has).
        EXPECT_GE(conFilas, conDatos ? 20 : 0);
        EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
    }
};

TEST_F(RecorridoNodos, EmptyDatabase)
{
    Recorrer(false);
}

TEST_F(RecorridoNodos, DatabaseWithAFewThousandRows)
{
    EXPECT_EQ(LlenarTablas(conLocal, EsquemaDuzediv(), 2000), QStringList());
    EXPECT_EQ(LlenarTablas(conContabilidad, EsquemaContabilidad(), 2000), QStringList());
    Recorrer(true);
}

} // namespace
