#include "linkrig.h"
#include "writeblocks.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

TEST(LinkWrite, shouldWriteTheBlocksOfTheWriteList)
{
    for (const bool service : {false, true}) {
        SCOPED_TRACE(service ? "service mode" : "normal mode");
        LinkRig rig;
        rig.effects.service = service;
        ASSERT_TRUE(rig.engine.startWrite());
        EXPECT_EQ(rig.runToEnd(), 0);
        EXPECT_EQ(rig.radio.writtenBlocks, expectedWriteBlocks(service));
        EXPECT_EQ(rig.radio.writtenBlocks.size(), service ? 47 : 46);
        EXPECT_EQ(writeBlockAddresses(rig.effects.sent), rig.radio.writtenBlocks);
        EXPECT_EQ(rig.effects.sent.last(), "E");
        EXPECT_EQ(rig.engine.state().BlockAddress, 0x0360);
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
        EXPECT_EQ(rig.effects.statusText, LinkText::WriteDone);
        EXPECT_TRUE(rig.radio.readRequests.isEmpty());
    }
}

TEST(LinkWrite, shouldTakeEachBlockFromItsOffsetInTheImage)
{
    LinkRig rig;
    rig.effects.service = true;
    const QByteArray image = QByteArray::fromHex(rig.effects.image);
    rig.engine.startWrite();
    rig.runToEnd();
    for (const QByteArray &frame : rig.effects.sent) {
        if (frame[0] != 'W')
            continue;
        const int address = (uchar(frame[1]) << 8) | uchar(frame[2]);
        SCOPED_TRACE(address);
        EXPECT_EQ(frame[3], 0x10);
        EXPECT_EQ(frame.mid(4), image.mid(address - 0x0010, 16));
        EXPECT_EQ(rig.radio.at(address, 16), image.mid(address - 0x0010, 16));
    }
}

TEST(LinkWrite, shouldLeaveTheRadiosOwnAreasAlone)
{
    LinkRig rig;
    const QByteArray before = rig.radio.memory();
    rig.engine.startWrite();
    rig.runToEnd();
    const struct
    {
        int from;
        int to;
    } untouched[] = {{0x0180, 0x01AF}, {0x01C0, 0x01FF}, {0x0360, 0x040F}};
    for (const auto &area : untouched) {
        SCOPED_TRACE(area.from);
        const int length = area.to - area.from + 1;
        EXPECT_EQ(rig.radio.at(area.from, length), before.mid(area.from - 0x0010, length));
    }
}

TEST(LinkWrite, shouldStopTheProgressAt450)
{
    LinkRig rig;
    rig.engine.startWrite();
    rig.runToEnd();
    QList<int> expected{0};
    for (int value = 10; value <= 450; value += 10)
        expected << value;
    EXPECT_EQ(rig.effects.progressValues, expected);
    EXPECT_FALSE(rig.effects.progressVisible);
}

TEST(LinkWrite, shouldBuildTheImageWhenTheRadioIsIdentified)
{
    LinkRig rig;
    const QByteArray first = rig.effects.image;
    rig.engine.startWrite();
    rig.effects.image = FakeLinkEffects::patternImage().replace(0, 2, "AB");
    rig.runToEnd();
    EXPECT_EQ(rig.engine.state().WriteImage, rig.effects.image);
    EXPECT_EQ(rig.radio.at(0x0010, 1), "\xAB");
    EXPECT_NE(first, rig.effects.image);
}

TEST(LinkBandQuestion, shouldNotAskWhenTheSelectedBandIsTheRadiosBand)
{
    LinkRig rig;
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 0);
    EXPECT_EQ(rig.engine.state().RadioBand, 0);
}

TEST(LinkBandQuestion, shouldAskOnceBeforeTheFirstBlockAfterABandChange)
{
    LinkRig rig;
    rig.effects.band = 4;
    rig.effects.onQuestion = [&] {
        EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
        EXPECT_EQ(rig.engine.state().RadioBand, 4);
        return true;
    };
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 1);
    EXPECT_EQ(rig.radio.writtenBlocks.size(), 46);
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));

    rig.countDown();
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 1);
}

TEST(LinkBandQuestion, shouldKeepTheRadiosBandForTheQuestionToName)
{
    LinkRig rig;
    rig.effects.band = 4;
    rig.engine.startWrite();
    rig.runToEnd();
    rig.countDown();
    rig.effects.band = 2;
    int named = -1;
    rig.effects.onQuestion = [&] {
        named = rig.engine.questionedRadioBand();
        return false;
    };
    rig.engine.startWrite();
    rig.runToEnd();
    // The radio was last written with band 4; the plan now asks for band 2.
    EXPECT_EQ(named, 4);
    EXPECT_EQ(rig.effects.questions, 2);
}

