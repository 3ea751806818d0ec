// The accounting tools: the guard of a selected company, the add-in object
// each makes by class name, the year close and reopen with the link handed
// over and the next company offered, and the reloads that follow.

#include "mainwindow/HerramientasContabilidad.h"

#include "addin_doubles/MockContabilidad.h"
#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "core/EstadoPrincipal.h"
#include "core/denDuzediv.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cCOrigen.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "support/ErrorNumber.h"
#include "support/TestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::_;
using ::testing::Eq;
using ::testing::InvokeWithoutArgs;
using ::testing::Return;
using ::testing::StrictMock;
using dobles::MockContabilidad;
using dobles::MockVodidazaz;
using dobles::RegistroMock;

class HerramientasContabilidadTest : public ::testing::Test {
public:
    HerramientasContabilidadTest()
    {
        den.conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
        den.conContabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
        // Company 12 and a later one of another workstation (30).
        Empresa(12, 0);
        Empresa(30, 0);
    }

    void Empresa(qint32 id, qint32 siguiente, bool cerrada = false)
    {
        den.conContabilidad.Exec(QStringLiteral("INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, AñoEjercicio, "
                                                "EjercicioCerrado, CodEmpresaSiguiente) VALUES (?, 'E', 'PAR', 2001, ?, ?)"),
                                 {db::Value(id), db::Value(cerrada), db::Value(siguiente)});
    }
    void Cerrada(qint32 id, bool cerrada, qint32 siguiente)
    {
        den.conContabilidad.Exec(
            QStringLiteral("UPDATE Empresa SET EjercicioCerrado = ?, CodEmpresaSiguiente = ? WHERE IDEmpresa = ?"),
            {db::Value(cerrada), db::Value(siguiente), db::Value(id)});
    }
    void EnlazarInstitucion(qint32 empresa)
    {
        den.conLocal.Exec(QStringLiteral("INSERT INTO Contab_Enlace_Institucion (CodInstitucion, CodEmpresa) VALUES (1, ?)"),
                          {db::Value(empresa)});
    }

    HerramientasContabilidad Herramientas()
    {
        return HerramientasContabilidad({estado, den, info, nullptr, &vodidazaz, [this] { ++recargas; },
                                         [this] { actualizadas << estado.mlngCodEmpresaSeleccionada; },
                                         [this] { estado.mlngCodEmpresaSeleccionada = 0; }});
    }

    TempProgramFolder carpeta;
    denDuzediv den;
    EstadoPrincipal estado;
    PVAPI::cInfoConfiguracion info;
    StrictMock<MockVodidazaz> vodidazaz;
    int recargas = 0;
    QList<qint32> actualizadas;
};

