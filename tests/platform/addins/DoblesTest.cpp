#include "CarpetaProgramaPrueba.h"

#include "addin_doubles/DobleBancos.h"
#include "addin_doubles/DobleContabilidad.h"
#include "addin_doubles/DobleGestPar.h"
#include "addin_doubles/DobleInformesContabilidad.h"
#include "addin_doubles/DobleMensajeria.h"
#include "addin_doubles/DobleVodidazaz.h"
#include "addin_doubles/RegistroDoble.h"
#include "platform/addins/ContabilidadPassword.h"
#include "platform/addins/HostComplementos.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/VbError.h"
#include "core/cConfigContabilidad.h"
#include "support/QtPrinters.h"

namespace addinstest {
namespace {

using dobles::Id;

class DoblesTest : public ::testing::Test {
protected:
    db::Connection conLocal;
    db::Connection conContabilidad;
    db::Connection conInformes;
    PVAPI::cInfoConfiguracion config;
    cConfigContabilidad configContab;
};

TEST_F(DoblesTest, RecordEveryCallInOrderWithValuesAndObjectIdentities)
{
    dobles::DobleVodidazaz vodidazaz;
    qint32 id = 12;

    vodidazaz.NuevoDonante(conLocal, conContabilidad, 3, config);
    vodidazaz.EditaPresentador(conLocal, id, config);
    vodidazaz.SelInfRemesas(conLocal, conInformes, config);

    const dobles::GrabadoraLlamadas& g = vodidazaz.Grabadora();
    EXPECT_EQ(g.Miembros(), (QStringList {"NuevoDonante", "EditaPresentador", "SelInfRemesas"}));
    EXPECT_EQ(g.Ultima("NuevoDonante").argumentos,
              (QVariantList {Id(&conLocal), Id(&conContabilidad), qlonglong(3), Id(&config)}));
    EXPECT_EQ(g.Ultima("EditaPresentador").argumentos, (QVariantList {Id(&conLocal), qlonglong(12), Id(&config)}));
    EXPECT_EQ(g.Veces("SelInfRemesas"), 1);
    EXPECT_EQ(g.Veces("GenerarRemesa"), 0);
    EXPECT_TRUE(g.Ultima("GenerarRemesa").miembro.isEmpty());
}

TEST_F(DoblesTest, TextsAndFlagsAreRecordedByValue)
{
    dobles::DobleGestPar gestPar;
    QString descripcion = QStringLiteral("LibrosBautismo");
    bool tramita = true, envia = false, antes = false;

    gestPar.nuevolibro(conLocal, config, descripcion);
    gestPar.InformeExpedienteFormato3(conLocal, conInformes, "8", tramita, envia, antes);

    EXPECT_EQ(gestPar.Grabadora().Ultima("nuevolibro").argumentos.at(2), QVariant("LibrosBautismo"));
    EXPECT_EQ(gestPar.Grabadora().Ultima("InformeExpedienteFormato3").argumentos.mid(2),
              (QVariantList {"8", true, false, false}));
}

TEST_F(DoblesTest, ConfiguredOutputsReachTheCallersVariables)
{
    dobles::DobleContabilidad contabilidad;
    auto& g = contabilidad.Grabadora();
    g.FijarSalida("AsistenteExportar", 2, true);
    g.FijarSalida("NuevaEmpresa", 2, 9);
    bool cancelar = false;
    qint32 nueva = 0;
    bool eliminada = false;
    qint32 id = 4;

    contabilidad.AsistenteExportar(configContab, conContabilidad, cancelar);
    contabilidad.NuevaEmpresa(configContab, conContabilidad, nueva);
    contabilidad.EliminaEmpresa(configContab, conContabilidad, id, eliminada);

    EXPECT_TRUE(cancelar);
    EXPECT_EQ(nueva, 9);
    EXPECT_FALSE(eliminada) << "an output nobody configured stays as it came";
}

TEST_F(DoblesTest, ConfiguredResultsAreReturned)
{
    dobles::DobleVodidazaz vodidazaz;
    vodidazaz.Grabadora().FijarResultado("GenerarReciboCaja", QVariant::fromValue(addins::ColeccionRecibos {4, 5}));
    vodidazaz.Grabadora().FijarResultado("DatosSetup", false);
    dobles::DobleGestPar gestPar;
    gestPar.Grabadora().FijarResultado("selecencargado", QStringLiteral("D. Juan"));
    gestPar.Grabadora().FijarSalida("selecencargado", 3, QStringLiteral("Párroco"));
    qint32 id = 1;
    QString cargo;

    EXPECT_EQ(vodidazaz.GenerarReciboCaja(conLocal, conContabilidad, config), (addins::ColeccionRecibos {4, 5}));
    EXPECT_FALSE(vodidazaz.DatosSetup(conLocal, config));
    EXPECT_EQ(gestPar.selecencargado(conLocal, "Bautismo", id, cargo), QStringLiteral("D. Juan"));
    EXPECT_EQ(cargo, QStringLiteral("Párroco"));
}

TEST_F(DoblesTest, UnconfiguredResultsAreThoseOfACooperativeAddinAtStartUpAndEmptyOtherwise)
{
    dobles::DobleVodidazaz vodidazaz;
    dobles::DobleGestPar gestPar;
    dobles::DobleContabilidad contabilidad;
    qint32 empresa = 1;
    QList<QLabel*> etiquetas;
    addins::ColeccionTrasvase c[10];
    addins::ColeccionInstituciones instituciones;

    EXPECT_TRUE(vodidazaz.DatosSetup(conLocal, config));
    EXPECT_TRUE(gestPar.DatosSetup(conLocal));
    EXPECT_EQ(contabilidad.ObtenerPasswordContabilidad("TUREL"), PasswordContabilidad());
    EXPECT_FALSE(contabilidad.CerrarEjercicio(configContab, conContabilidad, empresa));
    EXPECT_TRUE(vodidazaz.ImprimirRecibosCaja(conLocal, config).isEmpty());
    EXPECT_EQ(vodidazaz.ImportarDuzediv1(conLocal, "/tmp", 0, etiquetas, nullptr, c[0], c[1], c[2], c[3], c[4], c[5],
                                         c[6], c[7], c[8], instituciones, c[9], config),
              QString());
}

TEST_F(DoblesTest, ActionRunsInsideTheRecordedCallAndMayFailIt)
{
    dobles::DobleBancos bancos;
    QVariantList argumentosVistos;
    bancos.Grabadora().FijarAccion("NuevoBanco", [&](const dobles::GrabadoraLlamadas::Llamada& llamada) {
        argumentosVistos = llamada.argumentos;
        throw vb::VbError(3022, QStringLiteral("Clave duplicada"));
    });

    EXPECT_THROW(bancos.NuevoBanco(conLocal, "Norvia Parvanta 2000"), vb::VbError);

    EXPECT_EQ(bancos.Grabadora().Veces("NuevoBanco"), 1);
    EXPECT_EQ(argumentosVistos, (QVariantList {Id(&conLocal), "Norvia Parvanta 2000"}));
}

TEST_F(DoblesTest, ForgettingCallsKeepsTheAnswers)
{
    dobles::DobleMensajeria mensajeria;
    mensajeria.Grabadora().FijarSalida("ImportarMensaje", 1, 9);
    qint16 operacion = 2;
    mensajeria.ImportarMensaje(conLocal, operacion);

    mensajeria.Grabadora().OlvidarLlamadas();
    operacion = 2;
    mensajeria.ImportarMensaje(conLocal, operacion);

    EXPECT_EQ(mensajeria.Grabadora().Miembros(), QStringList {"ImportarMensaje"});
    EXPECT_EQ(operacion, 9);
}

// Registration by class name: the program's "create a new object" gets the
// double, and every double made shares the recorder.
template <class Doble>
class RegistroDobleTest : public CarpetaProgramaPrueba {};

using TodosLosDobles = ::testing::Types<dobles::DobleVodidazaz, dobles::DobleGestPar, dobles::DobleMensajeria,
                                        dobles::DobleBancos, dobles::DobleContabilidad,
                                        dobles::DobleInformesContabilidad>;
TYPED_TEST_SUITE(RegistroDobleTest, TodosLosDobles);

TYPED_TEST(RegistroDobleTest, ClassNameMakesNewDoublesSharingOneRecorderWhileRegistered)
{
    const QString clase = QString::fromLatin1(TypeParam::NombreClase);
    {
        dobles::RegistroDoble<TypeParam> registro;
        auto primero = addins::CrearObjeto<addins::Complemento>(clase);
        auto segundo = addins::CrearObjeto<addins::Complemento>(clase.toUpper());
        auto* doble = dynamic_cast<TypeParam*>(primero.get());

        ASSERT_NE(doble, nullptr);
        EXPECT_NE(primero.get(), segundo.get());
        EXPECT_EQ(&doble->Grabadora(), &registro.Grabadora());
        EXPECT_EQ(registro.Grabadora().ObjetosCreados(), 2);
    }
    EXPECT_THROW(addins::CrearObjeto<addins::Complemento>(clase), vb::VbError) << "no library installed";
}

} // namespace
} // namespace addinstest
