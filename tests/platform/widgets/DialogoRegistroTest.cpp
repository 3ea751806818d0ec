#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroDetalle.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "platform/widgets/DialogoRegistroFecha.h"
#include "support/TempDatabase.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace widgets;
using testsupport::scriptedUi;

// A record of every kind of field: a main row, a note keyed by the record's
// key, a father's row that several records may share, and a list of children.
std::shared_ptr<DefinicionRegistro> DefinicionPersona()
{
    auto hijo = std::make_shared<DefinicionRegistro>();
    hijo->tituloNuevo = QStringLiteral("Nuevo hijo");
    hijo->titulo = QStringLiteral("Hijo");
    hijo->nombre = QStringLiteral("el hijo");
    hijo->secciones = {SeccionPrincipal(QStringLiteral("Hijo"), QStringLiteral("IDHijo"))};
    hijo->campos = {CampoTexto(QStringLiteral("Nombre"), QStringLiteral("Nombre"), 10).Obligatorio()};

    auto def = std::make_shared<DefinicionRegistro>();
    def->tituloNuevo = QStringLiteral("Nueva persona");
    def->titulo = QStringLiteral("Persona");
    def->nombre = QStringLiteral("la persona");
    def->secciones = {
        SeccionPrincipal(QStringLiteral("Persona"), QStringLiteral("IDPersona")),
        SeccionUnoAUno(QStringLiteral("Persona_Nota"), QStringLiteral("CodPersona"), 0, QStringLiteral("Nota"),
                       QStringLiteral("la nota")),
        SeccionReferida(QStringLiteral("Padre"), QStringLiteral("IDPadre"), 0, QStringLiteral("CodPadre"),
                        QStringLiteral("Padre"), QStringLiteral("los datos del padre"))
            .Compartida(),
    };
    const ReferenciaCampo ciudad{QStringLiteral("Ciudad"), QStringLiteral("IDCiudad"),
                                 QStringLiteral("SELECT IDCiudad, Nombre FROM Ciudad ORDER BY Nombre")};
    def->campos = {
        CampoTexto(QStringLiteral("Nombre"), QStringLiteral("Nombre"), 10).Obligatorio(),
        CampoFecha(QStringLiteral("Alta"), QStringLiteral("Alta")).Obligatorio(),
        CampoFecha(QStringLiteral("Baja"), QStringLiteral("Baja")),
        CampoSiNo(QStringLiteral("Activo"), QStringLiteral("Activo")),
        CampoEntero(QStringLiteral("Folio"), QStringLiteral("Folio"), 1, 9999),
        CampoImporte(QStringLiteral("Importe"), QStringLiteral("Importe"), QStringLiteral("ImporteEur")),
        CampoReferencia(QStringLiteral("Ciudad"), QStringLiteral("CodCiudad"), ciudad).Obligatorio(),
        CampoMemo(QStringLiteral("Notas"), QStringLiteral("Notas")),
        CampoTexto(QStringLiteral("Nota"), QStringLiteral("Nota"), 20).EnSeccion(1),
        CampoTexto(QStringLiteral("Nombre del padre"), QStringLiteral("Nombre"), 20).EnSeccion(2),
    };
    def->detalles = {Detalle(QStringLiteral("Hijos"), hijo, QStringLiteral("CodPersona"), {QStringLiteral("Nombre")},
                             QStringLiteral("¡Este hijo no se puede quitar!"))};
    return def;
}

MonedaRegistro Euros()
{
    MonedaRegistro m;
    m.convertir = [](double importe, bool aEuros) {
        return aEuros ? std::round(importe / 166.386 * 100) / 100 : std::round(importe * 166.386);
    };
    return m;
}

// Installs a runner for the dialogs opened inside the test and puts the
// previous one back.
class RunnerDePrueba {
public:
    explicit RunnerDePrueba(DialogoRegistroEjecutor::Funcion f) : m_anterior(DialogoRegistroEjecutor::Establecer(std::move(f))) {}
    ~RunnerDePrueba() { DialogoRegistroEjecutor::Establecer(m_anterior); }

private:
    DialogoRegistroEjecutor::Funcion m_anterior;
};

