#include "linkrig.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

TEST(LinkStart, shouldShowThePortMessageAndLeaveTheCommandsEnabledWhenThePortIsClosed)
{
    LinkRig rig;
    rig.effects.portOpen = false;
    EXPECT_FALSE(rig.engine.startRead());
    EXPECT_FALSE(rig.engine.startWrite());
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::PortNotOpen, LinkText::PortNotOpen}));
    EXPECT_EQ(rig.effects.log, QStringList({"message", "message"}));
    EXPECT_TRUE(rig.effects.commandsEnabled);
    EXPECT_TRUE(rig.effects.sent.isEmpty());
    EXPECT_FALSE(rig.effects.timer1);
    EXPECT_EQ(rig.engine.stage(), LinkStage::Idle);
}

TEST(LinkStart, shouldDisableTheCommandsPrepareAndSendTheHandshake)
{
    LinkRig rig;
    ASSERT_TRUE(rig.engine.startWrite());
    EXPECT_EQ(rig.effects.log,
              QStringList({"commands disabled", "prepare", "send 4A562D50524F47", "status text"}));
    EXPECT_EQ(rig.effects.statusText, LinkText::Communicating);
    EXPECT_TRUE(rig.effects.timer1);
    EXPECT_TRUE(rig.effects.timer2);
    const LinkState &state = rig.engine.state();
    EXPECT_EQ(state.OperationCode, 'W');
    EXPECT_EQ(state.LinkPhase, 1);
    EXPECT_FALSE(state.OperationDone);
    EXPECT_EQ(state.TxBuffer, "JV-PROG");
    EXPECT_EQ(rig.engine.stage(), LinkStage::Handshake);
}

TEST(LinkStart, shouldRefuseASecondCommandWhileAnOperationRuns)
{
    LinkRig rig;
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_FALSE(rig.engine.startWrite());
    EXPECT_EQ(rig.engine.state().OperationCode, 'R');
    EXPECT_EQ(rig.effects.sent.size(), 1);
}

TEST(LinkStart, shouldStartAfreshWhenTheCommandsAreBack)
{
    LinkRig rig;
    rig.engine.receive("\x11\x22");
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_TRUE(rig.engine.state().RxHex.isEmpty());
    rig.runToEnd();
    rig.countDown();
    ASSERT_TRUE(rig.effects.commandsEnabled);
    rig.engine.receive("\x33");
    ASSERT_TRUE(rig.engine.startWrite());
    EXPECT_EQ(rig.engine.stage(), LinkStage::Handshake);
    EXPECT_EQ(rig.engine.state().OperationCode, 'W');
    EXPECT_TRUE(rig.engine.state().RxHex.isEmpty());
}

TEST(LinkStart, shouldOnlyCollectBytesBeforeTheFirstOperation)
{
    LinkRig rig;
    rig.engine.receive("\x06");
    rig.engine.receive(QByteArray::fromHex("564D323830000000"));
    EXPECT_EQ(rig.engine.state().RxHex, "06564D323830000000");
    EXPECT_TRUE(rig.effects.sent.isEmpty());
    EXPECT_EQ(rig.engine.stage(), LinkStage::Idle);
}

TEST(LinkStart, shouldChainOnlyFromAnOperationThatEndedWithSuccessOrRefusal)
{
    LinkRig rig;
    EXPECT_FALSE(rig.engine.chainRead());
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_FALSE(rig.engine.chainWrite());
    rig.runToEnd();
    ASSERT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    // Chained before its blinking is over: the status countdown of the read is dropped.
    ASSERT_TRUE(rig.engine.chainWrite());
    EXPECT_EQ(rig.effects.sent.last(), "JV-PROG");
    EXPECT_EQ(rig.engine.stage(), LinkStage::Handshake);
    rig.radio.silent = true;
    rig.deliver();
    for (int tick = 0; tick < 6; ++tick)
        rig.engine.timer1Tick();
    ASSERT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success, LinkOutcome::Failed}));
    EXPECT_FALSE(rig.engine.chainRead());
    EXPECT_EQ(rig.effects.log.count("commands enabled"), 1);
    EXPECT_EQ(rig.effects.log.last(), "send 45");
}
