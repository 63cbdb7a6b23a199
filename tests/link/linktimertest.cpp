#include "linkrig.h"

#include <gtest/gtest.h>
#include <utility>

using namespace vm280;
using namespace vm280::test;

TEST(LinkTimeout, shouldEndOnTheSixthTickAndNotTheFifth)
{
    LinkRig rig;
    rig.radio.silent = true;
    rig.engine.startRead();
    for (int tick = 1; tick <= 5; ++tick)
        rig.engine.timer1Tick();
    EXPECT_EQ(rig.engine.state().TimeoutTicks, 5);
    EXPECT_TRUE(rig.effects.messages.isEmpty());
    EXPECT_EQ(rig.engine.stage(), LinkStage::Handshake);

    rig.engine.timer1Tick();
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
    EXPECT_EQ(rig.engine.stage(), LinkStage::Finished);
    EXPECT_EQ(rig.engine.state().TimeoutTicks, 0);
}

TEST(LinkTimeout, shouldRestartTheCountWithEveryAcceptedAnswer)
{
    LinkRig rig;
    rig.engine.startRead();
    // The handshake's ack and the identification, then the transfer.
    rig.engine.receive(rig.radio.line.takeFirst());
    rig.engine.receive(rig.radio.line.takeFirst());
    for (int answer = 0; answer < 3; ++answer) {
        for (int tick = 0; tick < 5; ++tick)
            rig.engine.timer1Tick();
        ASSERT_FALSE(rig.radio.line.isEmpty());
        rig.engine.receive(rig.radio.line.takeFirst());
    }
    EXPECT_TRUE(rig.effects.messages.isEmpty());
    EXPECT_EQ(rig.engine.stage(), LinkStage::Transfer);
}

