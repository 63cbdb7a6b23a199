#pragma once

#include "plandocument.h"

#include "interchange/interchangeformat.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace vm280 {

class ImportReportDialog;
struct CodePlan;

/// File > Import and File > Export: the plan in and out as CHIRP CSV or the JSON plan, with the
/// question before programmed channels are replaced and the report of what was imported.
class InterchangeCommands : public QObject
{
    Q_OBJECT

public:
    InterchangeCommands(QWidget *window, const PlanDocument &document, QObject *parent = nullptr);

    /// Imports the file chosen in the import dialog, in the format its name says (".json",
    /// ".csv"), else in the format of the filter chosen.
    void importPlan();
    /// Imports path read as format on top of the plan shown; false when the plan was left as
    /// it was (the file was refused or the user kept the channels).
    bool importFile(const QString &path, InterchangeFormat format);
    /// Writes the plan shown to the file chosen in the export dialog, in the format its name says,
    /// else in the filter's format with the filter's extension added.
    void exportPlan();

    /// Shows the report of the last import; tests read it.
    ImportReportDialog *reportDialog() const { return m_report; }

private:
    CodePlan shownPlan() const;
    void showReport(const QString &heading, const QStringList &lines);
    QString chooseExportTarget(InterchangeFormat &format);

    QWidget *m_window;
    PlanDocument m_document;
    ImportReportDialog *m_report;
};

} // namespace vm280
