#include "radiomodel.h"

#include "image/hex.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr QByteArrayView kHandshake = "JV-PROG";
constexpr char kIdentificationRequest = 0x02;
constexpr char kAck = 0x06;
constexpr char kReadCommand = 0x52;
constexpr char kWriteCommand = 0x57;
constexpr char kEnd = 0x45;
// The radio answers the identification request with its model name padded to eight bytes.
constexpr QByteArrayView kOtherModel = "VM380";
constexpr char kNoiseByte = 0x00;
// A block frame carries at most one read block; the radio refuses longer ones.
constexpr int kMaxBlockLength = 0x40;
constexpr int kHeaderBytes = 4;
constexpr int kNextBlockOffset = 0x40;

int frameAddress(const QByteArray &frame)
{
    return (quint8(frame[1]) << 8) | quint8(frame[2]);
}

int frameLength(const QByteArray &frame)
{
    return quint8(frame[3]);
}

QString spaced(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

QString addressText(int address)
{
    return u"0x"_s + QString::fromLatin1(ToHex4(address));
}

} // namespace

namespace {

QByteArray identification(QByteArrayView model)
{
    return model.first(std::min<qsizetype>(model.size(), RadioModel::kIdentificationBytes))
        .toByteArray()
        .leftJustified(RadioModel::kIdentificationBytes, ' ');
}

} // namespace

RadioModel::RadioModel(RadioFault fault, QByteArrayView model)
    : m_fault(fault),
      m_identification(identification(fault.kind == RadioFault::WrongModel ? kOtherModel : model)),
      m_memory(kMemoryBytes, char(0xFF))
{}

void RadioModel::loadMemory(QByteArrayView bytes)
{
    m_memory.fill(char(0xFF));
    const QByteArrayView kept = bytes.first(std::min<qsizetype>(bytes.size(), kMemoryBytes));
    m_memory.replace(0, kept.size(), kept);
}

QByteArray RadioModel::planImage() const
{
    return m_memory.first(kPlanBytes).toHex().toUpper();
}

RadioStep RadioModel::receive(char byte)
{
    switch (m_state) {
    case State::Idle:
        return takeHandshakeByte(byte);
    case State::Ready:
    case State::Identified:
    case State::Session:
        return takeFrameStart(byte);
    case State::ReadFrame:
    case State::WriteFrame:
        return takeFrameByte(byte);
    }
    return {};
}

RadioStep RadioModel::takeHandshakeByte(char byte)
{
    if (byte == kHandshake[m_handshakeMatched])
        ++m_handshakeMatched;
    else
        m_handshakeMatched = byte == kHandshake[0] ? 1 : 0;
    if (m_handshakeMatched < kHandshake.size())
        return {};
    m_handshakeMatched = 0;
    m_blocksWritten = 0;
    m_blocksRead = 0;
    m_state = State::Ready;
    log(u"PC: handshake word"_s);
    RadioStep step = answer(QByteArray(1, kAck));
    step.operationStarted = true;
    return step;
}

RadioStep RadioModel::takeFrameStart(char byte)
{
    switch (byte) {
    case kHandshake[0]:
        // Nothing the PC sends between frames starts with this byte: the PC has started over.
        log(u"PC: new handshake, programming session abandoned"_s);
        m_state = State::Idle;
        m_handshakeMatched = 1;
        return {};
    case kEnd:
        return endOperation();
    case kIdentificationRequest:
        if (m_state == State::Session)
            break;
        log(u"PC: identification request"_s);
        // Such a radio stays where it was: every request gets the acknowledgement again.
        if (m_fault.kind == RadioFault::AckIdent)
            return answer(QByteArray(1, kAck));
        m_state = State::Identified;
        return answer(m_identification);
    case kAck:
        if (m_state == State::Ready)
            break;
        log(u"PC: acknowledgement"_s);
        m_state = State::Session;
        return answer(QByteArray(1, kAck));
    case kReadCommand:
    case kWriteCommand:
        if (m_state != State::Session)
            break;
        m_state = byte == kReadCommand ? State::ReadFrame : State::WriteFrame;
        m_frame = QByteArray(1, byte);
        return {};
    default:
        break;
    }
    log(u"PC: unexpected byte %1 ignored"_s.arg(spaced(QByteArrayView(&byte, 1))));
    return {};
}

