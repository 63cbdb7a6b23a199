#include "windowrig.h"

#include "app/interchangecommands.h"
#include "dialogs/importchooserdialog.h"
#include "dialogs/importreportdialog.h"
#include "image/codec.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kCsvFilter = 0;
constexpr int kJsonFilter = 1;
constexpr int kDatFilter = 2;

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

    void shouldOfferChannelListsPlansAndBackupsToImport();
    void shouldChangeNothingForARefusedFile();
    void shouldImportAnExportedPlanAsTheSameBytes();
    void shouldExportTheChannelsAsChirpCsvWholeOrNotAtAll();
    void shouldTakeTheFormatTheFileNameSays_data();
    void shouldTakeTheFormatTheFileNameSays();
    void shouldCaptionImportAndExportInEveryLanguage();
};

void WindowInterchangeTest::shouldOfferChannelListsPlansAndBackupsToImport()
{
    WindowRig rig;
    QVERIFY(rig.start());
    // A name that says its format is read as that, whatever the filter.
    const QString plan = rig.dir.filePath(u"radio.DAT"_s);
    QVERIFY(QFile::copy(QString::fromUtf8(VM280_TEST_DATA "/rich.DAT"), plan));
    importFile(rig, plan, kCsvFilter);
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Open);
    const QStringList filters = rig.fileRequests.last().filters;
    QCOMPARE(filters.size(), 3);
    QVERIFY(filters[kCsvFilter].endsWith(u"(*.csv)"_s));
    QVERIFY(filters[kJsonFilter].endsWith(u"(*.json)"_s));
    QVERIFY(filters[kDatFilter].endsWith(u"(*.DAT)"_s));
    ImportChooserDialog *chooser = rig.window->interchange()->chooser();
    QVERIFY(chooser != nullptr);
    QCOMPARE(chooser->table()->model()->rowCount(), 6);
    chooser->reject();

    // A name that says none is read as the filter it was chosen with.
    importFile(rig, writeFile(rig, u"list"_s, "Location,Frequency\n1,438\n"), kCsvFilter);
    chooser = rig.window->interchange()->chooser();
    QVERIFY(chooser != nullptr);
    QCOMPARE(chooser->table()->model()->rowCount(), 1);
    chooser->reject();
    QVERIFY(rig.messages.isEmpty());
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
        {u"open.csv"_s, "Location,Frequency\n1,\"438.0\n", kCsvFilter, u"open.csv:2:3: "_s},
        {u"latin1.csv"_s, "Location,Name,Frequency\n1,Caf\xe9,438\n", kCsvFilter,
         u"latin1.csv: 文件不是 UTF-8 文本"_s},
        {u"broken.json"_s, "{\n  \"format\": \"vm280-plan\",\n  \"version\": 1,\n  \"band\": 9\n}\n",
         kJsonFilter, u"broken.json:4:"_s},
    };
    for (const auto &c : cases) {
        importFile(rig, writeFile(rig, c.name, c.content), c.filter);
        const QStringList lines = report(rig)->lines();
        QVERIFY2(lines.size() == 1 && lines.last().startsWith(c.error), qPrintable(lines.join(u'\n')));
        QVERIFY(report(rig)->heading().contains(u"未导入"_s));
        QVERIFY(rig.window->interchange()->chooser() == nullptr);
        QCOMPARE(rig.window->plan(), before);
    }
    QVERIFY2(rig.messages.isEmpty(), "a refused file asks nothing");
    importFile(rig, rig.dir.filePath(u"missing.csv"_s), kCsvFilter);
    QVERIFY(rig.prompts().last().contains(u"missing.csv"_s));
    importFile(rig, writeFile(rig, u"other.DAT"_s, "TRZ29" + QByteArray(848, '\xFF')), kDatFilter);
    QCOMPARE(rig.prompts().last(), u"文件类型不对，无法打开。"_s);
    QVERIFY(rig.window->interchange()->chooser() == nullptr);
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
    QCOMPARE(rig.fileRequests.last().filters.size(), 2);

    rig.answers << MsgboxOk;
    rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(band == 0 ? 1 : 0);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(0);
    importFile(rig, path, kJsonFilter);
    ImportChooserDialog *chooser = rig.window->interchange()->chooser();
    QVERIFY(chooser != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    QTest::mouseClick(chooser->findChild<QPushButton *>(u"cmdBestBand"_s), Qt::LeftButton);
    auto *settings = chooser->findChild<QCheckBox *>(u"chkSettings"_s);
    QTest::mouseClick(settings, Qt::LeftButton, {}, QPoint(settings->height() / 2, settings->height() / 2));
    QTest::mouseClick(chooser->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(imageOf(rig), opened);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), band);
    QCOMPARE(rig.messages.size(), 1);
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
    ImportChooserDialog *chooser = rig.window->interchange()->chooser();
    QVERIFY2(chooser != nullptr, qPrintable(report(rig)->lines().join(u'\n')));
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    QTest::mouseClick(chooser->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
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
    const QString refused = writeFile(rig, u"open.csv"_s, "Location,Frequency\n1,\"438.0\n");
    const struct
    {
        QString command;
        QString importText;
        QString exportText;
        QString reportTitle;
        QString datFilter;
    } cases[] = {
        {u"mnuChineseJ"_s, u"导入(&I)…"_s, u"导出(&E)…"_s, u"导入报告"_s, u"写频文件 (*.DAT)"_s},
        {u"mnuEnglish"_s, u"Import(&I)…"_s, u"Export(&E)…"_s, u"Import report"_s, u"Code plan (*.DAT)"_s},
        {u"mnuChineseF"_s, u"導入(&I)…"_s, u"導出(&E)…"_s, u"導入報告"_s, u"寫頻文件 (*.DAT)"_s},
    };
    for (const auto &c : cases) {
        rig.child<QAction>(c.command)->trigger();
        QCOMPARE(rig.child<QAction>(u"mnuImport"_s)->text(), c.importText);
        QCOMPARE(rig.child<QAction>(u"mnuExport"_s)->text(), c.exportText);
        importFile(rig, refused, kCsvFilter);
        QCOMPARE(report(rig)->windowTitle(), c.reportTitle);
        QVERIFY(rig.fileRequests.last().filters[kCsvFilter].contains(u"CSV"_s));
        QCOMPARE(rig.fileRequests.last().filters[kDatFilter], c.datFilter);
    }
}

QTEST_MAIN(WindowInterchangeTest)
#include "windowinterchangetest.moc"
