#include "dialogs/GuardarOpciones.h"
#include "dialogs/ReglasOpciones.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using PVAPI::cCRegistry;
using testsupport::scriptedUi;
using namespace ReglasOpciones;

const QString kTitulo = QStringLiteral("Norvia Parvanta 2000");
const QString kNada = QStringLiteral("<nada>");

QString Codificado(const char* clave)
{
    return PVAPI::cCodificadorPassword::Codificado(QString::fromUtf8(clave));
}

class GuardarOpcionesTest : public ::testing::Test {
protected:
    GuardarOpcionesTest()
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        info.TrabajarConPesetas = true;
        estado.mobjConfigContab.SetTrabajarConPesetas(true);
        valores.txtOpciones[kNRegMax] = QStringLiteral("30");
        valores.txtOpciones[kMargen] = QStringLiteral("5");
        valores.txtOpciones[kMaxPagLibro] = QStringLiteral("500");
        valores.modelo182 = {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("10")};
    }

    SalidaOpciones Guardar() { return GuardarOpciones(valores, contexto); }

    QString Ajuste(const QString& seccion, const QString& clave) const
    {
        return ajustes.Leer(ajustes.Seccion(seccion), clave, kNada);
    }
    QString Clave() const { return Ajuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_CLAVE()); }
    void GuardarClave(const QString& valor) const
    {
        ajustes.Guardar(ajustes.Seccion(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE(), valor);
    }
    QStringList Modelo182()
    {
        db::Recordset rs = conLocal.Execute(QStringLiteral("SELECT TipoA, TipoB, DeduccionRegFiscal2 FROM Modelo182"));
        QStringList filas;
        for (; !rs.isEOF(); rs.MoveNext())
            filas << QStringLiteral("%1/%2/%3").arg(rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString());
        return filas;
    }
    // A change of password typed into the three boxes.
    void Claves(const char* anterior, const char* nueva, const char* confirmacion)
    {
        valores.mblnCambiarClave = true;
        valores.txtOpciones[kClaveAnterior] = QString::fromUtf8(anterior);
        valores.txtOpciones[kClaveNueva] = QString::fromUtf8(nueva);
        valores.txtOpciones[kClaveConfirmacion] = QString::fromUtf8(confirmacion);
    }

    TempProgramFolder carpeta;
    db::Connection conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
    EstadoPrincipal estado;
    PVAPI::cInfoConfiguracion info;
    ContextoOpciones contexto {estado, info, conLocal, kTitulo, {}};
    AjustesUsuario ajustes {kTitulo, QStringLiteral("Administrador"), 3082};
    ValoresOpciones valores;
};

TEST_F(GuardarOpcionesTest, TodoGuardado)
{
    valores.pesetas = false;
    const SalidaOpciones salida = Guardar();

    EXPECT_EQ(salida.resultado, ResultadoOpciones::Guardado);
    EXPECT_FALSE(salida.blnCancelar);
    EXPECT_EQ(salida.foco, -1);
    EXPECT_FALSE(salida.seleccionarDocumentos);
    EXPECT_EQ(Ajuste(cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX()), "30");
    EXPECT_EQ(estado.gintNRegMax, 30);
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MARGEN()), "5");
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "500");
    // The currency switch ran.
    EXPECT_FALSE(info.TrabajarConPesetas);
    EXPECT_FALSE(estado.mobjConfigContab.TrabajarConPesetas());
    EXPECT_EQ(Ajuste(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "0");
    // No password box touched: nothing stored.
    EXPECT_EQ(Clave(), kNada);
    EXPECT_FALSE(salida.claveAnteriorHabilitada);
    EXPECT_EQ(Modelo182(), QStringList {"25/30/10"});
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
    // All of it in one write of the settings file, never the current folder.
    EXPECT_TRUE(QFile::exists(settings::FilePath(kTitulo)));
}

struct CasoRechazo {
    const char* paginas;
    const char* margen;
    ResultadoOpciones resultado;
    int foco;
    const char* mensaje;
};

