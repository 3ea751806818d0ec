#include "support/TestEnvironment.h"

#include "platform/os/Locale.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"

#include <QTemporaryDir>
#include <memory>

namespace testsupport {
namespace {

std::unique_ptr<QTemporaryDir>& SettingsDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

} // namespace

ScriptedUi& scriptedUi()
{
    static ScriptedUi instance;
    return instance;
}

QString settingsFolder() { return settings::Folder(); }

void TestEnvironmentListener::OnTestStart(const ::testing::TestInfo&)
{
    scriptedUi().reset();
    ui::SetCurrent(&scriptedUi());
    ui::SetErrorReporter({});
    vb::Err().Clear();
    SettingsDir() = std::make_unique<QTemporaryDir>();
    settings::SetFolder(SettingsDir()->path());
    os::SetLocaleSeparatorsOverride(
        os::LocaleSeparators {QStringLiteral(","), QStringLiteral("."), QStringLiteral(","), QStringLiteral(".")});
    os::SetLangIDOverride(3082);
}

// GoogleTest calls OnTestEnd of later listeners first, so a failure added
// here is still counted and printed with the test.
void TestEnvironmentListener::OnTestEnd(const ::testing::TestInfo&)
{
    scriptedUi().expectAllAnswersUsed();
    settings::SetFolder({});
    SettingsDir().reset();
}

} // namespace testsupport