RadioStep RadioModel::takeFrameByte(char byte)
{
    m_frame.append(byte);
    if (m_frame.size() < kHeaderBytes)
        return {};
    if (m_state == State::ReadFrame) {
        m_state = State::Session;
        RadioStep step = answerRead();
        step.readRequest = frameAddress(m_frame);
        return step;
    }
    if (m_frame.size() < kHeaderBytes + frameLength(m_frame))
        return {};
    m_state = State::Session;
    return storeWrite();
}

RadioStep RadioModel::answerRead()
{
    const int address = frameAddress(m_frame);
    const int length = frameLength(m_frame);
    log(u"PC: read request %1, %2 bytes"_s.arg(addressText(address)).arg(length));
    if (!inMemory(address, length)) {
        log(u"radio: not answered, outside the memory"_s);
        return {};
    }
    if (m_fault.kind == RadioFault::AckRead &&
        (m_fault.address == RadioFault::kEveryAddress || m_fault.address == address))
        return answer(QByteArray(1, kAck));
    const int answered = m_fault.kind == RadioFault::BadAddress ? address + kNextBlockOffset : address;
    QByteArray bytes(1, kWriteCommand);
    bytes += char(answered >> 8);
    bytes += char(answered & 0xFF);
    bytes += char(length);
    bytes += m_memory.sliced(address - kFirstAddress, length);
    RadioStep step = answer(bytes);
    if (step.answer)
        ++m_blocksRead;
    return step;
}

RadioStep RadioModel::storeWrite()
{
    const int address = frameAddress(m_frame);
    const int length = frameLength(m_frame);
    log(u"PC: write block %1, %2 bytes"_s.arg(addressText(address)).arg(length));
    if (!inMemory(address, length)) {
        log(u"radio: not stored, outside the memory"_s);
        return {};
    }
    if (m_fault.kind == RadioFault::ForgetBlock && address == m_fault.address)
        log(u"radio: acknowledged but not stored"_s);
    else
        m_memory.replace(address - kFirstAddress, length, m_frame.sliced(kHeaderBytes));
    ++m_blocksWritten;
    RadioStep step = answer(QByteArray(1, kAck));
    step.blockWritten = address;
    return step;
}

RadioStep RadioModel::endOperation()
{
    log(u"PC: end of programming"_s);
    RadioStep step;
    step.operationEnded = true;
    step.memoryWritten = m_blocksWritten > 0;
    step.blocksMoved = m_blocksWritten > 0 || m_blocksRead > 0;
    m_blocksWritten = 0;
    m_blocksRead = 0;
    m_state = State::Idle;
    return step;
}

RadioStep RadioModel::answer(QByteArray bytes)
{
    RadioStep step;
    const bool counted = m_fault.kind == RadioFault::DropAfter || m_fault.kind == RadioFault::HangupAfter;
    // A stray acknowledgement's radio answers nothing; the simulator puts the strays on the line.
    const bool silent = m_fault.kind == RadioFault::Silent || m_fault.kind == RadioFault::StrayAck;
    if (silent || (counted && m_answered >= m_fault.count)) {
        step.hangUp = m_fault.kind == RadioFault::HangupAfter;
        log(u"radio: keeps silent"_s);
        return step;
    }
    ++m_answered;
    step.answer = shape(std::move(bytes));
    step.hangUp = m_fault.kind == RadioFault::HangupAfter && m_answered == m_fault.count;
    log(u"radio: %1"_s.arg(spaced(step.answer->bytes())));
    return step;
}

RadioAnswer RadioModel::shape(QByteArray bytes) const
{
    RadioAnswer shaped;
    if (m_fault.kind == RadioFault::Noise)
        bytes.prepend(kNoiseByte);
    if (m_fault.kind == RadioFault::GluedAck && bytes.size() == 1 && bytes[0] == kAck) {
        bytes.append(kAck);
        shaped.glued = true;
    }
    // A single byte cannot be split; only longer answers come in two pieces.
    if (m_fault.kind == RadioFault::SplitAck && bytes.size() > 1)
        shaped.pieces = {bytes.first(bytes.size() / 2), bytes.sliced(bytes.size() / 2)};
    else
        shaped.pieces = {bytes};
    return shaped;
}

bool RadioModel::inMemory(int address, int length) const
{
    return length >= 1 && length <= kMaxBlockLength && address >= kFirstAddress &&
           address + length <= kEndAddress;
}

void RadioModel::log(const QString &text) const
{
    if (m_logger)
        m_logger(text);
}

} // namespace vm280
