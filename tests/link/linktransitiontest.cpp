#include "linkrig.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

const QByteArray kIdentification = "564D323830010203";

/// A read answer as hex: 0x57, the address, a length byte and 64 data bytes.
QByteArray readAnswer(int address, int length = 0x40, int dataBytes = 64)
{
    QByteArray bytes("W");
    bytes += char(address >> 8);
    bytes += char(address & 0xFF);
    bytes += char(length);
    bytes += QByteArray(dataBytes, '\x5A');
    return bytes.toHex().toUpper();
}

QByteArray writeBlock0010()
{
    return "57001010" + FakeLinkEffects::patternImage().left(32);
}

struct Transition
{
    const char *name;
    char operation;
    QList<QByteArray> before; ///< notifications (hex) that lead to the state under test
    QByteArray received;      ///< the notification under test (hex)
    bool accepted;
    QByteArray sent; ///< hex of the frame sent in answer; empty for none
    LinkStage next;
};

// One transition a line reads best.
// clang-format off
const Transition kTransitions[] = {
    {"handshake ack on a read", 'R', {}, "06", true, "02", LinkStage::Handshake},
    {"handshake ack on a write", 'W', {}, "06", true, "02", LinkStage::Handshake},
    {"identification", 'R', {"06"}, kIdentification, true, "06", LinkStage::Transfer},
    {"identification without the ack first", 'W', {}, kIdentification, true, "06", LinkStage::Transfer},
    {"model name anywhere in the digits", 'R', {}, "00000564D3238300", true, "06", LinkStage::Transfer},
    {"identification one byte short", 'R', {}, "564D3238300102", false, "", LinkStage::Handshake},
    {"identification one byte long", 'R', {}, "564D32383001020304", false, "", LinkStage::Handshake},
    {"another model", 'R', {}, "564D323930010203", false, "", LinkStage::Handshake},
    {"two acks glued", 'R', {}, "0606", false, "", LinkStage::Handshake},
    {"third handshake ack", 'W', {"06", "06"}, "06", true, "02", LinkStage::Handshake},
    {"fourth handshake ack", 'R', {"06", "06", "06"}, "06", false, "", LinkStage::Handshake},
    {"identification after three acks", 'R', {"06", "06", "06"}, kIdentification, true, "06",
     LinkStage::Transfer},
    {"a read answer during the handshake", 'R', {}, readAnswer(0xFFD0), false, "", LinkStage::Handshake},
    {"first ack of a read", 'R', {kIdentification}, "06", true, "52001040", LinkStage::Transfer},
    {"first ack of a write", 'W', {kIdentification}, "06", true, writeBlock0010(), LinkStage::Transfer},
    {"glued ack in the transfer", 'R', {kIdentification}, "0606", false, "", LinkStage::Transfer},
    {"identification in the transfer", 'R', {kIdentification}, kIdentification, false, "",
     LinkStage::Transfer},
    {"read answer for the block asked", 'R', {kIdentification, "06"}, readAnswer(0x0010), true, "06",
     LinkStage::Transfer},
    {"lone ack in place of the block asked", 'R', {kIdentification, "06"}, "06", false, "",
     LinkStage::Transfer},
    {"ack after the block asked", 'R', {kIdentification, "06", readAnswer(0x0010)}, "06", true, "52005040",
     LinkStage::Transfer},
    {"read answer with any length byte", 'R', {kIdentification, "06"}, readAnswer(0x0010, 0x00), true, "06",
     LinkStage::Transfer},
    {"read answer for another block", 'R', {kIdentification, "06"}, readAnswer(0x0050), false, "",
     LinkStage::Transfer},
    {"read answer with the address bytes swapped", 'R', {kIdentification, "06"}, readAnswer(0x1000), false,
     "", LinkStage::Transfer},
    {"read answer one byte short", 'R', {kIdentification, "06"}, readAnswer(0x0010, 0x40, 63), false, "",
     LinkStage::Transfer},
    {"read answer one byte long", 'R', {kIdentification, "06"}, readAnswer(0x0010, 0x40, 65), false, "",
     LinkStage::Transfer},
    {"read answer starting with another byte", 'R', {kIdentification, "06"},
     "52" + readAnswer(0x0010).mid(2), false, "", LinkStage::Transfer},
    {"read answer during a write", 'W', {kIdentification}, readAnswer(0xFFD0), false, "",
     LinkStage::Transfer},
};
// clang-format on

} // namespace

