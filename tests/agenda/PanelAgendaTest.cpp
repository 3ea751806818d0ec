#include "AgendaFixture.h"

#include "agenda/ListaTareasMes.h"
#include "agenda/TextosAgenda.h"
#include "platform/widgets/fpPlanifica.h"
#include "support/TestEnvironment.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace {

// A parish with tasks in March 2024 (two of them on Friday the 15th), one
// in April and one in March of another year.
class PanelAgendaTest : public AgendaFixture {
protected:
    void SetUp() override
    {
        boda = Insertar(QStringLiteral("20240315"), QStringLiteral("1800"), QStringLiteral("1900"), QStringLiteral("Boda"));
        misa = Insertar(QStringLiteral("20240315"), QStringLiteral("0930"), QStringLiteral("1100"), QStringLiteral("Misa"));
        catequesis = Insertar(QStringLiteral("20240302"), QStringLiteral("1700"), QStringLiteral("1800"),
                              QStringLiteral("Catequesis"));
        Insertar(QStringLiteral("20240401"), QStringLiteral("1000"), QStringLiteral("1100"), QStringLiteral("Abril"));
        Insertar(QStringLiteral("20250310"), QStringLiteral("1000"), QStringLiteral("1100"), QStringLiteral("Otro año"));
    }

    qint32 boda = 0;
    qint32 misa = 0;
    qint32 catequesis = 0;
};

TEST_F(PanelAgendaTest, ShowingTheAgendaLoadsTheDayItsMonthAndTheCalendar)
{
    const long long antes = ContarTareas();
    panel->Mostrar(QDate(2024, 3, 15));

    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("0930-1100 Misa #%1").arg(misa),
                                      QStringLiteral("1800-1900 Boda #%1").arg(boda)}));
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 02    17:00      Catequesis"), QStringLiteral(" 15    09:30      Misa"),
                                     QStringLiteral(" 15    18:00      Boda")}));
    EXPECT_EQ(panel->lstTareas->ItemData(1), misa);
    EXPECT_EQ(panel->lblFecha->text(), QStringLiteral("viernes, 15 de marzo de 2024"));
    EXPECT_EQ(panel->lblTareas->text(), QStringLiteral("Tareas de marzo de 2024"));
    ASSERT_EQ(panel->lstTitulos->count(), 1);
    EXPECT_EQ(panel->lstTitulos->item(0)->text(), QStringLiteral("Día  Hora    Título de la tarea"));
    EXPECT_EQ(panel->lstTitulos->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(mstrMes, QStringLiteral("03"));
    EXPECT_EQ(panel->mvwCalendar->selectedDate(), QDate(2024, 3, 15));
    EXPECT_EQ(panel->fpPlanifica->PlanDate(), QStringLiteral("20240315"));
    EXPECT_EQ(panel->fpPlanifica->ViewMode(), 2);
    EXPECT_EQ(panel->fpPlanifica->MousePointer(), 1);
    // Loading adds and removes blocks, never rows.
    panel->mvwCalendar_DateClick(QDate(2024, 3, 2));
    EXPECT_EQ(ContarTareas(), antes);
    EXPECT_TRUE(reportes.isEmpty());
}

TEST_F(PanelAgendaTest, TextsStaySpanishWhateverTheSystemLanguage)
{
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    panel->Mostrar(QDate(2024, 4, 1));
    QLocale::setDefault(antes);
    EXPECT_EQ(panel->lblFecha->text(), QStringLiteral("lunes, 1 de abril de 2024"));
    EXPECT_EQ(panel->lblTareas->text(), QStringLiteral("Tareas de abril de 2024"));
    EXPECT_EQ(panel->mvwCalendar->locale().language(), QLocale::Spanish);
}

