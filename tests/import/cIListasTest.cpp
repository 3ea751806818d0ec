#include "TempProgramFolder.h"

#include "platform/pvapi/ListaControl.h"
#include "platform/pvapi/cIListas.h"
#include "platform/vb/VbError.h"

#include <gtest/gtest.h>

// Provinces and towns by name, ids as item data, the given one current.
TEST(cIListas, ProvinciasYMunicipios)
{
    TempProgramFolder carpeta;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    con.Exec(QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (4, 'Ávila'), (9, 'Burgos'), "
                            "(2, 'Zamora')"));
    con.Exec(QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (30, 'Miranda', 9), "
                            "(31, 'Aranda', 9), (32, 'Toro', 2)"));
    PVAPI::cIListas listas;
    PVAPI::ListaControl lista;
    listas.fillProvincias(con, lista, 9, false);
    ASSERT_EQ(lista.ListCount(), 3);
    EXPECT_EQ(lista.List(0), QStringLiteral("Ávila"));
    EXPECT_EQ(lista.ItemData(0), 4);
    EXPECT_EQ(lista.Text(), QStringLiteral("Burgos"));

    listas.fillMunicipios(con, lista, 9, 30, false);
    ASSERT_EQ(lista.ListCount(), 2);
    EXPECT_EQ(lista.List(0), QStringLiteral("Aranda"));
    EXPECT_EQ(lista.ItemData(1), 30);
    EXPECT_EQ(lista.ListIndex(), 1);
    listas.fillMunicipios(con, lista, 9, 0, false);
    EXPECT_EQ(lista.ListIndex(), -1);
    listas.fillMunicipios(con, lista, 9, 32, false);
    EXPECT_EQ(lista.ListIndex(), -1) << "una población de otra provincia";

    try {
        lista.setListIndex(2);
        FAIL();
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.number(), 380);
    }
}
