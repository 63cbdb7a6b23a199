#include "windowrig.h"

#include "app/interchangecommands.h"
#include "dialogs/importreportdialog.h"
#include "image/codec.h"
#include "interchange/planinterchange.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kList = QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv");
constexpr int kCsvFilter = 0;
constexpr int kJsonFilter = 1;

ImportReportDialog *report(const WindowRig &rig)
{
    return rig.window->interchange()->reportDialog();
}

void importFile(WindowRig &rig, const QString &path, int filter)
{
    rig.files << path;
    rig.filters << filter;
    rig.child<QAction>(u"mnuImport"_s)->trigger();
}

void exportFile(WindowRig &rig, const QString &path, int filter)
{
    rig.files << path;
    rig.filters << filter;
    rig.child<QAction>(u"mnuExport"_s)->trigger();
}

QString writeFile(const WindowRig &rig, const QString &name, const QByteArray &content)
{
    const QString path = rig.dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

QByteArray imageOf(const WindowRig &rig)
{
    return EncodeImage(rig.window->plan(), ChoiceTexts::simplifiedChinese());
}

} // namespace

class WindowInterchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldReportTheSkippedRowsOfAnImportedList();
    void shouldAskBeforeReplacingProgrammedChannels();
    void shouldChangeNothingForARefusedFile();
    void shouldImportAnExportedPlanAsTheSameBytes();
    void shouldExportTheChannelsAsChirpCsvWholeOrNotAtAll();
    void shouldTakeTheFormatTheFileNameSays_data();
    void shouldTakeTheFormatTheFileNameSays();
    void shouldCaptionImportAndExportInEveryLanguage();
};

void WindowInterchangeTest::shouldReportTheSkippedRowsOfAnImportedList()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(8);
    importFile(rig, kList, kCsvFilter);
    QVERIFY2(rig.messages.isEmpty(), "an empty window is not asked");
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Open);
    QCOMPARE(rig.fileRequests.last().filters.size(), 2);
    QVERIFY(rig.fileRequests.last().filters[kCsvFilter].endsWith(u"(*.csv)"_s));
    QVERIFY(rig.fileRequests.last().filters[kJsonFilter].endsWith(u"(*.json)"_s));

    ImportReportDialog *dialog = report(rig);
    QVERIFY(dialog->isVisible());
    const QStringList lines = dialog->lines();
    QCOMPARE(lines.size(), 75);
    QCOMPARE(lines.last(), u"已导入 16 个信道，跳过 74 行"_s);
    QVERIFY2(lines[0].startsWith(u"eu-lpd-pmr.csv:18:1: 跳过: "_s), qPrintable(lines[0]));
    const ImportResult cli = ImportPlanFile(kList, CodePlan(), {}, ChoiceTexts::simplifiedChinese());
    QVERIFY2(lines == cli.report.lines(u"eu-lpd-pmr.csv"_s, Language::SimplifiedChinese),
             "the report the command line prints, in the window's language");
    QVERIFY(dialog->heading().contains(u"400-480MHz"_s));
    QVERIFY(dialog->heading().endsWith(u"已导入 16 个信道，跳过 74 行。"_s));
    QVERIFY(dialog->heading().contains(QDir::toNativeSeparators(kList)));
    QCOMPARE(rig.cell(1, 1), u"433.07500"_s);
    QCOMPARE(rig.cell(16, 1), u"433.45000"_s);
    QCOMPARE(rig.cell(1, 7), u"窄带"_s);
    QVERIFY2(rig.child<QComboBox>(u"Combo9"_s)->currentIndex() == 8, "the window's settings are kept");
    QCOMPARE(rig.window->plan().selectors.Combo9, 8);
}

void WindowInterchangeTest::shouldAskBeforeReplacingProgrammedChannels()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const CodePlan before = rig.window->plan();
    rig.answers << MsgboxCancel;
    importFile(rig, kList, kCsvFilter);
    QCOMPARE(rig.prompts(), QStringList{u"导入将替换全部信道，确定吗？"_s});
    QCOMPARE(rig.messages.last().style, MsgboxOkCancel + MsgboxExclamation + MsgboxDefaultButton2);
    QCOMPARE(rig.messages.last().defaultButton, MsgboxCancel);
    QCOMPARE(rig.window->plan(), before);
    QVERIFY2(!report(rig)->isVisible(), "a cancelled import reports nothing");

    rig.answers << MsgboxOk;
    importFile(rig, kList, kCsvFilter);
    QCOMPARE(rig.cell(1, 1), u"433.07500"_s);
    QVERIFY(report(rig)->isVisible());
    // The same channels again replace nothing programmed: no question.
    importFile(rig, kList, kCsvFilter);
    QCOMPARE(rig.messages.size(), 2);
}

void WindowInterchangeTest::shouldChangeNothingForARefusedFile()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const CodePlan before = rig.window->plan();
    const struct
    {
        QString name;
        QByteArray content;
        int filter;
        QString error;
    } cases[] = {
        {u"nothing.csv"_s, "Location,Frequency,Mode\n1,118.100000,AM\n", kCsvFilter,
         u"nothing.csv: 文件中没有一行能写入对讲机"_s},
        {u"open.csv"_s, "Location,Frequency\n1,\"438.0\n", kCsvFilter, u"open.csv:2:3: "_s},
        {u"broken.json"_s, "{\n  \"format\": \"vm280-plan\",\n  \"version\": 1,\n  \"band\": 9\n}\n",
         kJsonFilter, u"broken.json:4:"_s},
    };
    for (const auto &c : cases) {
        importFile(rig, writeFile(rig, c.name, c.content), c.filter);
        const QStringList lines = report(rig)->lines();
        QVERIFY2(!lines.isEmpty() && lines.last().startsWith(c.error), qPrintable(lines.join(u'\n')));
        QVERIFY(report(rig)->heading().contains(u"未导入"_s));
        QCOMPARE(rig.window->plan(), before);
    }
    QVERIFY2(rig.messages.isEmpty(), "a refused file asks nothing");
    importFile(rig, rig.dir.filePath(u"missing.csv"_s), kCsvFilter);
    QVERIFY(rig.prompts().last().contains(u"missing.csv"_s));
    QCOMPARE(rig.window->plan(), before);
}

