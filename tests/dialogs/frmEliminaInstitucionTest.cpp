#include "DosInstituciones.h"

#include "dialogs/DisposicionEliminaInstitucion.h"
#include "dialogs/frmEliminaInstitucion.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

using testsupport::scriptedUi;

class frmEliminaInstitucionTest : public DosInstitucionesTest {
protected:
    void Cargar(qint32 id)
    {
        forma.mlngID = id;
        forma.Form_Load();
    }

    // Each control starts below the end of the one above it, the whole
    // summary is as tall as its text needs, and the dialog holds it all.
    void ExpectTodoVisible()
    {
        QLabel* resumen = forma.lblEliminar(4);
        if (!resumen->text().isEmpty()) {
            EXPECT_TRUE(resumen->wordWrap());
            EXPECT_GE(resumen->height(), resumen->heightForWidth(resumen->width()));
            EXPECT_GE(resumen->y(), forma.lblEliminar(3)->geometry().bottom());
        }
        QList<QWidget*> columna = {forma.lblEliminar(3), forma.lblEliminar(5), forma.chkEliminar(0),
                                   forma.chkEliminar(1), forma.cmdEliminar(0)};
        if (!resumen->text().isEmpty())
            columna.insert(1, resumen);
        for (qsizetype i = 1; i < columna.size(); ++i)
            EXPECT_GT(columna[i]->y(), columna[i - 1]->geometry().bottom()) << columna[i]->objectName().toStdString();
        QLabel* explicacion = forma.lblEliminar(5);
        EXPECT_GE(explicacion->height(), explicacion->heightForWidth(explicacion->width()));
        EXPECT_GT(forma.height(), forma.cmdEliminar(1)->geometry().bottom());
        EXPECT_EQ(forma.cmdEliminar(0)->y(), forma.cmdEliminar(1)->y());
    }

    frmEliminaInstitucion forma{conLocal, conContabilidad};
};

// Donors are persons: 10 gave twice, 19 has no donor type. Entries count
// through the books; A's request 902 is counted apart, as it goes too.
TEST_F(frmEliminaInstitucionTest, MuestraLoQueTieneLaInstitucion)
{
    Cargar(kA);

    EXPECT_EQ(forma.windowTitle(), QStringLiteral("Eliminar la Institución Parroquia San Pedro"));
    EXPECT_EQ(forma.lblEliminar(3)->text(), QStringLiteral("Se han encontrado:"));
    EXPECT_EQ(forma.lblEliminar(4)->text(),
              QStringLiteral("3 donantes. 5 donativos. 2 empadronados. 3 colaboradores. 1 actividades. "
                             "1 libros de bautismo con 1 partidas de bautismo. "
                             "1 libros de confirmación con 1 partidas de confirmación. "
                             "1 libros de matrimonio con 1 partidas de matrimonio. "
                             "1 libros de defunción con 1 partidas de defunción. 1 solicitudes. "));
    EXPECT_TRUE(forma.chkEliminar(0)->isEnabled());
    EXPECT_TRUE(forma.chkEliminar(1)->isEnabled());
    EXPECT_FALSE(forma.chkEliminar(0)->isChecked());
    EXPECT_FALSE(forma.chkEliminar(1)->isChecked());
    EXPECT_TRUE(forma.lblEliminar(5)->isEnabled());
    EXPECT_TRUE(forma.cmdEliminar(0)->isDefault());
    EXPECT_FALSE(forma.nvbpProgreso()->isVisibleTo(&forma));
    ExpectTodoVisible();
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

// Counts that cannot be read (here those through the person types) are
// reported once, add no piece, and leave their check boxes enabled.
TEST_F(frmEliminaInstitucionTest, UnRecuentoQueNoSePuedeLeerSeInformaUnaVez)
{
    Sqlite("ALTER TABLE Padron_TipoPersona RENAME TO Padron_TipoPersona_Aparte");
    scriptedUi().queueAnswer(ui::vbOK);

    Cargar(kA);

    ASSERT_EQ(scriptedUi().messages().size(), 1);
    EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbCritical);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("Form_Load")));
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("frmEliminaInstitucion")));
    EXPECT_EQ(forma.lblEliminar(4)->text(),
              QStringLiteral("5 donativos. 1 actividades. 1 libros de bautismo con 1 partidas de bautismo. "
                             "1 libros de confirmación con 1 partidas de confirmación. "
                             "1 libros de matrimonio con 1 partidas de matrimonio. "
                             "1 libros de defunción con 1 partidas de defunción. 1 solicitudes. "));
    EXPECT_TRUE(forma.chkEliminar(0)->isEnabled());
    EXPECT_TRUE(forma.chkEliminar(1)->isEnabled());
    EXPECT_EQ(forma.windowTitle(), QStringLiteral("Eliminar la Institución Parroquia San Pedro"));
    EXPECT_EQ(scriptedUi().mousePointer(), ui::vbDefault);
}

