#include "dialogs/aboutdialog.h"
#include "ui/apptitle.h"
#include "ui/languagemode.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vm280;
using namespace Qt::StringLiterals;

/// Stands in for the browser: keeps every page the about box asks to open.
class PageCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class AboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldCaptionInBothLanguages()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        AboutDialog dialog;
        auto text = [&dialog](const char *name) {
            return dialog.findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("lblTitle"), u"VM-280写频软件"_s);
        QCOMPARE(dialog.windowTitle(), u"关于"_s);
        QCOMPARE(text("lblVersion"), u"简体中文版 "_s + ApplicationVersion());
        QCOMPARE(text("Label2"), u"发布：2012.10"_s);
        QVERIFY(!text("lblDescription").isEmpty());
        dialog.applyCaptions(Language::English);
        QCOMPARE(text("lblTitle"), u"VM-280 Radio Software "_s);
        QCOMPARE(dialog.windowTitle(), u"About"_s);
        QCOMPARE(text("lblVersion"), u"English version "_s + ApplicationVersion());
        QCOMPARE(text("Label2"), u"Issue：2012.10"_s);
        QCOMPARE(text("lblDescription"), QString());
        QCOMPARE(dialog.findChild<QPushButton *>(u"cmdOK"_s)->text(), u"OK"_s);
    }

    void shouldConvertToTraditionalWithTheStartUpTitle()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        AboutDialog dialog;
        auto text = [&dialog](const char *name) {
            return dialog.findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        dialog.convertToTraditional(false);
        QCOMPARE(dialog.windowTitle(), u"關於"_s);
        QCOMPARE(text("lblTitle"), u"VM-280寫頻軟件"_s);
        QCOMPARE(text("lblVersion"), u"繁體中文版 "_s + ApplicationVersion());
        QCOMPARE(text("Label2"), u"發布：2012.10"_s);
        dialog.convertToTraditional(true);
        QCOMPARE(text("lblTitle"), u"VM-280 對講機編程軟件"_s);
        QCOMPARE(text("lblVersion"), u"繁體中文版 "_s + ApplicationVersion());
    }

    void shouldHideOnOkAndOnTheCloseBox()
    {
        AboutDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QPushButton *>(u"cmdOK"_s)->click();
        QVERIFY(!dialog.isVisible());
        QPointer<AboutDialog> alive(&dialog);
        dialog.show();
        dialog.close();
        QVERIFY(alive);
        QVERIFY(!dialog.isVisible());
    }

    void shouldOpenTheMakersPageFromItsLine()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        PageCatcher catcher;
        QDesktopServices::setUrlHandler(MakerPage().scheme(), &catcher, "open");
        AboutDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.findChild<QLabel *>(u"lblDescription"_s), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(MakerPage().scheme());
        QCOMPARE(catcher.opened, QList<QUrl>{MakerPage()});
    }
};

QTEST_MAIN(AboutDialogTest)
#include "aboutdialogtest.moc"
