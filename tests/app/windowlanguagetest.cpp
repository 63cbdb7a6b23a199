#include "windowrig.h"

#include "app/codeplancommands.h"
#include "app/featuredialogs.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

void writeParameters(const WindowRig &rig, char language)
{
    QFile file(rig.parameterPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\x00", 2) + language);
}

// The rig keeps the user's settings in its own folder.
QString oneShotStore(const WindowRig &rig)
{
    return rig.dir.filePath(u"VM-280.ini"_s);
}

} // namespace

class WindowLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void shouldStartInTraditionalChineseFromTheParameterFile();
    void shouldTakeTheOneShotValueOnceAndDeleteIt();
    void shouldSwitchEveryWindowAndKeepTheChannelIndexes();
    void shouldShowMessagesWithTheStoredTraditionalButtons();
    void shouldSaveTheSameBytesInEveryLanguage();
    void shouldSpeakQtsOwnTextsInTheWindowsLanguage();
    void shouldWarnAtStartUpInTheLanguageTheStartSettledOn();
    void shouldNameEachLanguageInItself();
    void shouldShowOneVersionEverywhere();
    void shouldMakeTheDialogsInTheLanguageShownWhenFirstNeeded();
};

void WindowLanguageTest::shouldStartInTraditionalChineseFromTheParameterFile()
{
    WindowRig rig;
    writeParameters(rig, 2);
    QVERIFY(rig.start());
    QCOMPARE(LanguageMode(), Language::TraditionalChinese);
    QCOMPARE(rig.child<QAction>(u"mnudtmf"_s)->text(), u"可選功能"_s);
    QCOMPARE(rig.child<QGroupBox>(u"Frame2"_s)->title(), u"功能設置"_s);
    QCOMPARE(rig.grid()->model()->headerData(1, Qt::Horizontal).toString(), u"接收頻率"_s);
    QVERIFY2(rig.title() == u"VM-280 写频软件 V1.00"_s, "titles are not converted");
    AboutDialog *about = rig.window->dialogs()->frmAbout();
    QCOMPARE(about->findChild<QLabel *>(u"lblTitle"_s)->text(), u"VM-280 對講機編程軟件"_s);
    QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"繁體中文版 V1.00"_s);
    QCOMPARE(rig.window->dialogs()->Form5()->findChild<QComboBox *>(u"Combo11"_s)->itemText(1), u"固定"_s);
    rig.enterFrequency(1, 1, u"438"_s);
    QCOMPARE(rig.cell(1, 7), u"寬帶"_s);
    QCOMPARE(rig.cell(1, 2), u"關閉"_s);
}

void WindowLanguageTest::shouldTakeTheOneShotValueOnceAndDeleteIt()
{
    const struct
    {
        QString value;
        Language started;
        bool kept;
    } cases[] = {
        {u"english"_s, Language::English, false},
        {u"English"_s, Language::SimplifiedChinese, false},
        {u"chinesetrad"_s, Language::TraditionalChinese, false},
        {u""_s, Language::English, true},
    };
    for (const auto &c : cases) {
        WindowRig rig;
        {
            QSettings store(oneShotStore(rig), QSettings::IniFormat);
            store.setValue(u"Languages"_s, c.value);
        }
        writeParameters(rig, 1);
        QVERIFY(rig.start());
        QCOMPARE(LanguageMode(), c.started);
        QSettings store(oneShotStore(rig), QSettings::IniFormat);
        QCOMPARE(store.contains(u"Languages"_s), c.kept);
    }
}

