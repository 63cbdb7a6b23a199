#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

namespace vm280::test {

/// A radio that answers the PC's frames at once and puts its answers on a line the test hands
/// to the engine one notification at a time. Knobs make it misbehave.
class FakeRadio
{
public:
    static constexpr int kFirstAddress = 0x0010;
    static constexpr int kMemoryBytes = 1024;

    FakeRadio() : memory(kMemoryBytes, 0)
    {
        for (int o = 0; o < kMemoryBytes; ++o)
            memory[o] = char((o * 11 + 5) & 0xFF);
    }

    /// Takes one frame from the PC (the engine sends each frame whole).
    void hear(const QByteArray &frame)
    {
        if (frame == "JV-PROG" || frame == "\x06")
            answer("\x06");
        else if (frame == "\x02")
            answer(identification);
        else if (frame.size() == 4 && frame[0] == 'R' && frame[3] == 0x40)
            answerRead(address(frame));
        else if (frame.size() == 20 && frame[0] == 'W' && frame[3] == 0x10)
            store(address(frame), frame.mid(4));
        else if (frame == "E")
            ++ends;
    }

    /// Memory as upper-case hex, radio addresses 0x0010 to 0x040F.
    QByteArray memoryHex() const { return memory.toHex().toUpper(); }
    /// The bytes at radio address a.
    QByteArray at(int a, int length) const { return memory.mid(a - kFirstAddress, length); }

    QByteArray memory;
    /// Eight bytes with the model name in them.
    QByteArray identification = QByteArrayLiteral("VM280\x01\x02\x03");
    /// Notifications waiting to reach the PC, oldest first.
    QList<QByteArray> line;
    /// How an answer reaches the PC: by default in one notification.
    std::function<QList<QByteArray>(const QByteArray &)> cut = [](const QByteArray &bytes) {
        return QList<QByteArray>{bytes};
    };
    bool silent = false;
    /// Added to the address a read answer carries.
    int answerAddressShift = 0;
    /// Read requests answered with a lone acknowledgement instead of the block.
    QList<int> readsAcknowledged;

    QList<int> readRequests;
    QList<int> writtenBlocks;
    int acknowledgements = 0;
    int ends = 0;

private:
    static int address(const QByteArray &frame) { return (uchar(frame[1]) << 8) | uchar(frame[2]); }

    void answer(const QByteArray &bytes)
    {
        if (silent)
            return;
        if (bytes == "\x06")
            ++acknowledgements;
        line << cut(bytes);
    }

    void answerRead(int a)
    {
        readRequests << a;
        if (readsAcknowledged.contains(a)) {
            answer("\x06");
            return;
        }
        const int shown = a + answerAddressShift;
        QByteArray bytes("W");
        bytes += char(shown >> 8);
        bytes += char(shown & 0xFF);
        bytes += char(0x40);
        answer(bytes + at(a, 64));
    }

    void store(int a, const QByteArray &data)
    {
        writtenBlocks << a;
        memory.replace(a - kFirstAddress, data.size(), data);
        answer("\x06");
    }
};

} // namespace vm280::test
