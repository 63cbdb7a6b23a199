#pragma once

#include "sheetprinter.h"

#include "dialogs/comparedialog.h"
#include "dialogs/sheetjobdialog.h"
#include "image/codeplan.h"
#include "sheet/sheetjob.h"

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
    /// The same with what the radio holds (its memory image, as read).
    void compareWithRadio(const QByteArray &image);
    /// The last compare dialog, while it is open.
    CompareDialog *compareDialog() const { return m_dialog; }

    /// Print and Print preview first ask the customer or job and the note for the sheet's head
    /// (filled in with those last printed for the plan file); Cancel prints nothing.
    void print();
    void printPreview();
    /// The form asking for them, while it is open.
    SheetJobDialog *jobDialog() const { return m_jobDialog; }
    /// The channel sheet of the plan shown, in the window's language, under the name of the file
    /// the plan was last opened from or saved to.
    std::unique_ptr<QTextDocument> sheet(const SheetJob &job = {}) const;

private:
    void showDifferences(const QByteArray &image, const QString &otherName);
    void askJobThenPrint(PrintChoice choice);

    QWidget *m_window;
    const CodePlan &m_plan;
    ChannelTableModel *m_model;
    CodePlanCommands *m_files;
    SheetJob m_untitledJob; ///< the job printed last for a plan without a file
    QPointer<CompareDialog> m_dialog;
    QPointer<SheetJobDialog> m_jobDialog;
};

} // namespace vm280
