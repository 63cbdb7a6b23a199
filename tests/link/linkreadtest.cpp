#include "image/bands.h"
#include "linkrig.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

QList<int> expectedReadBlocks()
{
    QList<int> blocks;
    for (int a = 0x0010; a <= 0x03D0; a += 0x40)
        blocks << a;
    return blocks;
}

} // namespace

TEST(LinkRead, shouldRequestSixteenBlocksAndAssembleTheWholeMemory)
{
    LinkRig rig;
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_EQ(rig.runToEnd(), 0);

    EXPECT_EQ(rig.radio.readRequests, expectedReadBlocks());
    EXPECT_EQ(rig.radio.readRequests.size(), 16);
    // One for the handshake word, then 17 in the transfer: after the identification and each block.
    EXPECT_EQ(rig.radio.acknowledgements, 18);
    const LinkState &state = rig.engine.state();
    EXPECT_EQ(state.ReadImage.size(), 2048);
    EXPECT_EQ(state.ReadImage, rig.radio.memoryHex());
    EXPECT_EQ(rig.effects.decoded, QList<QByteArray>({state.ReadImage}));
    EXPECT_EQ(rig.effects.sent.last(), "E");
    EXPECT_EQ(rig.radio.ends, 1);
    EXPECT_EQ(rig.engine.stage(), LinkStage::Finished);
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    EXPECT_TRUE(rig.radio.writtenBlocks.isEmpty());
}

TEST(LinkRead, shouldRaiseTheProgressBy25AndHideItAt425)
{
    LinkRig rig;
    rig.engine.startRead();
    rig.runToEnd();
    QList<int> expected{0};
    for (int value = 25; value <= 425; value += 25)
        expected << value;
    EXPECT_EQ(rig.effects.progressValues, expected);
    EXPECT_FALSE(rig.effects.progressVisible);
}

TEST(LinkRead, shouldShowSuccessAndKeepTheCommandsOffUntilTheCountdown)
{
    LinkRig rig;
    rig.engine.startRead();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.statusText, LinkText::ReadDone);
    EXPECT_TRUE(rig.effects.messages.isEmpty());
    EXPECT_FALSE(rig.effects.timer1);
    EXPECT_TRUE(rig.effects.timer2);
    EXPECT_FALSE(rig.effects.commandsEnabled);
    EXPECT_TRUE(rig.engine.state().OperationEnded);
    EXPECT_EQ(rig.countDown(), 6);
    EXPECT_TRUE(rig.effects.commandsEnabled);
}

TEST(LinkRead, shouldAcceptAnswersThatArriveInPieces)
{
    LinkRig rig;
    rig.radio.cut = [](const QByteArray &bytes) {
        return bytes.size() < 2 ? QList<QByteArray>{bytes} : QList<QByteArray>{bytes.left(3), bytes.mid(3)};
    };
    rig.engine.startRead();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    EXPECT_EQ(rig.engine.state().ReadImage, rig.radio.memoryHex());
}

TEST(LinkRead, shouldRecordTheBandReadFromTheRadio)
{
    LinkRig rig;
    // The radio is a 370-390MHz one: its band code sits at image offset 429.
    rig.radio.setByte(429, char(0x63));
    rig.effects.onDecode = [&](const QByteArray &hex) { rig.effects.band = BandOfCode(hex.mid(2 * 429, 2)); };
    rig.engine.startRead();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.band, 3);
    EXPECT_EQ(rig.engine.state().RadioBand, 3);
    EXPECT_TRUE(rig.effects.log.contains("select band 3"));

    // Writing the plan just read back to the same radio asks nothing.
    rig.countDown();
    rig.engine.startWrite();
    rig.runToEnd();
    EXPECT_EQ(rig.effects.questions, 0);
    EXPECT_EQ(rig.radio.writtenBlocks.size(), 46);
}

TEST(LinkRead, shouldTimeOutOnAnswersForAnotherAddress)
{
    LinkRig rig;
    rig.radio.setFault({RadioFault::BadAddress});
    rig.engine.startRead();
    EXPECT_EQ(rig.runToEnd(), 6);
    EXPECT_EQ(rig.radio.readRequests, QList<int>({0x0010}));
    EXPECT_TRUE(rig.engine.state().ReadImage.isEmpty());
    EXPECT_TRUE(rig.effects.decoded.isEmpty());
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
}

TEST(LinkRead, shouldTimeOutWhenTheRadioIsAnotherModel)
{
    LinkRig rig;
    rig.radio.setFault({RadioFault::WrongModel});
    rig.engine.startRead();
    EXPECT_EQ(rig.runToEnd(), 6);
    EXPECT_TRUE(rig.radio.readRequests.isEmpty());
    EXPECT_TRUE(rig.effects.progressValues.isEmpty());
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
}

TEST(LinkRead, shouldNeverAcceptAnAcknowledgementGluedToAnother)
{
    LinkRig rig;
    rig.radio.setFault({RadioFault::GluedAck});
    rig.engine.startRead();
    EXPECT_EQ(rig.runToEnd(), 6);
    EXPECT_EQ(rig.effects.sent.size(), 2);
    EXPECT_EQ(rig.effects.sent.last(), "E");
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
}

TEST(LinkRead, shouldTimeOutWhenALoneAcknowledgementStandsInForABlock)
{
    const struct
    {
        const char *name;
        int block;          ///< the block the radio answers with a lone acknowledgement
        qsizetype requests; ///< read requests sent before the radio stopped the read
    } cases[] = {
        {"the first block", 0x0010, 1},
        {"a block in the middle", 0x0050, 2},
        {"the last block", 0x03D0, 16},
        {"every block", RadioFault::kEveryAddress, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.radio.setFault({RadioFault::AckRead, 0, c.block});
        rig.engine.startRead();
        EXPECT_EQ(rig.runToEnd(), 6);
        EXPECT_EQ(rig.radio.readRequests.size(), c.requests);
        // The acknowledgement is kept, not taken: nothing short or shifted reaches the window.
        EXPECT_TRUE(rig.effects.decoded.isEmpty());
        EXPECT_NE(rig.effects.statusText, LinkText::ReadDone);
        EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
    }
}
