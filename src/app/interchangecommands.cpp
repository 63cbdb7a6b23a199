#include "interchangecommands.h"

#include "featuredialogs.h"
#include "filechooser.h"

#include "dialogs/importreportdialog.h"
#include "image/bands.h"
#include "image/codec.h"
#include "interchange/planinterchange.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString suffixOf(InterchangeFormat format)
{
    return format == InterchangeFormat::Json ? u".json"_s : u".csv"_s;
}

// The dialogs' filters: CHIRP CSV first, then the JSON plan.
FileRequest exchangeRequest(FileChoice choice)
{
    return {choice,
            {ShownText(u"CHIRP CSV 信道表 (*.csv)", u"CHIRP CSV channel list (*.csv)"),
             ShownText(u"JSON 写频文件 (*.json)", u"JSON code plan (*.json)")},
            QString()};
}

// The name says the format (a ".json" picked under the CSV filter is JSON); the filter only
// speaks for a name that says nothing.
InterchangeFormat formatOf(const ChosenFile &chosen)
{
    return InterchangeFormatOf(chosen.path)
        .value_or(chosen.filter == 1 ? InterchangeFormat::Json : InterchangeFormat::ChirpCsv);
}

// A programmed channel would be replaced by another or emptied.
bool replacesProgrammedChannels(const CodePlan &before, const CodePlan &after)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (!before.channels.isEmpty(row) && before.channels.cells[row - 1] != after.channels.cells[row - 1])
            return true;
    }
    return false;
}

bool confirmReplacing(InterchangeFormat format)
{
    const QString prompt =
        format == InterchangeFormat::ChirpCsv
            ? ShownText(u"导入将替换全部信道，确定吗？", u"The import replaces all channels. Continue?")
            : ShownText(u"导入将替换信道和文件中的设置，确定吗？",
                        u"The import replaces the channels and the settings the file holds. Continue?");
    return ShowMsgbox(prompt, MsgboxOkCancel + MsgboxExclamation + MsgboxDefaultButton2,
                      ShownText(u"警告", u"Warnning")) == MsgboxOk;
}

QString importedHeading(const QString &path, const ImportReport &report)
{
    QString heading = ShownText(u"已从 %1 导入。频段：%2", u"Imported from %1. Band: %2")
                          .arg(QDir::toNativeSeparators(path), BandText(report.band));
    // The count a list of many skipped rows would otherwise hide at the end of the report.
    if (report.format == InterchangeFormat::ChirpCsv)
        heading +=
            u'\n' + ShownText(u"已导入 %1 个信道，跳过 %2 行。", u"Channels imported: %1; rows skipped: %2.")
                        .arg(report.imported)
                        .arg(report.skipped);
    return heading;
}

QString refusedHeading(const QString &path)
{
    return ShownText(u"文件 %1 未导入，窗口中的写频数据没有改变。",
                     u"%1 was not imported; the plan in the window is unchanged.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

InterchangeCommands::InterchangeCommands(QWidget *window, const PlanDocument &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document), m_report(new ImportReportDialog(window))
{}

void InterchangeCommands::importPlan()
{
    const ChosenFile chosen = ChooseFile(m_window, exchangeRequest(FileChoice::Open));
    if (!chosen.path.isEmpty())
        importFile(chosen.path, formatOf(chosen));
}

bool InterchangeCommands::importFile(const QString &path, InterchangeFormat format)
{
    const auto bytes = ReadImportFile(path);
    if (const auto *error = std::get_if<ImportError>(&bytes); error && error->kind != ImportError::BadInput) {
        ShowMsgbox(FileFailureText(FileChoice::Open, error->problem(path)), MsgboxOkOnly + MsgboxStop);
        return false;
    }
    const CodePlan before = shownPlan();
    const QString name = QFileInfo(path).fileName();
    // The window's band and the file's Locations, as the command line does by default.
    ImportResult result =
        std::holds_alternative<ImportError>(bytes)
            ? ImportResult{std::get<ImportError>(bytes), {}}
            : ImportPlan(std::get<QByteArray>(bytes), format, before, {}, m_document.texts());
    if (const auto *error = std::get_if<ImportError>(&result.plan)) {
        showReport(refusedHeading(path), result.report.lines(name, LanguageMode())
                                             << error->message(name, LanguageMode()));
        return false;
    }
    const CodePlan &after = std::get<CodePlan>(result.plan);
    if (replacesProgrammedChannels(before, after) && !confirmReplacing(format))
        return false;
    m_document.decode(EncodeImage(after, m_document.texts()));
    showReport(importedHeading(path, result.report), result.report.lines(name, LanguageMode()));
    return true;
}

void InterchangeCommands::exportPlan()
{
    InterchangeFormat format = InterchangeFormat::ChirpCsv;
    const QString path = chooseExportTarget(format);
    if (path.isEmpty())
        return;
    if (const auto problem = WriteWholeFile(path, ExportPlan(shownPlan(), format, m_document.texts())))
        ShowMsgbox(FileFailureText(FileChoice::Save, *problem), MsgboxOkOnly + MsgboxStop);
}

QString InterchangeCommands::chooseExportTarget(InterchangeFormat &format)
{
    for (;;) {
        const ChosenFile chosen = ChooseFile(m_window, exchangeRequest(FileChoice::Save));
        if (chosen.path.isEmpty())
            return QString();
        format = formatOf(chosen);
        // The name says the format, so the file imports again as what it is.
        QString path = chosen.path;
        if (!InterchangeFormatOf(path))
            path += suffixOf(format);
        if (MayReplaceFile(path))
            return path;
    }
}

CodePlan InterchangeCommands::shownPlan() const
{
    // The plan as a save would store it: what the image holds and nothing beside it.
    CodePlan plan;
    DecodeImage(plan, m_document.encode(), m_document.texts());
    return plan;
}

void InterchangeCommands::showReport(const QString &heading, const QStringList &lines)
{
    m_report->setReport(LanguageMode(), heading, lines);
    FeatureDialogs::present(m_report);
}

} // namespace vm280