// A summary longer than its design box (here through a large font): the
// label grows, everything below moves down and the dialog grows with it.
TEST_F(frmEliminaInstitucionTest, UnResumenLargoSeVeEnteroAntesDeAceptar)
{
    Cargar(kA);
    const int altoNormal = forma.height();
    QFont grande = forma.font();
    grande.setPointSizeF(grande.pointSizeF() * 2.5);
    forma.setFont(grande);

    Cargar(kA);

    EXPECT_GT(forma.lblEliminar(4)->height(), 0);
    EXPECT_GT(forma.height(), altoNormal);
    ExpectTodoVisible();
}

// Nothing linked: the heading says so, the boxes and their explanation are
// disabled, and the explanation, the boxes and the buttons move up.
TEST_F(frmEliminaInstitucionTest, SinDatosLaDisposicionSeCompacta)
{
    Ejecutar({"INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (3, 'Ermita del Monte')"});
    Cargar(kA);
    const int altoConDatos = forma.height();

    Cargar(3);

    EXPECT_EQ(forma.windowTitle(), QStringLiteral("Eliminar la Institución Ermita del Monte"));
    EXPECT_EQ(forma.lblEliminar(3)->text(), QStringLiteral("No se han encontrado datos relacionados."));
    EXPECT_EQ(forma.lblEliminar(4)->text(), QString());
    EXPECT_FALSE(forma.chkEliminar(0)->isEnabled());
    EXPECT_FALSE(forma.chkEliminar(1)->isEnabled());
    EXPECT_FALSE(forma.lblEliminar(5)->isEnabled());
    EXPECT_TRUE(forma.cmdEliminar(0)->isEnabled());
    EXPECT_LT(forma.height(), altoConDatos);
    ExpectTodoVisible();
}

// The layout in twips: the design as it stands, the compact one, and a
// summary that needs more room than its box.
TEST(DisposicionEliminaInstitucionTest, PosicionesEnTwips)
{
    using D = DisposicionEliminaInstitucion;
    struct Caso {
        bool vacio;
        D::Alturas alturas;
        int explicacion, donantes, colaboradores, botones, exterior;
    };
    const Caso casos[] = {
        {false, {}, 2860, 3825, 4185, 4545, 5565},
        {true, {}, 1790, 2755, 3115, 3475, 4495},
        {false, {.Resumen = 1555}, 3360, 4325, 4685, 5045, 6065},
        {false, {.Aviso = 650, .Resumen = 1555}, 3560, 4525, 4885, 5245, 6265},
        {true, {.Explicacion = 1030}, 1790, 2955, 3315, 3675, 4695},
    };
    for (const Caso& c : casos) {
        const D d = D::Calcular(c.vacio, c.alturas);
        EXPECT_EQ((QList<int>{d.TopExplicacion, d.TopDonantes, d.TopColaboradores, d.TopBotones, d.AltoExterior()}),
                  (QList<int>{c.explicacion, c.donantes, c.colaboradores, c.botones, c.exterior}))
            << c.vacio << " " << c.alturas.Resumen;
    }
}

// "Aceptar" removes with the boxes as ticked and closes; the bar is hidden
// again.
TEST_F(frmEliminaInstitucionTest, AceptarEliminaConLasCasillasYCierra)
{
    Cargar(kA);
    forma.chkEliminar(1)->setChecked(true);

    forma.cmdEliminar(0)->click();

    EXPECT_EQ(forma.result(), QDialog::Accepted);
    EXPECT_EQ(forma.Resultado(), EliminacionInstitucion::Resultado::Eliminada);
    EXPECT_TRUE(forma.isEnabled());
    EXPECT_FALSE(forma.nvbpProgreso()->isVisibleTo(&forma));
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Institucion WHERE IDInstitucion = 1")), 0);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron WHERE IDPadron IN (10, 13, 15)")), 1);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Institucion WHERE IDInstitucion = 2")), 1);
}

TEST_F(frmEliminaInstitucionTest, CancelarCierraSinCambiarNada)
{
    const QByteArray huella = Huella();
    Cargar(kA);
    forma.chkEliminar(0)->setChecked(true);

    forma.cmdEliminar(1)->click();

    EXPECT_EQ(forma.result(), QDialog::Rejected);
    EXPECT_FALSE(forma.Resultado().has_value());
    EXPECT_EQ(Huella(), huella);
}

// A failure during the removal is reported once; the dialog closes all
// the same, and nothing changed.
TEST_F(frmEliminaInstitucionTest, UnFalloSeInformaYNoCambiaNada)
{
    Sqlite("CREATE TEMP TRIGGER Falla BEFORE DELETE ON Institucion BEGIN SELECT RAISE(ABORT, 'fallo'); END");
    const QByteArray huella = Huella();
    Cargar(kA);
    scriptedUi().queueAnswer(ui::vbOK);

    forma.cmdEliminar(0)->click();

    EXPECT_EQ(forma.result(), QDialog::Accepted);
    EXPECT_FALSE(forma.Resultado().has_value());
    ASSERT_EQ(scriptedUi().messages().size(), 1);
    EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbCritical);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("EliminaInstitucion")))
        << scriptedUi().lastMessage().text.toStdString();
    EXPECT_EQ(Huella(), huella);
}

} // namespace
