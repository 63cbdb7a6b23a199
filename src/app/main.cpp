#include "mainwindow.h"

#include "ui/appicon.h"

#include <QApplication>
#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace {

void describe(QCoreApplication &app, QCommandLineParser &parser)
{
    app.setApplicationName(u"vm280"_s);
    app.setApplicationVersion(QString::fromUtf8(VM280_VERSION));
    parser.setApplicationDescription(u"Programming tool for the VM-280 handheld radio."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"Code plan file to open after start-up."_s);
}

// --help and --version answer without a display.
bool asksForInformation(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
            argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        describe(app, parser);
        parser.process(app);
        return 0;
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    describe(app, parser);
    parser.process(app);
    QGuiApplication::setDesktopFileName(u"io.github.vm280.vm280"_s);
    QApplication::setWindowIcon(vm280::ApplicationIcon());
    // The dialogs are windows of their own; closing the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    vm280::MainWindow window;
    QObject::connect(&window, &vm280::MainWindow::closed, &app, &QApplication::quit);
    window.show();
    // Opened like File > Open, with the same messages.
    if (!parser.positionalArguments().isEmpty())
        window.openFile(parser.positionalArguments().first());
    return app.exec();
}
