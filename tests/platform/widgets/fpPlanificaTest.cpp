#include "platform/widgets/fpPlanifica.h"
#include "platform/widgets/fpPlanificaColumnas.h"
#include "platform/widgets/fpPlanificaHoras.h"
#include "support/ErrorNumber.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using widgets::fpPlanifica;
namespace Horas = widgets::HorasPlanifica;

namespace {

// ---------------------------------------------------------------- times and columns

struct CasoHoras {
    const char* inicio;
    const char* fin;
    int minutosInicio;
    int minutosFin;
};

TEST(HorasPlanifica, StoredTimesAreReadClampedAndTheEndOfTheDayIsOneValue)
{
    const CasoHoras casos[] = {
        {"0930", "1045", 570, 645},
        {"0900", "0000", 540, 1440},   // midnight closes the day
        {"2300", "2359", 1380, 1440},  // the stored end of the day
        {"2300", "2400", 1380, 1440},
        {"930", "1030", 570, 630},     // a lost leading zero
        {"", "", 0, 60},
        {"2560", "2560", 1439, 1440},  // past the day: clamped into it
        {"1000", "0900", 600, 660},    // reversed: one hour from the start
        {"1000", "1000", 600, 660},
        {"12a0", "x", 0, 60},
        {"0975", "1099", 599, 659},    // minutes above 59 count as 59
        {"09300", "1030", 0, 630},
    };
    for (const CasoHoras& c : casos) {
        SCOPED_TRACE(std::string(c.inicio) + " - " + c.fin);
        const int inicio = Horas::MinutosInicio(QString::fromLatin1(c.inicio));
        EXPECT_EQ(inicio, c.minutosInicio);
        EXPECT_EQ(Horas::MinutosFin(QString::fromLatin1(c.fin), inicio), c.minutosFin);
    }
}

TEST(HorasPlanifica, SlotsCountAPartlyUsedHourWhole)
{
    EXPECT_EQ(Horas::SlotInicio(0), 1);
    EXPECT_EQ(Horas::SlotInicio(570), 10);
    EXPECT_EQ(Horas::SlotFin(615), 12);
    EXPECT_EQ(Horas::SlotFin(660), 12);
    EXPECT_EQ(Horas::SlotFin(1440), 25);
    EXPECT_EQ(Horas::TextoHora(1440), QStringLiteral("2400"));
    EXPECT_EQ(Horas::TextoHora(545), QStringLiteral("0905"));
    EXPECT_EQ(Horas::HoraMostrada(1440), QStringLiteral("24:00"));
}

TEST(ColumnasPlanifica, OverlappingTasksShareTheWidthAndFreeColumnsAreReused)
{
    using widgets::ColumnaPlanifica;
    // 0 and 1 overlap; 2 overlaps 1 only, so it takes the column 0 left;
    // 3 only touches 2 (an end equal to a start is no overlap).
    const QList<ColumnaPlanifica> c = widgets::ColumnasPlanifica({{540, 660}, {600, 720}, {660, 780}, {780, 840}});
    ASSERT_EQ(c.size(), 4);
    EXPECT_EQ(c[0].columna, 0);
    EXPECT_EQ(c[1].columna, 1);
    EXPECT_EQ(c[2].columna, 0);
    EXPECT_EQ(c[0].columnas, 2);
    EXPECT_EQ(c[1].columnas, 2);
    EXPECT_EQ(c[2].columnas, 2);
    EXPECT_EQ(c[3].columna, 0);
    EXPECT_EQ(c[3].columnas, 1);
    // The order given is kept in the result, whatever the times.
    const QList<ColumnaPlanifica> d = widgets::ColumnasPlanifica({{600, 660}, {540, 700}});
    EXPECT_EQ(d[1].columna, 0);
    EXPECT_EQ(d[0].columna, 1);
}

// ---------------------------------------------------------------- the control

class fpPlanificaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plan.resize(500, 420);
        plan.SetPlanDate(QStringLiteral("20240315"));
        plan.show();
        plan.verticalScrollBar()->setValue(8 * plan.RowHeight());
        // Every signal, in order, as text.
        QObject::connect(&plan, &fpPlanifica::Select, &plan, [this](int i) { sucesos << QStringLiteral("Select %1").arg(i); });
        QObject::connect(&plan, &fpPlanifica::TaskAdd, &plan, [this](int i) { sucesos << QStringLiteral("TaskAdd %1").arg(i); });
        QObject::connect(&plan, &fpPlanifica::TaskDelete, &plan, [this](int i) { sucesos << QStringLiteral("TaskDelete %1").arg(i); });
        QObject::connect(&plan, &fpPlanifica::TaskEditMode, &plan,
                [this](int i) { sucesos << QStringLiteral("TaskEditMode %1").arg(i); });
        QObject::connect(&plan, &fpPlanifica::TaskMove, &plan, [this](int i, qint16 a, qint16 b) {
            sucesos << QStringLiteral("TaskMove %1 %2 %3").arg(i).arg(a).arg(b);
        });
        QObject::connect(&plan, &fpPlanifica::TaskResize, &plan, [this](int i, qint16 a, qint16 b) {
            sucesos << QStringLiteral("TaskResize %1 %2 %3").arg(i).arg(a).arg(b);
        });
        QObject::connect(&plan, &fpPlanifica::MouseUp, &plan, [this](int b, int, int, int) { sucesos << QStringLiteral("MouseUp %1").arg(b); });
    }

    QWidget* vista() { return plan.viewport(); }
    // A point in the empty part of the day at a time (minutes).
    QPoint Hueco(int minutos) { return {plan.viewport()->width() - 20, plan.YOfTime(minutos)}; }
    // A point inside a block at a time (minutes), away from its edges.
    QPoint EnTarea(int index, int minutos)
    {
        return {plan.TaskRect(index).left() + 10, plan.YOfTime(minutos)};
    }

    void Arrastrar(QPoint desde, QPoint hasta)
    {
        QTest::mousePress(vista(), Qt::LeftButton, {}, desde);
        QTest::mouseMove(vista(), (desde + hasta) / 2);
        QTest::mouseMove(vista(), hasta);
        QTest::mouseRelease(vista(), Qt::LeftButton, {}, hasta);
    }

    void AnadirSinSucesos(qint32 id, const char* inicio, const char* fin, const char* texto)
    {
        plan.AddTask(id, QString::fromLatin1(inicio), QString::fromLatin1(fin), QString::fromUtf8(texto));
        sucesos.clear();
    }

    QString Horas(int index)
    {
        plan.SetTaskIndex(index);
        return plan.TaskStart().mid(9, 4) + u'-' + plan.TaskEnd().mid(9, 4);
    }

    fpPlanifica plan;
    QStringList sucesos;
};

