// Start-up of the main window against a minimal Qt Widgets window (a QMainWindow with a menu
// bar and a QTableView): the time from launching the process until its window is first
// painted, and the resident memory once it is shown. Each is measured in a child process of
// this program on an X server (under xvfb-run when there is no display), several times, and the
// medians are compared. Start-up in Traditional Chinese is compared with start-up in Simplified
// Chinese, and a language switch over all windows (Simplified to Traditional to English) is timed.
// Start-up in English, and a minimal window with a Chinese menu, tell what the tool adds apart
// from finding and loading a CJK font, which every window showing Chinese pays.

#include "app/mainwindow.h"

#include <QAction>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRuns = 11;

qint64 residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Reports on stdout once the watched window has painted, then quits.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the paint has been delivered, so the whole first frame is counted.
            QTimer::singleShot(0, [] {
                QTextStream(stdout) << "painted " << residentKilobytes() << Qt::endl;
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

// chinese: its menu in Chinese, so that the first paint also finds and loads a CJK font, as
// every window showing Chinese must.
std::unique_ptr<QWidget> minimalWindow(bool chinese)
{
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(chinese ? u"文件"_s : u"File"_s)->addAction(chinese ? u"退出"_s : u"Quit"_s);
    window->setCentralWidget(new QTableView);
    return window;
}

void writeParameters(const QString &path, char language)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(2, '\0') + language);
}

// Prints the milliseconds of a switch from Simplified to Traditional to English.
int runSwitch(int argc, char *argv[], const QString &parameterPath)
{
    QApplication app(argc, argv);
    vm280::MainWindow window(parameterPath);
    window.show();
    QElapsedTimer clock;
    clock.start();
    window.findChild<QAction *>(u"mnuChineseF"_s)->trigger();
    window.findChild<QAction *>(u"mnuEnglish"_s)->trigger();
    QTextStream(stdout) << "switched " << clock.nsecsElapsed() / 1e6 << Qt::endl;
    return 0;
}

int runChild(int argc, char *argv[], const QString &kind, const QString &parameterPath)
{
    if (kind == "switch"_L1)
        return runSwitch(argc, argv, parameterPath);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<QWidget> window = kind == "window"_L1
                                          ? std::unique_ptr<QWidget>(new vm280::MainWindow(parameterPath))
                                          : minimalWindow(kind == "minimal-zh"_L1);
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    return app.exec();
}

struct Sample
{
    double ms = 0;
    qint64 kilobytes = 0;
};

Sample launch(const QString &kind, const QString &parameterPath)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, kind, parameterPath});
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    Sample sample{clock.nsecsElapsed() / 1e6, 0};
    const QList<QByteArray> words = child.readLine().trimmed().split(' ');
    if (words.value(0) == "switched")
        sample.ms = words.value(1).toDouble();
    else
        sample.kilobytes = words.value(1).toLongLong();
    child.waitForFinished(10000);
    return sample;
}

struct Launch
{
    QString kind;
    QString parameterPath;
};

// The median of each launch's runs. The launches take turns, run after run, so that a machine
// busy with other work for a while slows each of them alike and the ratios stay fair.
QList<Sample> medians(const QList<Launch> &launches)
{
    QList<QList<double>> times(launches.size());
    QList<QList<qint64>> memory(launches.size());
    for (int run = 0; run < kRuns; ++run) {
        for (qsizetype i = 0; i < launches.size(); ++i) {
            const Sample sample = launch(launches[i].kind, launches[i].parameterPath);
            times[i] << sample.ms;
            memory[i] << sample.kilobytes;
        }
    }
    QList<Sample> result;
    for (qsizetype i = 0; i < launches.size(); ++i) {
        std::sort(times[i].begin(), times[i].end());
        std::sort(memory[i].begin(), memory[i].end());
        result << Sample{times[i][kRuns / 2], memory[i][kRuns / 2]};
    }
    return result;
}

int runBenchmark(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QStringList arguments{u"-a"_s, QString::fromLocal8Bit(argv[0])};
        return QProcess::execute(u"xvfb-run"_s, arguments);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir config;
    const QString parameterPath = config.filePath(u"parameter"_s);
    const QString traditionalPath = config.filePath(u"traditional"_s);
    const QString englishPath = config.filePath(u"english"_s);
    qputenv("VM280_PORTS", "");
    writeParameters(parameterPath, 0);
    writeParameters(traditionalPath, 2);
    writeParameters(englishPath, 1);
    launch(u"minimal"_s, parameterPath); // warms the caches for all
    const QList<Sample> samples = medians({{u"minimal"_s, parameterPath},
                                           {u"window"_s, parameterPath},
                                           {u"window"_s, traditionalPath},
                                           {u"minimal-zh"_s, parameterPath},
                                           {u"window"_s, englishPath}});
    const Sample &minimal = samples[0];
    const Sample &window = samples[1];
    const Sample &traditional = samples[2];
    const Sample &minimalChinese = samples[3];
    const Sample &english = samples[4];
    QList<double> switches;
    for (int run = 0; run < kRuns; ++run)
        switches << launch(u"switch"_s, parameterPath).ms;
    std::sort(switches.begin(), switches.end());
    QTextStream out(stdout);
    out << "start-up to first paint (median of " << kRuns << "): vm280 " << window.ms
        << " ms, minimal window " << minimal.ms << " ms, ratio " << window.ms / minimal.ms
        << " (target <= 1.25)\n";
    // What the tool itself adds, apart from what showing Chinese costs any Qt window.
    out << "the same in each language: English vm280 " << english.ms << " ms, ratio "
        << english.ms / minimal.ms << "; Simplified vm280 against a minimal window with a Chinese menu "
        << minimalChinese.ms << " ms, ratio " << window.ms / minimalChinese.ms << "\n";
    out << "resident memory once shown: vm280 " << window.kilobytes << " KiB, minimal window "
        << minimal.kilobytes << " KiB, ratio " << double(window.kilobytes) / minimal.kilobytes
        << " (target <= 1.3)\n";
    out << "start-up in Traditional Chinese: " << traditional.ms << " ms, ratio to Simplified Chinese "
        << traditional.ms / window.ms << " (target <= 1.2)\n";
    out << "language switch Simplified > Traditional > English over all windows: " << switches[kRuns / 2]
        << " ms (target < 50)\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArrayView(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    return runBenchmark(argc, argv);
}
