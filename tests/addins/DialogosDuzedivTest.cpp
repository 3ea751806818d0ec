#include "ColaDialogos.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/CalculaCCC.h"
#include "platform/pvapi/DialogoInstitucionRegistros.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/widgets/DialogoRegistroDetalle.h"
#include "schema/Estructura.h"
#include "support/TempDatabase.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace addinstest {
namespace {

using testsupport::scriptedUi;
using widgets::DialogoRegistro;

// The institution, town and province dialogs of the component library on a
// parish database with a town, its province, a bank branch and a donation type.
class DialogosDuzedivTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CrearEstructuraDuzediv(base.con);
        base.exec({"INSERT INTO Provincia (Nombre) VALUES ('Burgos')",
                   "INSERT INTO Municipio (Nombre, CodProvincia) VALUES ('Aranda de Duero', 1)",
                   "INSERT INTO Banco (Codigo, Nombre) VALUES ('2100', 'Banco de Prueba')",
                   "INSERT INTO Sucursal (CodBanco, Codigo) VALUES (1, '0418')",
                   "INSERT INTO Tipo_Donativo (Descripcion) VALUES ('Cuota mensual')"});
    }

    testsupport::TempDatabase base;
    PVAPI::DialogoInstitucionRegistros registros;
    PVAPI::cInfoConfiguracion config;
    ColaDialogos dialogos;
};

TEST_F(DialogosDuzedivTest, ANewInstitutionKeepsItsFullNameAndItsBankAccount)
{
    dialogos.Aceptar([this](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("InstitucionTipo"), QStringLiteral("Parroquia"));
        d.Rellenar(QStringLiteral("InstitucionNombre"), QStringLiteral("San Juan Bautista"));
        d.Rellenar(QStringLiteral("CodMunicipio"), QStringLiteral("Aranda de Duero (Burgos)"));
        d.Rellenar(QStringLiteral("Parroco"), QStringLiteral("D. Tomás Pérez"));
        dialogos.Aceptar([](DialogoRegistro& cuenta) {
            cuenta.Rellenar(QStringLiteral("CodTipoDonativo"), QStringLiteral("Cuota mensual"));
            cuenta.Rellenar(QStringLiteral("CodSucursal"), QStringLiteral("2100-0418  Banco de Prueba"));
            cuenta.Rellenar(QStringLiteral("NumCuenta"), QStringLiteral("0200051332"));
        });
        d.Detalle(0)->Nuevo();
    });

    registros.NuevaInstitucion(base.con, config);

    EXPECT_EQ(base.column(QStringLiteral("SELECT Nombre & '|' & CodMunicipio & '|' & Sufijo & '|' & Parroco FROM Institucion")),
              QStringList{QStringLiteral("Parroquia San Juan Bautista|1|000|D. Tomás Pérez")});
    EXPECT_EQ(base.column(QStringLiteral("SELECT CodInstitucion & '|' & CodTipoDonativo & '|' & NumCuenta & '|' & DC "
                                         "FROM Institucion_TipoDonativo_Cuenta, Cuenta WHERE CodCuenta = IDCuenta "
                                         "AND CodSucursal = 1")),
              QStringList{QStringLiteral("1|1|0200051332|") + PVAPI::CalculaCCC("2100", "0418", "0200051332").value()});
}

TEST_F(DialogosDuzedivTest, AnAccountNumberWithOtherThanDigitsIsRefusedInsideTheInstitution)
{
    base.exec({"INSERT INTO Institucion (Nombre, InstitucionNombre) VALUES ('Parroquia', 'Parroquia')"});
    dialogos.Anadir([this](QDialog& d) {
        auto& institucion = dynamic_cast<DialogoRegistro&>(d);
        institucion.show();
        dialogos.Aceptar([](DialogoRegistro& cuenta) {
            cuenta.Rellenar(QStringLiteral("CodTipoDonativo"), QStringLiteral("Cuota mensual"));
            cuenta.Rellenar(QStringLiteral("CodSucursal"), qint64(1));
            cuenta.Rellenar(QStringLiteral("NumCuenta"), QStringLiteral("12-45"));
        });
        institucion.Detalle(0)->Nuevo();
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_FALSE(institucion.Aceptar());
        EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡«Número de cuenta» sólo admite cifras!"));
        return int(QDialog::Rejected);
    });
    qint32 id = 1;

    registros.EditaInstitucion(base.con, id, config);

    EXPECT_EQ(base.scalar(QStringLiteral("SELECT COUNT(*) FROM Cuenta")).toInt64(), 0);
    EXPECT_EQ(base.scalar(QStringLiteral("SELECT COUNT(*) FROM Institucion_TipoDonativo_Cuenta")).toInt64(), 0);
}

struct Eliminacion {
    const char* descripcion;
    std::function<void(PVAPI::DialogoInstitucionRegistros&, db::Connection&)> eliminar;
    const char* preparar;
    const char* pregunta;
    int respuesta;
    const char* refusal; // "" when the row goes
    const char* quedan;  // the rows counted after
    qint64 cuantos;
};

