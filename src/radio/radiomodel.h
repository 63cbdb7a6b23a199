#pragma once

#include "radiofault.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <optional>

namespace vm280 {

/// Bytes the radio puts on the line in answer to one frame.
struct RadioAnswer
{
    QList<QByteArray> pieces; ///< consecutive pieces leave with a short pause between them
    bool glued = false;       ///< each piece must reach the PC in a single write, never bytewise

    /// All pieces joined, as the PC finally receives them.
    QByteArray bytes() const { return pieces.join(); }
};

/// What one received byte made the radio do.
struct RadioStep
{
    std::optional<RadioAnswer> answer;
    bool operationStarted = false;   ///< the handshake word arrived
    bool operationEnded = false;     ///< the end byte closed an operation
    bool memoryWritten = false;      ///< with operationEnded: the operation wrote at least one block
    bool blocksMoved = false;        ///< with operationEnded: a block was read or written (no mere probe)
    bool hangUp = false;             ///< close the line once the answer (if any) has left
    std::optional<int> readRequest;  ///< the address of a read request taken, answered or not
    std::optional<int> blockWritten; ///< the address of a write block taken, answered or not
};

/// The VM-280's side of the programming protocol: takes the PC's bytes one at a time, answers
/// like the radio and keeps its programmable memory (radio addresses 0x0010 to 0x040F).
class RadioModel
{
public:
    static constexpr int kFirstAddress = 0x0010;
    static constexpr int kMemoryBytes = 1024;
    static constexpr int kEndAddress = kFirstAddress + kMemoryBytes;
    /// The bytes a code plan file holds: radio addresses 0x0010 to 0x035F.
    static constexpr int kPlanBytes = 848;

    /// The name a VM-280 identifies itself with.
    static constexpr QByteArrayView kModelName = "VM280";
    /// The identification answer's length: the name, padded with spaces.
    static constexpr int kIdentificationBytes = 8;

    /// A radio that identifies itself as model (a VM-280 by default; cut or padded to 8 bytes).
    explicit RadioModel(RadioFault fault = {}, QByteArrayView model = kModelName);

    /// Fills memory from 0x0010 on with bytes; memory past their end stays 0xFF.
    void loadMemory(QByteArrayView bytes);
    /// All of the memory, 1024 bytes from radio address 0x0010.
    const QByteArray &memory() const { return m_memory; }
    /// The memory from 0x0010 to 0x035F as upper-case hex text, the image a code plan file holds.
    QByteArray planImage() const;

    /// Takes the next byte from the line and says what the radio does about it.
    RadioStep receive(char byte);

    /// Receives a description of every frame taken and every answer given (for -v).
    void setLogger(std::function<void(const QString &)> logger) { m_logger = std::move(logger); }

private:
    enum class State {
        Idle,       ///< waiting for the handshake word
        Ready,      ///< handshake acknowledged, waiting for the identification request
        Identified, ///< identification sent, waiting for the PC's acknowledgement
        Session,    ///< programming: between frames
        ReadFrame,  ///< collecting a read request
        WriteFrame, ///< collecting a write block
    };

    RadioStep takeHandshakeByte(char byte);
    RadioStep takeFrameStart(char byte);
    RadioStep takeFrameByte(char byte);
    RadioStep answerRead();
    RadioStep storeWrite();
    RadioStep endOperation();
    RadioStep answer(QByteArray bytes);
    RadioAnswer shape(QByteArray bytes) const;
    bool inMemory(int address, int length) const;
    void log(const QString &text) const;

    RadioFault m_fault;
    QByteArray m_identification;
    QByteArray m_memory;
    State m_state = State::Idle;
    int m_handshakeMatched = 0;
    QByteArray m_frame;
    int m_blocksWritten = 0;
    int m_blocksRead = 0;
    int m_answered = 0;
    std::function<void(const QString &)> m_logger;
};

} // namespace vm280
