// The file dialogs of File > Open, Save and Compare as people expect them: where they start, what
// they offer, the name Save gives a file, and the title and messages that name the file.

#include "windowrig.h"

#include "ui/languagemode.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");

QString copyOfRichPlan(const WindowRig &rig, const QString &name)
{
    const QString path = rig.dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::copy(kRichPlan, path);
    return path;
}

void choose(WindowRig &rig, const QString &command, const QString &path)
{
    rig.files << path;
    rig.child<QAction>(command)->trigger();
}

} // namespace

class WindowFileDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldProposeTheFileLastOpenedOrSaved();
    void shouldAddDatToANameWithoutExtension_data();
    void shouldAddDatToANameWithoutExtension();
    void shouldOfferEveryFileBesideThePlansToOpenAndCompare_data();
    void shouldOfferEveryFileBesideThePlansToOpenAndCompare();
    void shouldShowTheOpenedFileInTheTitle();
    void shouldNameTheFileOfTheWrongType();
};

void WindowFileDialogsTest::shouldProposeTheFileLastOpenedOrSaved()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QVERIFY2(rig.fileRequests.last().proposed.isEmpty(), "nothing to propose before a file was used");

    const QString opened = copyOfRichPlan(rig, u"dealer/opened.DAT"_s);
    choose(rig, u"mnuOpen"_s, opened);
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Save);
    QCOMPARE(rig.fileRequests.last().proposed, opened);
    rig.child<QAction>(u"mnuCompare"_s)->trigger();
    QVERIFY2(rig.fileRequests.last().proposed == opened, "Compare starts in the plan's folder");

    const QString saved = rig.dir.filePath(u"saved.DAT"_s);
    choose(rig, u"mnuAssave"_s, saved);
    QVERIFY(QFile::exists(saved));
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Open);
    QCOMPARE(rig.fileRequests.last().proposed, saved);
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QCOMPARE(rig.fileRequests.last().proposed, saved);
}

void WindowFileDialogsTest::shouldAddDatToANameWithoutExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << u"plan"_s << u"plan.DAT"_s;
    QTest::newRow("a full stop at the end") << u"plan."_s << u"plan.DAT"_s;
    QTest::newRow("a full stop in the folder's name") << u"v1.2/plan"_s << u"v1.2/plan.DAT"_s;
    QTest::newRow(".DAT") << u"plan.DAT"_s << u"plan.DAT"_s;
    QTest::newRow(".dat") << u"plan.dat"_s << u"plan.dat"_s;
    QTest::newRow("another extension") << u"plan.bak"_s << u"plan.bak"_s;
}

void WindowFileDialogsTest::shouldAddDatToANameWithoutExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    WindowRig rig;
    QVERIFY(rig.start());
    QDir(rig.dir.path()).mkpath(u"v1.2"_s);
    rig.enterFrequency(1, 1, u"438"_s);
    choose(rig, u"mnuAssave"_s, rig.dir.filePath(typed));
    QVERIFY2(QFile::exists(rig.dir.filePath(written)), qPrintable(written));
    QCOMPARE(planOf(rig.dir.filePath(written)).channels.cell(1, 1), u"438.00000"_s);
    QCOMPARE(rig.title(), u"VM-280-"_s + QDir::toNativeSeparators(rig.dir.filePath(written)));
    QVERIFY(rig.messages.isEmpty());

    // The name with its extension is the one asked about before it is replaced.
    rig.answers << MsgboxNo;
    choose(rig, u"mnuAssave"_s, rig.dir.filePath(typed));
    QCOMPARE(rig.prompts(), QStringList{u"该文件已存在，是否覆盖？"_s});
}

void WindowFileDialogsTest::shouldOfferEveryFileBesideThePlansToOpenAndCompare_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("everyFile");
    QTest::newRow("Simplified Chinese") << u"mnuChineseJ"_s << u"所有文件 (*)"_s;
    QTest::newRow("English") << u"mnuEnglish"_s << u"All files (*)"_s;
    QTest::newRow("Traditional Chinese") << u"mnuChineseF"_s << u"所有文件 (*)"_s;
}

void WindowFileDialogsTest::shouldOfferEveryFileBesideThePlansToOpenAndCompare()
{
    QFETCH(QString, language);
    QFETCH(QString, everyFile);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(language)->trigger();
    const QStringList plans{u"VM-280(*.DAT)"_s};
    for (const QString &command : {u"mnuOpen"_s, u"mnuCompare"_s}) {
        rig.child<QAction>(command)->trigger();
        QCOMPARE(rig.fileRequests.last().filters, plans + QStringList{everyFile});
    }
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QVERIFY2(rig.fileRequests.last().filters == plans, "a plan is saved as a plan");

    // A plan under another name opens.
    const QString renamed = copyOfRichPlan(rig, u"plan.bin"_s);
    choose(rig, u"mnuOpen"_s, renamed);
    QCOMPARE(rig.cell(1, 1), planOf(kRichPlan).channels.cell(1, 1));
    QCOMPARE(rig.title(), u"VM-280-"_s + QDir::toNativeSeparators(renamed));
}

void WindowFileDialogsTest::shouldShowTheOpenedFileInTheTitle()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QString plan = copyOfRichPlan(rig, u"opened.DAT"_s);
    choose(rig, u"mnuOpen"_s, plan);
    QCOMPARE(rig.title(), u"VM-280-"_s + QDir::toNativeSeparators(plan));
    rig.enterFrequency(1, 1, u"450"_s);
    QCOMPARE(rig.title(), u"*VM-280-"_s + QDir::toNativeSeparators(plan));
}

void WindowFileDialogsTest::shouldNameTheFileOfTheWrongType()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QString path = rig.dir.filePath(u"notes.txt"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(900, 'x'));
    file.close();
    choose(rig, u"mnuOpen"_s, path);
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.first().prompt, u"文件类型不对，无法打开。"_s);
    QCOMPARE(rig.messages.first().informativeText, QDir::toNativeSeparators(path));
    QCOMPARE(rig.messages.first().style, int(MsgboxOkOnly));
}

int main(int argc, char *argv[])
{
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowFileDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowfiledialogstest.moc"
