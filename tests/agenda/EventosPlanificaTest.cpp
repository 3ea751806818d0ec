#include "AgendaFixture.h"

#include "agenda/ListaTareasMes.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/fpPlanifica.h"
#include "support/TestEnvironment.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>

namespace {

// The day shown is Friday 15 March 2024, with Misa (09:30-11:00) and Boda
// (18:00-19:00); Catequesis is on the 2nd.
class EventosPlanificaTest : public AgendaFixture {
protected:
    void SetUp() override
    {
        misa = Insertar(QStringLiteral("20240315"), QStringLiteral("0930"), QStringLiteral("1100"), QStringLiteral("Misa"),
                        QStringLiteral("Misa de difuntos"));
        boda = Insertar(QStringLiteral("20240315"), QStringLiteral("1800"), QStringLiteral("1900"), QStringLiteral("Boda"));
        catequesis = Insertar(QStringLiteral("20240302"), QStringLiteral("1700"), QStringLiteral("1800"),
                              QStringLiteral("Catequesis"));
        panel->Mostrar(QDate(2024, 3, 15));
        mblnRefresh = false;
    }

    // Draws a task over the empty hours from `desde` to `hasta` (minutes).
    void Dibujar(int desde, int hasta) { Arrastrar(Hueco(desde), Hueco(hasta)); }

    // The dialog's answer: a title and a description, then Accept.
    static std::function<void(frmTareas&)> Aceptar(const QString& titulo, const QString& descripcion = {})
    {
        return [=](frmTareas& d) {
            d.txtTarea0()->setText(titulo);
            d.txtTarea1()->setPlainText(descripcion);
            d.cmdTarea_Click(frmTareas::kAceptar);
        };
    }

    qint32 misa = 0;
    qint32 boda = 0;
    qint32 catequesis = 0;
};

// ---------------------------------------------------------------- drawing a task

TEST_F(EventosPlanificaTest, ADrawnTaskBecomesARowOfTheDayWithItsTitleBlockAndMonthLine)
{
    guion = Aceptar(QStringLiteral("Bautizo"), QStringLiteral("Tres niños"));
    Dibujar(12 * 60 + 10, 13 * 60 + 50);
    ASSERT_EQ(dialogos, (QStringList{QStringLiteral("Agregar tarea")}));
    ASSERT_EQ(ContarTareas(), 4);
    const auto id = qint32(con.LastInsertId());
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 1200-1400 Bautizo|Tres niños"));
    EXPECT_EQ(Bloques().last(), QStringLiteral("1200-1400 Bautizo #%1").arg(id));
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 02    17:00      Catequesis"), QStringLiteral(" 15    09:30      Misa"),
                                     QStringLiteral(" 15    12:00      Bautizo"), QStringLiteral(" 15    18:00      Boda")}));
    EXPECT_EQ(panel->lstTareas->ItemData(LineaDe(id)), id);
    EXPECT_TRUE(mblnRefresh);
    EXPECT_TRUE(reportes.isEmpty());
}

TEST_F(EventosPlanificaTest, ATaskDrawnToMidnightIsStoredWith2359)
{
    guion = Aceptar(QStringLiteral("Vigilia"));
    Dibujar(22 * 60 + 30, 23 * 60 + 30);
    EXPECT_EQ(Fila(qint32(con.LastInsertId())), QStringLiteral("20240315 2200-2359 Vigilia|"));
    EXPECT_EQ(Bloques().last(), QStringLiteral("2200-2400 Vigilia #%1").arg(con.LastInsertId()));
}

TEST_F(EventosPlanificaTest, CancellingOrClosingTheDialogTakesAwayTheRowAndTheBlock)
{
    const QStringList bloques = Bloques();
    const QStringList lineas = Lineas();
    for (const bool cerrar : {false, true}) {
        mblnRefresh = false;
        guion = [cerrar](frmTareas& d) {
            d.txtTarea0()->setText(QStringLiteral("A medias"));
            if (!cerrar)
                d.cmdTarea_Click(frmTareas::kCancelar);
        };
        Dibujar(14 * 60 + 10, 14 * 60 + 50);
        EXPECT_EQ(ContarTareas(), 3);
        EXPECT_EQ(Bloques(), bloques);
        EXPECT_EQ(Lineas(), lineas);
        EXPECT_TRUE(mblnRefresh);
    }
    EXPECT_EQ(dialogos.size(), 2);
    EXPECT_TRUE(reportes.isEmpty());
}

