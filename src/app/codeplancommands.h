#pragma once

#include "plandocument.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vm280 {

/// New, Open and Save of code plan files, with their questions and messages. New, and Open of a
/// file that holds a plan, first ask whether to save a modified plan.
class CodePlanCommands : public QObject
{
    Q_OBJECT

public:
    CodePlanCommands(QWidget *window, const PlanDocument &document, QObject *parent = nullptr);

    void newPlan();
    /// Opens the file chosen in the open dialog.
    void openPlan();
    /// Opens path; false when it could not be opened (the user was told why) or the user kept
    /// the modified plan.
    bool openFile(const QString &path);
    /// True when the plan was written to the file chosen.
    bool savePlan();
    /// Asks whether to save a modified plan before it is replaced: Save runs the Save command,
    /// Discard goes on, Cancel stops. True when the command that asked may go on; a plan that has
    /// not changed asks nothing.
    bool askToSaveChanges();
    /// The image in the plan file at path; nothing when it could not be read (the user was told
    /// why).
    std::optional<QByteArray> readFile(const QString &path);
    /// The file the plan was last opened from or saved to (absolute); empty before either.
    QString currentFile() const { return m_currentFile; }

signals:
    /// A plan was opened from or saved to path (absolute).
    void fileUsed(const QString &path);

private:
    QString chooseSaveTarget();
    void useFile(const QString &path);

    QWidget *m_window;
    PlanDocument m_document;
    QString m_currentFile;
};

} // namespace vm280