TEST_F(PanelAgendaTest, TheMonthListIsRebuiltOnlyWhenItsMonthIsNotTheOneShown)
{
    panel->Mostrar(QDate(2024, 3, 15));
    panel->lstTareas->SetListIndex(2);
    const qint32 nueva = Insertar(QStringLiteral("20240320"), QStringLiteral("1000"), QStringLiteral("1100"),
                                  QStringLiteral("Nueva"));

    // Another day of the month: the planner changes, the list keeps its lines
    // and its selection.
    panel->mvwCalendar_DateClick(QDate(2024, 3, 2));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1700-1800 Catequesis #%1").arg(catequesis)}));
    EXPECT_EQ(panel->lblFecha->text(), QStringLiteral("sábado, 2 de marzo de 2024"));
    EXPECT_EQ(LineaDe(nueva), -1);
    EXPECT_EQ(panel->lstTareas->ListIndex(), 2);

    // "00" asks for a rebuild.
    mstrMes = QStringLiteral("00");
    panel->mvwCalendar_DateClick(QDate(2024, 3, 2));
    EXPECT_NE(LineaDe(nueva), -1);

    // March of another year is another month, though its number is the same.
    panel->mvwCalendar_DateClick(QDate(2025, 3, 10));
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 10    10:00      Otro año")}));
    EXPECT_EQ(panel->lblTareas->text(), QStringLiteral("Tareas de marzo de 2025"));

    // A day without tasks in a month without tasks.
    panel->mvwCalendar_DateClick(QDate(2024, 7, 7));
    EXPECT_TRUE(Bloques().isEmpty());
    EXPECT_TRUE(Lineas().isEmpty());
    EXPECT_EQ(panel->lblTareas->text(), QStringLiteral("Tareas de julio de 2024"));
}

TEST_F(PanelAgendaTest, MovingTheCalendarAwayFromThePlannerDateAsksForARebuild)
{
    panel->Mostrar(QDate(2024, 3, 15));
    panel->mvwCalendar->setSelectedDate(QDate(2024, 3, 15));
    EXPECT_EQ(mstrMes, QStringLiteral("03"));
    panel->mvwCalendar->setSelectedDate(QDate(2024, 3, 16));
    EXPECT_EQ(mstrMes, QStringLiteral("00"));
}

TEST_F(PanelAgendaTest, AClickOnADateLoadsItAndTheArrowKeysDoNotMoveTheSelection)
{
    panel->Mostrar(QDate(2024, 3, 15));
    auto* vista = panel->mvwCalendar->findChild<QTableView*>();
    ASSERT_NE(vista, nullptr);
    for (Qt::Key tecla : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(vista, tecla);
    EXPECT_EQ(panel->mvwCalendar->selectedDate(), QDate(2024, 3, 15));

    emit panel->mvwCalendar->clicked(QDate(2024, 3, 2));
    EXPECT_EQ(panel->Dia(), QDate(2024, 3, 2));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1700-1800 Catequesis #%1").arg(catequesis)}));
}

TEST_F(PanelAgendaTest, EveryStoredEndOfTheDayShowsAsMidnightAndOddTimesAreShownButNotRewritten)
{
    const qint32 a = Insertar(QStringLiteral("20240310"), QStringLiteral("2200"), QStringLiteral("0000"), QStringLiteral("a"));
    const qint32 b = Insertar(QStringLiteral("20240310"), QStringLiteral("2200"), QStringLiteral("2359"), QStringLiteral("b"));
    const qint32 c = Insertar(QStringLiteral("20240310"), QStringLiteral("2200"), QStringLiteral("2400"), QStringLiteral("c"));
    const qint32 d = Insertar(QStringLiteral("20240310"), QStringLiteral(""), QStringLiteral(""), QStringLiteral("d"));
    const qint32 e = Insertar(QStringLiteral("20240310"), QStringLiteral("930"), QStringLiteral("2560"), QStringLiteral("e"));
    const qint32 f = Insertar(QStringLiteral("20240310"), QStringLiteral("1200"), QStringLiteral("1100"), QStringLiteral("f"));
    panel->Mostrar(QDate(2024, 3, 10));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("0000-0100 d #%1").arg(d), QStringLiteral("1200-1300 f #%1").arg(f),
                                      QStringLiteral("2200-2400 a #%1").arg(a), QStringLiteral("2200-2400 b #%1").arg(b),
                                      QStringLiteral("2200-2400 c #%1").arg(c), QStringLiteral("0930-2400 e #%1").arg(e)}));
    EXPECT_EQ(Fila(a), QStringLiteral("20240310 2200-0000 a|"));
    EXPECT_EQ(Fila(e), QStringLiteral("20240310 930-2560 e|"));
    EXPECT_EQ(Fila(d), QStringLiteral("20240310 - d|"));
    EXPECT_NE(LineaDe(e), -1);
    EXPECT_EQ(panel->lstTareas->List(LineaDe(e)), QStringLiteral(" 10    09:30      e"));
    // The database orders "930" after "2200": the list still shows it in its place.
    const QStringList lineas = Lineas();
    EXPECT_TRUE(std::is_sorted(lineas.begin(), lineas.end(), TextosAgenda::LineaAntes));
    EXPECT_LT(LineaDe(e), LineaDe(f));
}