class DialogoRegistroTest : public testsupport::TempDatabaseTest {
protected:
    void SetUp() override
    {
        exec({"CREATE TABLE Ciudad (IDCiudad COUNTER, Nombre NVARCHAR(20))",
              "CREATE TABLE Persona (IDPersona COUNTER, Nombre NVARCHAR(10), Alta NVARCHAR(8), Baja NVARCHAR(8), "
              "Activo BIT, Folio INT, Importe CURRENCY, ImporteEur FLOAT, CodCiudad INT, CodPadre INT, Notas TEXT)",
              "CREATE TABLE Persona_Nota (CodPersona INT PRIMARY KEY, Nota NVARCHAR(20))",
              "CREATE TABLE Padre (IDPadre COUNTER, Nombre NVARCHAR(20))",
              "CREATE TABLE Hijo (IDHijo COUNTER, CodPersona INT, Nombre NVARCHAR(10))",
              "INSERT INTO Ciudad (Nombre) VALUES ('Ávila')", "INSERT INTO Ciudad (Nombre) VALUES ('Burgos')"});
        definicion = DefinicionPersona();
    }

    // A record as stored before the test edits it: id 1, father 1 shared with person 2.
    void Guardada()
    {
        exec({"INSERT INTO Padre (Nombre) VALUES ('José')",
              "INSERT INTO Persona (Nombre, Alta, Baja, Activo, Folio, Importe, ImporteEur, CodCiudad, CodPadre, Notas) "
              "VALUES ('Ana', '20240105', '---', 0, 7, 1000, 6.01, 2, 1, 'x')",
              "INSERT INTO Persona (Nombre, Alta, CodCiudad, CodPadre) VALUES ('Luis', '20240106', 1, 1)",
              "INSERT INTO Persona_Nota (CodPersona, Nota) VALUES (1, 'nota')",
              "INSERT INTO Hijo (CodPersona, Nombre) VALUES (1, 'Eva')"});
    }

    std::unique_ptr<DialogoRegistro> Abrir(DialogoRegistroDatos& datos)
    {
        auto dialogo = std::make_unique<DialogoRegistro>(con, datos);
        dialogo->show();
        return dialogo;
    }

    // Every field given a valid value, as a user would type it.
    static void RellenarValido(DialogoRegistro& d)
    {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Marta"), 0);
        d.Rellenar(QStringLiteral("Alta"), QStringLiteral("29/02/2024"));
        d.Rellenar(QStringLiteral("Activo"), true);
        d.Rellenar(QStringLiteral("Folio"), QStringLiteral("12"));
        d.Rellenar(QStringLiteral("Importe"), QStringLiteral("12,50"));
        d.Rellenar(QStringLiteral("CodCiudad"), QStringLiteral("burgos"));
        d.Rellenar(QStringLiteral("Nota"), QStringLiteral("una nota"));
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Pedro"), 2);
    }

    qint64 Personas() { return scalar(QStringLiteral("SELECT COUNT(*) FROM Persona")).toInt64(); }

    std::shared_ptr<DefinicionRegistro> definicion;
};

// ---- Bad input: one table, each case through the dialog ---------------------

struct EntradaMala {
    const char* columna;
    int seccion;
    const char* tecleado;
    const char* mensaje;
};

class DialogoRegistroValidacionTest : public DialogoRegistroTest, public ::testing::WithParamInterface<EntradaMala> {};

