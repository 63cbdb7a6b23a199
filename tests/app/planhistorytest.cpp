// The window's undo history on its own, over a plan that stands in for the window's.

#include "app/planhistory.h"
#include "image/codec.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <memory>

using namespace vm280;
using namespace Qt::StringLiterals;

class PlanHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldLeaveNoStepForAnActionThatChangedNothing();
    void shouldUndoAndRedoExactlyTheStatesRecorded();
    void shouldCountAValueSetBackByHandAsNoChange();
    void shouldRecordNestedRecordsAsOneStep();
    void shouldUndoAChangeNotYetRecordedFirst();
    void shouldTakeARebasedStateWithoutAStep();
    void shouldTellWhenThePlanBecomesModifiedAndCleanAgain();

private:
    // What the user does in the window: changes the plan shown.
    void type(const QString &frequency) { m_shown.plan.channels.cell(1, 1) = frequency; }
    QString typed() const { return m_shown.plan.channels.cell(1, 1); }

    PlanState m_shown;
    int m_restores = 0;
    std::unique_ptr<PlanHistory> m_history;
};

void PlanHistoryTest::init()
{
    m_shown = PlanState();
    m_restores = 0;
    m_history = std::make_unique<PlanHistory>(
        [this] { return m_shown; },
        [this](const PlanState &state) {
            m_shown = state;
            ++m_restores;
        },
        [this] { return EncodeImage(m_shown.plan, ChoiceTexts::simplifiedChinese()); });
}

void PlanHistoryTest::shouldLeaveNoStepForAnActionThatChangedNothing()
{
    m_history->record();
    QCOMPARE(m_history->stack()->count(), 0);
    QVERIFY(!m_history->isModified());
}

void PlanHistoryTest::shouldUndoAndRedoExactlyTheStatesRecorded()
{
    const PlanState empty = m_shown;
    type(u"438.01250"_s);
    m_history->record();
    const PlanState first = m_shown;
    m_shown.band.selectWithoutPrompt(5);
    type(u"150.00000"_s);
    m_history->record();
    const PlanState second = m_shown;
    QCOMPARE(m_history->stack()->count(), 2);

    m_history->undo();
    QVERIFY(m_shown == first);
    m_history->undo();
    QVERIFY(m_shown == empty);
    QVERIFY(!m_history->stack()->canUndo());
    m_history->redo();
    QVERIFY(m_shown == first);
    m_history->redo();
    QVERIFY(m_shown == second);
    QCOMPARE(m_restores, 4);
}

void PlanHistoryTest::shouldCountAValueSetBackByHandAsNoChange()
{
    type(u"438.01250"_s);
    m_history->record();
    QVERIFY(m_history->isModified());
    type(QString());
    m_history->record();
    QCOMPARE(m_history->stack()->count(), 2);
    QVERIFY(!m_history->isModified());
}

void PlanHistoryTest::shouldRecordNestedRecordsAsOneStep()
{
    m_history->recordAsOneStep([this] {
        type(u"438.01250"_s);
        m_history->record();
        m_shown.band.selectWithoutPrompt(2);
        m_history->record();
    });
    QCOMPARE(m_history->stack()->count(), 1);
    m_history->undo();
    QCOMPARE(typed(), QString());
    QCOMPARE(m_shown.band.BandIndex(), 0);
}

void PlanHistoryTest::shouldUndoAChangeNotYetRecordedFirst()
{
    type(u"438.01250"_s);
    m_history->record();
    // An edit still open: changed, but not yet recorded.
    type(u"439.00000"_s);
    m_history->undo();
    QCOMPARE(typed(), u"438.01250"_s);
    QCOMPARE(m_history->stack()->count(), 2);
    m_history->undo();
    QCOMPARE(typed(), QString());
}

void PlanHistoryTest::shouldTakeARebasedStateWithoutAStep()
{
    type(u"438.01250"_s);
    m_history->rebase();
    m_history->record();
    QCOMPARE(m_history->stack()->count(), 0);
    QVERIFY(m_history->isModified());
}

void PlanHistoryTest::shouldTellWhenThePlanBecomesModifiedAndCleanAgain()
{
    QSignalSpy modified(m_history.get(), &PlanHistory::modifiedChanged);
    type(u"438.01250"_s);
    m_history->record();
    type(u"439.00000"_s);
    m_history->record();
    QCOMPARE(modified.size(), 1);
    QCOMPARE(modified.takeFirst().at(0).toBool(), true);

    m_history->setClean();
    QVERIFY(!m_history->isModified());
    QCOMPARE(modified.takeFirst().at(0).toBool(), false);

    // Undo goes back behind the plan kept: modified again, and clean on redo.
    m_history->undo();
    QVERIFY(m_history->isModified());
    m_history->redo();
    QVERIFY(!m_history->isModified());
    QCOMPARE(modified.size(), 2);
}

QTEST_GUILESS_MAIN(PlanHistoryTest)
#include "planhistorytest.moc"
