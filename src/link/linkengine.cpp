#include "linkengine.h"

#include "linkprotocol.h"
#include "writelist.h"

#include "image/hex.h"

namespace vm280 {

namespace {

constexpr char kIdentify = 0x02;
constexpr char kReadCommand = 0x52;

constexpr QByteArrayView kAcknowledgeHex = "06";
// The identification answer carries the model name "VM280" somewhere in its 8 bytes.
constexpr QByteArrayView kModelHex = "564D323830";
constexpr qsizetype kIdentificationDigits = 16;
constexpr QByteArrayView kReadAnswerHex = "57";
// 0x57, the address, a length byte and 64 data bytes.
constexpr qsizetype kReadAnswerDigits = 136;
constexpr qsizetype kReadDataOffset = 8;
constexpr qsizetype kReadBlockDigits = kReadAnswerDigits - kReadDataOffset;

constexpr int kReadBlock = 0x40;
constexpr int kReadEnd = 0x0410;

constexpr int kTimeoutTicks = 6;
// A radio acknowledges the handshake word once and answers the identification request with its
// model; a few more requests cover a lost byte. A line that only ever acknowledges is not a
// radio, and must not keep the handshake going.
constexpr int kIdentifyRequests = 3;
constexpr int kBlinkTicks = 6;
constexpr int kReadProgressStep = 25;
constexpr int kWriteProgressStep = 10;
constexpr int kWriteProgressLimit = 450;

// Addresses go on the line high byte first.
QByteArray addressBytes(int address)
{
    return QByteArray::fromHex(ToHex4(quint16(address)));
}

} // namespace

LinkEngine::LinkEngine(LinkEffects &effects) : m_effects(&effects) {}

void LinkEngine::setEffects(LinkEffects &effects)
{
    m_effects = &effects;
}

bool LinkEngine::startRead()
{
    return start('R');
}

bool LinkEngine::startWrite()
{
    return start('W');
}

bool LinkEngine::startIdentify()
{
    return start('I');
}

bool LinkEngine::chainRead()
{
    return chain('R');
}

bool LinkEngine::chainWrite()
{
    return chain('W');
}

bool LinkEngine::chain(char operationCode)
{
    if (stage() != LinkStage::Finished || !m_state.OperationEnded)
        return false;
    // The commands stay taken: the ended operation's countdown to giving them back is dropped.
    m_state.OperationEnded = false;
    m_state.BlinkTicks = 0;
    m_commandsEnabled = true;
    return start(operationCode);
}

LinkStage LinkEngine::stage() const
{
    if (m_state.OperationCode == 0)
        return LinkStage::Idle;
    if (m_state.OperationDone)
        return LinkStage::Finished;
    return m_state.LinkPhase == 1 ? LinkStage::Handshake : LinkStage::Transfer;
}

bool LinkEngine::start(char operationCode)
{
    // The commands are disabled from the start of an operation until its end has been shown.
    if (!m_commandsEnabled || m_questionOpen)
        return false;
    if (!m_effects->portIsOpen()) {
        m_effects->showMessage(LinkText::PortNotOpen);
        return false;
    }
    setCommandsEnabled(false);
    m_state.RxHex.clear();
    m_state.OperationCode = operationCode;
    m_state.LinkPhase = 1;
    m_state.OperationDone = false;
    // The whole handshake stage has to be done within one timeout from here.
    m_state.TimeoutTicks = 0;
    m_identifyRequests = 0;
    m_hearing = {};
    m_effects->prepareForOperation();
    send(kHandshake.toByteArray());
    m_effects->setStatusText(LinkText::Communicating);
    setTimer1Enabled(true);
    setTimer2Enabled(true);
    return true;
}

void LinkEngine::receive(QByteArrayView bytes)
{
    m_state.RxHex += bytes.toByteArray().toHex().toUpper();
    if (!bytes.isEmpty() && (stage() == LinkStage::Handshake || stage() == LinkStage::Transfer))
        m_hearing.answered = true;
    if (m_state.BreakSeen) {
        m_state.RxHex.remove(0, 2);
        m_state.BreakSeen = false;
    }
    // While the band question is open the write waits for its answer; what arrives is kept.
    if (m_state.OperationDone || m_questionOpen)
        return;
    if (stage() == LinkStage::Handshake)
        handshakeAnswer();
    else if (stage() == LinkStage::Transfer)
        transferAnswer();
}

void LinkEngine::breakSignalled()
{
    m_state.BreakSeen = true;
}

void LinkEngine::handshakeAnswer()
{
    // A lone acknowledgement asks for the identification again, a few times at most. It does not
    // restart the wait: only the identification ends the handshake stage, and a line that only
    // acknowledges times out like a silent one.
    if (m_state.RxHex == kAcknowledgeHex) {
        if (m_identifyRequests == kIdentifyRequests)
            return;
        ++m_identifyRequests;
        m_state.RxHex.clear();
        send(QByteArray(1, kIdentify));
        return;
    }
    if (m_state.RxHex.size() != kIdentificationDigits)
        return;
    if (!m_state.RxHex.contains(kModelHex)) {
        // Never accepted, as the radio's protocol has it; only remembered to say who answered.
        m_hearing.otherModel = QByteArray::fromHex(m_state.RxHex);
        return;
    }
    accept();
    m_hearing.identified = true;
    if (m_state.OperationCode == 'I') {
        finish(LinkText::RadioIdentified, LinkOutcome::Success);
        return;
    }
    m_state.LinkPhase = 0;
    m_state.BlockAddress = kFirstBlock;
    m_state.WriteImage = m_effects->encodeImage();
    m_state.ReadImage.clear();
    m_progressValue = 0;
    m_effects->setProgressValue(m_progressValue);
    m_effects->setProgressVisible(true);
    send(QByteArray(1, kAcknowledge));
}

void LinkEngine::transferAnswer()
{
    if (m_state.RxHex == kAcknowledgeHex) {
        if (m_state.OperationCode == 'W')
            writeStep();
        else if (everyBlockAnswered())
            readStep();
        return;
    }
    if (m_state.OperationCode != 'R' || !isReadAnswer())
        return;
    m_state.ReadImage += m_state.RxHex.mid(kReadDataOffset);
    accept();
    send(QByteArray(1, kAcknowledge));
}

bool LinkEngine::isReadAnswer() const
{
    // The answer must carry the address requested last; its length byte is not examined.
    const QByteArray &rx = m_state.RxHex;
    return rx.size() == kReadAnswerDigits && rx.startsWith(kReadAnswerHex) &&
           rx.mid(2, 4) == ToHex4(quint16(m_state.BlockAddress - kReadBlock));
}

bool LinkEngine::everyBlockAnswered() const
{
    // A lone acknowledgement in place of a block must not pass for the acknowledgement after it:
    // the next block would be asked for and the image would come out short and shifted.
    const qsizetype requested = (m_state.BlockAddress - kFirstBlock) / kReadBlock;
    return m_state.ReadImage.size() == requested * kReadBlockDigits;
}

void LinkEngine::accept()
{
    m_state.TimeoutTicks = 0;
    m_state.RxHex.clear();
}

void LinkEngine::send(const QByteArray &frame)
{
    m_state.TxBuffer = frame;
    m_effects->sendBytes(frame);
}

void LinkEngine::addProgress(int step, int limit)
{
    if (m_progressValue >= limit)
        return;
    m_progressValue += step;
    m_effects->setProgressValue(m_progressValue);
}

void LinkEngine::writeStep()
{
    addProgress(kWriteProgressStep, kWriteProgressLimit);
    accept();
    if (!bandAccepted())
        return;
    if (m_state.BlockAddress == kWriteEnd)
        finish(LinkText::WriteDone, LinkOutcome::Success);
    else
        sendWriteBlock();
}

bool LinkEngine::bandAccepted()
{
    const int selected = m_effects->bandSelectorIndex();
    if (m_state.RadioBand == selected)
        return true;
    m_questionedRadioBand = m_state.RadioBand;
    // Taken before asking, so a write repeated after a No asks nothing.
    m_state.RadioBand = selected;
    m_questionOpen = true;
    const bool yes = m_effects->askBandQuestion();
    m_questionOpen = false;
    // The operation may have ended while the question was open (the port went away); a late
    // answer must not bring it back.
    if (m_state.OperationDone)
        return false;
    if (!yes)
        finish(LinkText::BandQuestion, LinkOutcome::Refused);
    return yes;
}

void LinkEngine::sendWriteBlock()
{
    int &address = m_state.BlockAddress;
    address = NextWriteBlock(address, m_effects->serviceMode());
    QByteArray frame(1, kWriteCommand);
    frame += addressBytes(address);
    frame += char(kWriteBlockBytes);
    frame += QByteArray::fromHex(m_state.WriteImage.mid(2 * (address - kFirstBlock), 2 * kWriteBlockBytes));
    address += kWriteBlockBytes;
    send(frame);
}

void LinkEngine::readStep()
{
    addProgress(kReadProgressStep, LinkEffects::kProgressMaximum);
    accept();
    if (m_state.BlockAddress != kReadEnd) {
        QByteArray frame(1, kReadCommand);
        frame += addressBytes(m_state.BlockAddress);
        frame += char(kReadBlock);
        m_state.BlockAddress += kReadBlock;
        send(frame);
        return;
    }
    m_effects->decodeImage(m_state.ReadImage);
    // The decoder selected the radio's band: that is the band a following write compares with.
    m_state.RadioBand = m_effects->bandSelectorIndex();
    m_effects->selectBandWithoutPrompt(m_state.RadioBand);
    finish(LinkText::ReadDone, LinkOutcome::Success);
}

void LinkEngine::finish(LinkText text, LinkOutcome outcome)
{
    m_state.OperationEnded = true;
    m_state.OperationDone = true;
    setTimer1Enabled(false);
    m_effects->setProgressVisible(false);
    m_effects->setStatusText(text);
    send(QByteArray(1, kEnd));
    m_effects->operationEnded(outcome);
}

void LinkEngine::timer1Tick()
{
    // The wait for the radio pauses while the band question is open.
    if (!m_timer1Enabled || m_questionOpen)
        return;
    if (++m_state.TimeoutTicks < kTimeoutTicks)
        return;
    endByTimeout();
}

void LinkEngine::portLost()
{
    if (stage() != LinkStage::Handshake && stage() != LinkStage::Transfer)
        return;
    m_hearing.portLost = true;
    endByTimeout();
}

void LinkEngine::endByTimeout()
{
    // Marked done before the message: an answer arriving while it is open is only collected.
    m_hearing.unaccepted = !m_state.RxHex.isEmpty();
    m_state.TimeoutTicks = 0;
    m_state.RxHex.clear();
    setTimer1Enabled(false);
    m_state.OperationDone = true;
    // The band question has nothing left to decide: it goes before the end is shown.
    if (m_questionOpen)
        m_effects->closeBandQuestion();
    setStatusVisible(false);
    setTimer2Enabled(false);
    m_effects->showMessage(LinkText::CommunicationError);
    setCommandsEnabled(true);
    m_effects->setProgressVisible(false);
    send(QByteArray(1, kEnd));
    m_effects->operationEnded(LinkOutcome::Failed);
}

void LinkEngine::timer2Tick()
{
    if (!m_timer2Enabled)
        return;
    setStatusVisible(!m_statusVisible);
    if (m_state.OperationEnded)
        ++m_state.BlinkTicks;
    if (m_state.BlinkTicks != kBlinkTicks)
        return;
    m_state.BlinkTicks = 0;
    m_state.OperationEnded = false;
    setStatusVisible(false);
    setTimer2Enabled(false);
    setCommandsEnabled(true);
}

void LinkEngine::setCommandsEnabled(bool enabled)
{
    m_commandsEnabled = enabled;
    m_effects->setCommandsEnabled(enabled);
}

void LinkEngine::setStatusVisible(bool visible)
{
    m_statusVisible = visible;
    m_effects->setStatusVisible(visible);
}

void LinkEngine::setTimer1Enabled(bool enabled)
{
    m_timer1Enabled = enabled;
    m_effects->setTimer1Enabled(enabled);
}

void LinkEngine::setTimer2Enabled(bool enabled)
{
    m_timer2Enabled = enabled;
    m_effects->setTimer2Enabled(enabled);
}

} // namespace vm280
