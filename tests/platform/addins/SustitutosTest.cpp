#include "CarpetaProgramaPrueba.h"

#include "addin_doubles/InstalarComplementos.h"
#include "platform/addins/ContabilidadPassword.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cBancos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cInformes.h"
#include "platform/addins/cMensajeria.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/ControlInformeBase.h"
#include "platform/vb/VbError.h"
#include "core/cConfigContabilidad.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QTreeWidget>
#include <functional>

namespace addinstest {
namespace {

using testsupport::scriptedUi;

class ControlInformeFalso : public report::ControlInformeBase {
public:
    void PrintReport() override {}
};

// The stand-ins installed in a program folder, made by class name as the
// program makes them, and what their members are given.
class SustitutosTest : public CarpetaProgramaPrueba {
protected:
    void SetUp() override
    {
        CarpetaProgramaPrueba::SetUp();
        Instalar(dobles::ComplementosBuscados() << QStringLiteral("NvContabilidadInf"));
        vodidazaz = addins::CrearObjeto<addins::cVodidazaz>(addins::cVodidazaz::NombreClase);
        gestPar = addins::CrearObjeto<addins::cGestPar>(addins::cGestPar::NombreClase);
        mensajeria = addins::CrearObjeto<addins::cMensajeria>(addins::cMensajeria::NombreClase);
        bancos = addins::CrearObjeto<addins::cBancos>(addins::cBancos::NombreClase);
        contabilidad = addins::CrearObjeto<addins::cContabilidad>(addins::cContabilidad::NombreClase);
        informes = addins::CrearObjeto<addins::cInformes>(addins::cInformes::NombreClase);
    }

