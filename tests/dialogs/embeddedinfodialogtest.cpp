#include "dialogtestutil.h"

#include "dialogs/embeddedinfodialog.h"
#include "ui/languagemode.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

// Types one character the way a keyboard or an input method delivers it.
void typeCharacter(QWidget *widget, const QString &character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QCoreApplication::sendEvent(widget, &press);
}

const QString kFull = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"_s; // 32 characters

} // namespace

class EmbeddedInfoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldStopTypingAtThirtyTwoCharacters()
    {
        EmbeddedInfoDialog dialog;
        auto *line = Child<QLineEdit>(&dialog, "Text1");
        QTest::keyClicks(line, kFull + u"XYZ"_s);
        QCOMPARE(line->text(), kFull);
        line->setCursorPosition(3);
        QTest::keyClick(line, Qt::Key_Q);
        QCOMPARE(line->text(), kFull);
        QTest::keyClick(line, Qt::Key_Backspace);
        QCOMPARE(line->text().size(), 31);
    }

    void shouldReplaceASelectionAtThirtyTwoCharacters()
    {
        EmbeddedInfoDialog dialog;
        auto *line = Child<QLineEdit>(&dialog, "Text2");
        line->setText(kFull);
        line->setSelection(0, 2);
        QTest::keyClicks(line, u"z"_s);
        QCOMPARE(line->text(), u"z"_s + kFull.mid(2));
    }

    void shouldRefuseTypedCharactersWithoutASingleByteForm()
    {
        EmbeddedInfoDialog dialog;
        auto *line = Child<QLineEdit>(&dialog, "Text1");
        QTest::keyClicks(line, u"ab"_s);
        typeCharacter(line, QString::fromUtf16(u"中"));
        typeCharacter(line, QString::fromUtf16(u"é"));
        QCOMPARE(line->text(), QString::fromUtf16(u"abé"));
        QCOMPARE(line->cursorPosition(), 3);
    }

    void shouldCutPastedTextToWhatCanBeStored()
    {
        EmbeddedInfoDialog dialog;
        auto *line = Child<QLineEdit>(&dialog, "Text1");
        QTest::keyClicks(line, u"ab"_s);
        QGuiApplication::clipboard()->setText(QString::fromUtf16(u"中文") + kFull);
        line->paste();
        QCOMPARE(line->text(), u"ab"_s + kFull.left(28));
    }

    void shouldStoreTheLinesOnOkOnly()
    {
        for (const char *button : std::initializer_list<const char *>{"Command1", "Command2", nullptr}) {
            CodePlan plan;
            EmbeddedInfoDialog dialog;
            dialog.showPlan(plan);
            ConnectApply(dialog, plan);
            QVERIFY(ShowDialog(dialog));
            QTest::keyClicks(Child<QLineEdit>(&dialog, "Text2"), u"Line two"_s);
            if (button)
                Child<QPushButton>(&dialog, button)->click();
            else
                dialog.close();
            QVERIFY(!dialog.isVisible());
            const bool ok = button && QByteArray(button) == "Command1";
            QCOMPARE(plan.EmbeddedTexts[1], ok ? u"Line two"_s : QString());
            QCOMPARE(Child<QLineEdit>(&dialog, "Text2")->text(), u"Line two"_s);
        }
    }

    void shouldRefreshFromADecodedImage()
    {
        CodePlan radio;
        radio.EmbeddedTexts = {QString::fromUtf16(u"Café 438"), u"second"_s};
        EmbeddedInfoDialog dialog;
        dialog.showPlan(CodePlan());
        dialog.showPlan(ReadBack(radio));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text1")->text(), QString::fromUtf16(u"Café 438"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text2")->text(), u"second"_s);
    }

    void shouldCaptionInBothLanguages()
    {
        EmbeddedInfoDialog dialog;
        QCOMPARE(dialog.windowTitle(), u"嵌入信息"_s);
        dialog.applyCaptions(Language::English);
        QCOMPARE(dialog.windowTitle(), u"Embedded Information"_s);
        QCOMPARE(Child<QPushButton>(&dialog, "Command1")->text(), u"OK"_s);
    }
};

QTEST_MAIN(EmbeddedInfoDialogTest)
#include "embeddedinfodialogtest.moc"
