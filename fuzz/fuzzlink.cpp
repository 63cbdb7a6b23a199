// libFuzzer target: the protocol engine against the simulated radio, with the input deciding the
// operation (a read, a write, a write with verify, or a write with backup), the service mode,
// both bands, the radio's own fault (acknowledging instead of identifying, or instead of a read
// block), and then, in any order, how the radio's answers reach the PC (in pieces, or not at
// all), garbage bytes, lost bytes, breaks, timer ticks, band answers, events that arrive while a
// question or a message is open, restarts and a lost port. Whatever happens, the engine must not
// fault, must send no block outside the write list (nor any block with other data than the
// image), must decode and back up only whole reads (on a clean line: exactly the radio's
// memory), must end every operation within a bound of ticks (its handshake stage within one
// timeout) and within the timeout after the last byte, and must report each operation's end
// exactly once.

#include "image/bands.h"
#include "image/codeplanfile.h"
#include "image/hex.h"
#include "link/linkengine.h"
#include "link/writelist.h"
#include "link/writesequence.h"
#include "radio/radiomodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

constexpr int kTimeoutTicks = 6;
constexpr int kWriteFrameBytes = 20;
constexpr qsizetype kReadImageDigits = 2 * RadioModel::kMemoryBytes;
constexpr qsizetype kBackupFileBytes = 5 + RadioModel::kPlanBytes;
// The band code sits at image offsets 429 and 828.
constexpr int kBandOffsets[] = {429, 828};
// The answers that may restart the wait for the radio, told apart from the engine's own counts:
// the identification, then for a read the first acknowledgement and a block and an
// acknowledgement for each of 16 blocks, for a write an acknowledgement for the identification
// and for each of at most 47 blocks. Each may come just before the timeout strikes.
constexpr int kReadAnswers = 1 + 1 + 2 * 16;
constexpr int kWriteAnswers = 1 + 1 + 47;
// The read blocks a faulty radio may answer with a lone acknowledgement.
constexpr std::array kAckReadAddresses{0x0010, 0x0050, 0x0350, 0x03D0};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

enum class Operation { Read, Write, VerifiedWrite, BackedUpWrite };
constexpr int kOperations = 4;

/// The radio's own misbehaviour, from the first input byte: mostly none.
RadioFault radioFault(uint8_t setup)
{
    switch ((setup >> 3) & 0x07) {
    case 1:
        return {RadioFault::AckIdent};
    case 2:
        return {RadioFault::AckRead, 0, kAckReadAddresses[setup >> 6]};
    case 3:
        return {RadioFault::AckRead, 0, RadioFault::kEveryAddress};
    default:
        return {};
    }
}

/// The input, read from the front; zeros once it is used up.
class Script
{
public:
    Script(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_next >= m_size; }
    uint8_t take() { return atEnd() ? 0 : m_data[m_next++]; }
    QByteArray take(int count)
    {
        QByteArray bytes;
        while (count-- > 0 && !atEnd())
            bytes += char(take());
        return bytes;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_next = 0;
};

class FuzzEffects : public LinkEffects
{
public:
    FuzzEffects(Script &script, RadioFault fault, bool service, int planBand, int radioBand)
        : m_script(script), m_radio(fault), m_service(service), m_planBand(planBand)
    {
        QByteArray memory(RadioModel::kMemoryBytes, char(0x5A));
        for (int o = 0; o < memory.size(); ++o)
            memory[o] = char((o * 13) & 0xFF);
        for (const int offset : kBandOffsets)
            memory[offset] = QByteArray::fromHex(BandCode(radioBand))[0];
        m_radio.loadMemory(memory);
        m_image = memory.first(RadioModel::kPlanBytes).toHex().toUpper();
    }

    void setEngine(LinkEngine *engine, WriteSequence *sequence)
    {
        m_engine = engine;
        m_sequence = sequence;
    }

    bool start(Operation operation)
    {
        bool started = false;
        if (operation == Operation::VerifiedWrite)
            started = m_sequence->start(WriteSequence::Steps{{}, true});
        else if (operation == Operation::BackedUpWrite)
            started = m_sequence->start(WriteSequence::Steps{[this](int) { return backupPath(); }, false});
        else
            started = operation == Operation::Read ? m_engine->startRead() : m_engine->startWrite();
        if (started) {
            m_operation = operation;
            ++m_started;
        }
        return started;
    }

