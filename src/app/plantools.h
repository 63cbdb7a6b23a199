#pragma once

#include "dialogs/comparedialog.h"
#include "image/codeplan.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QTextDocument;
class QWidget;

namespace vm280 {

class ChannelTableModel;
class CodePlanCommands;

/// File > Compare, Print and Print preview: the plan shown compared with a plan file, and its
/// channel sheet.
class PlanTools : public QObject
{
    Q_OBJECT

public:
    PlanTools(QWidget *window, const CodePlan &plan, ChannelTableModel *model, CodePlanCommands *files,
              QObject *parent = nullptr);

    /// Compares with the file chosen in the open dialog.
    void compare();
    /// Shows the differences from the plan in path and marks the differing channel cells; false
    /// when the file could not be opened (the user was told why).
    bool compareWith(const QString &path);
    /// The last compare dialog, while it is open.
    CompareDialog *compareDialog() const { return m_dialog; }

    void print();
    void printPreview();
    /// The channel sheet of the plan shown, in the window's language, under the name of the file
    /// the plan was last opened from or saved to.
    std::unique_ptr<QTextDocument> sheet() const;

private:
    QWidget *m_window;
    const CodePlan &m_plan;
    ChannelTableModel *m_model;
    CodePlanCommands *m_files;
    QPointer<CompareDialog> m_dialog;
};

} // namespace vm280