TEST_F(EventosPlanificaTest, ARefusedTitleKeepsTheDialogOpenUntilTheUserDecides)
{
    auto& ui = testsupport::scriptedUi();
    ui.queueAnswers({ui::vbOK, ui::vbOK});
    guion = [](frmTareas& d) {
        d.cmdTarea_Click(frmTareas::kAceptar);  // blank
        d.txtTarea0()->setText(QStringLiteral("misa"));
        d.cmdTarea_Click(frmTareas::kAceptar);  // Misa is on this day already
        EXPECT_FALSE(d.Terminado());
        d.txtTarea0()->setText(QStringLiteral("Catequesis"));  // only on another day
        d.cmdTarea_Click(frmTareas::kAceptar);
    };
    Dibujar(14 * 60 + 10, 14 * 60 + 50);
    EXPECT_EQ(ui.messageTexts(), (QStringList{QStringLiteral("¡Debe asignar un título para la tarea!"),
                                              QStringLiteral("¡Ya existe una tarea con este título!")}));
    EXPECT_EQ(Fila(qint32(con.LastInsertId())), QStringLiteral("20240315 1400-1500 Catequesis|"));
}

TEST_F(EventosPlanificaTest, AFailureAfterTheInsertTakesAwayTheRowAndTheBlock)
{
    guion = [](frmTareas&) { throw vb::VbError(7, QStringLiteral("Memoria insuficiente")); };
    const QStringList bloques = Bloques();
    Dibujar(14 * 60 + 10, 14 * 60 + 50);
    EXPECT_EQ(reportes, (QStringList{QStringLiteral("fpPlanifica_TaskAdd()|frmPrincipal|7")}));
    EXPECT_EQ(ContarTareas(), 3);
    EXPECT_EQ(Bloques(), bloques);
}

TEST_F(EventosPlanificaTest, AWriteThatFailsKeepsTheDialogAndLeavesThePlannerUnchanged)
{
    FallarAl("UPDATE");
    QStringList bloquesEnElDialogo;
    guion = [&](frmTareas& d) {
        d.txtTarea0()->setText(QStringLiteral("Bautizo"));
        d.cmdTarea_Click(frmTareas::kAceptar);
        EXPECT_FALSE(d.Terminado());
        bloquesEnElDialogo = Bloques();
        d.cmdTarea_Click(frmTareas::kCancelar);
    };
    Dibujar(14 * 60 + 10, 14 * 60 + 50);
    ASSERT_EQ(reportes.size(), 1);
    EXPECT_TRUE(reportes.first().startsWith(QStringLiteral("cmdTarea_Click(1)|frmTareas|")));
    ASSERT_EQ(bloquesEnElDialogo.size(), 3);
    EXPECT_TRUE(bloquesEnElDialogo.last().startsWith(QStringLiteral("1400-1500  #")));
    EXPECT_EQ(ContarTareas(), 3);
    EXPECT_EQ(Bloques().size(), 2);
}

// ---------------------------------------------------------------- editing, removing

TEST_F(EventosPlanificaTest, DoubleClickOnABlockEditsItsTaskByItsRowId)
{
    // Another task of the same title on another day must stay as it is.
    const qint32 otraMisa = Insertar(QStringLiteral("20240316"), QStringLiteral("0930"), QStringLiteral("1100"),
                                     QStringLiteral("Misa"));
    guion = [](frmTareas& d) {
        EXPECT_EQ(d.txtTarea1()->toPlainText(), QStringLiteral("Misa de difuntos"));
        d.txtTarea0()->setText(QStringLiteral("Misa mayor"));
        d.cmdTarea_Click(frmTareas::kAceptar);
    };
    DobleClic(EnTarea(1, 10 * 60));
    EXPECT_EQ(dialogos, (QStringList{QStringLiteral("Propiedades de la tarea")}));
    EXPECT_EQ(Fila(misa), QStringLiteral("20240315 0930-1100 Misa mayor|Misa de difuntos"));
    EXPECT_EQ(Fila(otraMisa), QStringLiteral("20240316 0930-1100 Misa|"));
    EXPECT_EQ(Bloques().first(), QStringLiteral("0930-1100 Misa mayor #%1").arg(misa));
    EXPECT_NE(Lineas().indexOf(QStringLiteral(" 15    09:30      Misa mayor")), -1);

    // Cancel changes nothing; a double-click on an empty hour edits nothing.
    guion = [](frmTareas& d) { d.cmdTarea_Click(frmTareas::kCancelar); };
    DobleClic(EnTarea(1, 10 * 60));
    EXPECT_EQ(Fila(misa), QStringLiteral("20240315 0930-1100 Misa mayor|Misa de difuntos"));
    EXPECT_EQ(dialogos.size(), 2);
}

TEST_F(EventosPlanificaTest, EditingATaskDeletedElsewhereSaysSoAndDropsItsBlock)
{
    auto& ui = testsupport::scriptedUi();
    ui.queueAnswer(ui::vbOK);
    con.Exec(QStringLiteral("DELETE FROM Tareas WHERE IDTarea = ?"), {misa});
    DobleClic(EnTarea(1, 10 * 60));
    EXPECT_TRUE(dialogos.isEmpty());
    EXPECT_EQ(ui.messageTexts(), (QStringList{QStringLiteral("¡La tarea ya no existe!")}));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1800-1900 Boda #%1").arg(boda)}));
    EXPECT_EQ(LineaDe(misa), -1);
}

