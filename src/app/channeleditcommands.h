#pragma once

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QObject>

namespace vm280 {

class ChannelGrid;
class ChannelTableModel;
struct PasteReport;

/// Copy, Paste and Delete of the channels selected in the grid. Copied channels go to the
/// clipboard as tab-separated rows under CHIRP's column names, so a spreadsheet takes them as
/// cells; pasted text (such rows, or a column of values for the current cell's column) goes
/// through the rules of typing, and the rows it cannot take are reported in one message.
class ChannelEditCommands : public QObject
{
    Q_OBJECT

public:
    /// texts are the words the cells are written in (they follow the language).
    ChannelEditCommands(ChannelGrid *grid, ChannelTableModel *model, CodePlan &plan, const ChoiceTexts &texts,
                        QObject *parent = nullptr);

    void copy();
    /// Pastes the clipboard's text into the selected channels and those below.
    void paste();
    /// Pastes text as paste() pastes the clipboard's.
    void pasteText(const QString &text);
    /// Empties the selected channels.
    void deleteSelected();

signals:
    /// A paste or delete changed the channels.
    void changed();

private:
    void report(const PasteReport &pasted);

    ChannelGrid *m_grid;
    ChannelTableModel *m_model;
    CodePlan &m_plan;
    const ChoiceTexts &m_texts;
};

} // namespace vm280
