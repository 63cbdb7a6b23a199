// The grid's model on its own: the table it shows, the rows it reports changed, the marks it
// keeps, checked throughout by Qt's QAbstractItemModelTester.

#include "editor/channeltablemodel.h"
#include "image/bands.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace vm280;
using namespace Qt::StringLiterals;

class ChannelTableModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldShowTheTableAsSixteenRowsOfNineColumns();
    void shouldChangeTheTableThroughTheEditsAndReportTheirRow();
    void shouldKeepTheHorizontalHeadersItIsGiven();
    void shouldLeaveEditingToTheGridsOwnEditors();
    void shouldMarkFrequenciesOutsideTheBandShown();
    void shouldKeepComparisonMarksUntilTheNextEdit();
    void shouldEmptyTheChannelsAskedForAndNoOthers();

private:
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return m_model->index(row - 1, column).data(role);
    }

    ChannelTable m_table;
    std::unique_ptr<ChannelTableModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void ChannelTableModelTest::init()
{
    m_table = ChannelTable();
    m_model = std::make_unique<ChannelTableModel>(m_table, ChoiceTexts::simplifiedChinese());
    // Every signal the model sends from here on is checked against what it reports.
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void ChannelTableModelTest::cleanup()
{
    m_tester.reset();
    m_model.reset();
}

void ChannelTableModelTest::shouldShowTheTableAsSixteenRowsOfNineColumns()
{
    QCOMPARE(m_model->rowCount(), ChannelTable::kRows);
    QCOMPARE(m_model->columnCount(), ChannelTable::kColumns);
    QCOMPARE(m_model->rowCount(m_model->index(0, 0)), 0);
    QCOMPARE(cell(1, 0).toString(), u"01"_s);
    QCOMPARE(cell(16, 0).toString(), u"16"_s);
    QCOMPARE(cell(1, 1).toString(), QString());
    QCOMPARE(cell(16, 8, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(!m_model->index(16, 0).isValid());
    QVERIFY(!m_model->index(0, 9).isValid());
}

void ChannelTableModelTest::shouldChangeTheTableThroughTheEditsAndReportTheirRow()
{
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    const BandLimits limits = BandLimitsOf(BandText(0));
    QCOMPARE(m_model->commitFrequency(3, ChannelTable::RxFrequencyColumn, u"438.013"_s, limits),
             FrequencyEntry::Accepted);
    QCOMPARE(m_table.cell(3, ChannelTable::RxFrequencyColumn), u"438.01250"_s);
    QCOMPARE(cell(3, ChannelTable::TxFrequencyColumn).toString(), u"438.01250"_s);
    QCOMPARE(cell(3, ChannelTable::PowerColumn).toString(), u"高"_s);
    m_model->commitTone(3, ChannelTable::RxToneColumn, u"88.5"_s, -1);
    QCOMPARE(cell(3, ChannelTable::RxToneColumn).toString(), u"88.5"_s);
    m_model->pickEntry(3, ChannelTable::PowerColumn, 0);
    QCOMPARE(cell(3, ChannelTable::PowerColumn).toString(), u"低"_s);
    QCOMPARE(m_model->choiceIndex(3, ChannelTable::PowerColumn), 0);
    QCOMPARE(m_model->commitFrequency(3, ChannelTable::RxFrequencyColumn, u"500"_s, limits),
             FrequencyEntry::OutOfBand);
    QCOMPARE(cell(3, ChannelTable::RxFrequencyColumn).toString(), u"438.01250"_s);

    QCOMPARE(changed.size(), 4);
    for (const QList<QVariant> &signal : changed) {
        QCOMPARE(signal.at(0).toModelIndex(), m_model->index(2, 0));
        QCOMPARE(signal.at(1).toModelIndex(), m_model->index(2, ChannelTable::kColumns - 1));
    }
}

void ChannelTableModelTest::shouldKeepTheHorizontalHeadersItIsGiven()
{
    QSignalSpy headers(m_model.get(), &QAbstractItemModel::headerDataChanged);
    m_model->setHeaders({u"信道"_s, u"接收频率"_s});
    QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), u"信道"_s);
    QCOMPARE(m_model->headerData(1, Qt::Horizontal).toString(), u"接收频率"_s);
    QCOMPARE(m_model->headerData(8, Qt::Horizontal).toString(), QString());
    // A converted header comes back as its display text (FormJtoF).
    QVERIFY(m_model->setHeaderData(8, Qt::Horizontal, u"掃描添加"_s, Qt::DisplayRole));
    QCOMPARE(m_model->headerData(8, Qt::Horizontal).toString(), u"掃描添加"_s);
    QVERIFY(!m_model->setHeaderData(9, Qt::Horizontal, u"x"_s, Qt::DisplayRole));
    QVERIFY(!m_model->setHeaderData(0, Qt::Vertical, u"x"_s, Qt::DisplayRole));
    QVERIFY(!m_model->setHeaderData(0, Qt::Horizontal, u"x"_s, Qt::EditRole));
    QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), u"信道"_s);
    QCOMPARE(headers.size(), 2);
}