TEST_F(fpPlanificaTest, AddedTasksAreReadBackThroughTheCurrentIndex)
{
    QStringList leidoEnElManejador;
    QObject::connect(&plan, &fpPlanifica::TaskAdd, &plan, [&](int i) {
        plan.SetTaskIndex(i);
        leidoEnElManejador << plan.TaskText() + u' ' + QString::number(plan.TaskCount());
    });
    plan.AddTask(41, QStringLiteral("0930"), QStringLiteral("1100"), QStringLiteral("Misa"));
    plan.AddTask(42, QStringLiteral("1800"), QStringLiteral("0000"), QStringLiteral("Catequesis"));

    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("TaskAdd 1"), QStringLiteral("TaskAdd 2")}));
    EXPECT_EQ(leidoEnElManejador, (QStringList{QStringLiteral("Misa 1"), QStringLiteral("Catequesis 2")}));
    plan.SetTaskIndex(1);
    EXPECT_EQ(plan.TaskStart(), QStringLiteral("20240315 0930"));
    EXPECT_EQ(plan.TaskEnd(), QStringLiteral("20240315 1100"));
    EXPECT_EQ(plan.TaskId(), 41);
    EXPECT_EQ(Horas(2), QStringLiteral("1800-2400"));
    EXPECT_EQ(plan.FindTask(42), 2);
    EXPECT_EQ(plan.FindTask(7), 0);
    plan.SetTaskText(QStringLiteral("Bautizo"));
    plan.SetTaskId(77);
    EXPECT_EQ(plan.TaskText(), QStringLiteral("Bautizo"));
    EXPECT_EQ(plan.FindTask(77), 2);
}