TEST(LinkTimeout, shouldEndTheHandshakeWithinOneTimeoutWhateverAcknowledgementsCome)
{
    const struct
    {
        const char *name;
        bool write;
        bool ackIdent; ///< the radio answers every identification request with an ack
        bool stray;    ///< the radio is silent, and an ack comes every other tick
    } cases[] = {
        {"a read from a radio that only acknowledges", false, true, false},
        {"a write to a radio that only acknowledges", true, true, false},
        {"a read on a silent line with stray acks", false, false, true},
        {"a write on a silent line with stray acks", true, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        if (c.ackIdent)
            rig.radio.setFault({RadioFault::AckIdent});
        rig.radio.silent = c.stray;
        ASSERT_TRUE(c.write ? rig.engine.startWrite() : rig.engine.startRead());
        int ticks = 0;
        while (rig.effects.outcomes.isEmpty() && ticks < 20) {
            // What waits on the line now; the answers to frames sent meanwhile wait for the next tick.
            for (const QByteArray &notification : std::exchange(rig.radio.line, {}))
                rig.engine.receive(notification);
            if (c.stray && ticks % 2 == 1)
                rig.engine.receive("\x06");
            rig.engine.timer1Tick();
            ++ticks;
        }
        EXPECT_EQ(ticks, 6);
        EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
        EXPECT_LE(rig.effects.sent.count("\x02"), 3);
        EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
        EXPECT_TRUE(rig.effects.commandsEnabled);
        EXPECT_EQ(rig.effects.questionsClosed, 0);
    }
}

TEST(LinkTimeout, shouldMarkTheOperationDoneBeforeTheMessageAndGiveTheCommandsBackAfterIt)
{
    LinkRig rig;
    rig.engine.startWrite();
    rig.engine.receive("\x06");
    rig.effects.onMessage = [&](LinkText) {
        EXPECT_TRUE(rig.engine.state().OperationDone);
        EXPECT_FALSE(rig.effects.timer1);
        EXPECT_FALSE(rig.effects.timer2);
        EXPECT_FALSE(rig.effects.statusVisible);
        EXPECT_FALSE(rig.effects.commandsEnabled);
        EXPECT_EQ(rig.effects.sent.last(), "\x02");
        // A late answer while the message is open is collected and nothing more.
        rig.engine.receive("VM280\x01\x02\x03");
        EXPECT_EQ(rig.engine.state().RxHex, "564D323830010203");
        EXPECT_TRUE(rig.effects.outcomes.isEmpty());
    };
    for (int tick = 0; tick < 6; ++tick)
        rig.engine.timer1Tick();
    EXPECT_TRUE(rig.effects.commandsEnabled);
    EXPECT_FALSE(rig.effects.progressVisible);
    EXPECT_EQ(rig.effects.sent.last(), "E");
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
    EXPECT_FALSE(rig.engine.state().OperationEnded);
}

TEST(LinkTimeout, shouldOnlyCollectBytesAfterTheOperationIsDone)
{
    LinkRig rig;
    rig.radio.silent = true;
    rig.engine.startRead();
    rig.runToEnd();
    const qsizetype sent = rig.effects.sent.size();
    rig.engine.receive("\x06");
    rig.engine.receive("\x06");
    EXPECT_EQ(rig.engine.state().RxHex, "0606");
    EXPECT_EQ(rig.effects.sent.size(), sent);
    rig.engine.timer1Tick();
    EXPECT_EQ(rig.effects.messages.size(), 1);
}

TEST(LinkPortLost, shouldEndARunningOperationLikeATimeout)
{
    LinkRig rig;
    rig.effects.onSend = [&](const QByteArray &frame) {
        rig.radio.hear(frame);
        if (frame.startsWith("R\x01"))
            rig.engine.portLost();
    };
    rig.engine.startRead();
    EXPECT_EQ(rig.runToEnd(), 0);
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
    EXPECT_TRUE(rig.effects.commandsEnabled);
    EXPECT_FALSE(rig.effects.progressVisible);
    EXPECT_FALSE(rig.effects.timer1);
    EXPECT_FALSE(rig.effects.timer2);
    EXPECT_TRUE(rig.effects.decoded.isEmpty());
    EXPECT_EQ(rig.effects.sent.last(), "E");
}

TEST(LinkPortLost, shouldDoNothingWhenNoOperationRuns)
{
    for (const bool afterAnOperation : {false, true}) {
        SCOPED_TRACE(afterAnOperation ? "after a read" : "before any operation");
        LinkRig rig;
        if (afterAnOperation) {
            rig.engine.startRead();
            rig.runToEnd();
        }
        const QStringList log = rig.effects.log;
        rig.engine.portLost();
        EXPECT_EQ(rig.effects.log, log);
        EXPECT_TRUE(rig.effects.messages.isEmpty());
    }
}

TEST(LinkBlink, shouldBlinkDuringTheOperationWithoutCounting)
{
    LinkRig rig;
    rig.engine.startRead();
    for (int tick = 1; tick <= 10; ++tick) {
        rig.engine.timer2Tick();
        EXPECT_EQ(rig.effects.statusVisible, tick % 2 == 0);
    }
    EXPECT_EQ(rig.engine.state().BlinkTicks, 0);
    EXPECT_TRUE(rig.effects.timer2);
    EXPECT_FALSE(rig.effects.commandsEnabled);
}

TEST(LinkBlink, shouldGiveTheCommandsBackOnTheSixthCountedTick)
{
    LinkRig rig;
    rig.engine.startWrite();
    rig.runToEnd();
    for (int tick = 1; tick <= 5; ++tick) {
        rig.engine.timer2Tick();
        EXPECT_EQ(rig.engine.state().BlinkTicks, tick);
        EXPECT_FALSE(rig.effects.commandsEnabled);
    }
    rig.engine.timer2Tick();
    EXPECT_TRUE(rig.effects.commandsEnabled);
    EXPECT_FALSE(rig.effects.timer2);
    EXPECT_FALSE(rig.effects.statusVisible);
    EXPECT_EQ(rig.engine.state().BlinkTicks, 0);
    EXPECT_FALSE(rig.engine.state().OperationEnded);
}

TEST(LinkBlink, shouldIgnoreTicksOfAStoppedTimer)
{
    LinkRig rig;
    rig.engine.startRead();
    rig.runToEnd();
    rig.countDown();
    const QStringList log = rig.effects.log;
    rig.engine.timer2Tick();
    rig.engine.timer1Tick();
    EXPECT_EQ(rig.effects.log, log);
    EXPECT_EQ(rig.engine.state().TimeoutTicks, 0);
}