TEST_P(DialogoRegistroValidacionTest, NamesTheFieldFocusesItAndWritesNothing)
{
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();
    auto dialogo = Abrir(datos);
    RellenarValido(*dialogo);
    const EntradaMala& caso = GetParam();
    dialogo->Rellenar(QString::fromUtf8(caso.columna), QString::fromUtf8(caso.tecleado), caso.seccion);
    scriptedUi().queueAnswer(ui::vbOK);

    EXPECT_FALSE(dialogo->Aceptar());

    const auto mensaje = scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, QString::fromUtf8(caso.mensaje));
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    QWidget* editor = dialogo->Editor(QString::fromUtf8(caso.columna), caso.seccion);
    EXPECT_TRUE(dialogo->focusWidget() == editor || dialogo->focusWidget()->parentWidget() == editor)
        << dialogo->focusWidget()->objectName().toStdString();
    EXPECT_FALSE(dialogo->result() == QDialog::Accepted);
    EXPECT_EQ(Personas(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Padre")).toInt64(), 0);
}

const EntradaMala kEntradasMalas[] = {
    {"Nombre", 0, "", "¡El dato «Nombre» es obligatorio!"},
    {"Nombre", 0, "Bartolomeo Grande", "¡«Nombre» admite como máximo 10 caracteres y tiene 17!"},
    {"Alta", 0, "31/02/2023",
     "¡«Alta» no es una fecha válida! Escríbala como día/mes/año, por ejemplo 05/03/2024."},
    {"Alta", 0, "15/06/0000",
     "¡«Alta» no es una fecha válida! Escríbala como día/mes/año, por ejemplo 05/03/2024."},
    {"Alta", 0, "", "¡El dato «Alta» es obligatorio!"},
    {"Baja", 0, "mañana",
     "¡«Baja» no es una fecha válida! Escríbala como día/mes/año, por ejemplo 05/03/2024."},
    {"Folio", 0, "0", "¡«Folio» debe ser un número entero entre 1 y 9.999!"},
    {"Folio", 0, "10000", "¡«Folio» debe ser un número entero entre 1 y 9.999!"},
    {"Folio", 0, "12a", "¡«Folio» debe ser un número entero entre 1 y 9.999!"},
    {"Importe", 0, "-3", "¡«Importe» debe ser un importe entre 0 y 999.999.999 euros!"},
    {"Importe", 0, "1.000.000.000", "¡«Importe» debe ser un importe entre 0 y 999.999.999 euros!"},
    {"Importe", 0, "12,345", "¡«Importe» admite como máximo dos decimales!"},
    {"Importe", 0, "doce", "¡«Importe» debe ser un importe entre 0 y 999.999.999 euros!"},
    {"CodCiudad", 0, "Atlántida", "¡«Ciudad» no está en la lista! Elija uno de los que se ofrecen."},
    {"CodCiudad", 0, "", "¡El dato «Ciudad» es obligatorio!"},
    {"Nombre", 2, "José María de la Santísima Trinidad",
     "¡«Nombre del padre» (Padre) admite como máximo 20 caracteres y tiene 35!"},
};

INSTANTIATE_TEST_SUITE_P(Casos, DialogoRegistroValidacionTest, ::testing::ValuesIn(kEntradasMalas));

// ---- Writing ---------------------------------------------------------------

TEST_F(DialogoRegistroTest, NewRecordWritesEveryRowWithItsLinksAndBothAmounts)
{
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();
    auto dialogo = Abrir(datos);
    RellenarValido(*dialogo);
    RunnerDePrueba runner([](QDialog& d) {
        auto& hijo = dynamic_cast<DialogoRegistro&>(d);
        hijo.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Leo"));
        return hijo.Aceptar() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    dialogo->Detalle(0)->Nuevo();

    ASSERT_TRUE(dialogo->Aceptar());

    EXPECT_EQ(column(QStringLiteral("SELECT Nombre & '|' & Alta & '|' & Baja & '|' & Activo & '|' & Folio & '|' & "
                                    "CodCiudad & '|' & CodPadre FROM Persona")),
              QStringList{QStringLiteral("Marta|20240229||-1|12|2|1")});
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT ImporteEur FROM Persona")).toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT Importe FROM Persona")).toDouble(), 2080);
    EXPECT_EQ(column(QStringLiteral("SELECT CodPersona & '|' & Nota FROM Persona_Nota")),
              QStringList{QStringLiteral("1|una nota")});
    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM Padre")), QStringList{QStringLiteral("Pedro")});
    EXPECT_EQ(column(QStringLiteral("SELECT CodPersona & '|' & Nombre FROM Hijo")), QStringList{QStringLiteral("1|Leo")});
    EXPECT_EQ(datos.Id(), 1);
    EXPECT_FALSE(datos.EsNuevo());
}

TEST_F(DialogoRegistroTest, AmountsInPesetasAreWholeAndGiveTheEuros)
{
    MonedaRegistro pesetas = Euros();
    pesetas.trabajarConPesetas = true;
    DialogoRegistroDatos datos(definicion, pesetas);
    datos.Nuevo();
    auto dialogo = Abrir(datos);
    RellenarValido(*dialogo);
    dialogo->Rellenar(QStringLiteral("Importe"), QStringLiteral("12,5"));
    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_FALSE(dialogo->Aceptar());
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡«Importe» se escribe en pesetas, sin decimales!"));

    dialogo->Rellenar(QStringLiteral("Importe"), QStringLiteral("1.000"));
    ASSERT_TRUE(dialogo->Aceptar());
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT Importe FROM Persona")).toDouble(), 1000);
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT ImporteEur FROM Persona")).toDouble(), 6.01);
}