void WindowLanguageTest::shouldSwitchEveryWindowAndKeepTheChannelIndexes()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    rig.child<QAction>(u"mnuChineseF"_s)->trigger();
    QCOMPARE(LanguageMode(), Language::TraditionalChinese);
    QVERIFY2(rig.child<QAction>(u"mnuEnglish"_s)->text() == u"英文"_s, "made from the Simplified captions");
    QCOMPARE(rig.cell(1, 5), u"高"_s);
    QCOMPARE(rig.cell(1, 6), u"關閉"_s);
    QCOMPARE(rig.window->dialogs()->Form5()->findChild<QLabel *>(u"Label15"_s)->text(), u"優先信道(&H)"_s);
    const QString title = rig.window->dialogs()->frmAbout()->findChild<QLabel *>(u"lblTitle"_s)->text();
    QVERIFY2(title == u"VM-280寫頻軟件"_s, "the menu keeps the converted about title");
    rig.child<QAction>(u"mnuChineseF"_s)->trigger();
    QCOMPARE(rig.cell(1, 6), u"關閉"_s);
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QCOMPARE(rig.cell(1, 7), u"Wide"_s);
    QCOMPARE(rig.window->plan().channels.ChoiceIndex[0][5], 1);
}

void WindowLanguageTest::shouldShowMessagesWithTheStoredTraditionalButtons()
{
    WindowRig rig;
    writeParameters(rig, 2);
    QVERIFY(rig.start());
    rig.answers << MsgboxCancel;
    rig.child<QAction>(u"mnuNew"_s)->trigger();
    QCOMPARE(rig.messages.last().prompt, u"所有信道的數據將被清除！"_s);
    QCOMPARE(rig.messages.last().title, u"警告"_s);
    QCOMPARE(rig.messages.last().captions, (QStringList{u"確定"_s, u"取消"_s}));
    rig.enterFrequency(1, 1, u"500"_s);
    QCOMPARE(rig.messages.last().prompt, u"超出頻段範圍"_s);
}

void WindowLanguageTest::shouldSaveTheSameBytesInEveryLanguage()
{
    QByteArray saved[3];
    for (const char language : {0, 1, 2}) {
        WindowRig rig;
        writeParameters(rig, language);
        QVERIFY(rig.start());
        rig.files << QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
        rig.child<QAction>(u"mnuOpen"_s)->trigger();
        rig.enterFrequency(16, 1, u"440.5"_s);
        const QString path = rig.dir.filePath(u"out.DAT"_s);
        rig.files << path;
        rig.child<QAction>(u"mnuAssave"_s)->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        saved[int(language)] = file.readAll();
    }
    QCOMPARE(saved[0].size(), kCodePlanFileBytes);
    QCOMPARE(saved[1], saved[0]);
    QCOMPARE(saved[2], saved[0]);
}

// Qt's own dialogs, buttons and menus speak the window's language, from the start and after each
// switch.
void WindowLanguageTest::shouldSpeakQtsOwnTextsInTheWindowsLanguage()
{
    const auto qtButtons = [] {
        QDialogButtonBox box(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        return QStringList{box.button(QDialogButtonBox::Open)->text(),
                           box.button(QDialogButtonBox::Cancel)->text()};
    };
    const QStringList simplified{u"打开"_s, u"取消"_s};
    const QStringList traditional{u"開啟"_s, u"取消"_s};
    const QStringList english{u"Open"_s, u"Cancel"_s};
    const struct
    {
        char started;
        QStringList shown;
    } starts[] = {{0, simplified}, {1, english}, {2, traditional}};
    for (const auto &start : starts) {
        WindowRig rig;
        writeParameters(rig, start.started);
        QVERIFY(rig.start());
        QCOMPARE(qtButtons(), start.shown);
    }
    WindowRig rig;
    QVERIFY(rig.start());
    const struct
    {
        QString command;
        QStringList shown;
    } switches[] = {
        {u"mnuEnglish"_s, english}, {u"mnuChineseF"_s, traditional}, {u"mnuChineseJ"_s, simplified}};
    for (const auto &to : switches) {
        rig.child<QAction>(to.command)->trigger();
        QCOMPARE(qtButtons(), to.shown);
    }
}

void WindowLanguageTest::shouldWarnAtStartUpInTheLanguageTheStartSettledOn()
{
    const struct
    {
        QString oneShot;
        QString warning;
    } cases[] = {
        {u"english"_s, u"The settings file cannot be used; the defaults apply."_s},
        {u"chinesetrad"_s, u"設置文件無法使用，將使用默認設置。"_s},
    };
    for (const auto &c : cases) {
        WindowRig rig;
        {
            QSettings store(oneShotStore(rig), QSettings::IniFormat);
            store.setValue(u"Languages"_s, c.oneShot);
        }
        // A folder where the parameter file should be: the defaults, Simplified Chinese included,
        // apply, and the one-shot value wins over them.
        QVERIFY(QDir().mkpath(rig.parameterPath()));
        QVERIFY(rig.start());
        QTRY_COMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.messages.first().prompt.section(u'\n', 0, 0), c.warning);
    }
}