void ChannelTableModelTest::shouldLeaveEditingToTheGridsOwnEditors()
{
    const Qt::ItemFlags flags = m_model->flags(m_model->index(0, 1));
    QVERIFY(flags.testFlag(Qt::ItemIsEnabled));
    QVERIFY(flags.testFlag(Qt::ItemIsSelectable));
    QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
    QVERIFY(!m_model->setData(m_model->index(0, 1), u"438"_s));
    QCOMPARE(m_model->flags(QModelIndex()), Qt::NoItemFlags);
}

void ChannelTableModelTest::shouldMarkFrequenciesOutsideTheBandShown()
{
    m_table.cell(1, ChannelTable::RxFrequencyColumn) = u"438.01250"_s;
    m_table.cell(1, ChannelTable::TxFrequencyColumn) = u"150.00000"_s;
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setShownBand(0);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!cell(1, ChannelTable::RxFrequencyColumn, ChannelTableModel::OutsideBandRole).isValid());
    QCOMPARE(cell(1, ChannelTable::TxFrequencyColumn, ChannelTableModel::OutsideBandRole).toString(),
             BandText(0));
    QVERIFY(!cell(2, ChannelTable::RxFrequencyColumn, ChannelTableModel::OutsideBandRole).isValid());
    QVERIFY(!cell(1, ChannelTable::NumberColumn, ChannelTableModel::OutsideBandRole).isValid());

    const int vhf = 5;
    m_model->setShownBand(vhf);
    QCOMPARE(cell(1, ChannelTable::RxFrequencyColumn, ChannelTableModel::OutsideBandRole).toString(),
             BandText(vhf));
    QVERIFY(!cell(1, ChannelTable::TxFrequencyColumn, ChannelTableModel::OutsideBandRole).isValid());
}

void ChannelTableModelTest::shouldKeepComparisonMarksUntilTheNextEdit()
{
    m_model->markCells({{2, ChannelTable::RxFrequencyColumn}, {16, ChannelTable::ScanAddColumn}});
    QVERIFY(cell(2, ChannelTable::RxFrequencyColumn, ChannelTableModel::DifferenceRole).toBool());
    QVERIFY(cell(16, ChannelTable::ScanAddColumn, ChannelTableModel::DifferenceRole).toBool());
    QVERIFY(!cell(2, ChannelTable::TxFrequencyColumn, ChannelTableModel::DifferenceRole).toBool());

    // The same values in other words: a language switch keeps the marks.
    m_model->setGrid1Text();
    QVERIFY(m_model->isMarked(2, ChannelTable::RxFrequencyColumn));

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->commitFrequency(5, ChannelTable::RxFrequencyColumn, u"438"_s, BandLimitsOf(BandText(0)));
    QVERIFY(!m_model->isMarked(2, ChannelTable::RxFrequencyColumn));
    QVERIFY(!m_model->isMarked(16, ChannelTable::ScanAddColumn));
    // Every marked cell is repainted, not only the row edited.
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(0, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(),
             m_model->index(ChannelTable::kRows - 1, ChannelTable::kColumns - 1));

    m_model->markCells({{5, ChannelTable::RxFrequencyColumn}});
    m_model->tableReplaced();
    QVERIFY(!m_model->isMarked(5, ChannelTable::RxFrequencyColumn));
}

void ChannelTableModelTest::shouldEmptyTheChannelsAskedForAndNoOthers()
{
    const BandLimits limits = BandLimitsOf(BandText(0));
    for (int row = 1; row <= 3; ++row)
        m_model->commitFrequency(row, ChannelTable::RxFrequencyColumn, u"438"_s, limits);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->clearChannels({0, 2, 17});
    QCOMPARE(changed.size(), 1);
    QCOMPARE(cell(2, ChannelTable::RxFrequencyColumn).toString(), QString());
    QCOMPARE(cell(2, ChannelTable::NumberColumn).toString(), u"02"_s);
    QCOMPARE(cell(1, ChannelTable::RxFrequencyColumn).toString(), u"438.00000"_s);
    QCOMPARE(cell(3, ChannelTable::RxFrequencyColumn).toString(), u"438.00000"_s);

    m_model->clearGrid();
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        QCOMPARE(cell(row, ChannelTable::RxFrequencyColumn).toString(), QString());
}

QTEST_GUILESS_MAIN(ChannelTableModelTest)
#include "channeltablemodeltest.moc"
