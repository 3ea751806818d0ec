#include "support/TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Message boxes default their caption to the application title.
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new testsupport::TestEnvironmentListener);
    return RUN_ALL_TESTS();
}
