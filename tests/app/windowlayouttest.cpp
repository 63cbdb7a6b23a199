// The window on the screen it runs on. ctest runs these tests twice: at 100 % on a 1600x1000
// screen and at 200 % (QT_SCALE_FACTOR=2) on a 1280x800 one, which leaves 640x400 to lay out.

#include "windowrig.h"

#include "app/settingspanel.h"
#include "app/sheetprinter.h"
#include "dialogs/importreportdialog.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kList = QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv");

// The band selector and the function settings' lists.
const QStringList kSettingLists{u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s,
                                u"Combo9"_s, u"Combo6"_s, u"Combo7"_s};

QRect availableArea(const QWidget *window)
{
    return window->screen()->availableGeometry();
}

// The part of a widget a person can see: within its window and within every scroll area's view
// around it.
bool wholeInView(const QWidget *widget)
{
    QRect shown = QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    for (const QWidget *outer = widget->parentWidget(); outer != nullptr; outer = outer->parentWidget()) {
        const QRect view(outer->mapTo(widget->window(), QPoint(0, 0)), outer->size());
        if (!view.contains(shown))
            return false;
        if (outer->isWindow())
            break;
    }
    return true;
}

// The WCAG contrast ratio of two colours, from 1 (none) to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldOpenWithinTheScreen();
    void shouldKeepEverySettingWithinReach();
    void shouldShowEveryChannelWhereTheScreenHasRoom();
    void shouldGrowTheGridWithTheWindow();
    void shouldSizeTheListsToTheTextsOfTheLanguage();
    void shouldFitEveryDialogOnTheScreen();
    void shouldOpenThePrintPreviewAtThePageWidth();
    void shouldKeepALockedGridReadable();
};

void WindowLayoutTest::initTestCase()
{
    // The screen ctest asked for, "1280x800@2": a test run on another proves nothing.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
    const QString shown =
        u"%1x%2@%3"_s.arg(pixels.width()).arg(pixels.height()).arg(screen->devicePixelRatio());
    QCOMPARE(shown, qEnvironmentVariable("VM280_TEST_SCREEN"));
}

void WindowLayoutTest::shouldOpenWithinTheScreen()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QRect available = availableArea(rig.window.get());
    QVERIFY2(available.contains(rig.window->frameGeometry()), "the window lies off screen");
    const QSize minimum = rig.window->minimumSizeHint();
    QVERIFY2(minimum.width() <= available.width() && minimum.height() <= available.height(),
             "the window cannot be made small enough for the screen");
    for (const QWidget *bar : std::initializer_list<QWidget *>{
             rig.window->menuBar(), rig.child<QWidget>(u"Toolbar1"_s), rig.child<QWidget>(u"Label2"_s)})
        QVERIFY2(wholeInView(bar), qPrintable(bar->objectName()));
}

void WindowLayoutTest::shouldKeepEverySettingWithinReach()
{
    WindowRig rig;
    QVERIFY(rig.start());
    auto *panel = rig.child<SettingsPanel>(u"settingsPanel"_s);
    for (const QString &name : kSettingLists) {
        auto *list = rig.child<QComboBox>(name);
        panel->ensureWidgetVisible(list);
        QVERIFY2(wholeInView(list), qPrintable(name));
        // Reached, the list is used as anywhere else.
        const int other = list->currentIndex() == 0 ? 1 : 0;
        rig.pick(list, other);
        QVERIFY2(list->currentIndex() == other, qPrintable(name));
    }
    ChannelGrid *grid = rig.grid();
    const QModelIndex last = grid->model()->index(15, 8);
    grid->scrollTo(last);
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(last)));
}

void WindowLayoutTest::shouldShowEveryChannelWhereTheScreenHasRoom()
{
    WindowRig rig;
    QVERIFY(rig.start());
    if (!availableArea(rig.window.get()).contains(QRect(QPoint(0, 0), rig.window->sizeHint() + QSize(0, 40))))
        QSKIP("The screen has no room for the whole grid; it scrolls (shouldKeepEverySettingWithinReach).");
    ChannelGrid *grid = rig.grid();
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    QVERIFY(!grid->verticalScrollBar()->isVisible());
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(15, 8))));
}