TEST_F(fpPlanificaTest, IndexesOutsideTheTasksRaise)
{
    using testsupport::ErrorNumberOf;
    EXPECT_EQ(ErrorNumberOf([&] { plan.TaskText(); }), fpPlanifica::ErrIndicePropiedad);
    AnadirSinSucesos(1, "0900", "1000", "Misa");
    EXPECT_EQ(ErrorNumberOf([&] { plan.SetTaskIndex(2); }), fpPlanifica::ErrIndicePropiedad);
    EXPECT_EQ(ErrorNumberOf([&] { plan.RemoveTask(0); }), fpPlanifica::ErrIndicePropiedad);
    EXPECT_EQ(plan.TaskCount(), 1);
    EXPECT_TRUE(sucesos.isEmpty());
}

TEST_F(fpPlanificaTest, RemovalIsAnnouncedWhileTheTaskCanStillBeReadAndLaterTasksMoveDown)
{
    AnadirSinSucesos(1, "0900", "1000", "Misa");
    AnadirSinSucesos(2, "1000", "1100", "Boda");
    AnadirSinSucesos(3, "1100", "1200", "Bautizo");
    QString leido;
    QObject::connect(&plan, &fpPlanifica::TaskDelete, &plan, [&](int i) {
        plan.SetTaskIndex(i);
        leido = plan.TaskText() + u' ' + QString::number(plan.TaskCount());
    });
    plan.RemoveTask(2);
    EXPECT_EQ(leido, QStringLiteral("Boda 3"));
    ASSERT_EQ(plan.TaskCount(), 2);
    plan.SetTaskIndex(2);
    EXPECT_EQ(plan.TaskText(), QStringLiteral("Bautizo"));
}

TEST_F(fpPlanificaTest, ClearEmptiesThePlannerWithoutASignal)
{
    AnadirSinSucesos(1, "0900", "1000", "Misa");
    AnadirSinSucesos(2, "1000", "1100", "Boda");
    plan.SetTaskIndex(2);
    plan.Clear();
    EXPECT_EQ(plan.TaskCount(), 0);
    EXPECT_EQ(plan.TaskIndex(), 0);
    EXPECT_TRUE(sucesos.isEmpty());
}

TEST_F(fpPlanificaTest, DraggingOverEmptyHoursDrawsATaskOfWholeHours)
{
    // From inside 09:00-10:00 to inside 11:00-12:00, and the other way round.
    Arrastrar(Hueco(9 * 60 + 20), Hueco(11 * 60 + 40));
    Arrastrar(Hueco(16 * 60 + 50), Hueco(14 * 60 + 10));
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 1"), QStringLiteral("TaskAdd 1"), QStringLiteral("MouseUp 1"),
                                    QStringLiteral("Select 2"), QStringLiteral("TaskAdd 2"), QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("0900-1200"));
    EXPECT_EQ(Horas(2), QStringLiteral("1400-1700"));
    EXPECT_EQ(plan.TaskId(), 0);
    EXPECT_EQ(plan.SelectedTask(), 2);
}

TEST_F(fpPlanificaTest, AClickOnAnEmptyHourDrawsNothingButADoubleClickDrawsThatHour)
{
    const QPoint p = Hueco(13 * 60 + 30);
    QTest::mouseClick(vista(), Qt::LeftButton, {}, p);
    EXPECT_EQ(plan.TaskCount(), 0);
    QTest::mouseDClick(vista(), Qt::LeftButton, {}, p);
    EXPECT_EQ(plan.TaskCount(), 0);  // drawn when the button comes up
    QTest::mouseRelease(vista(), Qt::LeftButton, {}, p);
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("MouseUp 1"), QStringLiteral("Select 1"), QStringLiteral("TaskAdd 1"),
                                    QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("1300-1400"));
}

TEST_F(fpPlanificaTest, MovingSnapsToWholeHoursAndStaysInsideTheDay)
{
    AnadirSinSucesos(5, "0930", "1045", "Misa");  // covers slots 10 and 11
    Arrastrar(EnTarea(1, 10 * 60), EnTarea(1, 10 * 60) + QPoint(0, 3 * plan.RowHeight() + 5));
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 1"), QStringLiteral("TaskMove 1 13 15"),
                                    QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("1200-1400"));

    sucesos.clear();
    plan.verticalScrollBar()->setValue(plan.verticalScrollBar()->maximum());
    const QPoint desde = EnTarea(1, 13 * 60);
    Arrastrar(desde, {desde.x(), plan.viewport()->height() - 2});
    Arrastrar(EnTarea(1, 23 * 60), EnTarea(1, 23 * 60) + QPoint(0, 200));  // already at the end: nothing
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("TaskMove 1 23 25"), QStringLiteral("MouseUp 1"),
                                    QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("2200-2400"));
}

