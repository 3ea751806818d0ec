#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Norvia Parvanta 2000"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
