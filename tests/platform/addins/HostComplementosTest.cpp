#include "CarpetaProgramaPrueba.h"

#include "platform/addins/HostComplementos.h"
#include "platform/addins/ModuloComplemento.h"
#include "platform/addins/RegistroClase.h"
#include "platform/addins/cBancos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/vb/VbError.h"

#include "addin_doubles/MockVodidazaz.h"

#include <QFile>
#include <QLibrary>

namespace addinstest {
namespace {

using addins::HostComplementos;
using ::testing::NiceMock;

HostComplementos& Host() { return HostComplementos::Instancia(); }

// The VB error number that creating `nombreClase` as T fails with; 0 when
// it does not fail.
template <class T = addins::Complemento>
long ErrorAlCrear(const QString& nombreClase)
{
    try {
        addins::CrearObjeto<T>(nombreClase);
    } catch (const vb::VbError& error) {
        return error.number();
    }
    return 0;
}

TEST(ArchivoBibliotecaTest, IsTheOldLibraryNameAsASharedObject)
{
    const QList<QPair<QString, QString>> casos {
        {"PVVodidazaz", "libPVVodidazaz.so"},
        {"PVGestionParroquial", "libPVGestionParroquial.so"},
        {"PVMensajeria", "libPVMensajeria.so"},
        {"NvBancos", "libNvBancos.so"},
        {"NvContabilidad", "libNvContabilidad.so"},
        {"NvContabilidadInf", "libNvContabilidadInf.so"},
    };
    for (const auto& [biblioteca, archivo] : casos)
        EXPECT_EQ(HostComplementos::ArchivoBiblioteca(biblioteca), archivo);
}

using HostComplementosTest = CarpetaProgramaPrueba;

TEST_F(HostComplementosTest, InstalledLibrariesLoadAndMissingOnesDoNot)
{
    Instalar({"PVVodidazaz", "NvContabilidad"});

    EXPECT_TRUE(Host().CargarBiblioteca("PVVodidazaz"));
    EXPECT_TRUE(Host().CargarBiblioteca("NvContabilidad"));
    for (const char* ausente : {"PVGestionParroquial", "PVMensajeria", "NvBancos", "NvContabilidadInf"}) {
        EXPECT_FALSE(Host().CargarBiblioteca(ausente)) << ausente;
        EXPECT_TRUE(HostComplementos::RutaBiblioteca(ausente).isEmpty()) << ausente;
    }
}

TEST_F(HostComplementosTest, LibraryIsFoundInAnyLetterCase)
{
    Instalar({"NvBancos"});
    ASSERT_TRUE(QFile::rename(Addins("libNvBancos.so"), Addins("LIBNVBANCOS.SO")));

    EXPECT_EQ(HostComplementos::RutaBiblioteca("NvBancos"), Addins("LIBNVBANCOS.SO"));
    EXPECT_TRUE(Host().CargarBiblioteca("NvBancos"));
}

TEST_F(HostComplementosTest, LibraryRemovedAfterLoadingCountsAsAbsent)
{
    Instalar({"PVMensajeria"});
    ASSERT_TRUE(Host().CargarBiblioteca("PVMensajeria"));

    ASSERT_TRUE(QFile::remove(Addins("libPVMensajeria.so")));
    EXPECT_FALSE(Host().CargarBiblioteca("PVMensajeria"));
    EXPECT_EQ(ErrorAlCrear("PVMensajeria.cMensajeria"), 429);
}

struct ArchivoAjeno {
    const char* caso;
    const char* origen;
};

class ArchivoAjenoTest : public CarpetaProgramaPrueba, public ::testing::WithParamInterface<ArchivoAjeno> {};

TEST_P(ArchivoAjenoTest, CountsAsAbsent)
{
    Copiar(QString::fromUtf8(GetParam().origen), "libNvBancos.so");

    EXPECT_FALSE(Host().CargarBiblioteca("NvBancos"));
    EXPECT_FALSE(Host().UltimoErrorCarga().isEmpty());
    EXPECT_EQ(ErrorAlCrear("NvBancos.cBancos"), 429);
}

INSTANTIATE_TEST_SUITE_P(Archivos, ArchivoAjenoTest,
                         ::testing::Values(ArchivoAjeno {"NoLibrary", __FILE__},
                                           ArchivoAjeno {"NoEntryPoint", DUZ_MODULO_SIN_ENTRADA},
                                           ArchivoAjeno {"AnotherContractVersion", DUZ_MODULO_OTRA_VERSION}),
                         [](const auto& info) { return std::string(info.param.caso); });

TEST_F(HostComplementosTest, CreatesANewObjectOfAnInstalledLibraryByClassName)
{
    Instalar({"PVVodidazaz"});

    std::unique_ptr<addins::cVodidazaz> primero = addins::CrearObjeto<addins::cVodidazaz>("PVVodidazaz.cVodidazaz");
    std::unique_ptr<addins::cVodidazaz> segundo = addins::CrearObjeto<addins::cVodidazaz>("pvvodidazaz.CVODIDAZAZ");

    ASSERT_NE(primero, nullptr);
    ASSERT_NE(segundo, nullptr);
    EXPECT_NE(primero.get(), segundo.get());
}

TEST_F(HostComplementosTest, ClassesNobodyMakesFailWithError429)
{
    Instalar({"PVVodidazaz"});

    for (const char* clase : {"PVVodidazaz.cOtra", "NvBancos.cBancos", "cVodidazaz", ""})
        EXPECT_EQ(ErrorAlCrear(clase), 429) << clase;
}

TEST_F(HostComplementosTest, NarrowingToAnotherInterfaceIsATypeMismatch)
{
    Instalar({"PVVodidazaz"});

    EXPECT_EQ(ErrorAlCrear<addins::cBancos>("PVVodidazaz.cVodidazaz"), vb::ErrTypeMismatch);
}

TEST_F(HostComplementosTest, RegisteredClassComesBeforeTheLibraryWhileRegistered)
{
    Instalar({"PVVodidazaz"});
    const auto esDoble = [] {
        auto objeto = addins::CrearObjeto<addins::cVodidazaz>("PVVodidazaz.cVodidazaz");
        return dynamic_cast<dobles::MockVodidazaz*>(objeto.get()) != nullptr;
    };
    {
        addins::RegistroClase registro("PVVodidazaz.cVodidazaz",
                                       [] { return std::make_unique<NiceMock<dobles::MockVodidazaz>>(); });
        EXPECT_TRUE(esDoble());
    }
    EXPECT_FALSE(esDoble());
}

TEST_F(HostComplementosTest, RegisteredClassNeedsNoLibrary)
{
    addins::RegistroClase registro("NvContabilidad.cContabilidad", [] {
        return std::make_unique<NiceMock<dobles::MockVodidazaz>>();
    });

    EXPECT_FALSE(Host().CargarBiblioteca("NvContabilidad"));
    EXPECT_NE(addins::CrearObjeto<addins::cVodidazaz>("nvcontabilidad.ccontabilidad"), nullptr);
    EXPECT_EQ(ErrorAlCrear<addins::cContabilidad>("NvContabilidad.cContabilidad"), vb::ErrTypeMismatch);
}

TEST_F(HostComplementosTest, LaterRegistrationHidesAnEarlierOneUntilItEnds)
{
    int primeras = 0;
    int segundas = 0;
    addins::RegistroClase primera("X.cY", [&] {
        ++primeras;
        return std::make_unique<NiceMock<dobles::MockVodidazaz>>();
    });
    {
        addins::RegistroClase segunda("X.cY", [&] {
            ++segundas;
            return std::make_unique<NiceMock<dobles::MockVodidazaz>>();
        });
        addins::CrearObjeto<addins::Complemento>("X.cY");
    }
    addins::CrearObjeto<addins::Complemento>("X.cY");

    EXPECT_EQ(segundas, 1);
    EXPECT_EQ(primeras, 1);
}

TEST_F(HostComplementosTest, RegistrationThatMakesNothingFailsWithError429)
{
    addins::RegistroClase registro("X.cY", [] { return std::unique_ptr<addins::Complemento>(); });

    EXPECT_EQ(ErrorAlCrear("X.cY"), 429);
}

TEST(EntradaComplementoTest, PluginRefusesAProgramOfAnotherContractVersion)
{
    QLibrary libreria(QStringLiteral(DUZ_MODULO_SONDA));
    ASSERT_TRUE(libreria.load()) << libreria.errorString().toStdString();
    const auto entrada
        = reinterpret_cast<addins::EntradaComplemento>(libreria.resolve(addins::NombreEntradaComplemento));
    ASSERT_NE(entrada, nullptr);

    addins::ServiciosHost otra;
    otra.version = addins::VersionInterfazComplementos - 1;
    EXPECT_EQ(entrada(&otra), nullptr);
    EXPECT_EQ(entrada(nullptr), nullptr);
    const addins::ServiciosHost actual;
    ASSERT_NE(entrada(&actual), nullptr);
    EXPECT_EQ(entrada(&actual)->Version(), addins::VersionInterfazComplementos);
}

} // namespace
} // namespace addinstest
