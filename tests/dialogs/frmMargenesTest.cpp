#include "dialogs/frmMargenes.h"

#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using PVAPI::cCRegistry;
using testsupport::scriptedUi;

const QString kTitulo = QStringLiteral("Norvia Parvanta 2000");

class frmMargenesTest : public ::testing::Test {
protected:
    frmMargenesTest()
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        // The books: top 20 to 30, left 25 to 35.
        forma.mstrREG_AppName = kTitulo;
        forma.mstrREG_Section = ajustes.Seccion(cCRegistry::DOCUMENTOS());
        forma.mstrREG_Key_MargenSup = cCRegistry::DOCUMENTOS_MARGENSUPERIOR();
        forma.mstrREG_Key_MargenIzq = cCRegistry::DOCUMENTOS_MARGENIZQUIERDO();
        forma.mintMAX_MargenSup = QStringLiteral("30");
        forma.mintMIN_MargenSup = QStringLiteral("20");
        forma.mintMAX_MargenIzq = QStringLiteral("35");
        forma.mintMIN_MargenIzq = QStringLiteral("25");
        forma.mintPREDET_MargenSup = QStringLiteral("20");
        forma.mintPREDET_MargenIzq = QStringLiteral("25");
    }

    QString Guardado(const QString& clave) const
    {
        return ajustes.Leer(ajustes.Seccion(cCRegistry::DOCUMENTOS()), clave, QStringLiteral("<nada>"));
    }
    void Guardar(const QString& clave, const QString& valor) const
    {
        ajustes.Guardar(ajustes.Seccion(cCRegistry::DOCUMENTOS()), clave, valor);
    }
    QString Caja(int i) const { return forma.txtMargenes(i)->text(); }
    void Escribir(int i, const char* texto)
    {
        forma.txtMargenes(i)->setText(QString::fromUtf8(texto));
        forma.txtMargenes_LostFocus(i);
    }

    PVAPI::cInfoConfiguracion info;
    AjustesUsuario ajustes {kTitulo, QStringLiteral("Administrador"), 3082};
    frmMargenes forma {info};
};

TEST_F(frmMargenesTest, LosPredeterminadosSeGuardanAlCargarAunqueSeCancele)
{
    int mostrado = 0;
    EXPECT_TRUE(forma.Mostrar([&](QDialog&) {
        ++mostrado;
        EXPECT_EQ(Caja(0), "20");
        EXPECT_EQ(Caja(1), "25");
        forma.cmdMargenes(frmMargenes::kCancelar)->click();
        return 0;
    }));
    EXPECT_EQ(mostrado, 1);
    EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "20");
    EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), "25");
}

TEST_F(frmMargenesTest, AlSalirLasCajasQuedanEntreLosLimites)
{
    forma.Form_Load();
    const std::pair<const char*, const char*> superior[] = {
        {"40", "30"}, {"5", "20"}, {"", "20"}, {"abc", "20"}, {"30", "30"}, {"20", "20"}, {"25", "25"}, {"9e99", "30"}};
    for (const auto& [texto, queda] : superior) {
        Escribir(0, texto);
        EXPECT_EQ(Caja(0), QString::fromUtf8(queda)) << texto;
    }
    // Text inside the limits is left as typed.
    Escribir(1, "27ab");
    EXPECT_EQ(Caja(1), "27ab");
}

TEST_F(frmMargenesTest, LasFlechasNoPasanDeLosLimites)
{
    forma.Form_Load();
    struct Caso {
        const char* texto;
        bool arriba;
        const char* queda;
    };
    const Caso casos[] = {{"30", true, "30"}, {"20", false, "20"}, {"22", true, "23"}, {"22", false, "21"},
                          {"9e99", false, "30"}, {"-9e99", true, "20"}, {"24.5", true, "26"}};
    for (const Caso& caso : casos) {
        forma.txtMargenes(0)->setText(QString::fromUtf8(caso.texto));
        (caso.arriba ? forma.updMargenesArriba(0) : forma.updMargenesAbajo(0))->click();
        EXPECT_EQ(Caja(0), QString::fromUtf8(caso.queda)) << caso.texto << (caso.arriba ? " +" : " -");
    }
}

TEST_F(frmMargenesTest, LaVistaPreviaVaDelBordeA300Twips)
{
    Guardar(cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
    Guardar(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("35"));
    forma.Form_Load();
    EXPECT_DOUBLE_EQ(forma.shpMargenesTop(), 0);
    EXPECT_DOUBLE_EQ(forma.shpMargenesLeft(), 300);
    Escribir(0, "25");
    EXPECT_DOUBLE_EQ(forma.shpMargenesTop(), 150);

    // A stored value beyond the limits is shown as stored.
    Guardar(cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("40"));
    forma.Form_Load();
    EXPECT_EQ(Caja(0), "40");
}

TEST_F(frmMargenesTest, AceptarGuardaMilimetrosEnteros)
{
    forma.Form_Load();
    const std::pair<const char*, const char*> casos[] = {{"025", "25"}, {"25.5", "26"}, {"26.5", "26"}, {"27ab", "27"}};
    for (const auto& [texto, guardado] : casos) {
        forma.txtMargenes(0)->setText(QStringLiteral("22"));
        forma.txtMargenes(1)->setText(QString::fromUtf8(texto));
        forma.cmdMargenes(frmMargenes::kAceptar)->click();
        EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), QString::fromUtf8(guardado)) << texto;
        EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "22");
    }
}

TEST_F(frmMargenesTest, CancelarNoGuardaLoEscrito)
{
    forma.Form_Load();
    forma.txtMargenes(0)->setText(QStringLiteral("28"));
    forma.cmdMargenes(frmMargenes::kCancelar)->click();
    EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "20");
}

// Without keys, or with limits that leave no range, the dialog cannot work:
// it says so and is not shown.
TEST_F(frmMargenesTest, SinParametrosValidosNoSeAbre)
{
    const auto intentar = [this] {
        scriptedUi().queueAnswer(ui::vbOK);
        bool mostrado = false;
        EXPECT_FALSE(forma.Mostrar([&](QDialog&) {
            mostrado = true;
            return 0;
        }));
        EXPECT_FALSE(mostrado);
        EXPECT_EQ(scriptedUi().lastMessage().text,
                  QStringLiteral("¡Este documento no tiene márgenes que se puedan configurar!"));
    };
    forma.mintMIN_MargenSup = QStringLiteral("30");
    intentar();
    forma.mintMIN_MargenSup = QStringLiteral("20");
    forma.mstrREG_Key_MargenIzq.clear();
    intentar();
    EXPECT_EQ(Guardado(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), "<nada>");

    frmMargenes vacio(info);
    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_FALSE(vacio.Mostrar([](QDialog&) { return 0; }));
}

} // namespace