// A refused value saves nothing at all, not even the values before it.
TEST_F(GuardarOpcionesTest, PaginasOMargenRechazadosNoGuardanNada)
{
    const QString paginas = QStringLiteral("¡El número de páginas para un libro debe estar entre 1 y 9999!");
    const QString margen = QStringLiteral("¡El valor del márgen no debe ser superior a 99!");
    const CasoRechazo casos[] = {
        {"0", "5", ResultadoOpciones::PaginasRechazadas, kMaxPagLibro, "p"},
        {"000", "5", ResultadoOpciones::PaginasRechazadas, kMaxPagLibro, "p"},
        {"", "5", ResultadoOpciones::PaginasRechazadas, kMaxPagLibro, "p"},
        {"10000", "5", ResultadoOpciones::PaginasRechazadas, kMaxPagLibro, "p"},
        {"12", "100", ResultadoOpciones::MargenRechazado, kMargen, "m"},
        {"12", "", ResultadoOpciones::MargenRechazado, kMargen, "m"},
        {"12", "x", ResultadoOpciones::MargenRechazado, kMargen, "m"},
        {"0", "100", ResultadoOpciones::PaginasRechazadas, kMaxPagLibro, "p"},
    };
    for (const CasoRechazo& caso : casos) {
        SCOPED_TRACE(std::string(caso.paginas) + "/" + caso.margen);
        scriptedUi().reset();
        valores.txtOpciones[kMaxPagLibro] = QString::fromUtf8(caso.paginas);
        valores.txtOpciones[kMargen] = QString::fromUtf8(caso.margen);
        Claves("", "nueva", "nueva");
        scriptedUi().queueAnswer(ui::vbOK);

        const SalidaOpciones salida = Guardar();

        EXPECT_EQ(salida.resultado, caso.resultado);
        EXPECT_TRUE(salida.blnCancelar);
        EXPECT_EQ(salida.foco, caso.foco);
        EXPECT_TRUE(salida.seleccionarDocumentos);
        EXPECT_EQ(scriptedUi().beepCount(), 1);
        const ui::Message mensaje = scriptedUi().lastMessage();
        EXPECT_EQ(mensaje.text, *caso.mensaje == 'p' ? paginas : margen);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        EXPECT_EQ(mensaje.caption, kTitulo);
        EXPECT_FALSE(QFile::exists(settings::FilePath(kTitulo)));
        EXPECT_TRUE(info.TrabajarConPesetas);
        EXPECT_EQ(estado.gintNRegMax, 0);
    }
}

TEST_F(GuardarOpcionesTest, FilasPorPaginaSinNumeroValidoSon24)
{
    const std::pair<const char*, const char*> casos[] = {
        {"", "24"}, {"0", "24"}, {"abc", "24"}, {"50", "50"}, {"1", "1"}};
    for (const auto& [texto, guardado] : casos) {
        SCOPED_TRACE(texto);
        valores.txtOpciones[kNRegMax] = QString::fromUtf8(texto);
        ASSERT_EQ(Guardar().resultado, ResultadoOpciones::Guardado);
        EXPECT_EQ(Ajuste(cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX()), QString::fromUtf8(guardado));
        EXPECT_EQ(estado.gintNRegMax, QString::fromUtf8(guardado).toInt());
    }
}

TEST_F(GuardarOpcionesTest, UnMargenNegativoDeLasFlechasSeGuarda)
{
    valores.txtOpciones[kMargen] = QStringLiteral("-9");
    EXPECT_EQ(Guardar().resultado, ResultadoOpciones::Guardado);
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MARGEN()), "-9");
}

struct CasoClave {
    const char* guardada;  // nullptr: no password stored
    const char* anterior;
    const char* nueva;
    const char* confirmacion;
    ResultadoOpciones resultado;
    const char* queda;     // stored afterwards, encoded; "" none, nullptr unchanged
    int foco;
};

TEST_F(GuardarOpcionesTest, CambiosDeContrasena)
{
    const CasoClave casos[] = {
        // No password yet: a new one is stored encoded, trimmed.
        {nullptr, "", "abc", "abc", ResultadoOpciones::Guardado, "abc", -1},
        {nullptr, "", " abc ", " abc ", ResultadoOpciones::Guardado, "abc", -1},
        // Typed and erased: the empty text is stored again.
        {nullptr, "", "", "", ResultadoOpciones::Guardado, "", -1},
        // A trailing blank confirmed without it.
        {nullptr, "", "abc ", "abc", ResultadoOpciones::ConfirmacionRechazada, nullptr, kClaveConfirmacion},
        // Password stored: the old one must match (trimmed, case counts).
        {"vieja", "vieja", "nueva", "nueva", ResultadoOpciones::Guardado, "nueva", -1},
        {"vieja", " vieja ", "", "", ResultadoOpciones::Guardado, "", -1},
        {"vieja", "", "nueva", "nueva", ResultadoOpciones::ClaveAnteriorRechazada, nullptr, kClaveAnterior},
        {"vieja", "Vieja", "nueva", "nueva", ResultadoOpciones::ClaveAnteriorRechazada, nullptr, kClaveAnterior},
        {"vieja", "vieja", "nueva", "Nueva", ResultadoOpciones::ConfirmacionRechazada, nullptr, kClaveConfirmacion},
    };
    for (const CasoClave& caso : casos) {
        SCOPED_TRACE(std::string(caso.guardada ? caso.guardada : "-") + "|" + caso.anterior + "|" + caso.nueva + "|"
                     + caso.confirmacion);
        scriptedUi().reset();
        const QString antes = caso.guardada ? Codificado(caso.guardada) : QString();
        GuardarClave(antes);
        valores.claveAnteriorHabilitada = caso.guardada != nullptr;
        Claves(caso.anterior, caso.nueva, caso.confirmacion);
        const bool rechazo = caso.resultado != ResultadoOpciones::Guardado;
        if (rechazo)
            scriptedUi().queueAnswer(ui::vbOK);

        const SalidaOpciones salida = Guardar();

        EXPECT_EQ(salida.resultado, caso.resultado);
        EXPECT_EQ(salida.blnCancelar, rechazo);
        EXPECT_EQ(salida.foco, caso.foco);
        EXPECT_FALSE(salida.seleccionarDocumentos);
        if (caso.queda) {
            const QString esperada = *caso.queda ? Codificado(caso.queda) : QString();
            EXPECT_EQ(Clave(), esperada);
            EXPECT_EQ(salida.claveAnteriorHabilitada, !esperada.isEmpty());
            EXPECT_TRUE(salida.vaciarClaves);
        } else {
            EXPECT_EQ(Clave(), antes);
            EXPECT_FALSE(salida.claveAnteriorHabilitada);
            EXPECT_FALSE(salida.vaciarClaves);
            EXPECT_EQ(salida.vaciarClaveAnterior, caso.resultado == ResultadoOpciones::ClaveAnteriorRechazada);
            EXPECT_EQ(scriptedUi().lastMessage().text,
                      caso.resultado == ResultadoOpciones::ClaveAnteriorRechazada
                          ? QStringLiteral("¡La contraseña anterior no es válida!")
                          : QStringLiteral("¡La nueva contraseña no coincide!"));
            // What came before the password is saved all the same.
            EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "500");
        }
    }
}