void WindowLayoutTest::shouldGrowTheGridWithTheWindow()
{
    WindowRig rig;
    QVERIFY(rig.start());
    // From smaller than it opened, so that even a window filling the screen can grow.
    const QSize grown(200, 100);
    rig.window->resize(rig.window->size() - grown);
    QVERIFY(rig.window->size() + grown == rig.window->sizeHint().boundedTo(rig.window->size() + grown));
    ChannelGrid *grid = rig.grid();
    auto *panel = rig.child<SettingsPanel>(u"settingsPanel"_s);
    const QSize gridBefore = grid->size();
    const int panelBefore = panel->width();
    QList<int> columnsBefore;
    for (int column = 0; column < 9; ++column)
        columnsBefore << grid->columnWidth(column);
    rig.window->resize(rig.window->size() + grown);
    QTRY_COMPARE(grid->size(), gridBefore + grown);
    QCOMPARE(panel->width(), panelBefore);
    for (int column = 0; column < 8; ++column)
        QCOMPARE(grid->columnWidth(column), columnsBefore[column]);
    // The last column takes the width the others leave: no blank beside the channels.
    QVERIFY(grid->columnWidth(8) >= columnsBefore[8]);
    QVERIFY(grid->horizontalHeader()->length() >= grid->viewport()->width());
}

void WindowLayoutTest::shouldSizeTheListsToTheTextsOfTheLanguage()
{
    WindowRig rig;
    QVERIFY(rig.start());
    // The lists of the window and of the dialogs with lists, shown in the first language.
    QList<QComboBox *> lists;
    for (const QString &name : kSettingLists)
        lists << rig.child<QComboBox>(name);
    for (const QString &command : {u"mnudtmf"_s, u"Key_enactment"_s}) {
        rig.child<QAction>(command)->trigger();
        for (QComboBox *list : QApplication::activeWindow()->findChildren<QComboBox *>()) {
            if (list->isVisible())
                lists << list;
        }
    }
    QVERIFY(lists.size() > kSettingLists.size() + 2);
    for (const QString &language : {u"mnuEnglish"_s, u"mnuChineseF"_s, u"mnuChineseJ"_s}) {
        rig.child<QAction>(language)->trigger();
        QCoreApplication::processEvents();
        for (const QComboBox *list : std::as_const(lists)) {
            // Each asks for the room a list made with these entries would ask for, whatever the
            // style's layouts make of it, and gets it.
            QComboBox fresh;
            for (int i = 0; i < list->count(); ++i)
                fresh.addItem(list->itemText(i));
            const QString where = language + u' ' + list->window()->objectName() + u' ' + list->objectName();
            QVERIFY2(list->sizeHint().width() >= fresh.sizeHint().width(), qPrintable(where));
            QVERIFY2(list->width() >= list->sizeHint().width(), qPrintable(where));
        }
    }
}

void WindowLayoutTest::shouldFitEveryDialogOnTheScreen()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QStringList commands{u"mnudtmf"_s,    u"Key_enactment"_s, u"mnusetin"_s, u"mnudebug"_s,
                               u"mnutestfre"_s, u"mnuabout"_s,      u"mnucom"_s};
    for (const QString &command : commands)
        rig.child<QAction>(command)->trigger();
    rig.files << kRichPlan;
    rig.child<QAction>(u"mnuCompare"_s)->trigger();
    rig.files << kList;
    rig.child<QAction>(u"mnuImport"_s)->trigger();
    const QRect available = availableArea(rig.window.get());
    int dialogs = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window == rig.window.get())
            continue;
        ++dialogs;
        QVERIFY2(available.contains(window->frameGeometry()), qPrintable(window->objectName()));
    }
    QCOMPARE(dialogs, commands.size() + 2);
}

void WindowLayoutTest::shouldOpenThePrintPreviewAtThePageWidth()
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    PreparePreview(preview);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.findChild<QPrintPreviewWidget *>()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QVERIFY(availableArea(&preview).contains(preview.frameGeometry()));
}

void WindowLayoutTest::shouldKeepALockedGridReadable()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnulock"_s)->trigger();
    ChannelGrid *grid = rig.grid();
    QVERIFY(!grid->isEnabled());
    const QPalette &palette = grid->palette();
    const QColor text = palette.color(QPalette::Disabled, QPalette::Text);
    // The lock still shows: the text is not as dark as an editable grid's.
    QVERIFY(text != palette.color(QPalette::Active, QPalette::Text));
    for (const QPalette::ColorRole background : {QPalette::Base, QPalette::AlternateBase})
        QVERIFY2(
            contrast(text, palette.color(QPalette::Disabled, background)) >= 4.5,
            qPrintable(u"contrast %1"_s.arg(contrast(text, palette.color(QPalette::Disabled, background)))));
}

int main(int argc, char *argv[])
{
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowlayouttest.moc"
