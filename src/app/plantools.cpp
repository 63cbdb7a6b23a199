#include "plantools.h"

#include "codeplancommands.h"
#include "featuredialogs.h"
#include "filechooser.h"
#include "sheetjobmemory.h"

#include "dialogs/comparedialog.h"
#include "editor/channeltablemodel.h"
#include "editor/plandifferences.h"
#include "image/codec.h"
#include "sheet/channelsheet.h"
#include "ui/languagemode.h"

#include <QDate>
#include <QFileInfo>
#include <QTextDocument>

namespace vm280 {

PlanTools::PlanTools(QWidget *window, const CodePlan &plan, ChannelTableModel *model, CodePlanCommands *files,
                     QObject *parent)
    : QObject(parent), m_window(window), m_plan(plan), m_model(model), m_files(files)
{}

void PlanTools::compare()
{
    const QString path = ChooseCodePlanFile(m_window, FileChoice::Open, m_files->currentFile());
    if (!path.isEmpty())
        compareWith(path);
}

bool PlanTools::compareWith(const QString &path)
{
    const auto image = m_files->readFile(path);
    if (!image)
        return false;
    showDifferences(*image, QFileInfo(path).fileName());
    return true;
}

void PlanTools::compareWithRadio(const QByteArray &image)
{
    showDifferences(image, ShownText(u"对讲机", u"Radio"));
}

void PlanTools::showDifferences(const QByteArray &image, const QString &otherName)
{
    // Decoded in the grid's words, so equal cells read the same.
    CodePlan other;
    DecodeImage(other, image, m_model->texts());
    const QList<PlanDifference> differences = PlanDifferences(m_plan, other, LanguageMode());
    QList<std::pair<int, int>> cells;
    for (const PlanDifference &difference : differences) {
        if (difference.row > 0)
            cells.append({difference.row, difference.column});
    }
    m_model->markCells(cells);
    if (m_dialog)
        m_dialog->close();
    m_dialog = new CompareDialog(differences, otherName, m_window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    FeatureDialogs::present(m_dialog);
}

void PlanTools::print()
{
    askJobThenPrint(PrintChoice::Print);
}

void PlanTools::printPreview()
{
    askJobThenPrint(PrintChoice::Preview);
}

void PlanTools::askJobThenPrint(PrintChoice choice)
{
    if (m_jobDialog)
        m_jobDialog->close();
    const QString file = m_files->currentFile();
    const SheetJob remembered = file.isEmpty() ? m_untitledJob : RememberedSheetJob(file);
    m_jobDialog = new SheetJobDialog(remembered.name, remembered.note, m_window);
    m_jobDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_jobDialog->setWindowModality(Qt::WindowModal);
    connect(m_jobDialog, &QDialog::accepted, this, [this, choice, file] {
        const SheetJob job{m_jobDialog->name(), m_jobDialog->note()};
        if (file.isEmpty())
            m_untitledJob = job;
        else
            RememberSheetJob(file, job);
        PrintSheet(m_window, *sheet(job), choice);
    });
    m_jobDialog->open();
}

std::unique_ptr<QTextDocument> PlanTools::sheet(const SheetJob &job) const
{
    const QString file = m_files->currentFile();
    const QString name = file.isEmpty() ? ShownText(u"未命名", u"Untitled") : QFileInfo(file).fileName();
    return ChannelSheet::document(
        ChannelSheet::html(m_plan, LanguageMode(), name, QDate::currentDate(), job));
}

} // namespace vm280