// Text in the password boxes is never looked at unless a box was touched.
TEST_F(GuardarOpcionesTest, SinTocarLasCajasLaContrasenaQuedaIgual)
{
    GuardarClave(Codificado("vieja"));
    valores.claveAnteriorHabilitada = true;
    Claves("otra", "x", "y");
    valores.mblnCambiarClave = false;
    EXPECT_EQ(Guardar().resultado, ResultadoOpciones::Guardado);
    EXPECT_EQ(Clave(), Codificado("vieja"));
}

TEST_F(GuardarOpcionesTest, LasDeduccionesSeGuardanEntreCeroYCien)
{
    valores.modelo182 = {QStringLiteral("150"), QStringLiteral("007"), QStringLiteral("")};
    const SalidaOpciones salida = Guardar();
    EXPECT_EQ(salida.resultado, ResultadoOpciones::Guardado);
    EXPECT_EQ(Modelo182(), QStringList {"100/7/0"});
    ASSERT_TRUE(salida.modelo182);
    EXPECT_EQ(*salida.modelo182, (PorcentajesModelo182 {"100", "7", "0"}));

    // Without a row, the save makes it.
    conLocal.Execute(QStringLiteral("DELETE FROM Modelo182"));
    valores.modelo182 = {QStringLiteral("20"), QStringLiteral("35"), QStringLiteral("12")};
    EXPECT_EQ(Guardar().resultado, ResultadoOpciones::Guardado);
    EXPECT_EQ(Modelo182(), QStringList {"20/35/12"});
}

// A failed write is reported and the save does not count as done, so the
// dialog stays open; the other steps still ran.
TEST_F(GuardarOpcionesTest, UnaEscrituraFallidaSeAvisaYNoCierra)
{
    conLocal.Execute(QStringLiteral("DROP TABLE Modelo182"));
    scriptedUi().queueAnswer(ui::vbOK);

    const SalidaOpciones salida = Guardar();

    EXPECT_EQ(salida.resultado, ResultadoOpciones::Fallo);
    EXPECT_TRUE(salida.blnCancelar);
    EXPECT_EQ(scriptedUi().messages().size(), 1);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("GuardarOpciones()")))
        << scriptedUi().lastMessage().text.toStdString();
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "500");
}

TEST_F(GuardarOpcionesTest, AjustesQueNoSePuedenEscribirSePreguntanYNoCierra)
{
    // A file where the settings folder should be: no write can succeed.
    QFile tapon(QDir(carpeta.path()).filePath(QStringLiteral("tapon")));
    ASSERT_TRUE(tapon.open(QIODevice::WriteOnly));
    tapon.close();
    settings::SetFolder(QDir(carpeta.path()).filePath(QStringLiteral("tapon/ajustes")));
    scriptedUi().queueAnswers({ui::vbRetry, ui::vbCancel, ui::vbOK});

    const SalidaOpciones salida = Guardar();

    EXPECT_EQ(salida.resultado, ResultadoOpciones::Fallo);
    EXPECT_TRUE(salida.blnCancelar);
    ASSERT_EQ(scriptedUi().messages().size(), 3);
    EXPECT_EQ(scriptedUi().messages()[0].buttons, ui::vbRetryCancel);
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), kNada);
}

} // namespace
