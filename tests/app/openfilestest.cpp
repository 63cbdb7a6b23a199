#include "windowrig.h"

#include "app/codeplancommands.h"
#include "app/recentfiles.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kWrongTag = u"文件类型不对，无法打开。"_s;

QString copyOfRichPlan(const WindowRig &rig, const QString &name)
{
    const QString path = rig.dir.filePath(name);
    QFile::copy(kRichPlan, path);
    return path;
}

QString notAPlan(const WindowRig &rig)
{
    const QString path = rig.dir.filePath(u"wrong.DAT"_s);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(853, '\xFF'));
    return path;
}

// The items of File > Recent files as the user sees them when the File menu opens.
QList<QAction *> recentItems(const WindowRig &rig)
{
    auto *file = rig.child<QMenu>(u"mnuFile"_s);
    file->popup(QPoint());
    file->hide();
    return rig.child<QMenu>(u"mnuRecent"_s)->actions();
}

QStringList texts(const QList<QAction *> &items)
{
    QStringList result;
    for (const QAction *item : items)
        result << item->text();
    return result;
}

} // namespace

class OpenFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldOpenThePlanNamedOnTheCommandLine();
    void shouldExplainACommandLinePlanThatCannotBeOpened_data();
    void shouldExplainACommandLinePlanThatCannotBeOpened();
    void shouldOpenTheFirstFileDroppedOnTheWindow();
    void shouldRefuseDropsThatAreNotLocalFiles();
    void shouldExplainADroppedFileThatIsNotAPlan();
    void shouldListRecentPlansAcrossARestartWithoutDeletedOnes();
    void shouldOpenARecentPlanWhenChosen();
    void shouldGreyRecentFilesWhileTheListIsEmpty();
};

void OpenFilesTest::shouldOpenThePlanNamedOnTheCommandLine()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    QCOMPARE(rig.window->plan(), planOf(kRichPlan));
    QVERIFY(rig.window->plan() != CodePlan());
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), rig.window->plan().band);
    QVERIFY(rig.messages.isEmpty());
    QCOMPARE(texts(recentItems(rig)), QStringList{u"&1 "_s + QDir::toNativeSeparators(kRichPlan)});
}

void OpenFilesTest::shouldExplainACommandLinePlanThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong tag") << u"wrong.DAT"_s << kWrongTag;
    QTest::newRow("missing") << u"missing.DAT"_s << u"无法打开文件 "_s;
}

void OpenFilesTest::shouldExplainACommandLinePlanThatCannotBeOpened()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    WindowRig rig;
    notAPlan(rig);
    QVERIFY(rig.start());
    const QString path = rig.dir.filePath(name);
    QVERIFY(!rig.window->files()->openFile(path));
    QCOMPARE(rig.prompts().size(), 1);
    QVERIFY2(rig.prompts().first().startsWith(message), qPrintable(rig.prompts().first()));
    // The same words as File > Open.
    rig.files << path;
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    QCOMPARE(rig.prompts().last(), rig.prompts().first());
    QCOMPARE(rig.window->plan(), CodePlan());
    QVERIFY(recentItems(rig).isEmpty());
}

void OpenFilesTest::shouldOpenTheFirstFileDroppedOnTheWindow()
{
    WindowRig rig;
    const QString first = copyOfRichPlan(rig, u"first.DAT"_s);
    QVERIFY(rig.start());
    QVERIFY(drop(rig.window.get(), {QUrl::fromLocalFile(first), QUrl::fromLocalFile(notAPlan(rig))}));
    QCOMPARE(rig.window->plan(), planOf(first));
    QVERIFY(rig.messages.isEmpty());
    QCOMPARE(texts(recentItems(rig)), QStringList{u"&1 "_s + QDir::toNativeSeparators(first)});
}

void OpenFilesTest::shouldRefuseDropsThatAreNotLocalFiles()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(!drop(rig.window.get(), {QUrl(u"https://www.vm280.example/plan.DAT"_s)}));
    QVERIFY(!drop(rig.window.get(), {QUrl::fromLocalFile(rig.dir.path())}));
    QVERIFY(!drop(rig.window.get(), {}));
    QCOMPARE(rig.window->plan(), CodePlan());
    QVERIFY(rig.messages.isEmpty());
}

