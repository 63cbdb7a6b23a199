#include "dialogtestutil.h"

#include "dialogs/testfrequencydialog.h"
#include "ui/languagemode.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

constexpr int kRx = 1;
constexpr int kTx = 2;

// Types text into a cell through its editor and ends the edit with Enter, as the user does.
// False when the cell did not open.
bool editCell(QTableWidget *grid, int row, int column, const QString &text)
{
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    // Editors of ended edits linger until deleted later; the open one is the visible one.
    QLineEdit *editor = nullptr;
    for (QLineEdit *candidate : grid->viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            editor = candidate;
    }
    if (!editor)
        return false;
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits the edit from a queued call
    return true;
}

QString cell(QTableWidget *grid, int row, int column)
{
    return grid->item(row, column)->text();
}

} // namespace

class TestFrequencyDialogTest : public QObject
{
    Q_OBJECT

private:
    TestFrequencyDialog *m_dialog = nullptr;
    QTableWidget *m_grid = nullptr;

private slots:
    void init()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        m_dialog = new TestFrequencyDialog;
        m_dialog->showPlan(CodePlan());
        QVERIFY(ShowDialog(*m_dialog));
        m_grid = Child<QTableWidget>(m_dialog, "mfgrid1");
    }
    void cleanup() { delete m_dialog; }

    void shouldSnapTheReceiveFrequencyAndCopyItToTransmit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("snapped");
        QTest::newRow("6.25 kHz wins") << u"438.013"_s << u"438.01250"_s;
        QTest::newRow("on 6.25 kHz") << u"438.0125"_s << u"438.01250"_s;
        QTest::newRow("on 5 kHz") << u"438.010"_s << u"438.01000"_s;
        QTest::newRow("smaller remainder") << u"438.0138"_s << u"438.01250"_s;
        QTest::newRow("outside every band") << u"30.0031"_s << u"030.00000"_s;
    }

    void shouldSnapTheReceiveFrequencyAndCopyItToTransmit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, snapped);
        QVERIFY(editCell(m_grid, 4, kRx, typed));
        QCOMPARE(cell(m_grid, 4, kRx), snapped);
        QCOMPARE(cell(m_grid, 4, kTx), snapped);
    }

    void shouldRefuseWhatCannotBeStoredAndKeepTheCell_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("1000 MHz") << u"1000"_s;
        QTest::newRow("four digits") << u"1234.5"_s;
        QTest::newRow("no number") << u"abc"_s;
        QTest::newRow("negative") << u"-5"_s;
    }

    void shouldRefuseWhatCannotBeStoredAndKeepTheCell()
    {
        QFETCH(QString, typed);
        QVERIFY(editCell(m_grid, 4, kRx, u"438.0125"_s));
        MsgboxRecorder boxes;
        QVERIFY(editCell(m_grid, 4, kRx, typed));
        QTRY_COMPARE(boxes.requests.size(), 1);
        QVERIFY(boxes.requests.first().prompt.contains(u"999.99999"_s));
        QCOMPARE(cell(m_grid, 4, kRx), u"438.01250"_s);
        QVERIFY(editCell(m_grid, 4, kTx, typed));
        QTRY_COMPARE(boxes.requests.size(), 2);
        QCOMPARE(cell(m_grid, 4, kTx), u"438.01250"_s);
    }

    void shouldSnapTheTransmitFrequencyToTheReceiveRaster_data()
    {
        QTest::addColumn<QString>("receive");
        QTest::addColumn<QString>("transmit");
        QTest::newRow("6.25 kHz receive") << u"438.0125"_s << u"438.01875"_s;
        QTest::newRow("5 kHz receive") << u"438.010"_s << u"438.01500"_s;
    }

    void shouldSnapTheTransmitFrequencyToTheReceiveRaster()
    {
        QFETCH(QString, receive);
        QFETCH(QString, transmit);
        QVERIFY(editCell(m_grid, 0, kRx, receive));
        QVERIFY(editCell(m_grid, 0, kTx, u"438.019"_s));
        QCOMPARE(cell(m_grid, 0, kTx), transmit);
    }

    void shouldClearAndRestoreTheTransmitCell()
    {
        QVERIFY(editCell(m_grid, 2, kRx, u"136"_s));
        QVERIFY(editCell(m_grid, 2, kTx, u"137"_s));
        QVERIFY(editCell(m_grid, 2, kTx, QString()));
        QCOMPARE(cell(m_grid, 2, kTx), u"136.00000"_s);
        QVERIFY(editCell(m_grid, 2, kRx, QString()));
        QCOMPARE(cell(m_grid, 2, kRx), QString());
        QCOMPARE(cell(m_grid, 2, kTx), QString());
        QVERIFY(!editCell(m_grid, 2, kTx, u"137"_s));
    }

    void shouldNotOpenATransmitCellBesideAnEmptyReceiveCell()
    {
        QVERIFY(!editCell(m_grid, 7, kTx, u"438"_s));
        QCOMPARE(cell(m_grid, 7, kTx), QString());
        QVERIFY(!editCell(m_grid, 7, 0, u"9"_s));
        QCOMPARE(cell(m_grid, 7, 0), u"08"_s);
    }

    void shouldStoreTheGridOnOkOnly()
    {
        for (const char *button : std::initializer_list<const char *>{"Command1", "Command2", nullptr}) {
            CodePlan plan;
            m_dialog->showPlan(plan);
            ConnectApply(*m_dialog, plan);
            QVERIFY(ShowDialog(*m_dialog));
            QVERIFY(editCell(m_grid, 15, kRx, u"136"_s));
            if (button)
                Child<QPushButton>(m_dialog, button)->click();
            else
                m_dialog->close();
            QVERIFY(!m_dialog->isVisible());
            const bool ok = button && QByteArray(button) == "Command1";
            QCOMPARE(plan.TestFrequencies[0][15], ok ? u"136.00000"_s : QString());
            QCOMPARE(plan.TestFrequencies[1][15], ok ? u"136.00000"_s : QString());
            QCOMPARE(cell(m_grid, 15, kRx), u"136.00000"_s);
            QObject::disconnect(m_dialog, &QDialog::accepted, nullptr, nullptr);
        }
    }

    void shouldRefreshFromADecodedImage()
    {
        CodePlan radio;
        radio.TestFrequencies[0][0] = u"136.00000"_s;
        radio.TestFrequencies[0][9] = u"438.01250"_s;
        radio.TestFrequencies[1][9] = u"430.00000"_s;
        m_dialog->showPlan(ReadBack(radio));
        QCOMPARE(cell(m_grid, 0, kRx), u"136.00000"_s);
        QCOMPARE(cell(m_grid, 0, kTx), QString());
        QCOMPARE(cell(m_grid, 9, kTx), u"430.00000"_s);
        QVERIFY(editCell(m_grid, 9, kTx, u"431.0031"_s));
        QCOMPARE(cell(m_grid, 9, kTx), u"431.00000"_s);
    }

    void shouldCaptionTheHeadersAndKeepTheTitle()
    {
        auto header = [this](int column) { return m_grid->horizontalHeaderItem(column)->text(); };
        QCOMPARE(header(1), u"接收频率"_s);
        m_dialog->applyCaptions(Language::English);
        QCOMPARE(header(0), u"Channel"_s);
        QCOMPARE(header(2), u"TX Frequency"_s);
        QCOMPARE(m_dialog->windowTitle(), u"测试频率"_s);
        QCOMPARE(cell(m_grid, 0, 0), u"01"_s);
        QCOMPARE(cell(m_grid, 15, 0), u"16"_s);
    }
};

QTEST_MAIN(TestFrequencyDialogTest)
#include "testfrequencydialogtest.moc"