    /// One event of the script; nested events (while a box is open) are taken one level deep.
    void step()
    {
        const uint8_t event = m_script.take();
        const int argument = event & 0x1F;
        switch (event >> 5) {
        case 0:
            deliver(argument == 0x1F ? m_fromRadio.size() : argument + 1);
            break;
        case 1:
            m_clean = false;
            m_engine->receive(m_script.take(argument + 1));
            break;
        case 2:
            tick();
            break;
        case 3:
            m_engine->timer2Tick();
            break;
        case 4:
            m_clean = false;
            m_engine->breakSignalled();
            break;
        case 5:
            m_answerYes = (argument & 1) != 0;
            m_nestedEvents = argument >> 1;
            break;
        case 6:
            start(Operation(argument % kOperations));
            break;
        default:
            corruptOrLose(argument);
            break;
        }
    }

    /// After the last event: the timeout must end whatever still runs.
    void finish()
    {
        m_nestedEvents = 0;
        for (int ticks = 0; ticks < kTimeoutTicks; ++ticks)
            tick();
        check(m_engine->stage() != LinkStage::Handshake && m_engine->stage() != LinkStage::Transfer);
        check(!m_sequence->running());
        check(m_ended == m_started);
    }

    void sendBytes(const QByteArray &frame) override
    {
        checkWriteBlock(frame);
        for (const char byte : frame) {
            const RadioStep answer = m_radio.receive(byte);
            if (answer.answer)
                m_fromRadio += answer.answer->bytes();
        }
    }
    void prepareForOperation() override
    {
        // Every step of a sequence is an operation of the engine, with a bound of its own.
        m_handshakeTicks = 0;
        m_operationTicks = 0;
        m_clean = m_fromRadio.isEmpty() && !m_engine->state().BreakSeen;
    }
    void setTimer1Enabled(bool) override {}
    void setTimer2Enabled(bool) override {}
    void showMessage(LinkText) override { runNested(); }
    bool askBandQuestion() override
    {
        ++m_questionsOpen;
        runNested();
        --m_questionsOpen;
        return m_answerYes;
    }
    void closeBandQuestion() override { check(m_questionsOpen > 0); }
    QByteArray encodeImage() override { return m_image; }
    void decodeImage(const QByteArray &hex) override
    {
        // Only a sequence's own reads are hidden from here; a plain read decodes whole images.
        check(m_operation == Operation::Read);
        check(hex.size() == kReadImageDigits && IsUpperHex(hex));
        // Sixteen blocks accepted in their order: what the radio holds.
        if (m_clean)
            check(hex == m_radio.memory().toHex().toUpper());
    }
    int bandSelectorIndex() const override { return m_planBand; }
    void selectBandWithoutPrompt(int index) override
    {
        check(index >= 0 && index < kBandCount);
        m_planBand = index;
    }
    bool serviceMode() const override { return m_service; }
    bool portIsOpen() const override { return m_portOpen; }
    void operationEnded(LinkOutcome outcome) override
    {
        ++m_ended;
        check(m_ended <= m_started);
        if (m_operation == Operation::VerifiedWrite && outcome == LinkOutcome::Success)
            check(m_engine->state().ReadImage.size() == kReadImageDigits);
        if (m_operation == Operation::BackedUpWrite)
            checkBackup();
    }

private:
    /// A Timer1 tick. While an operation runs and no question holds it, the tick counts against
    /// the operation's bound, and the handshake stage's own.
    void tick()
    {
        const LinkStage stage = m_engine->stage();
        const bool counted =
            (stage == LinkStage::Handshake || stage == LinkStage::Transfer) && !m_engine->questionOpen();
        m_engine->timer1Tick();
        if (!counted)
            return;
        ++m_operationTicks;
        if (stage == LinkStage::Handshake)
            ++m_handshakeTicks;
        if (m_engine->stage() == LinkStage::Handshake)
            check(m_handshakeTicks < kTimeoutTicks);
        const int answers = m_engine->state().OperationCode == 'R' ? kReadAnswers : kWriteAnswers;
        check(m_operationTicks <= kTimeoutTicks * (answers + 1));
    }

