#pragma once

#include "editor/bandselection.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class QUndoStack;

namespace vm280 {

/// What one undo step puts back: the plan and the band its channel list belongs to.
struct PlanState
{
    CodePlan plan;
    BandSelection band;

    bool operator==(const PlanState &) const = default;
};

/// The window's undo history of its plan, kept as whole states: each step holds the state before
/// and after one user action, so undo and redo put back exactly what was there. The window
/// records after each action; whatever changed since the last record becomes one step, and an
/// action that changed nothing leaves no step. The plan is modified while its image differs from
/// the one kept (opened, saved, read or written), however it got there: a value set back by hand
/// is no change.
class PlanHistory : public QObject
{
    Q_OBJECT

public:
    using Capture = std::function<PlanState()>;
    using Restore = std::function<void(const PlanState &)>;
    using Image = std::function<QByteArray()>;

    /// capture gives the window's current state; restore shows a state in the window; image
    /// gives the image of the plan shown, as a save would store it.
    PlanHistory(Capture capture, Restore restore, Image image, QObject *parent = nullptr);

    QUndoStack *stack() const { return m_stack; }

    /// Makes the changes since the last record one undo step.
    void record();
    /// Runs action and records its changes as one step; records asked for inside it are part of
    /// that step.
    void recordAsOneStep(const std::function<void()> &action);
    /// Takes the current state as it stands without a step: it means the same plan in other
    /// words (a language switch rewrote the cells).
    void rebase();
    /// The plan as it is now is the one kept (opened, saved, read or written).
    void setClean();
    bool isModified() const;

    void undo();
    void redo();

signals:
    /// The plan became modified, or clean again (also by undo and redo).
    void modifiedChanged(bool modified);

private:
    friend class PlanStep;
    void show(const PlanState &state);
    void updateModified();

    Capture m_capture;
    Restore m_restore;
    Image m_image;
    QUndoStack *m_stack;
    PlanState m_last;
    QByteArray m_keptImage;
    bool m_modified = false;
    int m_busy = 0;
};

} // namespace vm280
