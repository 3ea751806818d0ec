#include "CarpetaProgramaPrueba.h"

#include "addin_doubles/MockBancos.h"
#include "addin_doubles/MockContabilidad.h"
#include "addin_doubles/MockGestPar.h"
#include "addin_doubles/MockInformesContabilidad.h"
#include "addin_doubles/MockMensajeria.h"
#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "core/cConfigContabilidad.h"
#include "platform/addins/ContabilidadPassword.h"
#include "platform/addins/HostComplementos.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/VbError.h"
#include "support/QtPrinters.h"

#include <QProgressBar>
#include <gtest/gtest-spi.h>

namespace addinstest {
namespace {

using ::testing::_;
using ::testing::NiceMock;
using ::testing::Return;

class DoblesTest : public ::testing::Test {
protected:
    db::Connection conLocal;
    db::Connection conContabilidad;
    PVAPI::cInfoConfiguracion config;
    cConfigContabilidad configContab;
};

TEST_F(DoblesTest, UnconfiguredAnswersAreThoseOfAWorkingAddinAtStartUpAndEmptyOtherwise)
{
    NiceMock<dobles::MockVodidazaz> vodidazaz;
    NiceMock<dobles::MockGestPar> gestPar;
    NiceMock<dobles::MockContabilidad> contabilidad;
    qint32 empresa = 1;
    QList<QLabel*> etiquetas;
    addins::ColeccionTrasvase c[10];
    addins::ColeccionInstituciones instituciones;

    EXPECT_TRUE(vodidazaz.DatosSetup(conLocal, config));
    EXPECT_TRUE(gestPar.DatosSetup(conLocal));
    EXPECT_EQ(contabilidad.ObtenerPasswordContabilidad("TUREL"), PasswordContabilidad());
    EXPECT_FALSE(contabilidad.CerrarEjercicio(configContab, conContabilidad, empresa));
    EXPECT_TRUE(vodidazaz.ImprimirRecibosCaja(conLocal, config).isEmpty());
    addins::cVodidazaz& complemento = vodidazaz;
    EXPECT_EQ(complemento.ImportarDuzediv1(conLocal, "/tmp", 0, etiquetas, nullptr, c[0], c[1], c[2], c[3], c[4],
                                           c[5], c[6], c[7], c[8], instituciones, c[9], config),
              QString());
}

// The two import members have more arguments than gmock mocks, so each
// reaches its mock through one call holding them all: every argument must
// arrive in its own field, and what the mock writes must reach the caller.
TEST_F(DoblesTest, ImportOfTheDonationsKeepsEveryArgumentInItsPlace)
{
    NiceMock<dobles::MockVodidazaz> vodidazaz;
    QList<QLabel*> etiquetas;
    QProgressBar progreso;
    addins::ColeccionTrasvase c[10];
    addins::ColeccionInstituciones instituciones;
    EXPECT_CALL(vodidazaz, ImportarDuzediv1(_)).WillOnce([&](const dobles::LlamadaImportarDuzediv1& l) {
        EXPECT_EQ(l.conLocal, &conLocal);
        EXPECT_EQ(l.strPath, QStringLiteral("/datos/Duzediv1"));
        EXPECT_EQ(l.intModo, 1);
        EXPECT_EQ(l.colEtiquetas, &etiquetas);
        EXPECT_EQ(l.prgProgreso, &progreso);
        const addins::ColeccionTrasvase* recibidas[] = {l.col1, l.col2, l.col3, l.col4, l.col5,
                                                        l.col6, l.col7, l.col8, l.col9, l.col11};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(recibidas[i], &c[i]) << "collection " << i;
        EXPECT_EQ(l.colInstituciones, &instituciones);
        EXPECT_EQ(l.objInfoConfig, &config);
        l.col11->append(nullptr);
        return QStringLiteral("Trasvase.log");
    });

    addins::cVodidazaz& complemento = vodidazaz;
    EXPECT_EQ(complemento.ImportarDuzediv1(conLocal, QStringLiteral("/datos/Duzediv1"), 1, etiquetas, &progreso, c[0],
                                           c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], instituciones, c[9], config),
              QStringLiteral("Trasvase.log"));
    EXPECT_EQ(c[9].size(), 1);
}

TEST_F(DoblesTest, ImportOfTheParishBooksKeepsEveryArgumentInItsPlace)
{
    NiceMock<dobles::MockGestPar> gestPar;
    QList<QLabel*> etiquetas;
    QProgressBar progreso;
    QString rutas[4] = {"/b", "/c", "/m", "/d"};
    qint32 institucion = 7;
    QString siglo = QStringLiteral("XX");
    qint32 municipios[4] = {11, 12, 13, 14};
    quint8 orden = 1;
    EXPECT_CALL(gestPar, ImportarKaldexGP(_)).WillOnce([&](const dobles::LlamadaImportarKaldexGP& l) {
        EXPECT_EQ(l.conLocal, &conLocal);
        EXPECT_EQ(l.colEtiquetas, &etiquetas);
        EXPECT_EQ(l.strPathBautismo, &rutas[0]);
        EXPECT_EQ(l.strPathConfirmacion, &rutas[1]);
        EXPECT_EQ(l.strPathMatrimonio, &rutas[2]);
        EXPECT_EQ(l.strPathDefuncion, &rutas[3]);
        EXPECT_EQ(l.lngIDInstitucion, &institucion);
        EXPECT_EQ(l.strSiglo, &siglo);
        EXPECT_EQ(l.prgProgreso, &progreso);
        EXPECT_EQ((QList<int>{l.intDatosBautismo, l.intDatosConfirmacion, l.intDatosMatrimonio, l.intDatosDefuncion}),
                  (QList<int>{1, 0, 1, 0}));
        EXPECT_EQ((QStringList{l.strParroquiaBautismo, l.strParroquiaConfirmacion, l.strParroquiaMatrimonio,
                               l.strParroquiaDefuncion}),
                  (QStringList{"PB", "PC", "PM", "PD"}));
        EXPECT_EQ((QStringList{l.strDiocesisBautismo, l.strDiocesisConfirmacion, l.strDiocesisMatrimonio,
                               l.strDiocesisDefuncion}),
                  (QStringList{"DB", "DC", "DM", "DD"}));
        EXPECT_EQ((QList<qint32*>{l.lngMunicipioBautismo, l.lngMunicipioConfirmacion, l.lngMunicipioMatrimonio,
                                  l.lngMunicipioDefuncion}),
                  (QList<qint32*>{&municipios[0], &municipios[1], &municipios[2], &municipios[3]}));
        EXPECT_EQ(l.bytOrdenNombres, &orden);
        EXPECT_EQ((QList<qint32>{l.lngFormatoBautismo, l.lngFormatoConfirmacion, l.lngFormatoMatrimonio,
                                 l.lngFormatoDefuncion}),
                  (QList<qint32>{21, 22, 23, 24}));
        *l.strSiglo = QStringLiteral("XIX");
        *l.lngMunicipioDefuncion = 44;
        *l.bytOrdenNombres = 2;
    });

    addins::cGestPar& complemento = gestPar;
    complemento.ImportarKaldexGP(conLocal, etiquetas, rutas[0], rutas[1], rutas[2], rutas[3], institucion, siglo,
                                 &progreso, 1, "PB", "DB", municipios[0], 0, "PC", "DC", municipios[1], 1, "PM", "DM",
                                 municipios[2], 0, "PD", "DD", municipios[3], orden, 21, 22, 23, 24);
    EXPECT_EQ(siglo, QStringLiteral("XIX"));
    EXPECT_EQ(municipios[3], 44);
    EXPECT_EQ(orden, 2);
}

// Registration by class name: the program's "create a new object" gets a new
// mock each time, prepared by the test before the program sees it.
template <class Mock>
class RegistroMockTest : public CarpetaProgramaPrueba {};

using TodosLosMocks = ::testing::Types<dobles::MockVodidazaz, dobles::MockGestPar, dobles::MockMensajeria,
                                       dobles::MockBancos, dobles::MockContabilidad,
                                       dobles::MockInformesContabilidad>;
TYPED_TEST_SUITE(RegistroMockTest, TodosLosMocks);

TYPED_TEST(RegistroMockTest, ClassNameMakesANewPreparedMockWhileRegistered)
{
    const QString clase = QString::fromLatin1(TypeParam::NombreClase);
    QList<addins::Complemento*> preparados;
    {
        dobles::RegistroMock<NiceMock<TypeParam>> registro([&](TypeParam& mock) { preparados << &mock; });
        auto primero = addins::CrearObjeto<addins::Complemento>(clase);
        auto segundo = addins::CrearObjeto<addins::Complemento>(clase.toUpper());

        ASSERT_NE(dynamic_cast<TypeParam*>(primero.get()), nullptr);
        EXPECT_NE(primero.get(), segundo.get());
        EXPECT_EQ(preparados, (QList<addins::Complemento*>{primero.get(), segundo.get()}));
        EXPECT_EQ(registro.ObjetosCreados(), 2);
    }
    EXPECT_THROW(addins::CrearObjeto<addins::Complemento>(clase), vb::VbError) << "no library installed";
}

TEST_F(DoblesTest, ExpectationsOnAMockTheProgramMadeAreCheckedWhenTheProgramReleasesIt)
{
    dobles::RegistroMock<NiceMock<dobles::MockVodidazaz>> registro([](dobles::MockVodidazaz& mock) {
        EXPECT_CALL(mock, DatosSetup).WillOnce(Return(false));
    });
    const QString clase = QString::fromLatin1(addins::cVodidazaz::NombreClase);

    EXPECT_FALSE(addins::CrearObjeto<addins::cVodidazaz>(clase)->DatosSetup(conLocal, config));
    EXPECT_NONFATAL_FAILURE(addins::CrearObjeto<addins::cVodidazaz>(clase).reset(), "never called");
}

} // namespace
} // namespace addinstest