    QString backupPath()
    {
        // The backup read has just ended: its image is the radio's memory when the line was clean.
        m_backupClean = m_clean;
        m_backupMemory = m_radio.memory().first(RadioModel::kPlanBytes);
        return m_backupDir.filePath(u"backup.DAT"_s);
    }

    /// A backup, once saved, is a whole code plan file.
    void checkBackup()
    {
        QFile file(m_backupDir.filePath(u"backup.DAT"_s));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        file.remove();
        check(bytes.size() == kBackupFileBytes);
        if (m_backupClean)
            check(bytes == CodePlanBytes(m_backupMemory.toHex().toUpper()));
    }

    void deliver(qsizetype count)
    {
        const QByteArray bytes = m_fromRadio.first(std::min(count, m_fromRadio.size()));
        m_fromRadio.remove(0, bytes.size());
        if (!bytes.isEmpty())
            m_engine->receive(bytes);
    }

    void corruptOrLose(int argument)
    {
        m_clean = false;
        if (argument == 0) {
            m_portOpen = false;
            m_engine->portLost();
        } else if (argument == 1) {
            m_portOpen = true;
        } else if (argument < 16) {
            if (!m_fromRadio.isEmpty())
                m_fromRadio[0] = char(m_fromRadio[0] ^ argument);
        } else {
            m_fromRadio.remove(0, argument - 15);
        }
    }

    void runNested()
    {
        if (m_nesting)
            return;
        m_nesting = true;
        for (int event = 0; event < m_nestedEvents && !m_script.atEnd(); ++event)
            step();
        m_nesting = false;
    }

    // Told apart from the engine's own list, so a fault in that list shows here.
    bool inWriteList(int address) const
    {
        const bool inRange = (address >= 0x0010 && address <= 0x0170) || address == 0x01B0 ||
                             (address >= 0x0200 && address <= 0x0350) || (m_service && address == 0x0180);
        return inRange && address % kWriteBlockBytes == 0;
    }

    void checkWriteBlock(const QByteArray &frame)
    {
        if (frame.isEmpty() || frame[0] != 'W')
            return;
        check(frame.size() == kWriteFrameBytes);
        check(m_operation != Operation::Read);
        const int address = (quint8(frame[1]) << 8) | quint8(frame[2]);
        check(inWriteList(address));
        const QByteArray data = m_image.mid(2 * (address - RadioModel::kFirstAddress), 2 * kWriteBlockBytes);
        check(frame.sliced(4).toHex().toUpper() == data);
    }

    Script &m_script;
    RadioModel m_radio;
    QByteArray m_fromRadio;
    QByteArray m_image;
    LinkEngine *m_engine = nullptr;
    WriteSequence *m_sequence = nullptr;
    Operation m_operation = Operation::Read;
    bool m_service;
    int m_planBand;
    bool m_portOpen = true;
    bool m_answerYes = true;
    int m_nestedEvents = 0;
    bool m_nesting = false;
    int m_questionsOpen = 0;
    int m_started = 0;
    int m_ended = 0;
    int m_handshakeTicks = 0;
    int m_operationTicks = 0;
    /// Since the operation started, the engine got exactly the radio's answers to its frames.
    bool m_clean = true;
    bool m_backupClean = false;
    QByteArray m_backupMemory;
    // Made once: one folder for the whole run, the backup removed after each check.
    static inline QTemporaryDir m_backupDir;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Script script(data, size);
    const uint8_t setup = script.take();
    const uint8_t bands = script.take();
    FuzzEffects effects(script, radioFault(setup), (setup & 0x04) != 0, (bands & 0x0F) % kBandCount,
                        (bands >> 4) % kBandCount);
    LinkEngine engine(effects);
    WriteSequence sequence(engine, effects);
    effects.setEngine(&engine, &sequence);
    effects.start(Operation(setup & 0x03));
    while (!script.atEnd())
        effects.step();
    effects.finish();
    return 0;
}
