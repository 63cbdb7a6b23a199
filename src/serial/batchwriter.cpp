#include "batchwriter.h"

#include "link/linkprotocol.h"

namespace vm280 {

namespace {

std::optional<LinkText> failureReason(const WriteSequence::Result &steps, LinkOutcome outcome,
                                      std::optional<LinkText> message)
{
    if (outcome == LinkOutcome::Success)
        return std::nullopt;
    if (outcome == LinkOutcome::Refused)
        return LinkText::BandQuestion;
    if (steps.backupError)
        return LinkText::BackupFailed;
    if (steps.firstDifference)
        return LinkText::VerifyMismatch;
    return message.value_or(LinkText::CommunicationError);
}

} // namespace

BatchWriter::Tally &BatchWriter::Tally::operator+=(const Tally &other)
{
    written += other.written;
    verified += other.verified;
    failed += other.failed;
    return *this;
}

BatchWriter::BatchWriter(SerialLink &link, QObject *parent)
    : QObject(parent), LinkEffectsRelay(link), m_link(link), m_sequence(link.engine(), *this)
{
    m_probeTimer.setSingleShot(true);
    m_answerTimer.setSingleShot(true);
    m_probeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_probeTimer, &QTimer::timeout, this, &BatchWriter::probe);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] { probeAnswered(false); });
    connect(&m_link, &SerialLink::received, this, &BatchWriter::probeReceived);
    connect(&m_link, &SerialLink::portLost, this, &BatchWriter::cableLost);
}

BatchWriter::~BatchWriter()
{
    // The engine must not be left calling into a batch that is gone.
    if (m_stage != Stage::Idle)
        m_link.engine().setEffects(m_link);
}

bool BatchWriter::start(Options options)
{
    if (m_stage != Stage::Idle || !m_link.engine().commandsEnabled() || m_link.engine().questionOpen())
        return false;
    if (!m_link.portIsOpen()) {
        m_link.showMessage(LinkText::PortNotOpen);
        return false;
    }
    m_options = std::move(options);
    m_tally = {};
    m_bandAnswer.reset();
    m_stopRequested = false;
    m_cableGone = false;
    m_commandsBack = true;
    m_radioWaiting = false;
    m_image = m_link.encodeImage();
    m_band = m_link.bandSelectorIndex();
    m_serviceMode = m_link.serviceMode();
    m_link.setCommandsEnabled(false);
    m_link.engine().setEffects(*this);
    setStage(Stage::WaitingForRadio);
    probe();
    return true;
}

void BatchWriter::stop()
{
    if (m_stage == Stage::Idle)
        return;
    m_stopRequested = true;
    if (m_stage != Stage::Writing)
        finish();
}

void BatchWriter::setStage(Stage stage)
{
    if (m_stage == stage)
        return;
    m_stage = stage;
    emit stageChanged(stage);
}

void BatchWriter::probe()
{
    m_probeClock.start();
    m_probing = true;
    m_link.sendBytes(kHandshake.toByteArray());
    m_answerTimer.start(m_options.answerWindow);
}

void BatchWriter::probeReceived(const QByteArray &bytes)
{
    if (m_probing && bytes.contains(kAcknowledge))
        probeAnswered(true);
}

void BatchWriter::probeAnswered(bool answered)
{
    if (!m_probing)
        return;
    m_probing = false;
    m_answerTimer.stop();
    if (answered)
        m_link.sendBytes(QByteArray(1, kEnd));
    if (m_stage == Stage::WaitingForRadio && answered) {
        beginRadio();
        return;
    }
    if (m_stage == Stage::WaitingForUnplug && !answered)
        setStage(Stage::WaitingForRadio);
    scheduleProbe();
}

void BatchWriter::scheduleProbe()
{
    const auto spent = std::chrono::milliseconds(m_probeClock.elapsed());
    m_probeTimer.start(std::max(m_options.probeInterval - spent, std::chrono::milliseconds(0)));
}

void BatchWriter::beginRadio()
{
    setStage(Stage::Writing);
    // The previous radio's end is still being shown: the engine takes no command until then.
    if (!m_commandsBack) {
        m_radioWaiting = true;
        return;
    }
    m_radioWaiting = false;
    m_message.reset();
    m_link.resetLineCounts();
    m_radioClock.start();
    m_radioStarted = QDateTime::currentDateTime();
    if (!m_sequence.start({m_options.backupPath, m_options.verify, {}}))
        operationEnded(LinkOutcome::Failed);
}

void BatchWriter::operationEnded(LinkOutcome outcome)
{
    RadioResult result;
    result.number = m_tally.radios() + 1;
    result.port = m_link.portLocation();
    result.started = m_radioStarted;
    result.ended = QDateTime::currentDateTime();
    result.outcome = outcome;
    result.steps = m_sequence.result();
    result.verified = outcome == LinkOutcome::Success && m_options.verify;
    result.reason = failureReason(result.steps, outcome, m_message);
    if (result.reason == LinkText::CommunicationError)
        result.cause = FailureCause(m_link.engine().hearing());
    result.elapsed = std::chrono::nanoseconds(m_radioClock.nsecsElapsed());
    result.line = m_link.lineCounts();
    if (result.succeeded()) {
        ++m_tally.written;
        m_tally.verified += result.verified ? 1 : 0;
    } else {
        ++m_tally.failed;
    }
    emit radioDone(result);
    if (m_stopRequested || m_cableGone || (m_options.count > 0 && m_tally.radios() >= m_options.count)) {
        finish();
        return;
    }
    setStage(Stage::WaitingForUnplug);
    // The radio just written gets a whole interval to settle before it is asked again.
    m_probeTimer.start(m_options.probeInterval);
}

void BatchWriter::cableLost()
{
    m_cableGone = true;
    // A write in progress ends by itself, as by timeout, and the batch with it.
    if (m_stage != Stage::Idle && (m_stage != Stage::Writing || m_radioWaiting))
        finish();
}

void BatchWriter::finish()
{
    m_probeTimer.stop();
    m_answerTimer.stop();
    m_probing = false;
    m_radioWaiting = false;
    m_link.engine().setEffects(m_link);
    m_ending = m_cableGone ? Ending::PortLost : m_stopRequested ? Ending::Stopped : Ending::CountReached;
    setStage(Stage::Idle);
    // Otherwise the engine gives the commands back itself once the last end has been shown.
    if (m_commandsBack)
        m_link.setCommandsEnabled(true);
    emit finished();
}

void BatchWriter::setCommandsEnabled(bool enabled)
{
    // The link's commands stay taken for the whole batch.
    m_commandsBack = enabled;
    if (enabled && m_radioWaiting)
        beginRadio();
}

void BatchWriter::showMessage(LinkText text)
{
    // Nobody should have to dismiss a box per radio: the message becomes the radio's result.
    m_message = text;
}

bool BatchWriter::askBandQuestion()
{
    if (!m_bandAnswer)
        m_bandAnswer = m_link.askBandQuestion();
    return *m_bandAnswer;
}

QByteArray BatchWriter::encodeImage()
{
    return m_image;
}

void BatchWriter::decodeImage(const QByteArray &)
{
    // The write sequence keeps the backup and verify reads to itself; a batch decodes nothing.
}

int BatchWriter::bandSelectorIndex() const
{
    return m_band;
}

void BatchWriter::selectBandWithoutPrompt(int)
{
    // The plan keeps the band it had when the batch started.
}

bool BatchWriter::serviceMode() const
{
    return m_serviceMode;
}

} // namespace vm280