TEST_F(DialogoRegistroTest, UntouchedFieldsKeepWhatIsStored)
{
    Guardada();
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    auto dialogo = Abrir(datos);
    EXPECT_EQ(static_cast<DialogoRegistroFecha*>(dialogo->Editor(QStringLiteral("Baja")))->text(), QStringLiteral("---"));
    EXPECT_EQ(static_cast<QLineEdit*>(dialogo->Editor(QStringLiteral("Importe")))->text(), QStringLiteral("6,01"));
    dialogo->Rellenar(QStringLiteral("Nombre"), QStringLiteral("Ana María"), 0);

    ASSERT_TRUE(dialogo->Aceptar());

    EXPECT_EQ(column(QStringLiteral("SELECT Nombre & '|' & Baja & '|' & Importe & '|' & ImporteEur FROM Persona "
                                    "WHERE IDPersona = 1")),
              QStringList{QStringLiteral("Ana María|---|1000|6,01")});
}

TEST_F(DialogoRegistroTest, EnterAcceptsFromEveryKindOfEditorAndEscapeCancels)
{
    for (const char* columna : {"Nombre", "Alta", "CodCiudad", "Activo", "Importe"}) {
        exec({"DELETE FROM Persona"});
        DialogoRegistroDatos datos(definicion, Euros());
        datos.Nuevo();
        auto dialogo = Abrir(datos);
        RellenarValido(*dialogo);
        QWidget* editor = dialogo->Editor(QString::fromUtf8(columna));
        if (auto* fecha = qobject_cast<DialogoRegistroFecha*>(editor))
            editor = fecha->Linea();
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(dialogo->result(), QDialog::Accepted) << columna;
        EXPECT_EQ(Personas(), 1) << columna;
    }

    exec({"DELETE FROM Persona"});
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();
    auto dialogo = Abrir(datos);
    RellenarValido(*dialogo);
    QTest::keyClick(dialogo->Editor(QStringLiteral("Folio")), Qt::Key_Escape);
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
    EXPECT_EQ(Personas(), 0);
}

TEST_F(DialogoRegistroTest, TabFollowsTheFieldsThenTheListsThenTheButtons)
{
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();
    auto dialogo = Abrir(datos);

    QList<QWidget*> esperado;
    for (const auto& c : definicion->campos) {
        QWidget* e = dialogo->Editor(c.columna, c.seccion);
        esperado << (qobject_cast<DialogoRegistroFecha*>(e) ? qobject_cast<DialogoRegistroFecha*>(e)->Linea() : e);
    }
    esperado << dialogo->Detalle(0)->Tabla();
    for (QPushButton* b : dialogo->Detalle(0)->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        esperado << b;
    esperado << dialogo->BotonAceptar();

    QList<QWidget*> recorrido;
    QWidget* w = esperado.first();
    for (int i = 0; i < esperado.size(); ++i) {
        recorrido << w;
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible() || w->focusProxy());
    }
    EXPECT_EQ(recorrido, esperado);
}

// ---- Another workstation meanwhile -------------------------------------------

struct CambioAjeno {
    const char* descripcion;
    const char* sentencia;
    const char* mensaje;
    const char* columnaEnfocada;
    int seccion;
};

class DialogoRegistroConcurrenciaTest : public DialogoRegistroTest, public ::testing::WithParamInterface<CambioAjeno> {};