TEST(LinkBandQuestion, shouldAskAgainWhenTheBandChangesDuringAWrite)
{
    LinkRig rig;
    rig.effects.onSend = [&](const QByteArray &frame) {
        rig.radio.hear(frame);
        if (writeBlockAddresses({frame}) == QList<int>{0x0100})
            rig.effects.band = 2;
    };
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 1);
    EXPECT_EQ(rig.radio.writtenBlocks.size(), 46);
}

TEST(LinkBandQuestion, shouldSendTheEndAtOnceAndWriteNothingAfterNo)
{
    LinkRig rig;
    rig.effects.band = 1;
    rig.effects.onQuestion = [] { return false; };
    rig.engine.startWrite();
    EXPECT_EQ(rig.runToEnd(), 0);
    EXPECT_EQ(rig.effects.questions, 1);
    EXPECT_TRUE(rig.radio.writtenBlocks.isEmpty());
    EXPECT_EQ(rig.effects.sent.last(), "E");
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Refused}));
    EXPECT_EQ(rig.effects.statusText, LinkText::BandQuestion);
    EXPECT_FALSE(rig.effects.progressVisible);
    EXPECT_FALSE(rig.effects.timer1);
    EXPECT_TRUE(rig.effects.messages.isEmpty());
    EXPECT_EQ(rig.engine.stage(), LinkStage::Finished);
    EXPECT_EQ(rig.countDown(), 6);
    EXPECT_TRUE(rig.effects.commandsEnabled);

    // The band was taken before asking: the same write again asks nothing and writes.
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 1);
    EXPECT_EQ(rig.radio.writtenBlocks.size(), 46);
}

TEST(LinkBandQuestion, shouldNotCountTicksWhileTheQuestionIsOpen)
{
    LinkRig rig;
    rig.effects.band = 2;
    rig.effects.onQuestion = [&] {
        for (int i = 0; i < 20; ++i)
            rig.engine.timer1Tick();
        EXPECT_EQ(rig.engine.state().TimeoutTicks, 0);
        EXPECT_TRUE(rig.engine.questionOpen());
        return true;
    };
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_TRUE(rig.effects.messages.isEmpty());
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    EXPECT_FALSE(rig.engine.questionOpen());
}

TEST(LinkBandQuestion, shouldOnlyCollectBytesWhileTheQuestionIsOpen)
{
    LinkRig rig;
    rig.effects.band = 2;
    rig.effects.onQuestion = [&] {
        const qsizetype sent = rig.effects.sent.size();
        rig.engine.receive("\x06");
        EXPECT_EQ(rig.effects.sent.size(), sent);
        EXPECT_EQ(rig.engine.state().RxHex, "06");
        rig.engine.receive(QByteArray());
        EXPECT_EQ(rig.effects.sent.size(), sent);
        return true;
    };
    rig.engine.startWrite();
    rig.deliver();
    // The stray ack stays collected, so the radio's next ack is glued to it and the write times out.
    EXPECT_EQ(writeBlockAddresses(rig.effects.sent), QList<int>({0x0010}));
    EXPECT_EQ(rig.engine.state().RxHex, "0606");
    EXPECT_EQ(rig.runToEnd(), 6);
}

TEST(LinkBandQuestion, shouldNotResumeWhenAnsweredAfterThePortWasLost)
{
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer ? "Yes" : "No");
        LinkRig rig;
        rig.effects.band = 5;
        rig.effects.onQuestion = [&] {
            rig.engine.portLost();
            return answer;
        };
        rig.engine.startWrite();
        rig.runToEnd();
        EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
        EXPECT_EQ(rig.effects.sent.last(), "E");
        EXPECT_EQ(rig.radio.ends, 1);
        EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
        EXPECT_TRUE(rig.effects.commandsEnabled);
        EXPECT_FALSE(rig.engine.state().OperationEnded);
        EXPECT_FALSE(rig.engine.questionOpen());
        // The question goes before the end is shown, and only the open one.
        EXPECT_EQ(rig.effects.questionsClosed, 1);
        const QStringList log = rig.effects.log;
        EXPECT_LT(log.indexOf("question"), log.indexOf("question closed"));
        EXPECT_LT(log.indexOf("question closed"), log.indexOf("message"));
    }
}
