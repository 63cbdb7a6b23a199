#pragma once

#include "plandocument.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vm280 {

/// New, Open and Save of code plan files, with their questions and messages.
class CodePlanCommands : public QObject
{
    Q_OBJECT

public:
    CodePlanCommands(QWidget *window, const PlanDocument &document, QObject *parent = nullptr);

    void newPlan();
    /// Opens the file chosen in the open dialog.
    void openPlan();
    /// Opens path; false when it could not be opened (the user was told why).
    bool openFile(const QString &path);
    void savePlan();

signals:
    /// A plan was opened from or saved to path (absolute).
    void fileUsed(const QString &path);

private:
    QString chooseSaveTarget();

    QWidget *m_window;
    PlanDocument m_document;
};

} // namespace vm280