TEST_P(DialogoRegistroConcurrenciaTest, IsFoundInsideTheWriteAndNothingIsWritten)
{
    Guardada();
    exec({"DELETE FROM Persona_Nota"});
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    auto dialogo = Abrir(datos);
    dialogo->Rellenar(QStringLiteral("Folio"), QStringLiteral("99"));
    dialogo->Rellenar(QStringLiteral("CodCiudad"), QStringLiteral("Ávila"));

    db::Connection otroPuesto;
    otroPuesto.Open(connectionString());
    otroPuesto.Execute(QString::fromUtf8(GetParam().sentencia));
    otroPuesto.Close();
    scriptedUi().queueAnswer(ui::vbOK);

    EXPECT_FALSE(dialogo->Aceptar());

    EXPECT_EQ(scriptedUi().lastMessage().text, QString::fromUtf8(GetParam().mensaje));
    EXPECT_TRUE(column(QStringLiteral("SELECT Folio FROM Persona WHERE Folio = 99")).isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Persona WHERE CodCiudad = 1")).toInt64(), 1);
    if (*GetParam().columnaEnfocada) {
        QWidget* editor = dialogo->Editor(QString::fromUtf8(GetParam().columnaEnfocada), GetParam().seccion);
        EXPECT_EQ(dialogo->focusWidget(), editor);
    }
}

const CambioAjeno kCambiosAjenos[] = {
    {"changes a field the dialog shows", "UPDATE Persona SET Nombre = 'Anita' WHERE IDPersona = 1",
     "¡Otro puesto ha cambiado «Nombre» mientras lo editaba! No se ha guardado ningún cambio: cierre la ventana "
     "sin guardar y vuelva a abrirla para ver los datos actuales.",
     "Nombre", 0},
    {"deletes the record", "DELETE FROM Persona WHERE IDPersona = 1",
     "¡Otro puesto ha eliminado la persona mientras lo editaba! No se ha guardado ningún cambio: cierre la ventana "
     "sin guardar y vuelva a abrirla para ver los datos actuales.",
     "Nombre", 0},
    {"changes the shared father", "UPDATE Padre SET Nombre = 'Pepe'",
     "¡Otro puesto ha cambiado «Nombre del padre» (Padre) mientras lo editaba! No se ha guardado ningún cambio: "
     "cierre la ventana sin guardar y vuelva a abrirla para ver los datos actuales.",
     "Nombre", 2},
    {"writes the note the record lacked", "INSERT INTO Persona_Nota (CodPersona, Nota) VALUES (1, 'otra')",
     "¡Otro puesto ha cambiado la nota mientras lo editaba! No se ha guardado ningún cambio: cierre la ventana "
     "sin guardar y vuelva a abrirla para ver los datos actuales.",
     "Nota", 1},
    {"deletes the town just chosen", "DELETE FROM Ciudad WHERE IDCiudad = 1",
     "¡Lo elegido en «Ciudad» ya no existe: otro puesto lo ha eliminado! Elija otro.", "CodCiudad", 0},
};

INSTANTIATE_TEST_SUITE_P(Casos, DialogoRegistroConcurrenciaTest, ::testing::ValuesIn(kCambiosAjenos),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(DialogoRegistroTest, ADependentRowChangedElsewhereStopsTheWriteAtItsList)
{
    Guardada();
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    auto dialogo = Abrir(datos);
    dialogo->Detalle(0)->Seleccionar(0);
    scriptedUi().queueAnswer(ui::vbYes);
    dialogo->Detalle(0)->Eliminar();
    exec({"UPDATE Hijo SET Nombre = 'Eva María'"});
    scriptedUi().queueAnswer(ui::vbOK);

    EXPECT_FALSE(dialogo->Aceptar());

    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM Hijo")), QStringList{QStringLiteral("Eva María")});
    EXPECT_EQ(dialogo->focusWidget(), dialogo->Detalle(0)->Tabla());
}

// ---- Shared rows and deleting ------------------------------------------------

class DialogoRegistroCompartidaTest : public DialogoRegistroTest, public ::testing::WithParamInterface<int> {};

TEST_P(DialogoRegistroCompartidaTest, ASharedRowIsChangedForAllOrCopiedAsTheUserAnswers)
{
    const int respuesta = GetParam();
    Guardada();
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    auto dialogo = Abrir(datos);
    dialogo->Rellenar(QStringLiteral("Nombre"), QStringLiteral("José Luis"), 2);
    scriptedUi().queueAnswer(respuesta);

    ASSERT_TRUE(dialogo->Aceptar());

    EXPECT_EQ(scriptedUi().lastMessage().buttons, ui::vbYesNoCancel);
    EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(
        QStringLiteral("¿Desea cambiar los datos del padre en los 2 registros que los comparten?")));
    const QString padreDe = QStringLiteral("SELECT Padre.Nombre FROM Persona, Padre WHERE CodPadre = IDPadre AND IDPersona = %1");
    EXPECT_EQ(column(padreDe.arg(1)), QStringList{QStringLiteral("José Luis")});
    EXPECT_EQ(column(padreDe.arg(2)),
              QStringList{respuesta == ui::vbYes ? QStringLiteral("José Luis") : QStringLiteral("José")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Padre")).toInt64(), respuesta == ui::vbYes ? 1 : 2);
}

TEST_F(DialogoRegistroTest, CancellingTheSharedRowQuestionWritesNothing)
{
    Guardada();
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    auto dialogo = Abrir(datos);
    dialogo->Rellenar(QStringLiteral("Nombre"), QStringLiteral("José Luis"), 2);
    dialogo->Rellenar(QStringLiteral("Folio"), QStringLiteral("99"));
    scriptedUi().queueAnswer(ui::vbCancel);

    EXPECT_FALSE(dialogo->Aceptar());

    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM Padre")), QStringList{QStringLiteral("José")});
    EXPECT_EQ(column(QStringLiteral("SELECT Folio FROM Persona WHERE IDPersona = 1")), QStringList{QStringLiteral("7")});
}

INSTANTIATE_TEST_SUITE_P(Respuestas, DialogoRegistroCompartidaTest, ::testing::Values(int(ui::vbYes), int(ui::vbNo)));

TEST_F(DialogoRegistroTest, DeletingTakesTheRowsOfTheRecordAndASharedRowOnlyWhenUnused)
{
    Guardada();
    DialogoRegistroDatos ana(definicion, Euros());
    ana.Cargar(con, 1);
    ana.Eliminar(con);
    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM Persona")), QStringList{QStringLiteral("Luis")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Persona_Nota")).toInt64(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Hijo")).toInt64(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Padre")).toInt64(), 1);

    DialogoRegistroDatos luis(definicion, Euros());
    luis.Cargar(con, 2);
    luis.Eliminar(con);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Padre")).toInt64(), 0);
}

