#include "radiotestutil.h"

#include "radio/radiofault.h"
#include "radio/radiomodel.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

const QByteArray kIdentification = QByteArrayLiteral("VM280   ");

RadioModel faultyRadio(RadioFault::Kind kind, int count = 0)
{
    RadioModel radio(RadioFault{kind, count});
    radio.loadMemory(patternedMemory());
    return radio;
}

QByteArray answerOf(const Exchange &exchange, qsizetype index)
{
    const QList<RadioAnswer> answers = exchange.answers();
    return index < answers.size() ? answers[index].bytes() : QByteArray();
}

} // namespace

TEST(RadioFaultParsing, shouldReadEveryFaultNameAndRefuseMalformedOnes)
{
    const struct
    {
        const char *text;
        std::optional<RadioFault> expected;
    } cases[] = {
        {"silent", RadioFault{RadioFault::Silent, 0}},
        {"wrong-model", RadioFault{RadioFault::WrongModel, 0}},
        {"bad-address", RadioFault{RadioFault::BadAddress, 0}},
        {"split-ack", RadioFault{RadioFault::SplitAck, 0}},
        {"glued-ack", RadioFault{RadioFault::GluedAck, 0}},
        {"noise", RadioFault{RadioFault::Noise, 0}},
        {"drop-after=5", RadioFault{RadioFault::DropAfter, 5}},
        {"hangup-after=0", RadioFault{RadioFault::HangupAfter, 0}},
        {"forget-block=0x0200", RadioFault{RadioFault::ForgetBlock, 0, 0x0200}},
        {"forget-block=0X1b0", RadioFault{RadioFault::ForgetBlock, 0, 0x01B0}},
        {"ack-ident", RadioFault{RadioFault::AckIdent, 0}},
        {"ack-read=0x0050", RadioFault{RadioFault::AckRead, 0, 0x0050}},
        {"ack-read=all", RadioFault{RadioFault::AckRead, 0, RadioFault::kEveryAddress}},
        {"ack-read=ALL", std::nullopt},
        {"ack-read=80", std::nullopt},
        {"ack-read", std::nullopt},
        {"ack-ident=1", std::nullopt},
        {"stray-ack=1000", RadioFault{RadioFault::StrayAck, 1000}},
        {"stray-ack=0", std::nullopt},
        {"stray-ack=0x10", std::nullopt},
        {"stray-ack", std::nullopt},
        {"forget-block=all", std::nullopt},
        {"forget-block=512", std::nullopt},
        {"forget-block=0x", std::nullopt},
        {"forget-block=0xZZ", std::nullopt},
        {"forget-block", std::nullopt},
        {"drop-after", std::nullopt},
        {"drop-after=", std::nullopt},
        {"drop-after=-1", std::nullopt},
        {"drop-after=x", std::nullopt},
        {"silent=2", std::nullopt},
        {"Silent", std::nullopt},
        {"", std::nullopt},
        {"loud", std::nullopt},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        const auto parsed = ParseRadioFault(QString::fromLatin1(row.text));
        ASSERT_EQ(parsed.has_value(), row.expected.has_value());
        if (parsed) {
            EXPECT_EQ(parsed->kind, row.expected->kind);
            EXPECT_EQ(parsed->count, row.expected->count);
            EXPECT_EQ(parsed->address, row.expected->address);
        }
    }
}

TEST(RadioFaults, shouldNeverAnswerWhenSilent)
{
    RadioModel radio = faultyRadio(RadioFault::Silent);
    const Exchange exchange = feed(radio, kOpening + readRequest(0x10) + kAck);
    EXPECT_EQ(exchange.sent, QByteArray());
}

TEST(RadioFaults, shouldIdentifyAsAnotherModelWhenWrongModel)
{
    RadioModel radio = faultyRadio(RadioFault::WrongModel);
    const QByteArray identification = answerOf(feed(radio, kHandshake + kIdentify), 1);
    EXPECT_EQ(identification.size(), 8);
    EXPECT_FALSE(identification.toHex().toUpper().contains("564D323830"));
}