TEST_F(HerramientasContabilidadTest, WithoutACompanyTheCompanyToolsDoNothing)
{
    RegistroMock<StrictMock<MockContabilidad>> contabilidad;
    HerramientasContabilidad h = Herramientas();
    h.CambiarEnlace();
    h.CerrarAbrirEjercicio();
    h.RecalcularTotales();
    h.Renumerar();
    h.SustituirSubcuenta();
    EXPECT_EQ(contabilidad.ObjetosCreados(), 0);
    EXPECT_EQ(recargas, 0);
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

// Closing 12 makes company 13 and chains it; the link goes to 13 and the
// user is offered 13, never the highest id (30, another workstation's).
TEST_F(HerramientasContabilidadTest, ClosingTheYearHandsTheLinkOnAndOffersTheNextCompany)
{
    EnlazarInstitucion(12);
    RegistroMock<StrictMock<MockContabilidad>> contabilidad([this](MockContabilidad& m) {
        EXPECT_CALL(m, CerrarEjercicio(_, _, Eq(12))).WillOnce(InvokeWithoutArgs([this] {
            Empresa(13, 0);
            Cerrada(12, true, 13);
            return true;
        }));
    });
    EXPECT_CALL(vodidazaz, TraspasaEnlace(_, _, Eq(12), Eq(13), Eq(PVAPI::cCOrigen::CIERRE_EJERCICIO), _));
    estado.mlngCodEmpresaSeleccionada = 12;
    testsupport::scriptedUi().queueAnswer(ui::vbYes);

    Herramientas().CerrarAbrirEjercicio();

    EXPECT_EQ(recargas, 1);
    EXPECT_TRUE(estado.mblnEjercicioCerrado);
    EXPECT_EQ(estado.mlngCodEmpresaSeleccionada, 13);
    EXPECT_EQ(actualizadas, QList<qint32>{13});
    ASSERT_EQ(testsupport::scriptedUi().messages().size(), 1);
    EXPECT_EQ(testsupport::scriptedUi().messages().at(0).text, QStringLiteral("¿Desea seleccionar la nueva empresa?"));
    EXPECT_FALSE(den.conContabilidad.InTransaction()) << "nothing left open";
}

// Reopening 12, closed into 13, brings back the link the close handed to
// 13; a close the add-in did not carry out changes nothing.
TEST_F(HerramientasContabilidadTest, ReopeningBringsTheLinkBackAndARefusedCloseChangesNothing)
{
    Empresa(13, 0);
    Cerrada(12, true, 13);
    EnlazarInstitucion(13);
    estado.mlngCodEmpresaSeleccionada = 12;
    estado.mblnEjercicioCerrado = true;
    RegistroMock<StrictMock<MockContabilidad>> contabilidad([this](MockContabilidad& m) {
        EXPECT_CALL(m, AbrirEjercicio(_, _, Eq(12))).WillOnce(InvokeWithoutArgs([this] {
            Cerrada(12, false, 13);
            return true;
        }));
    });
    EXPECT_CALL(vodidazaz, TraspasaEnlace(_, _, Eq(13), Eq(12), Eq(PVAPI::cCOrigen::CIERRE_EJERCICIO), _));
    Herramientas().CerrarAbrirEjercicio();
    EXPECT_FALSE(estado.mblnEjercicioCerrado);
    EXPECT_EQ(recargas, 1);

    RegistroMock<StrictMock<MockContabilidad>> rechazo(
        [](MockContabilidad& m) { EXPECT_CALL(m, CerrarEjercicio(_, _, _)).WillOnce(Return(false)); });
    Herramientas().CerrarAbrirEjercicio();
    EXPECT_FALSE(estado.mblnEjercicioCerrado);
    EXPECT_EQ(recargas, 1);
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

TEST_F(HerramientasContabilidadTest, ReloadsFollowTheAddInsAnswers)
{
    estado.mlngCodEmpresaSeleccionada = 12;
    RegistroMock<StrictMock<MockContabilidad>> contabilidad([](MockContabilidad& m) {
        EXPECT_CALL(m, RecalcularTotales(_, _, Eq(12))).WillRepeatedly(Return(false));
        EXPECT_CALL(m, RenumerarAsientos(_, _, Eq(12))).Times(::testing::AnyNumber());
        EXPECT_CALL(m, MoverSubctaDiario(_, _, Eq(12))).Times(::testing::AnyNumber());
        EXPECT_CALL(m, ConsolidarEmpresas(_, _, _))
            .Times(::testing::AnyNumber())
            .WillRepeatedly(::testing::SetArgReferee<2>(true));
    });
    HerramientasContabilidad h = Herramientas();
    h.RecalcularTotales();
    h.SustituirSubcuenta();
    h.Consolidar();
    EXPECT_EQ(recargas, 0) << "totals not recalculated, a replacement, a cancelled consolidation";
    h.Renumerar();
    EXPECT_EQ(recargas, 1);
}

// A selected company deleted on another workstation is told and cleared,
// never read nor handed to the add-in, by every tool that needs a company.
TEST_F(HerramientasContabilidadTest, ACompanyWhoseRowIsGoneIsToldAndCleared)
{
    RegistroMock<StrictMock<MockContabilidad>> contabilidad;
    const std::pair<const char*, void (HerramientasContabilidad::*)()> kHerramientas[] = {
        {"CambiarEnlace", &HerramientasContabilidad::CambiarEnlace},
        {"CerrarAbrirEjercicio", &HerramientasContabilidad::CerrarAbrirEjercicio},
        {"RecalcularTotales", &HerramientasContabilidad::RecalcularTotales},
        {"Renumerar", &HerramientasContabilidad::Renumerar},
        {"SustituirSubcuenta", &HerramientasContabilidad::SustituirSubcuenta},
    };
    for (const auto& [nombre, herramienta] : kHerramientas) {
        SCOPED_TRACE(nombre);
        estado.mlngCodEmpresaSeleccionada = 77;
        recargas = 0;
        HerramientasContabilidad h = Herramientas();
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { (h.*herramienta)(); }), 3021);
        EXPECT_EQ(estado.mlngCodEmpresaSeleccionada, 0);
        EXPECT_EQ(recargas, 1) << "the list of the company gone is read again";
    }
}

} // namespace
