#include "EscritorDbf.h"

#include "comun/ImportacionKaldex.h"
#include "comun/RegistroTrasvase.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/db/Recordset.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The log of an import in "Log/Trasvase", and what the user is told when it
// cannot be written.

namespace {

using addins::GuardarRegistroTrasvase;
using addins::RegistroTrasvase;
using testsupport::scriptedUi;

QByteArray Leer(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// A file where the log folder should be: no folder can be made there, even
// for a user who may write anywhere.
void TaparCarpetaRegistro(const QString& carpetaPrograma)
{
    ASSERT_TRUE(QDir(carpetaPrograma + QStringLiteral("/Log/Trasvase")).removeRecursively());
    ASSERT_TRUE(QDir(carpetaPrograma).mkpath(QStringLiteral("Log")));
    QFile tapon(carpetaPrograma + QStringLiteral("/Log/Trasvase"));
    ASSERT_TRUE(tapon.open(QIODevice::WriteOnly));
}

} // namespace

// The log is made with its folder, in UTF-8 with CR LF; a second log of the
// same second never overwrites the first; a folder that cannot be made is
// told with its name.
TEST(RegistroTrasvaseTest, EscribeSinPisarYDiceSiNoPuede)
{
    QTemporaryDir programa;
    testsupport::ScopedEnv appPath("DUZEDIV_APP_PATH", programa.path().toUtf8());
    const QDateTime momento(QDate(2026, 12, 11), QTime(9, 5, 7));

    const RegistroTrasvase primero =
        GuardarRegistroTrasvase(QStringLiteral("KALDEX_Libros"), {QStringLiteral("Año"), QString()}, momento);
    EXPECT_TRUE(primero.Guardado()) << primero.error.toStdString();
    EXPECT_EQ(primero.ruta, programa.path() + QStringLiteral("/Log/Trasvase/KALDEX_Libros_20261211_090507.txt"));
    EXPECT_EQ(Leer(primero.ruta), QByteArray("A\xC3\xB1o\r\n\r\n"));

    const RegistroTrasvase segundo =
        GuardarRegistroTrasvase(QStringLiteral("KALDEX_Libros"), {QStringLiteral("otro")}, momento);
    EXPECT_EQ(segundo.ruta, programa.path() + QStringLiteral("/Log/Trasvase/KALDEX_Libros_20261211_090507_2.txt"));
    EXPECT_EQ(Leer(segundo.ruta), QByteArray("otro\r\n"));
    EXPECT_EQ(Leer(primero.ruta), QByteArray("A\xC3\xB1o\r\n\r\n"));

    QTemporaryDir tapado;
    testsupport::ScopedEnv otraCarpeta("DUZEDIV_APP_PATH", tapado.path().toUtf8());
    TaparCarpetaRegistro(tapado.path());
    const RegistroTrasvase fallido = GuardarRegistroTrasvase(QStringLiteral("KALDEX_Libros"), {}, momento);
    EXPECT_FALSE(fallido.Guardado());
    EXPECT_EQ(fallido.error,
              QStringLiteral("No se ha podido crear la carpeta '%1/Log/Trasvase'.").arg(tapado.path()));
}

// The import is kept even when its log cannot be written; the message then
// says so and shows the incidences the log would have held.
TEST(RegistroTrasvaseTest, SinRegistroLasIncidenciasVanEnElMensaje)
{
    TempProgramFolder carpeta;
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    con.Execute(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('San Juan')"));
    QTemporaryDir origen;
    EscritorDbf sucu({{"BANCO", 'C', 4}, {"SUCURSAL", 'C', 4}, {"AGENCIA", 'C', 4}});
    sucu.Registro({"2100", "0001", ""});
    sucu.Guardar(origen.path(), QStringLiteral("sucu"));
    EscritorDbf reci({{"CODIGO", 'N', 6}, {"NOMBRE", 'C', 50}});
    reci.Registro({"1", "Ana Gil Sanz"});
    reci.Guardar(origen.path(), QStringLiteral("reci"));
    EscritorDbf lineas({{"CODIGO", 'N', 6}, {"IMPORTE", 'N', 8, 0}});
    for (int i = 0; i < 12; ++i)
        lineas.Registro({"9", "100"});
    lineas.Guardar(origen.path(), QStringLiteral("re_l"));
    TaparCarpetaRegistro(carpeta.path());

    OpcionesDonativosKaldex opciones;
    opciones.carpeta = origen.path();
    opciones.idInstitucion = 1;
    QProgressBar barra;
    QLabel bancos(QStringLiteral("Bancos y sucursales"));
    QLabel donantes(QStringLiteral("Donantes y donativos"));
    scriptedUi().queueAnswer(ui::vbOK);
    const RegistroTrasvase registro =
        addins::importacion_kaldex::ImportarDonativos(con, opciones, &barra, &bancos, &donantes);

    EXPECT_FALSE(registro.Guardado());
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT COUNT(*) FROM Padron")).value(0).toInt64(), 1);
    QString esperado = QStringLiteral("¡La importación de los donativos de KALDEX ha terminado!\r\n\r\nSe han "
                                      "importado 1 sucursales bancarias, 1 donantes y 0 donativos.\r\n\r\n¡No se ha "
                                      "podido guardar el registro de la importación! ") +
                       registro.error + QStringLiteral("\r\n\r\nIncidencias:\r\nsucu.dbf: el campo AGENCIA no se "
                                                       "importa");
    for (int i = 1; i <= 9; ++i)
        esperado += QStringLiteral("\r\nre_l.dbf: registro %1, no importado: sin donante importado con CODIGO 9")
                        .arg(i);
    esperado += QStringLiteral("\r\n...");
    const auto mensaje = scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, esperado);
    EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_EQ(scriptedUi().beepCount(), 1);
}