TEST(RadioFaults, shouldNameTheFollowingBlockInReadAnswersWhenBadAddress)
{
    RadioModel radio = faultyRadio(RadioFault::BadAddress);
    const Exchange exchange = feed(radio, kOpening + readRequest(0x0090));
    EXPECT_EQ(answerOf(exchange, 3), frame(0x57, 0x00D0, 0x40, patternedMemory().mid(0x80, 0x40)));
}

TEST(RadioFaults, shouldSendLongAnswersInTwoPiecesWhenSplitAck)
{
    RadioModel radio = faultyRadio(RadioFault::SplitAck);
    const QList<RadioAnswer> answers = feed(radio, kOpening + readRequest(0x10) + kAck).answers();
    ASSERT_EQ(answers.size(), 5);
    const QList<qsizetype> pieceCounts{1, 2, 1, 2, 1};
    for (qsizetype i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(answers[i].pieces.size(), pieceCounts[i]);
        EXPECT_FALSE(answers[i].glued);
    }
    EXPECT_EQ(answers[1].pieces, QList<QByteArray>({"VM28", "0   "}));
    EXPECT_EQ(answers[3].pieces[0].size(), 34);
    // Joined, the pieces are the correct answers.
    EXPECT_EQ(answers[3].bytes(), frame(0x57, 0x10, 0x40, patternedMemory().first(0x40)));
}

TEST(RadioFaults, shouldGlueEveryAcknowledgementToASecondOneWhenGluedAck)
{
    RadioModel radio = faultyRadio(RadioFault::GluedAck);
    const QList<RadioAnswer> answers = feed(radio, kOpening + writeBlock(0x10, QByteArray(16, 0))).answers();
    ASSERT_EQ(answers.size(), 4);
    for (const qsizetype ack : {0, 2, 3}) {
        SCOPED_TRACE(ack);
        EXPECT_EQ(answers[ack].pieces, QList<QByteArray>{kAck + kAck});
        EXPECT_TRUE(answers[ack].glued);
    }
    EXPECT_EQ(answers[1].bytes(), kIdentification);
    EXPECT_FALSE(answers[1].glued);
}

TEST(RadioFaults, shouldPutAGarbageByteBeforeEveryAnswerWhenNoise)
{
    RadioModel radio = faultyRadio(RadioFault::Noise);
    const QList<RadioAnswer> answers = feed(radio, kOpening + readRequest(0x10)).answers();
    ASSERT_EQ(answers.size(), 4);
    const QByteArray noise(1, 0x00);
    EXPECT_EQ(answers[0].bytes(), noise + kAck);
    EXPECT_EQ(answers[1].bytes(), noise + kIdentification);
    EXPECT_EQ(answers[2].bytes(), noise + kAck);
    EXPECT_EQ(answers[3].bytes(), noise + frame(0x57, 0x10, 0x40, patternedMemory().first(0x40)));
}

TEST(RadioFaults, shouldFallSilentAfterTheGivenNumberOfAnswersWhenDropAfter)
{
    const struct
    {
        int count;
        QByteArray sent;
    } cases[] = {
        {0, {}},
        {1, kAck},
        {2, kAck + kIdentification},
        {3, kAck + kIdentification + kAck},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.count);
        RadioModel radio = faultyRadio(RadioFault::DropAfter, row.count);
        const Exchange exchange = feed(radio, kOpening + readRequest(0x10) + kAck + kEnd + kOpening);
        EXPECT_EQ(exchange.sent, row.sent);
        for (const RadioStep &step : exchange.steps)
            EXPECT_FALSE(step.hangUp);
    }
}

TEST(RadioFaults, shouldHangUpRightAfterTheGivenNumberOfAnswersWhenHangupAfter)
{
    RadioModel radio = faultyRadio(RadioFault::HangupAfter, 2);
    const Exchange exchange = feed(radio, kHandshake + kIdentify);
    ASSERT_EQ(exchange.steps.size(), 2);
    EXPECT_FALSE(exchange.steps[0].hangUp);
    EXPECT_TRUE(exchange.steps[1].hangUp);
    EXPECT_EQ(exchange.steps[1].answer->bytes(), kIdentification);
}