TEST_F(fpPlanificaTest, ASmallJitterOnATaskOnlySelectsIt)
{
    AnadirSinSucesos(5, "0900", "1100", "Misa");
    const QPoint p = EnTarea(1, 9 * 60 + 30);
    Arrastrar(p, p + QPoint(1, 1));
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 1"), QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("0900-1100"));
}

TEST_F(fpPlanificaTest, DraggingTheLowerEdgeChangesTheEndToAWholeHour)
{
    AnadirSinSucesos(5, "0930", "1015", "Misa");
    const QPoint borde(plan.TaskRect(1).center().x(), plan.TaskRect(1).bottom() - 1);
    Arrastrar(borde, {borde.x(), plan.YOfTime(12 * 60 + 10)});
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 1"), QStringLiteral("TaskResize 1 10 13"),
                                    QStringLiteral("MouseUp 1")}));
    // Both times are whole hours now, as they will be stored.
    EXPECT_EQ(Horas(1), QStringLiteral("0900-1200"));

    // Upwards past the start keeps one hour.
    sucesos.clear();
    const QPoint borde2(plan.TaskRect(1).center().x(), plan.TaskRect(1).bottom() - 1);
    Arrastrar(borde2, {borde2.x(), plan.YOfTime(8 * 60)});
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("TaskResize 1 10 11"), QStringLiteral("MouseUp 1")}));
}

TEST_F(fpPlanificaTest, ResizingToTheEndOfTheDayReportsSlot25)
{
    AnadirSinSucesos(5, "2200", "2300", "Vigilia");
    plan.verticalScrollBar()->setValue(plan.verticalScrollBar()->maximum());
    const QPoint borde(plan.TaskRect(1).center().x(), plan.TaskRect(1).bottom() - 1);
    Arrastrar(borde, {borde.x(), plan.viewport()->height() - 1});
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 1"), QStringLiteral("TaskResize 1 23 25"),
                                    QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(Horas(1), QStringLiteral("2200-2400"));
}

