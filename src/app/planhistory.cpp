#include "planhistory.h"

#include <QUndoStack>

namespace vm280 {

/// One user action: the state before it and after it. Pushed once the action is done, so its
/// first redo only marks it as done.
class PlanStep : public QUndoCommand
{
public:
    PlanStep(PlanHistory *history, PlanState before, PlanState after)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after))
    {}

    void undo() override { m_history->show(m_before); }
    void redo() override
    {
        if (m_done)
            m_history->show(m_after);
        m_done = true;
    }

private:
    PlanHistory *m_history;
    PlanState m_before;
    PlanState m_after;
    bool m_done = false;
};

PlanHistory::PlanHistory(Capture capture, Restore restore, Image image, QObject *parent)
    : QObject(parent), m_capture(std::move(capture)), m_restore(std::move(restore)),
      m_image(std::move(image)), m_stack(new QUndoStack(this)), m_last(m_capture()), m_keptImage(m_image())
{}

void PlanHistory::record()
{
    if (m_busy > 0)
        return;
    PlanState now = m_capture();
    if (now == m_last)
        return;
    PlanState before = std::exchange(m_last, now);
    m_stack->push(new PlanStep(this, std::move(before), std::move(now)));
    updateModified();
}

void PlanHistory::recordAsOneStep(const std::function<void()> &action)
{
    ++m_busy;
    action();
    --m_busy;
    record();
}

void PlanHistory::rebase()
{
    m_last = m_capture();
    updateModified();
}

void PlanHistory::setClean()
{
    record();
    m_keptImage = m_image();
    updateModified();
}

bool PlanHistory::isModified() const
{
    return m_image() != m_keptImage;
}

void PlanHistory::undo()
{
    // A change not yet recorded (an edit still open) is a step of its own, undone first.
    record();
    m_stack->undo();
}

void PlanHistory::redo()
{
    m_stack->redo();
}

void PlanHistory::show(const PlanState &state)
{
    ++m_busy;
    m_restore(state);
    --m_busy;
    m_last = m_capture();
    updateModified();
}

void PlanHistory::updateModified()
{
    const bool modified = isModified();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

} // namespace vm280
