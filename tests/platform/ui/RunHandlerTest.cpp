#include "platform/ui/ErrorReporting.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/VbError.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

using namespace ui;
using testsupport::scriptedUi;

struct Report {
    QString procedure, module, project;
    long number = 0;
    QString description;
    MousePointer pointer = vbDefault;
    bool windowEnabled = false;
};

class RunHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetErrorReporter([this](const QString& procedure, const QString& module, const QString& project) {
            m_reports.append({procedure, module, project, vb::Err().Number, vb::Err().Description,
                              Current().mousePointer(), m_window.isEnabled()});
        });
    }
    void TearDown() override { SetErrorReporter({}); }

    QWidget m_window;
    QList<Report> m_reports;
};

TEST_F(RunHandlerTest, HandlerThatEndsWellReportsNothing)
{
    bool ran = false;
    EXPECT_TRUE(RunHandler("Form_Load()", "frmPrincipal", "NorviaParvanta2000.vbp", [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(m_reports.isEmpty());
}

TEST_F(RunHandlerTest, ErrorIsReportedWithTheThreeTextsAfterPointerAndWindowAreRestored)
{
    const bool ok = RunHandler("mnuArchivoNuevo_Click()", "frmPrincipal", "NorviaParvanta2000.vbp", [] {
        Current().setMousePointer(vbHourglass);
        throw vb::VbError(vb::ErrTypeMismatch, QStringLiteral("No coinciden los tipos"));
    }, &m_window);
    EXPECT_FALSE(ok);
    ASSERT_EQ(m_reports.size(), 1);
    const Report& r = m_reports.front();
    EXPECT_EQ(r.procedure, QStringLiteral("mnuArchivoNuevo_Click()"));
    EXPECT_EQ(r.module, QStringLiteral("frmPrincipal"));
    EXPECT_EQ(r.project, QStringLiteral("NorviaParvanta2000.vbp"));
    EXPECT_EQ(r.number, vb::ErrTypeMismatch);
    EXPECT_EQ(r.description, QStringLiteral("No coinciden los tipos"));
    EXPECT_EQ(r.pointer, vbDefault);
    EXPECT_TRUE(r.windowEnabled);
    EXPECT_EQ(vb::Err().Number, vb::ErrTypeMismatch) << "the error stays current after the report";
}

TEST_F(RunHandlerTest, WindowDisabledByTheHandlerIsEnabledAgain)
{
    RunHandler("p", "m", "x", [this] {
        m_window.setEnabled(false);
        throw vb::VbError(vb::ErrOverflow, QStringLiteral("Desbordamiento"));
    }, &m_window);
    EXPECT_TRUE(m_window.isEnabled());

    m_window.setEnabled(false);
    RunHandler("p", "m", "x", [] { throw std::runtime_error("x"); }, &m_window);
    EXPECT_FALSE(m_window.isEnabled()) << "the state at entry comes back, not 'enabled'";
}

TEST_F(RunHandlerTest, PointerAtEntryComesBack)
{
    HourglassGuard outerWait;
    RunHandler("p", "m", "x", [] {
        Current().setMousePointer(vbDefault);
        throw std::runtime_error("x");
    });
    EXPECT_EQ(Current().mousePointer(), vbHourglass);
}

TEST_F(RunHandlerTest, AnyExceptionBecomesTheCurrentError)
{
    struct Case {
        std::function<void()> body;
        long number;
        QString description;
    } cases[] = {
        {[] { throw vb::VbError(3021, QStringLiteral("No hay registro actual"), QStringLiteral("db")); }, 3021,
         QStringLiteral("No hay registro actual")},
        {[] { throw std::bad_alloc(); }, vb::ErrOutOfMemory, QStringLiteral("Memoria insuficiente")},
        {[] { throw std::runtime_error("disco lleno"); }, vb::ErrInternal, QStringLiteral("disco lleno")},
        {[] { throw 42; }, vb::ErrInternal, QStringLiteral("Error interno")},
    };
    for (const Case& c : cases) {
        m_reports.clear();
        EXPECT_FALSE(RunHandler("p", "m", "x", c.body));
        ASSERT_EQ(m_reports.size(), 1);
        EXPECT_EQ(m_reports.front().number, c.number);
        EXPECT_EQ(m_reports.front().description, c.description);
    }
}

TEST_F(RunHandlerTest, FailingReporterIsContained)
{
    SetErrorReporter([](const QString&, const QString&, const QString&) { throw std::runtime_error("reporter"); });
    EXPECT_FALSE(RunHandler("p", "m", "x", [] { throw std::runtime_error("x"); }));
}

TEST(DefaultErrorReporter, ShowsACriticalBoxWithNumberAndDescription)
{
    scriptedUi().queueAnswer(vbOK);
    EXPECT_FALSE(RunHandler("Sub Main()", "modMain", "NorviaParvanta2000.vbp",
                            [] { throw vb::VbError(vb::ErrOverflow, QStringLiteral("Desbordamiento")); }));
    const auto message = scriptedUi().lastMessage();
    EXPECT_EQ(message.text, QStringLiteral("Error nº 6: Desbordamiento\n\nProcedimiento: Sub Main()\n"
                                           "Módulo: modMain\nProyecto: NorviaParvanta2000.vbp"));
    EXPECT_EQ(message.icon, vbCritical);
    EXPECT_EQ(message.buttons, vbOKOnly);
    EXPECT_EQ(message.caption, QStringLiteral("Norvia Parvanta 2000"));
}

} // namespace