TEST_F(fpPlanificaTest, DoubleClickOnATaskAsksToEditItAndTheDeleteKeyRemovesTheSelectedOne)
{
    AnadirSinSucesos(5, "0900", "1000", "Misa");
    AnadirSinSucesos(6, "1100", "1200", "Boda");
    const QPoint p = EnTarea(2, 11 * 60 + 30);
    QTest::mouseClick(vista(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(vista(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(vista(), Qt::LeftButton, {}, p);
    QTest::keyClick(&plan, Qt::Key_Delete);
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 2"), QStringLiteral("MouseUp 1"),
                                    QStringLiteral("TaskEditMode 2"), QStringLiteral("MouseUp 1"),
                                    QStringLiteral("TaskDelete 2")}));
    ASSERT_EQ(plan.TaskCount(), 1);
    EXPECT_EQ(plan.SelectedTask(), 0);
    sucesos.clear();
    QTest::keyClick(&plan, Qt::Key_Delete);  // nothing selected: nothing goes
    EXPECT_EQ(plan.TaskCount(), 1);
    EXPECT_TRUE(sucesos.isEmpty());
}

TEST_F(fpPlanificaTest, TheAddHandlerMayRemoveTheTaskItWasToldAbout)
{
    // As a cancelled task dialog does, from inside the signal of the drawn task.
    AnadirSinSucesos(5, "0800", "0900", "Misa");
    QString leidoAlBorrar;
    QObject::connect(&plan, &fpPlanifica::TaskDelete, &plan, [&](int i) {
        plan.SetTaskIndex(i);
        leidoAlBorrar = plan.TaskStart().mid(9, 4);
    });
    QObject::connect(&plan, &fpPlanifica::TaskAdd, &plan, [&](int i) { plan.RemoveTask(i); });
    Arrastrar(Hueco(10 * 60 + 10), Hueco(11 * 60 + 10));
    EXPECT_EQ(sucesos, (QStringList{QStringLiteral("Select 2"), QStringLiteral("TaskAdd 2"), QStringLiteral("TaskDelete 2"),
                                    QStringLiteral("MouseUp 1")}));
    EXPECT_EQ(leidoAlBorrar, QStringLiteral("1000"));
    ASSERT_EQ(plan.TaskCount(), 1);
    EXPECT_EQ(plan.SelectedTask(), 0);
    EXPECT_EQ(plan.TaskIndex(), 0);
    EXPECT_EQ(Horas(1), QStringLiteral("0800-0900"));
}

TEST_F(fpPlanificaTest, AHandlerThatReloadsTheDayDuringAMoveLeavesAUsablePlanner)
{
    AnadirSinSucesos(5, "0900", "1000", "Misa");
    QObject::connect(&plan, &fpPlanifica::TaskMove, &plan, [&] {
        plan.Clear();
        plan.AddTask(5, QStringLiteral("0900"), QStringLiteral("1000"), QStringLiteral("Misa"));
    });
    Arrastrar(EnTarea(1, 9 * 60 + 30), EnTarea(1, 9 * 60 + 30) + QPoint(0, 2 * plan.RowHeight()));
    ASSERT_EQ(plan.TaskCount(), 1);
    EXPECT_EQ(Horas(1), QStringLiteral("0900-1000"));
    EXPECT_EQ(plan.SelectedTask(), 0);
    QTest::keyClick(&plan, Qt::Key_Delete);
    EXPECT_EQ(plan.TaskCount(), 1);
}

// The tooltip window itself: QToolTip hides it only after a delay.
QWidget* VentanaTip()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"qtooltip_label")
            return w;
    return nullptr;
}

TEST_F(fpPlanificaTest, TheTooltipShowsWhatTheHandlerGivesOrNothing)
{
    AnadirSinSucesos(5, "0900", "1000", "Misa");
    const QPoint p = EnTarea(1, 9 * 60 + 30);
    int pedido = 0;
    qint16 mostrar = 1;
    QObject::connect(&plan, &fpPlanifica::TextTipFetch, &plan, [&](int i, QString& texto, qint16& show) {
        pedido = i;
        EXPECT_EQ(texto, QStringLiteral("Misa"));
        texto = QStringLiteral("Misa de difuntos");
        show = mostrar;
    });
    QHelpEvent tip(QEvent::ToolTip, p, vista()->mapToGlobal(p));
    QApplication::sendEvent(vista(), &tip);
    EXPECT_EQ(pedido, 1);
    ASSERT_NE(VentanaTip(), nullptr);
    EXPECT_TRUE(VentanaTip()->isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Misa de difuntos"));

    VentanaTip()->hide();
    mostrar = 0;
    QApplication::sendEvent(vista(), &tip);
    EXPECT_FALSE(VentanaTip()->isVisible());

    pedido = 0;
    mostrar = 1;
    const QPoint hueco = Hueco(15 * 60);
    QHelpEvent fuera(QEvent::ToolTip, hueco, vista()->mapToGlobal(hueco));
    QApplication::sendEvent(vista(), &fuera);
    EXPECT_EQ(pedido, 0);
    EXPECT_FALSE(VentanaTip()->isVisible());
}

TEST_F(fpPlanificaTest, OverlappingTasksStandSideBySide)
{
    AnadirSinSucesos(1, "0900", "1100", "Misa");
    AnadirSinSucesos(2, "1000", "1200", "Boda");
    AnadirSinSucesos(3, "1300", "1400", "Bautizo");
    const QRect a = plan.TaskRect(1);
    const QRect b = plan.TaskRect(2);
    const QRect c = plan.TaskRect(3);
    EXPECT_FALSE(a.intersects(b));
    EXPECT_LT(a.right(), b.left());
    EXPECT_GT(c.width(), a.width() + b.width());
    // Placed by their minutes: two hours are twice one hour.
    EXPECT_NEAR(a.height() + 2, 2 * (c.height() + 2), 1);
    EXPECT_EQ(a.top() - 1, plan.YOfTime(9 * 60));
}

} // namespace
