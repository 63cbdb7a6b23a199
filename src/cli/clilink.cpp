#include "clilink.h"

#include "image/codec.h"
#include "image/hex.h"
#include "link/backupname.h"
#include "link/writereport.h"
#include "serial/linkcause.h"
#include "serial/portslots.h"
#include "serial/radioport.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

constexpr int kBarWidth = 40;

// A folder given for the backup gets the file named by date, time and the radio's band.
QString backupFile(const QString &given, int radioBand)
{
    if (!QFileInfo(given).isDir())
        return given;
    return BackupPathIn(given, radioBand);
}

} // namespace

CliLink::CliLink(CodePlan &plan, const LinkOptions &options)
    : m_plan(plan), m_options(options), m_progressOnTerminal(options.progress && isTerminal(stderr))
{}

std::optional<Failure> CliLink::openPort(const QString &device)
{
    const std::optional<QString> path = PortSlots::detect().resolve(device);
    if (!path)
        return Failure{LinkFailure, device + u": no such port; vm280-cli ports lists them"_s};
    auto opened = OpenRadioPort(*path);
    if (const auto *problem = std::get_if<PortProblem>(&opened))
        return Failure{LinkFailure, LinkCauseText(OpenFailureCause(*path, *problem), EnglishWords)};
    setPort(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)));
    return std::nullopt;
}

std::optional<Failure> CliLink::read()
{
    return run(engine().startRead());
}

std::optional<Failure> CliLink::write()
{
    WriteSequence::Steps steps;
    if (!m_options.backupPath.isEmpty())
        steps.backupPath = [given = m_options.backupPath](int band) { return backupFile(given, band); };
    steps.verify = m_options.verify;
    std::optional<Failure> failure = run(m_sequence.start(steps));
    const WriteSequence::Result &result = m_sequence.result();
    if (result.backupSaved())
        QTextStream(stdout) << "Backup saved to " << result.backupPath << Qt::endl;
    if (!failure)
        return std::nullopt;
    if (auto steps = WriteStepsFailure(result))
        return steps;
    // The radio stopped answering: say what it was left with.
    if (m_outcome == LinkOutcome::Failed)
        failure->message += u' ' + WriteLeftoverText(result, EnglishWords);
    return failure;
}

std::optional<Failure> WriteStepsFailure(const WriteSequence::Result &result)
{
    if (result.backupError)
        return Failure{FileFailure, LinkTextEnglish(LinkText::BackupFailed) + u' ' +
                                        fileFailure(result.backupPath, *result.backupError).message};
    if (result.firstDifference)
        return Failure{VerifyFailure,
                       LinkTextEnglish(LinkText::VerifyMismatch) + u" First difference at address 0x"_s +
                           QString::fromLatin1(ToHex4(quint32(*result.firstDifference))) + u'.'};
    return std::nullopt;
}

std::optional<Failure> CliLink::run(bool started)
{
    if (started && !m_outcome) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    clearProgress();
    if (m_outcome == LinkOutcome::Success) {
        QTextStream(stdout) << LinkTextEnglish(m_status) << Qt::endl;
        return std::nullopt;
    }
    if (m_outcome == LinkOutcome::Refused)
        return Failure{LinkFailure, LinkTextEnglish(LinkText::BandQuestion) +
                                        u" No: nothing was written (--yes answers Yes)"_s};
    const LinkText message = m_message.value_or(LinkText::CommunicationError);
    QString text = LinkTextEnglish(message);
    // The error names what to check; the cause says what the line showed.
    if (message == LinkText::CommunicationError)
        text += u' ' + LinkCauseText(FailureCause(engine().hearing()), EnglishWords);
    return Failure{LinkFailure, text};
}

void CliLink::operationEnded(LinkOutcome outcome)
{
    m_outcome = outcome;
    if (m_loop)
        m_loop->quit();
}

void CliLink::setStatusText(LinkText text)
{
    m_status = text;
    drawProgress();
}

void CliLink::setProgressVisible(bool visible)
{
    if (!visible)
        clearProgress();
    m_progressShown = visible;
    drawProgress();
}

void CliLink::setProgressValue(int value)
{
    m_progressValue = value;
    drawProgress();
}

void CliLink::drawProgress()
{
    if (!m_progressOnTerminal || !m_progressShown)
        return;
    const int filled = qBound(0, m_progressValue * kBarWidth / kProgressMaximum, kBarWidth);
    QTextStream(stderr) << '\r' << LinkTextEnglish(m_status) << " [" << QString(filled, u'#')
                        << QString(kBarWidth - filled, u' ') << ']' << Qt::flush;
}

void CliLink::clearProgress()
{
    if (m_progressOnTerminal && m_progressShown)
        QTextStream(stderr) << "\r\x1b[K" << Qt::flush;
}

void CliLink::showMessage(LinkText text)
{
    // Reported when the run ends; there is nothing to dismiss.
    m_message = text;
}

bool CliLink::askBandQuestion()
{
    if (m_options.assumeYes)
        return true;
    // Nobody to ask: a script gets the safe answer and the reason on stderr.
    if (!isTerminal(stdin))
        return false;
    clearProgress();
    QTextStream(stderr) << LinkTextEnglish(LinkText::BandQuestion) << " [y/N] " << Qt::flush;
    const QString answer = QTextStream(stdin).readLine().trimmed().toLower();
    drawProgress();
    return answer == "y"_L1 || answer == "yes"_L1;
}

QByteArray CliLink::encodeImage()
{
    return EncodeImage(m_plan, cliTexts());
}

void CliLink::decodeImage(const QByteArray &hex)
{
    DecodeImage(m_plan, hex, cliTexts());
}

int CliLink::bandSelectorIndex() const
{
    return m_plan.band;
}

void CliLink::selectBandWithoutPrompt(int index)
{
    m_plan.band = index;
}

bool CliLink::serviceMode() const
{
    return m_options.serviceMode;
}

} // namespace vm280::cli