TEST(LinkTransitions, shouldActAsTheTableSays)
{
    for (const Transition &t : kTransitions) {
        SCOPED_TRACE(t.name);
        FakeLinkEffects effects;
        LinkEngine engine(effects);
        ASSERT_TRUE(t.operation == 'R' ? engine.startRead() : engine.startWrite());
        for (const QByteArray &hex : t.before)
            engine.receive(QByteArray::fromHex(hex));
        ASSERT_TRUE(engine.state().RxHex.isEmpty());
        const qsizetype sentBefore = effects.sent.size();

        engine.receive(QByteArray::fromHex(t.received));

        EXPECT_EQ(engine.state().RxHex, t.accepted ? QByteArray() : t.received);
        const QByteArray sent = effects.sent.size() > sentBefore ? effects.sent.last().toHex().toUpper() : "";
        EXPECT_EQ(sent, t.sent);
        EXPECT_EQ(effects.sent.size(), sentBefore + (t.sent.isEmpty() ? 0 : 1));
        EXPECT_EQ(engine.stage(), t.next);
    }
}

TEST(LinkTransitions, shouldResetTheTimeoutCountOnlyOnAnAcceptedAnswerAfterTheHandshake)
{
    const struct
    {
        const char *name;
        QList<QByteArray> before; ///< notifications (hex) before the two ticks
        QByteArray received;      ///< hex
        int ticks;                ///< the count after it
    } cases[] = {
        {"identification", {}, kIdentification, 0},
        {"ack in the transfer", {kIdentification}, "06", 0},
        {"garbage", {kIdentification}, "07", 2},
        // The handshake stage as a whole has one timeout: its acks do not restart it.
        {"ack in the handshake", {}, "06", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeLinkEffects effects;
        LinkEngine engine(effects);
        engine.startRead();
        for (const QByteArray &hex : c.before)
            engine.receive(QByteArray::fromHex(hex));
        engine.timer1Tick();
        engine.timer1Tick();
        engine.receive(QByteArray::fromHex(c.received));
        EXPECT_EQ(engine.state().TimeoutTicks, c.ticks);
    }
}

TEST(LinkTransitions, shouldSetUpTheTransferOnIdentification)
{
    FakeLinkEffects effects;
    LinkEngine engine(effects);
    engine.startWrite();
    engine.receive(QByteArray::fromHex(kIdentification));
    const LinkState &state = engine.state();
    EXPECT_EQ(state.LinkPhase, 0);
    EXPECT_EQ(state.BlockAddress, 0x0010);
    EXPECT_EQ(state.WriteImage, effects.image);
    EXPECT_TRUE(state.ReadImage.isEmpty());
    EXPECT_TRUE(effects.progressVisible);
    EXPECT_EQ(effects.progressValues, QList<int>({0}));
}

TEST(LinkTransitions, shouldAcceptAnswersThatArriveInPieces)
{
    const struct
    {
        const char *name;
        QList<QByteArray> pieces;
        QByteArray sent;
    } cases[] = {
        {"ack after an empty notification", {"", "\x06"}, "02"},
        {"identification in three pieces", {"VM", "280\x01", "\x02\x03"}, "06"},
        {"identification byte by byte", {"V", "M", "2", "8", "0", "\x01", "\x02", "\x03"}, "06"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeLinkEffects effects;
        LinkEngine engine(effects);
        engine.startRead();
        for (qsizetype i = 0; i < c.pieces.size(); ++i) {
            EXPECT_EQ(effects.sent.size(), 1) << "before piece " << i;
            engine.receive(c.pieces[i]);
        }
        EXPECT_EQ(effects.sent.size(), 2);
        EXPECT_EQ(effects.sent.last().toHex().toUpper(), c.sent);
        EXPECT_TRUE(engine.state().RxHex.isEmpty());
    }
}

TEST(LinkTransitions, shouldDropTwoDigitsAtTheNotificationAfterABreak)
{
    const struct
    {
        const char *name;
        QByteArray received;
        QByteArray rxHex;
        int sent;
    } cases[] = {
        {"the byte the break spoilt goes, the ack stays", "0006", "", 2},
        {"a lone ack after the break is lost", "06", "", 1},
        {"the first two digits go, not the last", "0615", "15", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeLinkEffects effects;
        LinkEngine engine(effects);
        engine.startRead();
        engine.breakSignalled();
        EXPECT_TRUE(engine.state().BreakSeen);
        engine.receive(QByteArray::fromHex(c.received));
        EXPECT_FALSE(engine.state().BreakSeen);
        EXPECT_EQ(engine.state().RxHex, c.rxHex);
        EXPECT_EQ(effects.sent.size(), c.sent);
    }
}

TEST(LinkTransitions, shouldDropDigitsAlreadyCollectedWhenTheBreakFollowsThem)
{
    FakeLinkEffects effects;
    LinkEngine engine(effects);
    engine.startRead();
    engine.receive("\x13");
    engine.breakSignalled();
    engine.receive("\x06");
    EXPECT_EQ(engine.state().RxHex, "");
    EXPECT_EQ(effects.sent.size(), 2);
    EXPECT_EQ(effects.sent.last(), "\x02");
}
