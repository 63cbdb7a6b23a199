#include "radio/pacedline.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace std::chrono_literals;
using Time = PacedLine::Time;

namespace {

// At 9600 baud a byte of ten bits takes 1041666 ns on the wire.
constexpr Time kByte = 1041666ns;
constexpr Time kStart = 5s;

RadioAnswer answerOf(QList<QByteArray> pieces, bool glued = false)
{
    return RadioAnswer{std::move(pieces), glued};
}

// The moments at which the line hands out its bytes, probing every 100 us until it is empty.
QList<std::pair<Time, QByteArray>> departures(PacedLine &line, Time from)
{
    QList<std::pair<Time, QByteArray>> written;
    for (Time now = from; line.sending(); now += 100us) {
        const QByteArray due = line.takeDue(now);
        if (!due.isEmpty())
            written.append({now - from, due});
    }
    return written;
}

} // namespace

TEST(PacedLine, shouldTakeTenBitTimesPerByteAt9600Baud)
{
    EXPECT_EQ(PacedLine(9600, 0ns, 0ns).byteTime(), kByte);
    EXPECT_EQ(PacedLine(115200, 0ns, 0ns).byteTime(), 86805ns);
    EXPECT_EQ(PacedLine(0, 0ns, 0ns).byteTime(), 0ns);
}

TEST(PacedLine, shouldHandOutAReceivedByteOnlyOnceItsWireTimeIsOver)
{
    PacedLine line(9600, 0ns, 0ns);
    line.receive("JV", kStart);
    EXPECT_FALSE(line.takeReceived(kStart + kByte - 1ns).has_value());
    EXPECT_EQ(line.nextDeadline(), kStart + kByte);
    const auto first = line.takeReceived(kStart + kByte);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->first, 'J');
    EXPECT_EQ(first->second, kStart + kByte);
    // Bytes written together still cross the wire one after the other.
    EXPECT_FALSE(line.takeReceived(kStart + kByte).has_value());
    const auto second = line.takeReceived(kStart + 10 * kByte);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->second, kStart + 2 * kByte);
}

TEST(PacedLine, shouldQueueBytesBehindThoseStillOnTheWire)
{
    PacedLine line(9600, 0ns, 0ns);
    line.receive("ab", kStart);
    line.receive("c", kStart + kByte / 2);
    line.receive("d", kStart + 10 * kByte);
    QList<Time> moments;
    while (const auto byte = line.takeReceived(kStart + 20 * kByte))
        moments << byte->second - kStart;
    EXPECT_EQ(moments, QList<Time>({kByte, 2 * kByte, 3 * kByte, 11 * kByte}));
}

TEST(PacedLine, shouldSendEachAnswerByteOneWireTimeAfterThePreviousOne)
{
    PacedLine line(9600, 0ns, 0ns);
    line.send(answerOf({"VM280"}), kStart);
    EXPECT_TRUE(line.takeDue(kStart).isEmpty());
    EXPECT_EQ(line.takeDue(kStart + kByte), "V");
    EXPECT_EQ(line.takeDue(kStart + 3 * kByte), "M2");
    EXPECT_EQ(line.takeDue(kStart + 5 * kByte - 1ns), "8");
    EXPECT_EQ(line.takeDue(kStart + 5 * kByte), "0");
    EXPECT_FALSE(line.sending());
    EXPECT_FALSE(line.nextDeadline().has_value());
}

TEST(PacedLine, shouldWaitTheTurnaroundBeforeAnAnswer)
{
    PacedLine line(9600, 3ms, 0ns);
    line.send(answerOf({"\x06"}), kStart);
    EXPECT_EQ(line.nextDeadline(), kStart + 3ms + kByte);
}

TEST(PacedLine, shouldStartAnAnswerOnlyAfterThePreviousOneHasLeft)
{
    PacedLine line(9600, 0ns, 0ns);
    line.send(answerOf({"abc"}), kStart);
    line.send(answerOf({"d"}), kStart + kByte);
    EXPECT_EQ(line.takeDue(kStart + 3 * kByte), "abc");
    EXPECT_EQ(line.nextDeadline(), kStart + 4 * kByte);
}

TEST(PacedLine, shouldDeliverAGluedPieceInOneWriteWhenItsLastByteIsDue)
{
    PacedLine line(9600, 0ns, 0ns);
    line.send(answerOf({"\x06\x06"}, true), kStart);
    const auto written = departures(line, kStart);
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(written[0].second, "\x06\x06");
    EXPECT_GE(written[0].first, 2 * kByte);
}

TEST(PacedLine, shouldPauseBetweenThePiecesOfASplitAnswer)
{
    PacedLine line(9600, 0ns, 20ms);
    line.send(answerOf({"ab", "cd"}), kStart);
    QList<Time> dues;
    while (const auto next = line.nextDeadline()) {
        EXPECT_EQ(line.takeDue(*next).size(), 1);
        dues << *next - kStart;
    }
    EXPECT_EQ(dues, QList<Time>({kByte, 2 * kByte, 2 * kByte + 20ms + kByte, 2 * kByte + 20ms + 2 * kByte}));
}

TEST(PacedLine, shouldSendEverythingAtOnceOnAnUnpacedLine)
{
    PacedLine line(0, 0ns, 20ms);
    line.receive("JV-PROG", kStart);
    int received = 0;
    while (line.takeReceived(kStart))
        ++received;
    EXPECT_EQ(received, 7);
    line.send(answerOf({"VM28", "0   "}), kStart);
    EXPECT_EQ(line.takeDue(kStart), "VM28");
    EXPECT_EQ(line.takeDue(kStart + 20ms), "0   ");
}
