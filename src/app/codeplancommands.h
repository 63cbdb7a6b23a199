#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace vm280 {

/// What the File commands need of the window that shows the plan.
struct PlanDocument
{
    std::function<QByteArray()> encode;                ///< the image of the plan shown
    std::function<void(const QByteArray &)> decode;    ///< shows an opened image
    std::function<void()> clearChannels;               ///< New: empties the channels
    std::function<void(const QString &)> savedAs;      ///< the plan was written to this file
    std::function<bool()> modified;                    ///< the plan changed since it was last kept
};

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

signals:
    /// A plan was opened from or saved to path (absolute).
    void fileUsed(const QString &path);

private:
    QString chooseSaveTarget();

    QWidget *m_window;
    PlanDocument m_document;
};

} // namespace vm280
