#include "dialogs/cIListas.h"

#include "platform/pvapi/ListaControl.h"
#include "platform/ui/UiConstants.h"
#include "support/TempDatabase.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using testsupport::scriptedUi;

class cIListasTest : public testsupport::TempDatabaseTest {
protected:
    cIListasTest()
    {
        exec({"CREATE TABLE Padron (IDPadron LONG, Nombre TEXT(40), PrimerApellido TEXT(40), SegundoApellido TEXT(40))",
              "CREATE TABLE Padron_TipoPersona (CodPadron LONG, CodTipoPersona LONG)",
              "CREATE TABLE Remesa (IDRemesa LONG, Fecha TEXT(8))",
              "INSERT INTO Padron VALUES (1, 'Ana', 'Ruiz', 'Gil')",
              "INSERT INTO Padron VALUES (2, 'Luis', 'Abad', NULL)",
              "INSERT INTO Padron VALUES (3, 'Eva', 'Mora', 'Paz')",
              "INSERT INTO Padron VALUES (4, 'Pío', 'Castro', 'Ávila')",
              "INSERT INTO Padron_TipoPersona VALUES (1, 1)",
              "INSERT INTO Padron_TipoPersona VALUES (2, 1)",
              "INSERT INTO Padron_TipoPersona VALUES (3, 2)",
              "INSERT INTO Padron_TipoPersona VALUES (4, 1)",
              "INSERT INTO Remesa VALUES (7, '20240301')",
              "INSERT INTO Remesa VALUES (8, '20231231')",
              "INSERT INTO Remesa VALUES (9, '20240231')"});
    }

    static QStringList Lineas(const PVAPI::ListaControl& lista)
    {
        QStringList lineas;
        for (int i = 0; i < lista.ListCount(); ++i)
            lineas << QStringLiteral("%1=%2").arg(lista.List(i)).arg(lista.ItemData(i));
        return lineas;
    }

    cIListas listas;
    PVAPI::ListaControl lista;
};

TEST_F(cIListasTest, DonantesPorApellidos)
{
    listas.fillPersonas(con, lista, 4);
    EXPECT_EQ(Lineas(lista), (QStringList {"Abad , Luis=2", "Castro Ávila, Pío=4", "Ruiz Gil, Ana=1"}));
    EXPECT_EQ(lista.ListIndex(), 1);
}

TEST_F(cIListasTest, RemesasPorFechaSinLasFechasImposibles)
{
    listas.fillRemesas(con, lista, 7);
    EXPECT_EQ(Lineas(lista), (QStringList {"31/12/2023=8", "01/03/2024=7"}));
    EXPECT_EQ(lista.ListIndex(), 1);
}

TEST_F(cIListasTest, QueLineaQuedaElegida)
{
    // 0 leaves none; an id not listed keeps the current line.
    listas.fillPersonas(con, lista, 0);
    EXPECT_EQ(lista.ListIndex(), -1);
    lista.setListIndex(2);
    listas.fillRemesas(con, lista, 99);
    EXPECT_EQ(lista.ListIndex(), 2);
    // Lines are appended; the first line carrying the id wins.
    listas.fillPersonas(con, lista, 1);
    EXPECT_EQ(lista.ListCount(), 8);
    EXPECT_EQ(lista.ListIndex(), 2);
}

TEST_F(cIListasTest, UnaConsultaFallidaSeAvisaYNoAnadeNada)
{
    exec({"DROP TABLE Remesa"});
    lista.AddItem(QStringLiteral("previa"));
    scriptedUi().queueAnswer(ui::vbOK);
    listas.fillRemesas(con, lista, 1);
    EXPECT_EQ(lista.ListCount(), 1);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("fillRemesas()")))
        << scriptedUi().lastMessage().text.toStdString();
}

TEST_F(cIListasTest, SelTextEligeTodoElTexto)
{
    QLineEdit caja(QStringLiteral("margen"));
    listas.SelText(caja);
    EXPECT_EQ(caja.selectedText(), "margen");
    QLineEdit vacia;
    listas.SelText(vacia);
    EXPECT_EQ(vacia.selectionStart(), -1);
    EXPECT_TRUE(vacia.selectedText().isEmpty());
}

} // namespace