    // A parish database holding only the institutions' and book formats'
    // tables.
    void AbrirBaseParroquial(bool conInstituciones)
    {
        const QString ruta = Carpeta() + QStringLiteral("/Duzediv.mdb");
        db::CreateDatabase(ruta);
        conLocal.Open(QStringLiteral("Data Source=") + ruta);
        if (conInstituciones) {
            conLocal.Execute(QStringLiteral("CREATE TABLE Institucion (IDInstitucion COUNTER, Nombre TEXT(50))"));
            conLocal.Execute(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
            conLocal.Execute(QStringLiteral("CREATE TABLE Libros_Formato (IDFormato COUNTER, Descripcion TEXT(50))"));
        }
    }

public:
    // Public: the table of cases below reaches them.
    std::unique_ptr<addins::cVodidazaz> vodidazaz;
    std::unique_ptr<addins::cGestPar> gestPar;
    std::unique_ptr<addins::cMensajeria> mensajeria;
    std::unique_ptr<addins::cBancos> bancos;
    std::unique_ptr<addins::cContabilidad> contabilidad;
    std::unique_ptr<addins::cInformes> informes;

    db::Connection conLocal;
    db::Connection conInformes;
    db::Connection conContabilidad;
    PVAPI::cInfoConfiguracion config;
    cConfigContabilidad configContab;
    ControlInformeFalso control;
};

// The parish set-up gives a database without book formats ours, once;
// otherwise neither set-up changes anything.
TEST_F(SustitutosTest, SetUpOfDonationsAndParishSucceedsAndSeedsTheBookFormatsOnce)
{
    AbrirBaseParroquial(true);
    auto formatos = [&] {
        QStringList lista;
        for (db::Recordset rs = conLocal.Execute(QStringLiteral("SELECT Descripcion FROM Libros_Formato ORDER BY "
                                                                "IDFormato"));
             !rs.isEOF(); rs.MoveNext())
            lista << rs.value(0).toString();
        return lista;
    };

    EXPECT_TRUE(vodidazaz->DatosSetup(conLocal, config));
    EXPECT_TRUE(formatos().isEmpty());
    EXPECT_TRUE(gestPar->DatosSetup(conLocal));
    const QStringList nuestros{"Una partida por folio", "Dos partidas por folio", "Tres partidas por folio",
                               "Cuatro partidas por folio"};
    EXPECT_EQ(formatos(), nuestros);
    EXPECT_TRUE(gestPar->DatosSetup(conLocal));
    EXPECT_EQ(formatos(), nuestros) << "a second set-up duplicates nothing";

    EXPECT_TRUE(scriptedUi().messages().isEmpty());
    db::Recordset filas = conLocal.Execute(QStringLiteral("SELECT Nombre FROM Institucion"));
    EXPECT_EQ(filas.RecordCount(), 1);
}

TEST_F(SustitutosTest, SetUpFailureReachesTheCaller)
{
    AbrirBaseParroquial(false);

    EXPECT_THROW(vodidazaz->DatosSetup(conLocal, config), vb::VbError);
    EXPECT_THROW(gestPar->DatosSetup(conLocal), vb::VbError);
}

TEST_F(SustitutosTest, NotAvailableMessageShowsTheNormalPointerAndPutsTheHourglassBack)
{
    scriptedUi().queueAnswer(ui::vbOK);
    scriptedUi().setMousePointer(ui::vbHourglass);

    mensajeria->AsistenteCuentasCorreo(conLocal);

    EXPECT_EQ(scriptedUi().pointerHistory(),
              (QList<ui::MousePointer> {ui::vbHourglass, ui::vbDefault, ui::vbHourglass}));
}

TEST_F(SustitutosTest, MessagesGoToTheUiTheProgramHasAtTheTimeOfTheCall)
{
    testsupport::ScriptedUi otra;
    otra.queueAnswer(ui::vbOK);
    ui::SetCurrent(&otra);

    mensajeria->AsistenteCuentasCorreo(conLocal);
    ui::SetCurrent(&scriptedUi());

    EXPECT_EQ(otra.messages().size(), 1);
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

TEST_F(SustitutosTest, AccountingPasswordIsTheProgramsOneForEveryEdition)
{
    for (const char* aplicacion : {"", "TUREL", "otra"})
        EXPECT_EQ(contabilidad->ObtenerPasswordContabilidad(aplicacion), PasswordContabilidad()) << aplicacion;
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

// Any other member: the "not available" message, and the answer of a command
// that did nothing.
struct NoDisponible {
    const char* complemento;
    const char* funcion;
    std::function<void(SustitutosTest&)> llamarYComprobar;
};

class SustitutoNoDisponibleTest : public SustitutosTest, public ::testing::WithParamInterface<NoDisponible> {
public:
    void Llamar() { GetParam().llamarYComprobar(*this); }
};

TEST_P(SustitutoNoDisponibleTest, SaysSoAndDoesNothing)
{
    scriptedUi().queueAnswer(ui::vbOK);

    Llamar();

    ASSERT_EQ(scriptedUi().messages().size(), 1);
    const auto mensaje = scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, QStringLiteral("¡Esta función no está disponible en esta instalación!\r\n\r\n"
                                           "Complemento: %1\r\nFunción: %2")
                                .arg(QString::fromUtf8(GetParam().complemento), QString::fromUtf8(GetParam().funcion)));
    EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
}

const NoDisponible kNoDisponibles[] = {
    {"PVVodidazaz", "ModeloHacienda",
     [](SustitutosTest& t) { t.vodidazaz->ModeloHacienda(t.conLocal, t.conInformes, t.config, t.control); }},
    {"PVMensajeria", "EnviarRecibirMensajes",
     [](SustitutosTest& t) { t.mensajeria->EnviarRecibirMensajes(t.conLocal, 1); }},
    {"NvContabilidad", "ConsolidarEmpresas",
     [](SustitutosTest& t) {
         bool cancelar = false;
         t.contabilidad->ConsolidarEmpresas(t.configContab, t.conContabilidad, cancelar);
         EXPECT_TRUE(cancelar);
     }},
    {"NvContabilidad", "AsistenteCopiarDatos",
     [](SustitutosTest& t) {
         bool cancelar = false;
         qint32 empresa = 2;
         t.contabilidad->AsistenteCopiarDatos(t.configContab, t.conContabilidad, cancelar, empresa);
         EXPECT_TRUE(cancelar);
     }},
    {"NvContabilidad", "AsistenteExportar",
     [](SustitutosTest& t) {
         bool cancelar = false;
         t.contabilidad->AsistenteExportar(t.configContab, t.conContabilidad, cancelar);
         EXPECT_TRUE(cancelar);
     }},
    {"NvContabilidadInf", "ImprimirFacturasEmitidas",
     [](SustitutosTest& t) {
         t.informes->ImprimirFacturasEmitidas(t.control, t.configContab, t.conContabilidad, t.conInformes, 1);
     }},
};

INSTANTIATE_TEST_SUITE_P(Miembros, SustitutoNoDisponibleTest, ::testing::ValuesIn(kNoDisponibles),
                         [](const auto& info) {
                             return std::string(info.param.complemento) + "_" + info.param.funcion;
                         });

} // namespace
} // namespace addinstest
