// Merging one town into another: every reference in every table that has
// one moves, the town goes, all in one transaction; the command asks, says
// what it did, and refuses a town chosen twice or gone meanwhile.

#include "EntornoMantenimiento.h"

#include "mantenimiento/FusionMunicipios.h"
#include "platform/locks/LockSession.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using testsupport::scriptedUi;

class FusionMunicipiosTest : public testsupport::TempDatabaseTest {
protected:
    FusionMunicipiosTest()
    {
        exec({"CREATE TABLE Provincia (IDProvincia COUNTER PRIMARY KEY, Nombre NVARCHAR(50))",
              "CREATE TABLE Municipio (IDMunicipio COUNTER PRIMARY KEY, Nombre NVARCHAR(50), CodProvincia INT)",
              "CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, Nombre NVARCHAR(40), CodMunicipio INT)",
              "CREATE TABLE Institucion (IDInstitucion COUNTER PRIMARY KEY, CodMunicipio INT)",
              "CREATE TABLE Sin (IDSin COUNTER PRIMARY KEY, Nombre NVARCHAR(40))",
              "INSERT INTO Provincia (Nombre) VALUES ('Burgos')",
              "INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Villalba', 1)",
              "INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Villalba de Duero', 1)",
              "INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Aranda', 1)",
              "INSERT INTO Padron (Nombre, CodMunicipio) VALUES ('Ana', 1)",
              "INSERT INTO Padron (Nombre, CodMunicipio) VALUES ('Luis', 2)",
              "INSERT INTO Padron (Nombre, CodMunicipio) VALUES ('Eva', 1)",
              "INSERT INTO Institucion (CodMunicipio) VALUES (1)",
              "INSERT INTO Institucion (CodMunicipio) VALUES (3)"});
    }

    ~FusionMunicipiosTest() override { PVAPI::LockSession::CloseAll(); }

    QStringList Referencias()
    {
        return column(QStringLiteral("SELECT CodMunicipio FROM Padron ORDER BY IDPadron"))
               + column(QStringLiteral("SELECT CodMunicipio FROM Institucion ORDER BY IDInstitucion"));
    }

    void Cambiar(qint32 origen, qint32 destino)
    {
        PVAPI::cDuzediv servicio;
        OpcionesMantenimiento opciones;
        auto dialogos = std::make_shared<DialogosRespondidos>();
        dialogos->municipios = IDialogosMantenimiento::EleccionMunicipios{origen, destino};
        opciones.dialogos = dialogos;
        cMantenimientoBD(servicio, opciones).CambiarMunicipios(con);
    }
};

TEST_F(FusionMunicipiosTest, TodasLasReferenciasPasanAlOtroYElMunicipioSeVa)
{
    EXPECT_EQ(TablasConMunicipio(con), (QStringList{QStringLiteral("Institucion"), QStringLiteral("Padron")}));
    EXPECT_EQ(FusionarMunicipios(con, 1, 2), 3);
    EXPECT_EQ(Referencias(), (QStringList{"2", "2", "2", "2", "3"}));
    EXPECT_EQ(column(QStringLiteral("SELECT IDMunicipio FROM Municipio ORDER BY IDMunicipio")), (QStringList{"2", "3"}));
}

TEST_F(FusionMunicipiosTest, UnMunicipioQueFaltaOElMismoNoCambianNada)
{
    for (const auto& [origen, destino] : {std::pair{1, 9}, std::pair{9, 1}, std::pair{2, 2}}) {
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { FusionarMunicipios(con, origen, destino); }), vb::ErrInvalidCall);
        EXPECT_EQ(Referencias(), (QStringList{"1", "2", "1", "1", "3"}));
        EXPECT_EQ(scalar(QStringLiteral("SELECT Count(*) FROM Municipio")).toInt64(), 3);
    }
}

TEST_F(FusionMunicipiosTest, LaOrdenPreguntaYDiceLoQueHizo)
{
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    Cambiar(1, 3);
    const QList<testsupport::ScriptedUi::Record> mensajes = scriptedUi().messages();
    ASSERT_EQ(mensajes.size(), 2);
    EXPECT_EQ(mensajes.at(0).text, QStringLiteral("¿Desea sustituir el municipio 'Villalba (Burgos)' por 'Aranda "
                                                  "(Burgos)' en todos los datos?\n\nEl municipio 'Villalba (Burgos)' "
                                                  "se eliminará."));
    EXPECT_EQ(mensajes.at(1).text, QStringLiteral("Se ha sustituido el municipio 'Villalba (Burgos)' por 'Aranda "
                                                  "(Burgos)' en 3 registros y se ha eliminado 'Villalba (Burgos)'."));
    EXPECT_EQ(Referencias(), (QStringList{"3", "2", "3", "3", "3"}));
}

TEST_F(FusionMunicipiosTest, RespuestasQueNoCambianNada)
{
    struct Caso {
        qint32 origen;
        qint32 destino;
        std::vector<int> respuestas;
        const char* ultimo;
    };
    const Caso casos[] = {
        {1, 1, {ui::vbOK}, "¡Debe elegir dos municipios distintos!"},
        {1, 2, {ui::vbNo}, "¿Desea sustituir"},
        {1, 7, {ui::vbOK}, "¡Uno de los municipios elegidos ya no existe!"},
    };
    for (const Caso& caso : casos) {
        scriptedUi().reset();
        for (int r : caso.respuestas)
            scriptedUi().queueAnswer(r);
        Cambiar(caso.origen, caso.destino);
        EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(QString::fromUtf8(caso.ultimo)));
        EXPECT_EQ(Referencias(), (QStringList{"1", "2", "1", "1", "3"}));
    }
}

} // namespace