void WindowInterchangeTest::shouldImportAnExportedPlanAsTheSameBytes()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.files << QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    const QByteArray opened = imageOf(rig);
    const int band = rig.window->plan().band;
    exportFile(rig, rig.dir.filePath(u"plan"_s), kJsonFilter);
    const QString path = rig.dir.filePath(u"plan.json"_s);
    QVERIFY2(QFile::exists(path), "the filter's suffix is added");
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Save);

    rig.answers << MsgboxOk;
    rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(band == 0 ? 1 : 0);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(0);
    importFile(rig, path, kJsonFilter);
    QCOMPARE(imageOf(rig), opened);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), band);
    QCOMPARE(rig.messages.size(), 1);
    QVERIFY(report(rig)->heading().contains(u"已从"_s));
}

void WindowInterchangeTest::shouldExportTheChannelsAsChirpCsvWholeOrNotAtAll()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(3, 1, u"438.0125"_s);
    const QString path = rig.dir.filePath(u"list.CSV"_s);
    exportFile(rig, path, kCsvFilter);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith("Location,"));
    QVERIFY(content.contains("\n3,"));
    QVERIFY(content.contains("438.012500"));
    file.close();

    rig.answers << MsgboxNo;
    exportFile(rig, path, kCsvFilter);
    QCOMPARE(rig.prompts().last(), u"该文件已存在，是否覆盖？"_s);
    QVERIFY2(rig.fileRequests.size() == 3, "a refused overwrite asks for another name");

    QDir(rig.dir.path()).mkdir(u"folder.csv"_s);
    exportFile(rig, rig.dir.filePath(u"folder.csv"_s), kCsvFilter);
    QVERIFY(rig.prompts().last().contains(u"folder.csv"_s));
    QVERIFY(rig.prompts().last().startsWith(u"无法保存文件"_s));
}

void WindowInterchangeTest::shouldTakeTheFormatTheFileNameSays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow(".json under the CSV filter")
        << u"plan.json"_s << kCsvFilter << u"plan.json"_s << QByteArray("{");
    QTest::newRow(".CSV under the JSON filter")
        << u"list.CSV"_s << kJsonFilter << u"list.CSV"_s << QByteArray("Location,");
    QTest::newRow("no extension, JSON filter")
        << u"plan"_s << kJsonFilter << u"plan.json"_s << QByteArray("{");
    QTest::newRow("another extension, CSV filter")
        << u"list.txt"_s << kCsvFilter << u"list.txt.csv"_s << QByteArray("Location,");
}

// Export writes and import reads the format the file's name says; the filter chosen only counts
// for a name that says none.
void WindowInterchangeTest::shouldTakeTheFormatTheFileNameSays()
{
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(2, 1, u"438.5"_s);
    const QByteArray exported = imageOf(rig);
    exportFile(rig, rig.dir.filePath(name), filter);
    QFile file(rig.dir.filePath(written));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(written));
    QVERIFY(file.readAll().startsWith(start));
    QVERIFY(!QFile::exists(rig.dir.filePath(name)) || name == written);

    rig.answers << MsgboxNo << MsgboxOk; // discard the changes, empty the channels
    rig.child<QAction>(u"mnuNew"_s)->trigger();
    QCOMPARE(rig.cell(2, 1), QString());
    importFile(rig, rig.dir.filePath(written), kCsvFilter + kJsonFilter - filter);
    QVERIFY2(report(rig)->heading().contains(u"已从"_s), qPrintable(report(rig)->lines().join(u'\n')));
    QCOMPARE(rig.cell(2, 1), u"438.50000"_s);
    QCOMPARE(imageOf(rig).left(2 * 0x170), exported.left(2 * 0x170));
}

void WindowInterchangeTest::shouldCaptionImportAndExportInEveryLanguage()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QList<QAction *> items = rig.child<QMenu>(u"mnuFile"_s)->actions();
    const qsizetype save = items.indexOf(rig.child<QAction>(u"mnuAssave"_s));
    QCOMPARE(items.value(save + 1)->objectName(), u"mnuImport"_s);
    QCOMPARE(items.value(save + 2)->objectName(), u"mnuExport"_s);
    const struct
    {
        QString command;
        QString importText;
        QString exportText;
        QString reportTitle;
    } cases[] = {
        {u"mnuChineseJ"_s, u"导入(&I)…"_s, u"导出(&E)…"_s, u"导入报告"_s},
        {u"mnuEnglish"_s, u"Import(&I)…"_s, u"Export(&E)…"_s, u"Import report"_s},
        {u"mnuChineseF"_s, u"導入(&I)…"_s, u"導出(&E)…"_s, u"導入報告"_s},
    };
    for (const auto &c : cases) {
        rig.child<QAction>(c.command)->trigger();
        QCOMPARE(rig.child<QAction>(u"mnuImport"_s)->text(), c.importText);
        QCOMPARE(rig.child<QAction>(u"mnuExport"_s)->text(), c.exportText);
        importFile(rig, kList, kCsvFilter);
        QCOMPARE(report(rig)->windowTitle(), c.reportTitle);
        QVERIFY(rig.fileRequests.last().filters[kCsvFilter].contains(u"CSV"_s));
    }
}

QTEST_MAIN(WindowInterchangeTest)
#include "windowinterchangetest.moc"
