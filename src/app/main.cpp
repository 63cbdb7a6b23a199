#include "mainwindow.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"vm280"_s);
    QApplication::setApplicationVersion(u"1.0"_s);
    // The dialogs are windows of their own; closing the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    vm280::MainWindow window;
    QObject::connect(&window, &vm280::MainWindow::closed, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