void OpenFilesTest::shouldExplainADroppedFileThatIsNotAPlan()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const CodePlan before = rig.window->plan();
    QVERIFY(drop(rig.window.get(), {QUrl::fromLocalFile(notAPlan(rig))}));
    QCOMPARE(rig.prompts(), QStringList{kWrongTag});
    QVERIFY(drop(rig.window.get(), {QUrl::fromLocalFile(rig.dir.filePath(u"gone.DAT"_s))}));
    QVERIFY(rig.prompts().last().contains(u"gone.DAT"_s));
    QCOMPARE(rig.window->plan(), before);
}

void OpenFilesTest::shouldListRecentPlansAcrossARestartWithoutDeletedOnes()
{
    WindowRig rig;
    const QString opened = copyOfRichPlan(rig, u"opened.DAT"_s);
    const QString dropped = copyOfRichPlan(rig, u"dropped.DAT"_s);
    const QString saved = rig.dir.filePath(u"saved.DAT"_s);
    QVERIFY(rig.start());
    rig.files << opened << saved;
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QVERIFY(drop(rig.window.get(), {QUrl::fromLocalFile(dropped)}));
    rig.window->files()->openFile(opened);
    const auto item = [](int number, const QString &path) {
        return u"&%1 "_s.arg(number) + QDir::toNativeSeparators(path);
    };
    QCOMPARE(texts(recentItems(rig)), QStringList({item(1, opened), item(2, dropped), item(3, saved)}));

    rig.child<QAction>(u"mnuQuit"_s)->trigger();
    rig.window.reset();
    QVERIFY(QFile::remove(dropped));
    QVERIFY(rig.start());
    QCOMPARE(texts(recentItems(rig)), QStringList({item(1, opened), item(2, saved)}));
    QVERIFY(rig.messages.isEmpty());
}

void OpenFilesTest::shouldOpenARecentPlanWhenChosen()
{
    WindowRig rig;
    const QString plan = copyOfRichPlan(rig, u"plan.DAT"_s);
    RecentFiles().add(plan);
    QVERIFY(rig.start());
    const QList<QAction *> items = recentItems(rig);
    QCOMPARE(items.size(), 1);
    items.first()->trigger();
    QCOMPARE(rig.window->plan(), planOf(plan));
    // Replaced by a file that is not a plan: the message of File > Open, the shown plan kept.
    QFile::remove(plan);
    QFile::copy(notAPlan(rig), plan);
    recentItems(rig).first()->trigger();
    QCOMPARE(rig.prompts(), QStringList{kWrongTag});
    QCOMPARE(rig.window->plan(), planOf(kRichPlan));
}

void OpenFilesTest::shouldGreyRecentFilesWhileTheListIsEmpty()
{
    WindowRig rig;
    QVERIFY(rig.start());
    auto *recent = rig.child<QMenu>(u"mnuRecent"_s);
    QCOMPARE(recent->title(), u"最近的文件"_s);
    QVERIFY(recentItems(rig).isEmpty());
    QVERIFY(!recent->menuAction()->isEnabled());
    const QString plan = copyOfRichPlan(rig, u"plan&more.DAT"_s);
    rig.window->files()->openFile(plan);
    QVERIFY(recent->menuAction()->isEnabled());
    // The "&" shows as itself, not as an accelerator.
    const QString shown = QDir::toNativeSeparators(rig.dir.filePath(u"plan&&more.DAT"_s));
    QCOMPARE(texts(recentItems(rig)), QStringList{u"&1 "_s + shown});
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QCOMPARE(recent->title(), u"Recent files"_s);
    QFile::remove(plan);
    QVERIFY(recentItems(rig).isEmpty());
    QVERIFY(!recent->menuAction()->isEnabled());
}

int main(int argc, char *argv[])
{
    // No serial port unless a test names one.
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    OpenFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "openfilestest.moc"
