#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A modal dialog left to wait for a user (exec() with nobody to answer it)
// would hold the test until CTest's timeout. Once its event loop runs, the
// dialog fails the test and is closed, so the test ends at once.
class DialogoSinRespuesta : public QObject {
protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* dialogo = qobject_cast<QDialog*>(objeto);
        if (evento->type() == QEvent::Show && dialogo && dialogo->isModal()) {
            QTimer::singleShot(0, dialogo, [dialogo] {
                if (QThread::currentThread()->loopLevel() == 0 || !dialogo->isVisible())
                    return;
                ADD_FAILURE() << "A dialog waited for the user: " << dialogo->metaObject()->className() << " \""
                              << dialogo->windowTitle().toStdString() << "\"";
                dialogo->reject();
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Message boxes default their caption to the application title.
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    DialogoSinRespuesta dialogoSinRespuesta;
    app.installEventFilter(&dialogoSinRespuesta);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new testsupport::TestEnvironmentListener);
    return RUN_ALL_TESTS();
}