void WindowLanguageTest::shouldNameEachLanguageInItself()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.child<QMenu>(u"mnuLanguage"_s)->toolTipsVisible());
    for (const QString &language : {u"mnuEnglish"_s, u"mnuChineseF"_s, u"mnuChineseJ"_s}) {
        rig.child<QAction>(language)->trigger();
        QCOMPARE(rig.child<QAction>(u"mnuChineseJ"_s)->toolTip(), u"简体中文"_s);
        QCOMPARE(rig.child<QAction>(u"mnuChineseF"_s)->toolTip(), u"繁體中文"_s);
        QCOMPARE(rig.child<QAction>(u"mnuEnglish"_s)->toolTip(), u"English"_s);
    }
}

void WindowLanguageTest::shouldShowOneVersionEverywhere()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QRegularExpression version(u"V[0-9.]+$"_s);
    AboutDialog *about = rig.window->dialogs()->frmAbout();
    const QString shown = version.match(rig.title()).captured();
    QVERIFY(!shown.isEmpty());
    for (const QString &language : {u"mnuEnglish"_s, u"mnuChineseF"_s, u"mnuChineseJ"_s}) {
        rig.child<QAction>(language)->trigger();
        QCOMPARE(version.match(rig.title()).captured(), shown);
        QCOMPARE(version.match(about->findChild<QLabel *>(u"lblVersion"_s)->text()).captured(), shown);
        QVERIFY2(!about->windowTitle().isEmpty(), qPrintable(language));
    }
}

// The dialogs are made once the window has been painted, or when first needed before then: a
// switch of language before the first paint reaches them, and made without one they are as
// start-up would have left them (the about title converted at start-up included).
void WindowLanguageTest::shouldMakeTheDialogsInTheLanguageShownWhenFirstNeeded()
{
    struct Case
    {
        char start;
        QString switchTo;
        QString priorityFixed;
        QString aboutTitle;
    };
    const QList<Case> cases{
        {2, QString(), u"固定"_s, u"VM-280 對講機編程軟件"_s},
        {2, u"mnuEnglish"_s, u"Fixed"_s, QString()},
        {1, u"mnuChineseF"_s, u"固定"_s, u"VM-280寫頻軟件"_s},
        {0, QString(), u"固定"_s, QString()},
    };
    for (const Case &c : cases) {
        SetLanguageMode(Language::SimplifiedChinese);
        WindowRig rig;
        writeParameters(rig, c.start);
        rig.window = std::make_unique<MainWindow>(rig.parameterPath());
        if (!c.switchTo.isEmpty())
            rig.child<QAction>(c.switchTo)->trigger();
        FeatureDialogs *dialogs = rig.window->dialogs();
        QCOMPARE(dialogs->Form5()->findChild<QComboBox *>(u"Combo11"_s)->itemText(1), c.priorityFixed);
        if (!c.aboutTitle.isEmpty())
            QCOMPARE(dialogs->frmAbout()->findChild<QLabel *>(u"lblTitle"_s)->text(), c.aboutTitle);
    }
}

int main(int argc, char *argv[])
{
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowlanguagetest.moc"
