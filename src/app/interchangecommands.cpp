#include "interchangecommands.h"

#include "featuredialogs.h"
#include "filechooser.h"

#include "dialogs/importchooserdialog.h"
#include "dialogs/importreportdialog.h"
#include "editor/channeledits.h"
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

QString csvFilter()
{
    return ShownText(u"CHIRP CSV 信道表 (*.csv)", u"CHIRP CSV channel list (*.csv)");
}

QString jsonFilter()
{
    return ShownText(u"JSON 写频文件 (*.json)", u"JSON code plan (*.json)");
}

// Import reads another plan too: channels are taken from a plan file or a radio's backup.
FileRequest importRequest()
{
    return {FileChoice::Open,
            {csvFilter(), jsonFilter(), ShownText(u"写频文件 (*.DAT)", u"Code plan (*.DAT)")},
            QString()};
}

FileRequest exportRequest()
{
    return {FileChoice::Save, {csvFilter(), jsonFilter()}, QString()};
}

// The name says the format; a name that says none is read as the filter it was chosen with.
ChannelFileFormat importFormat(const ChosenFile &chosen)
{
    constexpr ChannelFileFormat kByFilter[] = {ChannelFileFormat::ChirpCsv, ChannelFileFormat::JsonPlan,
                                               ChannelFileFormat::CodePlan};
    return ChannelFileFormatOf(chosen.path).value_or(kByFilter[qBound(0, chosen.filter, 2)]);
}

// As for import: a ".json" picked under the CSV filter is JSON.
InterchangeFormat exportFormat(const ChosenFile &chosen)
{
    return InterchangeFormatOf(chosen.path)
        .value_or(chosen.filter == 1 ? InterchangeFormat::Json : InterchangeFormat::ChirpCsv);
}

QString refusedHeading(const QString &path)
{
    return ShownText(u"文件 %1 未导入，窗口中的写频数据没有改变。",
                     u"%1 was not imported; the plan in the window is unchanged.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

InterchangeCommands::InterchangeCommands(QWidget *window, const PlanDocument &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document)
{}

void InterchangeCommands::importPlan()
{
    const ChosenFile chosen = ChooseFile(m_window, importRequest());
    if (!chosen.path.isEmpty())
        importFile(chosen.path, importFormat(chosen));
}

bool InterchangeCommands::importFile(const QString &path, ChannelFileFormat format)
{
    const auto source = readSource(path, format);
    if (!source)
        return false;
    openChooser(*source, QDir::toNativeSeparators(path), false);
    return true;
}

bool InterchangeCommands::newFromTemplate(const ChannelTemplate &found)
{
    if (!m_document.askToSave())
        return false;
    const auto format = ChannelFileFormatOf(found.path);
    const auto source = format ? readSource(found.path, *format) : std::nullopt;
    if (!source)
        return false;
    openChooser(*source, found.name, true);
    return true;
}

std::optional<ChannelSource> InterchangeCommands::readSource(const QString &path, ChannelFileFormat format)
{
    auto source = ReadChannelSource(path, format, shownPlan(), m_document.texts());
    const auto *error = std::get_if<ImportError>(&source);
    if (error == nullptr)
        return std::get<ChannelSource>(std::move(source));
    if (error->kind != ImportError::BadInput)
        ShowMsgbox(FileFailureText(FileChoice::Open, error->problem(path)), MsgboxOkOnly + MsgboxStop);
    else if (format == ChannelFileFormat::CodePlan)
        ShowMsgbox(ShownText(u"文件类型不对，无法打开。", u"Document type not to open."), MsgboxOkOnly);
    else
        showRefusal(path, error->message(QFileInfo(path).fileName(), LanguageMode()));
    return std::nullopt;
}

void InterchangeCommands::openChooser(const ChannelSource &source, const QString &fileName, bool newPlan)
{
    const CodePlan plan = shownPlan();
    ImportChoice choice(source.list, plan.band);
    // A new plan follows its template's band unless the plan's can hold it; an import keeps the
    // plan's band until the user picks another.
    if (newPlan)
        choice.fitBand(plan.band);
    m_sourcePlan = source.plan;
    m_newPlan = newPlan;
    delete m_chooser;
    m_chooser = new ImportChooserDialog(std::move(choice), plan, m_document.texts(),
                                        {fileName, newPlan, source.plan.has_value() && !newPlan}, m_window);
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_chooser, &QDialog::accepted, this, &InterchangeCommands::importChosen);
    m_chooser->open();
}

// The ticked rows replace the channels they land on, as one change of the plan.
void InterchangeCommands::importChosen()
{
    const CodePlan shown = shownPlan();
    CodePlan after = m_chooser->takesSettings() ? *m_sourcePlan : shown;
    after.channels = shown.channels;
    if (m_newPlan)
        ClearGrid(after.channels);
    const ImportChoice &choice = m_chooser->choice();
    after.band = choice.band();
    choice.apply(after.channels, m_document.texts());
    m_document.decode(EncodeImage(after, m_document.texts()));
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
        const ChosenFile chosen = ChooseFile(m_window, exportRequest());
        if (chosen.path.isEmpty())
            return QString();
        format = exportFormat(chosen);
        // The name says the format, so the file imports again as what it is.
        QString path = chosen.path;
        if (!InterchangeFormatOf(path))
            path += suffixOf(format);
        if (MayReplaceFile(path))
            return path;
    }
}

ImportChooserDialog *InterchangeCommands::chooser() const
{
    return m_chooser;
}

CodePlan InterchangeCommands::shownPlan() const
{
    // The plan as a save would store it: what the image holds and nothing beside it.
    CodePlan plan;
    DecodeImage(plan, m_document.encode(), m_document.texts());
    return plan;
}

ImportReportDialog *InterchangeCommands::reportDialog()
{
    // Made at the first refusal: most sessions never show it.
    if (m_report == nullptr)
        m_report = new ImportReportDialog(m_window);
    return m_report;
}

void InterchangeCommands::showRefusal(const QString &path, const QString &message)
{
    reportDialog()->setReport(LanguageMode(), refusedHeading(path), {message});
    FeatureDialogs::present(m_report);
}

} // namespace vm280
