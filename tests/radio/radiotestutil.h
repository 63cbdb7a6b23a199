#pragma once

#include "radio/radiomodel.h"

#include <QByteArray>
#include <QList>

namespace vm280::test {

inline const QByteArray kHandshake = QByteArrayLiteral("JV-PROG");
inline const QByteArray kAck = QByteArray(1, 0x06);
inline const QByteArray kIdentify = QByteArray(1, 0x02);
inline const QByteArray kEnd = QByteArray(1, 0x45);
/// Handshake word, identification request and the acknowledgement that opens the transfer.
inline const QByteArray kOpening = kHandshake + kIdentify + kAck;

/// A frame with a command, a 16-bit address (high byte first), a length and a payload.
inline QByteArray frame(char command, int address, int length, const QByteArray &payload = {})
{
    QByteArray bytes(1, command);
    bytes += char(address >> 8);
    bytes += char(address & 0xFF);
    bytes += char(length);
    return bytes + payload;
}

inline QByteArray readRequest(int address, int length = 0x40)
{
    return frame(0x52, address, length);
}

inline QByteArray writeBlock(int address, const QByteArray &data)
{
    return frame(0x57, address, int(data.size()), data);
}

/// Everything the radio does while it takes bytes, one at a time.
struct Exchange
{
    QList<RadioStep> steps; ///< the steps that did something
    QByteArray sent;        ///< all answer bytes joined

    QList<RadioAnswer> answers() const
    {
        QList<RadioAnswer> list;
        for (const RadioStep &step : steps) {
            if (step.answer)
                list << *step.answer;
        }
        return list;
    }
};

inline Exchange feed(RadioModel &radio, const QByteArray &bytes)
{
    Exchange exchange;
    for (const char byte : bytes) {
        const RadioStep step = radio.receive(byte);
        if (step.answer)
            exchange.sent += step.answer->bytes();
        if (step.answer || step.operationEnded || step.hangUp || step.operationStarted || step.readRequest ||
            step.blockWritten)
            exchange.steps << step;
    }
    return exchange;
}

/// A memory content in which every byte tells its address: address low byte plus a twist.
inline QByteArray patternedMemory()
{
    QByteArray bytes;
    for (int i = 0; i < RadioModel::kMemoryBytes; ++i)
        bytes += char((i * 7 + (i >> 8)) & 0xFF);
    return bytes;
}

} // namespace vm280::test
