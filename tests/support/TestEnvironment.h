#pragma once

#include "support/ScriptedUi.h"

#include <QString>
#include <gtest/gtest.h>

// What every test starts with, set up by the shared test main before each
// test and checked after it:
//  - ui::Current() is a fresh ScriptedUi (an unexpected message box fails the
//    test; answers queued but not used fail it too);
//  - the default error reporter and a cleared vb::Err();
//  - an empty settings folder of its own (settings::SetFolder);
//  - the regional settings of a correct Spanish machine ("," decimal, "."
//    thousands, language 3082), whatever the locale CI runs in.
namespace testsupport {

ScriptedUi& scriptedUi();
QString settingsFolder();

class TestEnvironmentListener : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;
};

} // namespace testsupport
