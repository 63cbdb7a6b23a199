#include "dialogtestutil.h"

#include "dialogs/testfrequencydialog.h"
#include "ui/languagemode.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

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
        QTest::newRow("6.25 kHz wins") << QStringLiteral("438.013") << QStringLiteral("438.01250");
        QTest::newRow("on 6.25 kHz") << QStringLiteral("438.0125") << QStringLiteral("438.01250");
        QTest::newRow("on 5 kHz") << QStringLiteral("438.010") << QStringLiteral("438.01000");
        QTest::newRow("smaller remainder") << QStringLiteral("438.0138") << QStringLiteral("438.01250");
        QTest::newRow("outside every band") << QStringLiteral("30.0031") << QStringLiteral("030.00000");
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
        QTest::newRow("1000 MHz") << QStringLiteral("1000");
        QTest::newRow("four digits") << QStringLiteral("1234.5");
        QTest::newRow("no number") << QStringLiteral("abc");
        QTest::newRow("negative") << QStringLiteral("-5");
    }

    void shouldRefuseWhatCannotBeStoredAndKeepTheCell()
    {
        QFETCH(QString, typed);
        QVERIFY(editCell(m_grid, 4, kRx, QStringLiteral("438.0125")));
        MsgboxRecorder boxes;
        QVERIFY(editCell(m_grid, 4, kRx, typed));
        QTRY_COMPARE(boxes.requests.size(), 1);
        QVERIFY(boxes.requests.first().prompt.contains(QStringLiteral("999.99999")));
        QCOMPARE(cell(m_grid, 4, kRx), QStringLiteral("438.01250"));
        QVERIFY(editCell(m_grid, 4, kTx, typed));
        QTRY_COMPARE(boxes.requests.size(), 2);
        QCOMPARE(cell(m_grid, 4, kTx), QStringLiteral("438.01250"));
    }

    void shouldSnapTheTransmitFrequencyToTheReceiveRaster_data()
    {
        QTest::addColumn<QString>("receive");
        QTest::addColumn<QString>("transmit");
        QTest::newRow("6.25 kHz receive") << QStringLiteral("438.0125") << QStringLiteral("438.01875");
        QTest::newRow("5 kHz receive") << QStringLiteral("438.010") << QStringLiteral("438.01500");
    }

    void shouldSnapTheTransmitFrequencyToTheReceiveRaster()
    {
        QFETCH(QString, receive);
        QFETCH(QString, transmit);
        QVERIFY(editCell(m_grid, 0, kRx, receive));
        QVERIFY(editCell(m_grid, 0, kTx, QStringLiteral("438.019")));
        QCOMPARE(cell(m_grid, 0, kTx), transmit);
    }

    void shouldClearAndRestoreTheTransmitCell()
    {
        QVERIFY(editCell(m_grid, 2, kRx, QStringLiteral("136")));
        QVERIFY(editCell(m_grid, 2, kTx, QStringLiteral("137")));
        QVERIFY(editCell(m_grid, 2, kTx, QString()));
        QCOMPARE(cell(m_grid, 2, kTx), QStringLiteral("136.00000"));
        QVERIFY(editCell(m_grid, 2, kRx, QString()));
        QCOMPARE(cell(m_grid, 2, kRx), QString());
        QCOMPARE(cell(m_grid, 2, kTx), QString());
        QVERIFY(!editCell(m_grid, 2, kTx, QStringLiteral("137")));
    }

    void shouldNotOpenATransmitCellBesideAnEmptyReceiveCell()
    {
        QVERIFY(!editCell(m_grid, 7, kTx, QStringLiteral("438")));
        QCOMPARE(cell(m_grid, 7, kTx), QString());
        QVERIFY(!editCell(m_grid, 7, 0, QStringLiteral("9")));
        QCOMPARE(cell(m_grid, 7, 0), QStringLiteral("08"));
    }

    void shouldStoreTheGridOnOkOnly()
    {
        for (const char *button : std::initializer_list<const char *>{"Command1", "Command2", nullptr}) {
            CodePlan plan;
            m_dialog->showPlan(plan);
            ConnectApply(*m_dialog, plan);
            QVERIFY(ShowDialog(*m_dialog));
            QVERIFY(editCell(m_grid, 15, kRx, QStringLiteral("136")));
            if (button)
                Child<QPushButton>(m_dialog, button)->click();
            else
                m_dialog->close();
            QVERIFY(!m_dialog->isVisible());
            const bool ok = button && QByteArray(button) == "Command1";
            QCOMPARE(plan.TestFrequencies[0][15], ok ? QStringLiteral("136.00000") : QString());
            QCOMPARE(plan.TestFrequencies[1][15], ok ? QStringLiteral("136.00000") : QString());
            QCOMPARE(cell(m_grid, 15, kRx), QStringLiteral("136.00000"));
            QObject::disconnect(m_dialog, &QDialog::accepted, nullptr, nullptr);
        }
    }

    void shouldRefreshFromADecodedImage()
    {
        CodePlan radio;
        radio.TestFrequencies[0][0] = QStringLiteral("136.00000");
        radio.TestFrequencies[0][9] = QStringLiteral("438.01250");
        radio.TestFrequencies[1][9] = QStringLiteral("430.00000");
        m_dialog->showPlan(ReadBack(radio));
        QCOMPARE(cell(m_grid, 0, kRx), QStringLiteral("136.00000"));
        QCOMPARE(cell(m_grid, 0, kTx), QString());
        QCOMPARE(cell(m_grid, 9, kTx), QStringLiteral("430.00000"));
        QVERIFY(editCell(m_grid, 9, kTx, QStringLiteral("431.0031")));
        QCOMPARE(cell(m_grid, 9, kTx), QStringLiteral("431.00000"));
    }

    void shouldCaptionTheHeadersAndKeepTheTitle()
    {
        auto header = [this](int column) { return m_grid->horizontalHeaderItem(column)->text(); };
        QCOMPARE(header(1), QStringLiteral("接收频率"));
        m_dialog->applyCaptions(Language::English);
        QCOMPARE(header(0), QStringLiteral("Channel"));
        QCOMPARE(header(2), QStringLiteral("TX Frequency"));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("测试频率"));
        QCOMPARE(cell(m_grid, 0, 0), QStringLiteral("01"));
        QCOMPARE(cell(m_grid, 15, 0), QStringLiteral("16"));
    }
};

QTEST_MAIN(TestFrequencyDialogTest)
#include "testfrequencydialogtest.moc"
