#include "AccionesFixture.h"

#include "addin_doubles/RegistroMock.h"
#include "platform/addins/HostComplementos.h"
#include "support/TestEnvironment.h"

#include <QFile>

namespace {

// The shared add-in object as the start-up makes it, by class name; the mock
// behind it for the test.
template <class Mock, class Interfaz>
Mock* CrearPorNombre(std::unique_ptr<Interfaz>& objeto)
{
    dobles::RegistroMock<Mock> registro;
    objeto = addins::CrearObjeto<Interfaz>(QString::fromLatin1(Interfaz::NombreClase));
    return dynamic_cast<Mock*>(objeto.get());
}

} // namespace

AccionesTest::AccionesTest()
{
    app.den.conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
    app.den.conInformes = carpeta.abrir(BaseDatosPrograma::Informes);
    app.den.conContabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
    app.gobjInfoConfig = std::make_unique<PVAPI::cInfoConfiguracion>();
    app.gobjInfoConfig->Usuario = QStringLiteral("Administrador");
    app.gobjDuzediv = std::make_unique<PVAPI::cDuzediv>();
    auto dialogos = std::make_unique<::testing::StrictMock<MockRegistrosDuzediv>>();
    registros = dialogos.get();
    app.gobjDuzediv->EstablecerRegistros(std::move(dialogos));
    gestPar = CrearPorNombre<::testing::StrictMock<dobles::MockGestPar>>(app.gobjGestPar);
    vodidazaz = CrearPorNombre<::testing::StrictMock<dobles::MockVodidazaz>>(app.gobjVodidazaz);
    bancos = CrearPorNombre<::testing::StrictMock<dobles::MockBancos>>(app.gobjBancos);
    mensajeria = CrearPorNombre<::testing::StrictMock<dobles::MockMensajeria>>(app.gobjMensajeria);
    contabilidad = CrearPorNombre<::testing::StrictMock<dobles::MockContabilidad>>(app.gobjContabilidad);
    ventana.estado.mlngCodEmpresaSeleccionada = kEmpresaSeleccionada;
}

AccionesTest::~AccionesTest() = default;

testsupport::ScriptedUi& AccionesTest::pantalla()
{
    return testsupport::scriptedUi();
}

bool AccionesTest::HayArchivoBloqueos() const
{
    return QFile::exists(carpeta.file(QStringLiteral("Bloqueos.ldb")));
}