TEST_F(PanelAgendaTest, ADayThatCannotBeReadIsReportedAndLeavesTheDayShown)
{
    panel->Mostrar(QDate(2024, 3, 15));
    con.Execute(QStringLiteral("DROP TABLE Tareas"));
    panel->mvwCalendar_DateClick(QDate(2024, 3, 2));
    ASSERT_EQ(reportes.size(), 1);
    EXPECT_TRUE(reportes.first().startsWith(QStringLiteral("mvwCalendar_DateClick()|frmPrincipal|")));
    EXPECT_EQ(panel->Dia(), QDate(2024, 3, 15));
    EXPECT_EQ(Bloques().size(), 2);
    EXPECT_EQ(panel->lblFecha->text(), QStringLiteral("viernes, 15 de marzo de 2024"));
    EXPECT_EQ(mstrMes, QStringLiteral("03"));
}

// ---------------------------------------------------------------- month list

TEST_F(PanelAgendaTest, DeleteOnAMonthLineDeletesThatTaskAtOnceAndReloadsTheDay)
{
    panel->Mostrar(QDate(2024, 3, 15));
    panel->lstTareas->SetListIndex(LineaDe(misa));
    QTest::keyClick(panel->lstTareas, Qt::Key_Delete);
    EXPECT_EQ(Fila(misa), QString());
    EXPECT_EQ(Lineas(), (QStringList{QStringLiteral(" 02    17:00      Catequesis"), QStringLiteral(" 15    18:00      Boda")}));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1800-1900 Boda #%1").arg(boda)}));
    EXPECT_EQ(panel->lstTareas->ListIndex(), -1);

    // Nothing current: the key does nothing.
    QTest::keyClick(panel->lstTareas, Qt::Key_Delete);
    EXPECT_EQ(Lineas().size(), 2);

    // A task of another day leaves the planner as it was.
    panel->lstTareas->SetListIndex(LineaDe(catequesis));
    QTest::keyClick(panel->lstTareas, Qt::Key_Delete);
    EXPECT_EQ(Fila(catequesis), QString());
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1800-1900 Boda #%1").arg(boda)}));
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

TEST_F(PanelAgendaTest, DoubleClickOnAMonthLineEditsThatTaskAndShowsItsDay)
{
    panel->Mostrar(QDate(2024, 3, 15));
    // "Misa" is taken on the 15th, not on the 2nd where Catequesis is.
    guion = [](frmTareas& d) {
        EXPECT_EQ(d.txtTarea0()->text(), QStringLiteral("Catequesis"));
        d.txtTarea0()->setText(QStringLiteral("Misa"));
        d.txtTarea1()->setPlainText(QStringLiteral("Con los niños"));
        d.cmdTarea_Click(frmTareas::kAceptar);
    };
    panel->lstTareas->SetListIndex(LineaDe(catequesis));
    emit panel->lstTareas->DblClick();
    EXPECT_EQ(dialogos, (QStringList{QStringLiteral("Propiedades de la tarea")}));
    EXPECT_EQ(Fila(catequesis), QStringLiteral("20240302 1700-1800 Misa|Con los niños"));
    EXPECT_EQ(panel->Dia(), QDate(2024, 3, 2));
    EXPECT_EQ(panel->mvwCalendar->selectedDate(), QDate(2024, 3, 2));
    EXPECT_EQ(Bloques(), (QStringList{QStringLiteral("1700-1800 Misa #%1").arg(catequesis)}));
    EXPECT_EQ(panel->lstTareas->List(0), QStringLiteral(" 02    17:00      Misa"));
    EXPECT_TRUE(mblnRefresh);

    // No current line: nothing opens.
    panel->lstTareas->SetListIndex(-1);
    emit panel->lstTareas->DblClick();
    EXPECT_EQ(dialogos.size(), 1);
}

} // namespace
