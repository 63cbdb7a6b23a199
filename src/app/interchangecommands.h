#pragma once

#include "plandocument.h"

#include "interchange/channelsource.h"
#include "interchange/channeltemplates.h"
#include "interchange/interchangeformat.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vm280 {

class ImportChooserDialog;
class ImportReportDialog;
struct CodePlan;

/// File > Import, File > New from template and File > Export: channels taken from a CHIRP CSV
/// list, a JSON plan or another .DAT plan through the import chooser, and the plan written out
/// as CHIRP CSV or the JSON plan. A file that cannot be taken is reported.
class InterchangeCommands : public QObject
{
    Q_OBJECT

public:
    InterchangeCommands(QWidget *window, const PlanDocument &document, QObject *parent = nullptr);

    /// Opens the file chosen in the import dialog in the import chooser, read in the format its
    /// name says (else the filter's).
    void importPlan();
    /// Opens path, read as format, in the import chooser; the ticked rows replace the channels
    /// they land on when it is accepted. False when the file could not be opened (the user was
    /// told why).
    bool importFile(const QString &path, ChannelFileFormat format);
    /// Opens the template in the import chooser for a new plan, after asking whether to save a
    /// modified plan: when it is accepted the channels are emptied and the ticked rows fill
    /// them. False when it did not open.
    bool newFromTemplate(const ChannelTemplate &found);
    /// Writes the plan shown to the file chosen in the export dialog.
    void exportPlan();

    /// Shows the report of a refused file; tests read it.
    ImportReportDialog *reportDialog();
    /// The import chooser while it is open; tests drive it.
    ImportChooserDialog *chooser() const;

private:
    CodePlan shownPlan() const;
    std::optional<ChannelSource> readSource(const QString &path, ChannelFileFormat format);
    void openChooser(const ChannelSource &source, const QString &fileName, bool newPlan);
    void importChosen();
    void showRefusal(const QString &path, const QString &message);
    QString chooseExportTarget(InterchangeFormat &format);

    QWidget *m_window;
    PlanDocument m_document;
    ImportReportDialog *m_report = nullptr;
    QPointer<ImportChooserDialog> m_chooser;
    std::optional<CodePlan> m_sourcePlan; ///< the plan of the file in the chooser, for its settings
    bool m_newPlan = false;
};

} // namespace vm280
