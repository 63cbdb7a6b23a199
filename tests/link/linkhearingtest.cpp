#include "linkrig.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

TEST(LinkIdentify, shouldEndWithTheEndByteAsSoonAsTheRadioHasIdentifiedItself)
{
    LinkRig rig;
    ASSERT_TRUE(rig.engine.startIdentify());
    EXPECT_EQ(rig.runToEnd(), 0);
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>{LinkOutcome::Success});
    // The handshake word, the identification request and the end byte: no block is asked for.
    EXPECT_EQ(rig.effects.sent, QList<QByteArray>({"JV-PROG", "\x02", "E"}));
    EXPECT_EQ(rig.radio.ends, 1);
    EXPECT_TRUE(rig.radio.readRequests.isEmpty());
    EXPECT_EQ(rig.effects.statusText, LinkText::RadioIdentified);
    EXPECT_FALSE(rig.effects.timer1);
    EXPECT_TRUE(rig.engine.hearing().identified);
    EXPECT_EQ(rig.engine.stage(), LinkStage::Finished);
    // The commands come back as after any success, once the end has been shown.
    rig.countDown();
    EXPECT_TRUE(rig.effects.commandsEnabled);
}

TEST(LinkIdentify, shouldEndByTimeoutWhenNoVm280Answers)
{
    for (const RadioFault::Kind kind : {RadioFault::Silent, RadioFault::WrongModel, RadioFault::AckIdent}) {
        SCOPED_TRACE(int(kind));
        LinkRig rig;
        rig.radio.setFault(RadioFault{kind});
        ASSERT_TRUE(rig.engine.startIdentify());
        EXPECT_EQ(rig.runToEnd(), 6);
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>{LinkOutcome::Failed});
        EXPECT_EQ(rig.effects.messages, QList<LinkText>{LinkText::CommunicationError});
        EXPECT_EQ(rig.effects.sent.last(), "E");
    }
}

TEST(LinkHearing, shouldTellWhatTheLineSaidBeforeTheOperationFailed)
{
    const struct
    {
        const char *name;
        RadioFault fault;
        bool write;
        LinkHearing expected;
    } cases[] = {
        {"silent", {RadioFault::Silent}, false, {}},
        {"another model", {RadioFault::WrongModel}, false, {true, false, "VM380   ", true, false}},
        {"only acknowledges", {RadioFault::AckIdent}, false, {true, false, {}, true, false}},
        {"a byte before every answer", {RadioFault::Noise}, false, {true, false, {}, true, false}},
        {"silent after the first block", {RadioFault::DropAfter, 5}, false, {true, true, {}, false, false}},
        {"a block from elsewhere", {RadioFault::BadAddress}, false, {true, true, {}, true, false}},
        {"silent in the write", {RadioFault::DropAfter, 10}, true, {true, true, {}, false, false}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        LinkRig rig;
        rig.radio.setFault(row.fault);
        ASSERT_TRUE(row.write ? rig.engine.startWrite() : rig.engine.startRead());
        rig.runToEnd();
        ASSERT_EQ(rig.effects.outcomes, QList<LinkOutcome>{LinkOutcome::Failed});
        const LinkHearing &heard = rig.engine.hearing();
        EXPECT_EQ(heard.answered, row.expected.answered);
        EXPECT_EQ(heard.identified, row.expected.identified);
        EXPECT_EQ(heard.otherModel, row.expected.otherModel);
        EXPECT_EQ(heard.unaccepted, row.expected.unaccepted);
        EXPECT_FALSE(heard.portLost);
    }
}

TEST(LinkHearing, shouldTellThatThePortWentAwayAndForgetItAtTheNextStart)
{
    LinkRig rig;
    ASSERT_TRUE(rig.engine.startRead());
    // The acknowledgement and the identification arrive, then the cable is pulled.
    rig.engine.receive(rig.radio.line.takeFirst());
    rig.engine.receive(rig.radio.line.takeFirst());
    rig.engine.portLost();
    EXPECT_TRUE(rig.engine.hearing().portLost);
    EXPECT_TRUE(rig.engine.hearing().identified);
    // A port lost between operations is no part of the next one.
    rig.engine.portLost();
    rig.radio.line.clear();
    rig.radio.setFault(RadioFault{RadioFault::Silent});
    ASSERT_TRUE(rig.engine.startRead());
    rig.runToEnd();
    EXPECT_FALSE(rig.engine.hearing().portLost);
    EXPECT_FALSE(rig.engine.hearing().answered);
}
