#pragma once

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace vm280 {

class ChannelGrid;
class ChannelTableModel;
class ValueDialog;
struct BandLimits;
struct FillDownRefusal;

/// Edits of the channels selected in the grid at once: one column set for all of them (Edit >
/// Set for selected), and Fill down. Every value goes through the rules of typing into the
/// cells; each command is one change of the plan.
class SelectedChannelCommands : public QObject
{
    Q_OBJECT

public:
    /// texts are the words the cells are written in; limits the band's, as typing checks them.
    SelectedChannelCommands(ChannelGrid *grid, ChannelTableModel *model, CodePlan &plan,
                            const ChoiceTexts &texts, const BandLimits *limits, QObject *parent = nullptr);

    /// Sets column (power, transmit forbid, bandwidth, scan add) of the selected channels to
    /// entry index of its list.
    void pickForSelected(int column, int index);
    /// Asks for a tone for column (2 receive, 4 transmit) and sets it in the selected channels.
    void askToneForSelected(int column);
    /// Asks for a step and fills the selected channels down from the first one's frequency.
    void askFillDown();

    /// The dialog asking for a tone or a step while it is open; tests answer it.
    ValueDialog *dialog() const;

signals:
    /// The selected channels changed.
    void changed();

private:
    void setTone(int column, const QString &text);
    void fillDown(const QString &step);
    void refuse(const QString &text);
    static QString refusalText(const FillDownRefusal &refusal, const QString &step);
    void ask(const QString &title, const QString &prompt, const QStringList &entries, const QString &value);

    ChannelGrid *m_grid;
    ChannelTableModel *m_model;
    CodePlan &m_plan;
    const ChoiceTexts &m_texts;
    const BandLimits *m_limits;
    QPointer<ValueDialog> m_dialog;
};

} // namespace vm280