class DialogosDuzedivEliminarTest : public DialogosDuzedivTest, public ::testing::WithParamInterface<Eliminacion> {};

TEST_P(DialogosDuzedivEliminarTest, AsksAndRefusesWhatIsStillReferredTo)
{
    const Eliminacion& caso = GetParam();
    if (*caso.preparar)
        base.exec({caso.preparar});
    scriptedUi().queueAnswer(caso.respuesta);
    if (*caso.refusal)
        scriptedUi().queueAnswer(ui::vbOK);

    caso.eliminar(registros, base.con);

    EXPECT_EQ(scriptedUi().messages().first().text, QString::fromUtf8(caso.pregunta));
    EXPECT_EQ(scriptedUi().messages().first().defaultButton, ui::vbDefaultButton2);
    if (*caso.refusal) {
        EXPECT_EQ(scriptedUi().lastMessage().text, QString::fromUtf8(caso.refusal));
    }
    EXPECT_EQ(base.scalar(QString::fromUtf8(caso.quedan)).toInt64(), caso.cuantos);
}

void EliminarMunicipio(PVAPI::DialogoInstitucionRegistros& r, db::Connection& con)
{
    qint32 id = 1;
    r.EliminaMunicipio(con, id);
}

void EliminarProvincia(PVAPI::DialogoInstitucionRegistros& r, db::Connection& con)
{
    qint32 id = 1;
    r.EliminaProvincia(con, id);
}

const Eliminacion kEliminaciones[] = {
    {"an unused town goes", EliminarMunicipio, "", "¿Desea eliminar el municipio seleccionado?", ui::vbYes, "",
     "SELECT COUNT(*) FROM Municipio", 0},
    {"answering No keeps it", EliminarMunicipio, "", "¿Desea eliminar el municipio seleccionado?", ui::vbNo, "",
     "SELECT COUNT(*) FROM Municipio", 1},
    {"a town in addresses stays", EliminarMunicipio,
     "INSERT INTO Padron (Nombre, PrimerApellido, CodMunicipio) VALUES ('Ana', 'Gil', 1)",
     "¿Desea eliminar el municipio seleccionado?", ui::vbYes,
     "¡El municipio «Aranda de Duero» no se puede eliminar: lo tienen en su dirección 1 persona!",
     "SELECT COUNT(*) FROM Municipio", 1},
    {"a town of an institution stays", EliminarMunicipio,
     "INSERT INTO Institucion (Nombre, CodMunicipio) VALUES ('Parroquia', 1)",
     "¿Desea eliminar el municipio seleccionado?", ui::vbYes,
     "¡El municipio «Aranda de Duero» no se puede eliminar: lo tienen en su dirección 1 institución!",
     "SELECT COUNT(*) FROM Municipio", 1},
    {"a province with towns stays", EliminarProvincia, "", "¿Desea eliminar la provincia seleccionada?", ui::vbYes,
     "¡La provincia «Burgos» no se puede eliminar: tiene 1 municipio!", "SELECT COUNT(*) FROM Provincia", 1},
    {"a province without towns goes", EliminarProvincia, "DELETE FROM Municipio",
     "¿Desea eliminar la provincia seleccionada?", ui::vbYes, "", "SELECT COUNT(*) FROM Provincia", 0},
};

INSTANTIATE_TEST_SUITE_P(Casos, DialogosDuzedivEliminarTest, ::testing::ValuesIn(kEliminaciones));

TEST_F(DialogosDuzedivTest, ATownGoneWhenItsDialogWouldOpenIsTold)
{
    base.exec({"DELETE FROM Municipio"});
    scriptedUi().queueAnswer(ui::vbOK);
    qint32 id = 1;

    registros.EditaMunicipio(base.con, id, config);

    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡El municipio ya no existe: otro puesto lo ha eliminado!"));
    EXPECT_EQ(dialogos.Abiertos(), 0);
}

TEST_F(DialogosDuzedivTest, NewTownAndProvinceAreWrittenWithTheirLink)
{
    dialogos.Aceptar([](DialogoRegistro& d) { d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Soria")); });
    registros.NuevaProvincia(base.con, config);
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Almazán"));
        d.Rellenar(QStringLiteral("CodProvincia"), QStringLiteral("soria"));
    });
    registros.NuevoMunicipio(base.con, config);

    EXPECT_EQ(base.column(QStringLiteral("SELECT Municipio.Nombre & '|' & Provincia.Nombre FROM Municipio, Provincia "
                                         "WHERE CodProvincia = IDProvincia ORDER BY Municipio.Nombre")),
              (QStringList{QStringLiteral("Almazán|Soria"), QStringLiteral("Aranda de Duero|Burgos")}));
}

} // namespace
} // namespace addinstest