TEST(RadioFaults, shouldHangUpAtTheFirstFrameWithoutAnsweringWhenHangupAfterZero)
{
    RadioModel radio = faultyRadio(RadioFault::HangupAfter, 0);
    const Exchange exchange = feed(radio, kHandshake);
    ASSERT_EQ(exchange.steps.size(), 1);
    EXPECT_TRUE(exchange.steps[0].hangUp);
    EXPECT_FALSE(exchange.steps[0].answer.has_value());
}

TEST(RadioFaults, shouldStillStoreWriteBlocksWhatEverTheAnswersLookLike)
{
    for (const RadioFault::Kind kind : {RadioFault::GluedAck, RadioFault::Noise, RadioFault::SplitAck}) {
        SCOPED_TRACE(int(kind));
        RadioModel radio = faultyRadio(kind);
        feed(radio, kOpening + writeBlock(0x20, QByteArray(16, 'w')));
        EXPECT_EQ(radio.memory().mid(0x10, 16), QByteArray(16, 'w'));
    }
}

TEST(RadioFaults, shouldAcknowledgeButNotStoreTheForgottenBlockWhenForgetBlock)
{
    RadioModel radio(RadioFault{RadioFault::ForgetBlock, 0, 0x0030});
    radio.loadMemory(patternedMemory());
    const Exchange exchange =
        feed(radio, kOpening + writeBlock(0x20, QByteArray(16, 'a')) + writeBlock(0x30, QByteArray(16, 'b')) +
                        writeBlock(0x40, QByteArray(16, 'c')) + kEnd);
    EXPECT_EQ(exchange.sent, kAck + kIdentification + kAck + kAck + kAck + kAck);
    EXPECT_EQ(radio.memory().mid(0x10, 16), QByteArray(16, 'a'));
    EXPECT_EQ(radio.memory().mid(0x20, 16), patternedMemory().mid(0x20, 16));
    EXPECT_EQ(radio.memory().mid(0x30, 16), QByteArray(16, 'c'));
}

TEST(RadioFaults, shouldAnswerEveryIdentificationRequestWithAnAcknowledgementWhenAckIdent)
{
    RadioModel radio = faultyRadio(RadioFault::AckIdent);
    const Exchange exchange =
        feed(radio, kHandshake + kIdentify + kIdentify + kIdentify + kAck + readRequest(0x10));
    EXPECT_EQ(exchange.sent, kAck + kAck + kAck + kAck);
}

TEST(RadioFaults, shouldAnswerTheReadRequestsNamedWithAnAcknowledgementWhenAckRead)
{
    const QByteArray block0010 = frame(0x57, 0x0010, 0x40, patternedMemory().first(0x40));
    const QByteArray block0050 = frame(0x57, 0x0050, 0x40, patternedMemory().mid(0x40, 0x40));
    const struct
    {
        const char *name;
        int address;
        QByteArray sent;
    } cases[] = {
        {"the second block", 0x0050, block0010 + kAck + kAck + kAck},
        {"every block", RadioFault::kEveryAddress, kAck + kAck + kAck + kAck},
        {"a block not read", 0x0090, block0010 + kAck + block0050 + kAck},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RadioModel radio(RadioFault{RadioFault::AckRead, 0, c.address});
        radio.loadMemory(patternedMemory());
        const Exchange exchange = feed(radio, kOpening + readRequest(0x10) + kAck + readRequest(0x50) + kAck);
        EXPECT_EQ(exchange.sent, kAck + kIdentification + kAck + c.sent);
        // Writes are answered as ever.
        EXPECT_EQ(feed(radio, writeBlock(0x20, QByteArray(16, 'w'))).sent, kAck);
        EXPECT_EQ(radio.memory().mid(0x10, 16), QByteArray(16, 'w'));
    }
}

TEST(RadioFaults, shouldAnswerNothingItselfWhenStrayAck)
{
    RadioModel radio(RadioFault{RadioFault::StrayAck, 1000});
    EXPECT_EQ(feed(radio, kOpening + readRequest(0x10) + kAck).sent, QByteArray());
}
