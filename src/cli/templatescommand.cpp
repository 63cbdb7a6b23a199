#include "cliutil.h"
#include "commands.h"

#include "image/bands.h"
#include "image/numeric.h"
#include "interchange/channeltemplates.h"
#include "planreport/printable.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

// "16 channels, 446.00625 to 446.19375 MHz, band 400-480MHz": what a new plan gets from it.
QString description(const ImportChoice &choice)
{
    int channels = 0;
    double lowest = 0;
    double highest = 0;
    for (int row = 0; row < choice.list().size(); ++row) {
        QList<ChirpNote> warnings;
        const auto values = choice.list().inBand(row, choice.band(), warnings);
        const auto *channel = std::get_if<ChannelValues>(&values);
        const std::optional<double> mhz = channel ? ParseDecimal(channel->rxFrequency) : std::nullopt;
        if (!mhz)
            continue;
        lowest = channels == 0 ? *mhz : std::min(lowest, *mhz);
        highest = std::max(highest, *mhz);
        ++channels;
    }
    if (channels == 0)
        return u"no channel the radio can take"_s;
    QString text = u"%1 channels"_s.arg(channels);
    if (choice.placedCount() < channels)
        text += u" (a plan takes %1 of them)"_s.arg(choice.placedCount());
    return text + u", %1 to %2 MHz, band %3"_s.arg(lowest, 0, 'f', 5)
                      .arg(highest, 0, 'f', 5)
                      .arg(BandText(choice.band()));
}

} // namespace

int runTemplates(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const auto exit = parseArguments(parser, arguments, 0, u"templates"_s))
        return *exit;
    const QList<ChannelTemplate> templates = FindTemplates();
    QTextStream out(stdout);
    if (templates.isEmpty())
        printError(u"there are no templates; your own go into "_s + UserTemplateFolder());
    qsizetype width = 0;
    for (const ChannelTemplate &found : templates)
        width = std::max(width, found.name.size());
    for (const ChannelTemplate &found : templates) {
        const auto opened = OpenTemplate(found.path, CodePlan(), cliTexts());
        const QString text = std::holds_alternative<ImportChoice>(opened)
                                 ? description(std::get<ImportChoice>(opened))
                                 : u"cannot be used: "_s + std::get<ImportError>(opened).message(found.path);
        out << Printable(found.name.leftJustified(width)) << "  " << Printable(text) << '\n';
    }
    return Success;
}

} // namespace vm280::cli