TEST_F(DialogoRegistroTest, ARowMarkedNotDeletableStaysInItsList)
{
    Guardada();
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Cargar(con, 1);
    datos.MarcarNoEliminables(0, {1});
    auto dialogo = Abrir(datos);
    dialogo->Detalle(0)->Seleccionar(0);
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});

    dialogo->Detalle(0)->Eliminar();

    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡Este hijo no se puede quitar!"));
    EXPECT_EQ(datos.Filas(0), 1);
    EXPECT_EQ(dialogo->Detalle(0)->Tabla()->rowCount(), 1);
}

TEST_F(DialogoRegistroTest, AListButtonWithoutARowSaysSo)
{
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();
    auto dialogo = Abrir(datos);
    scriptedUi().queueAnswers({ui::vbOK, ui::vbOK});
    dialogo->Detalle(0)->Propiedades();
    dialogo->Detalle(0)->Eliminar();
    EXPECT_EQ(scriptedUi().messageTexts(),
              QStringList(2, QStringLiteral("¡Seleccione antes una fila de la lista «Hijos»!")));
}

TEST_F(DialogoRegistroTest, AMissingRecordIsRefusedWhenRead)
{
    DialogoRegistroDatos datos(definicion, Euros());
    try {
        datos.Cargar(con, 42);
        FAIL() << "a missing record was read";
    } catch (const DialogoRegistroError& e) {
        EXPECT_EQ(e.texto(), QStringLiteral("¡La persona ya no existe: otro puesto lo ha eliminado!"));
    }
}

// ---- The runner ---------------------------------------------------------------

TEST_F(DialogoRegistroTest, TheUserIsAskedWithTheNormalPointerAndTheCallersComesBack)
{
    scriptedUi().setMousePointer(ui::vbHourglass);
    ui::MousePointer durante = ui::vbHourglass;
    RunnerDePrueba runner([&durante](QDialog&) {
        durante = scriptedUi().mousePointer();
        return int(QDialog::Rejected);
    });
    DialogoRegistroDatos datos(definicion, Euros());
    datos.Nuevo();

    EXPECT_FALSE(DialogoRegistro::Editar(con, datos));

    EXPECT_EQ(durante, ui::vbDefault);
    EXPECT_EQ(scriptedUi().mousePointer(), ui::vbHourglass);
    EXPECT_EQ(Personas(), 0);
}

} // namespace

namespace {

void EjecutarSinRespuesta()
{
    QDialog dialogo;
    dialogo.setWindowTitle(QStringLiteral("Banco"));
    widgets::DialogoRegistroEjecutor::Ejecutar(dialogo);
}

} // namespace

// A record dialog that no test answers fails its test and closes at once,
// instead of holding the whole run until the timeout.
TEST(DialogoSinRespuesta, FailsTheTestInsteadOfWaiting)
{
    EXPECT_NONFATAL_FAILURE(EjecutarSinRespuesta(), "A dialog waited for the user: QDialog \"Banco\"");
}