TEST_F(EventosPlanificaTest, TheDeleteKeyOnABlockDeletesItsRowAndItsLineOnly)
{
    QTest::mouseClick(panel->fpPlanifica->viewport(), Qt::LeftButton, {}, EnTarea(2, 18 * 60 + 30));
    QTest::keyClick(panel->fpPlanifica, Qt::Key_Delete);
    EXPECT_EQ(Fila(boda), QString());
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("0930-1100 Misa #%1").arg(misa)}));
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 02    17:00      Catequesis"), QStringLiteral(" 15    09:30      Misa")}));
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

TEST_F(EventosPlanificaTest, AFailedDeleteIsReportedAndTheBlockComesBack)
{
    FallarAl("DELETE");
    QTest::mouseClick(panel->fpPlanifica->viewport(), Qt::LeftButton, {}, EnTarea(2, 18 * 60 + 30));
    QTest::keyClick(panel->fpPlanifica, Qt::Key_Delete);
    ASSERT_EQ(reportes.size(), 1);
    EXPECT_TRUE(reportes.first().startsWith(QStringLiteral("fpPlanifica_TaskDelete()|frmPrincipal|")));
    EXPECT_EQ(Bloques().size(), 2);
    EXPECT_NE(LineaDe(boda), -1);
}

// ---------------------------------------------------------------- hours

TEST_F(EventosPlanificaTest, MovingAndResizingStoreWholeHoursAndKeepTheMonthLineInPlace)
{
    const int alto = panel->fpPlanifica->RowHeight();
    // Misa (09:30-11:00, slots 10-11) three hours down: 12:00-14:00.
    const QPoint desde = EnTarea(1, 10 * 60);
    Arrastrar(desde, desde + QPoint(0, 3 * alto));
    EXPECT_EQ(Fila(misa), QStringLiteral("20240315 1200-1400 Misa|Misa de difuntos"));
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 02    17:00      Catequesis"), QStringLiteral(" 15    12:00      Misa"),
                                     QStringLiteral(" 15    18:00      Boda")}));

    // Boda's end dragged to midnight.
    const QRect r = panel->fpPlanifica->TaskRect(2);
    Arrastrar({r.center().x(), r.bottom() - 1}, {r.center().x(), panel->fpPlanifica->YOfTime(24 * 60) - 1});
    EXPECT_EQ(Fila(boda), QStringLiteral("20240315 1800-2359 Boda|"));
    EXPECT_TRUE(reportes.isEmpty());
}

TEST_F(EventosPlanificaTest, AResizeThatDropsTheStartMinutesShowsTheNewStartInTheMonthList)
{
    const QRect r = panel->fpPlanifica->TaskRect(1);
    Arrastrar({r.center().x(), r.bottom() - 1}, {r.center().x(), panel->fpPlanifica->YOfTime(13 * 60)});
    EXPECT_EQ(Fila(misa), QStringLiteral("20240315 0900-1300 Misa|Misa de difuntos"));
    EXPECT_NE(Lineas().indexOf(QStringLiteral(" 15    09:00      Misa")), -1);
}

TEST_F(EventosPlanificaTest, AMoveThatCannotBeStoredIsReportedAndTheStoredHoursComeBack)
{
    FallarAl("UPDATE");
    const QPoint desde = EnTarea(1, 10 * 60);
    Arrastrar(desde, desde + QPoint(0, 3 * panel->fpPlanifica->RowHeight()));
    ASSERT_EQ(reportes.size(), 1);
    EXPECT_TRUE(reportes.first().startsWith(QStringLiteral("fpPlanifica_TaskMove()|frmPrincipal|")));
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(Fila(misa), QStringLiteral("20240315 0930-1100 Misa|Misa de difuntos"));
    EXPECT_EQ(Bloques().first(), QStringLiteral("0930-1100 Misa #%1").arg(misa));
    EXPECT_NE(Lineas().indexOf(QStringLiteral(" 15    09:30      Misa")), -1);
}

// ---------------------------------------------------------------- tooltip

TEST_F(EventosPlanificaTest, TheTooltipIsTheDescriptionOfTheBlocksOwnRow)
{
    widgets::fpPlanifica& plan = *panel->fpPlanifica;
    QString texto;
    qint16 mostrar = 1;
    emit plan.TextTipFetch(1, texto, mostrar);
    EXPECT_EQ(texto, QStringLiteral("Misa de difuntos"));
    EXPECT_EQ(mostrar, 1);

    con.Exec(QStringLiteral("DELETE FROM Tareas WHERE IDTarea = ?"), {boda});
    texto.clear();
    emit plan.TextTipFetch(2, texto, mostrar);
    EXPECT_EQ(mostrar, 0);
    EXPECT_TRUE(texto.isEmpty());
}

} // namespace
