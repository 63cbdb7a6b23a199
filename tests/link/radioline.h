#pragma once

#include "radio/radiomodel.h"

#include <QByteArray>
#include <QList>
#include <functional>

namespace vm280::test {

/// The simulated radio at the far end of a line the test delivers by hand: the radio takes each
/// frame the PC sends at once, and its answers wait on the line until the test hands them to the
/// engine, one notification at a time. Records what the radio was asked.
class RadioLine
{
public:
    static constexpr int kFirstAddress = RadioModel::kFirstAddress;

    RadioLine() { m_radio.loadMemory(patternMemory()); }

    /// Memory in which each byte differs from its neighbours, so a block from the wrong address shows.
    static QByteArray patternMemory()
    {
        QByteArray memory(RadioModel::kMemoryBytes, 0);
        for (int o = 0; o < memory.size(); ++o)
            memory[o] = char((o * 11 + 5) & 0xFF);
        return memory;
    }

    /// From now on the radio misbehaves as fault says; its memory stays.
    void setFault(RadioFault fault)
    {
        const QByteArray memory = m_radio.memory();
        m_radio = RadioModel(fault);
        m_radio.loadMemory(memory);
    }

    /// Takes one frame from the PC (the engine sends each frame whole).
    void hear(const QByteArray &frame)
    {
        for (const char byte : frame) {
            const RadioStep step = m_radio.receive(byte);
            if (step.readRequest)
                readRequests << *step.readRequest;
            if (step.blockWritten)
                writtenBlocks << *step.blockWritten;
            if (step.operationEnded)
                ++ends;
            if (step.answer && !silent)
                deliver(*step.answer);
        }
    }

    /// All of the memory, from radio address 0x0010.
    const QByteArray &memory() const { return m_radio.memory(); }
    QByteArray memoryHex() const { return memory().toHex().toUpper(); }
    /// The bytes at radio address a.
    QByteArray at(int a, int length) const { return memory().mid(a - kFirstAddress, length); }
    /// Sets the byte at memory offset (radio address 0x0010 + offset).
    void setByte(int offset, char value)
    {
        QByteArray changed = memory();
        changed[offset] = value;
        m_radio.loadMemory(changed);
    }

    /// Notifications waiting to reach the PC, oldest first.
    QList<QByteArray> line;
    /// How an answer reaches the PC: by default in one notification.
    std::function<QList<QByteArray>(const QByteArray &)> cut = [](const QByteArray &bytes) {
        return QList<QByteArray>{bytes};
    };
    /// The radio's answers are lost on the way back, as from a radio fallen silent.
    bool silent = false;

    QList<int> readRequests;
    QList<int> writtenBlocks;
    int acknowledgements = 0; ///< lone acknowledgements that went on the line
    int ends = 0;

private:
    void deliver(const RadioAnswer &answer)
    {
        if (answer.bytes() == "\x06")
            ++acknowledgements;
        for (const QByteArray &piece : answer.pieces)
            line << cut(piece);
    }

    RadioModel m_radio;
};

} // namespace vm280::test
