#include "radiotestutil.h"

#include "radio/radiomodel.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

const QByteArray kIdentification = QByteArrayLiteral("VM280   ");

QByteArray readAnswer(const QByteArray &memory, int address)
{
    return frame(0x57, address, 0x40, memory.mid(address - 0x10, 0x40));
}

QList<int> writeAddresses()
{
    QList<int> addresses;
    for (int address = 0x10; address < 0x180; address += 0x10)
        addresses << address;
    addresses << 0x1B0;
    for (int address = 0x200; address < 0x360; address += 0x10)
        addresses << address;
    return addresses;
}

} // namespace

TEST(RadioModel, shouldAcknowledgeTheHandshakeWord)
{
    RadioModel radio;
    const Exchange exchange = feed(radio, kHandshake);
    EXPECT_EQ(exchange.sent, kAck);
    ASSERT_EQ(exchange.steps.size(), 1);
    EXPECT_TRUE(exchange.steps[0].operationStarted);
}

TEST(RadioModel, shouldFindTheHandshakeWordAfterStrayBytes)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QByteArray sent;
    } cases[] = {
        {"clean word", kHandshake, kAck},
        {"garbage before", QByteArrayLiteral("\x00\xFFxyz") + kHandshake, kAck},
        {"broken word then whole word", QByteArrayLiteral("JV-PR") + kHandshake, kAck},
        {"word restarted inside", QByteArrayLiteral("JVJV-PROG"), kAck},
        {"one wrong letter", QByteArrayLiteral("JV-PRXG"), {}},
        {"lower case", QByteArrayLiteral("jv-prog"), {}},
        {"frames before the word", kIdentify + kAck + readRequest(0x10), {}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio;
        EXPECT_EQ(feed(radio, row.bytes).sent, row.sent);
    }
}

TEST(RadioModel, shouldIdentifyAsVm280InEightBytes)
{
    RadioModel radio;
    feed(radio, kHandshake);
    const QByteArray identification = feed(radio, kIdentify).sent;
    EXPECT_EQ(identification.size(), 8);
    EXPECT_EQ(identification, kIdentification);
}

TEST(RadioModel, shouldIdentifyAsTheModelItIsGivenPaddedOrCutToEightBytes)
{
    const struct
    {
        const char *name;
        QByteArray model;
        RadioFault fault;
        QByteArray identification;
    } cases[] = {
        {"short name", "VM380", {}, "VM380   "},
        {"eight characters", "ABCDEFGH", {}, "ABCDEFGH"},
        {"longer name", "ABCDEFGHIJ", {}, "ABCDEFGH"},
        {"wrong-model fault", "VM280", RadioFault{RadioFault::WrongModel}, "VM380   "},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio(row.fault, row.model);
        EXPECT_EQ(feed(radio, kHandshake + kIdentify).sent, kAck + row.identification);
    }
}

TEST(RadioModel, shouldAnswerARepeatedIdentificationRequestAgain)
{
    RadioModel radio;
    EXPECT_EQ(feed(radio, kHandshake + kIdentify + kIdentify).sent, kAck + kIdentification + kIdentification);
}

TEST(RadioModel, shouldAcknowledgeTheAcknowledgementAfterIdentification)
{
    RadioModel radio;
    EXPECT_EQ(feed(radio, kOpening).sent, kAck + kIdentification + kAck);
}

TEST(RadioModel, shouldIgnoreFramesBeforeIdentificationIsAcknowledged)
{
    RadioModel radio;
    radio.loadMemory(patternedMemory());
    // Before the PC acknowledged the identification, neither a lone acknowledgement (before the
    // identification request) nor a read request is answered.
    EXPECT_EQ(feed(radio, kHandshake + kAck + readRequest(0x10)).sent, kAck);
    EXPECT_EQ(feed(radio, kIdentify + readRequest(0x10)).sent, kIdentification);
    EXPECT_EQ(feed(radio, kAck + readRequest(0x10)).sent, kAck + readAnswer(patternedMemory(), 0x10));
}

TEST(RadioModel, shouldReadTheWholeMemoryInSixteenBlocks)
{
    RadioModel radio;
    const QByteArray memory = patternedMemory();
    radio.loadMemory(memory);
    QByteArray pc = kOpening;
    QByteArray expected = kAck + kIdentification + kAck;
    for (int address = 0x10; address < 0x410; address += 0x40) {
        pc += readRequest(address) + kAck;
        expected += readAnswer(memory, address) + kAck;
    }
    const Exchange exchange = feed(radio, pc + kEnd);
    EXPECT_EQ(exchange.sent, expected);
    ASSERT_FALSE(exchange.steps.isEmpty());
    EXPECT_TRUE(exchange.steps.last().operationEnded);
    EXPECT_FALSE(exchange.steps.last().memoryWritten);
}

TEST(RadioModel, shouldAnswerFramesThatArriveBackToBackInOrder)
{
    // The PC's frames glued into one stream, each taken as soon as it is complete.
    RadioModel radio;
    radio.loadMemory(patternedMemory());
    const QByteArray pc = kOpening + readRequest(0x50) + kAck + writeBlock(0x20, QByteArray(16, 'x')) +
                          readRequest(0x10) + kAck + kEnd;
    const Exchange exchange = feed(radio, pc);
    QByteArray changed = patternedMemory();
    changed.replace(0x10, 16, QByteArray(16, 'x'));
    EXPECT_EQ(exchange.sent, kAck + kIdentification + kAck + readAnswer(patternedMemory(), 0x50) + kAck +
                                 kAck + readAnswer(changed, 0x10) + kAck);
    EXPECT_EQ(exchange.answers().size(), 8);
}

TEST(RadioModel, shouldAnswerOnlyOnTheLastByteOfAFrame)
{
    RadioModel radio;
    feed(radio, kOpening);
    const QByteArray block = writeBlock(0x30, QByteArray(16, 'y'));
    for (qsizetype i = 0; i + 1 < block.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(radio.receive(block[i]).answer.has_value());
    }
    const RadioStep last = radio.receive(block.back());
    ASSERT_TRUE(last.answer.has_value());
    EXPECT_EQ(last.answer->bytes(), kAck);
}

TEST(RadioModel, shouldStoreEveryWriteBlockAndAcknowledgeIt)
{
    RadioModel radio;
    QByteArray pc = kOpening;
    QByteArray expectedMemory(RadioModel::kMemoryBytes, char(0xFF));
    for (const int address : writeAddresses()) {
        const QByteArray data(16, char(address >> 4));
        pc += writeBlock(address, data);
        expectedMemory.replace(address - 0x10, 16, data);
    }
    const Exchange exchange = feed(radio, pc + kEnd);
    EXPECT_EQ(exchange.sent, kAck + kIdentification + kAck + kAck.repeated(46));
    EXPECT_EQ(radio.memory(), expectedMemory);
    ASSERT_FALSE(exchange.steps.isEmpty());
    EXPECT_TRUE(exchange.steps.last().operationEnded);
    EXPECT_TRUE(exchange.steps.last().memoryWritten);
}

TEST(RadioModel, shouldTellTheAddressOfEveryBlockFrameItTakes)
{
    const struct
    {
        const char *name;
        RadioFault fault;
        QByteArray frame;
        std::optional<int> readRequest;
        std::optional<int> blockWritten;
    } cases[] = {
        {"a read", {}, readRequest(0x0050), 0x0050, std::nullopt},
        {"a read outside the memory, unanswered", {}, readRequest(0x0410), 0x0410, std::nullopt},
        {"a read answered by a lone acknowledgement",
         {RadioFault::AckRead, 0, 0x0050},
         readRequest(0x0050),
         0x0050,
         std::nullopt},
        {"a write", {}, writeBlock(0x0200, QByteArray(16, 1)), std::nullopt, 0x0200},
        {"a write acknowledged but forgotten",
         {RadioFault::ForgetBlock, 0, 0x0200},
         writeBlock(0x0200, QByteArray(16, 1)),
         std::nullopt,
         0x0200},
        {"a write outside the memory", {}, writeBlock(0x0408, QByteArray(16, 1)), std::nullopt, std::nullopt},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio(row.fault);
        feed(radio, kOpening);
        const Exchange exchange = feed(radio, row.frame);
        std::optional<int> readTaken;
        std::optional<int> writeTaken;
        for (const RadioStep &step : exchange.steps) {
            readTaken = step.readRequest ? step.readRequest : readTaken;
            writeTaken = step.blockWritten ? step.blockWritten : writeTaken;
        }
        EXPECT_EQ(readTaken, row.readRequest);
        EXPECT_EQ(writeTaken, row.blockWritten);
    }
}

TEST(RadioModel, shouldForgetWrittenBlocksOnceTheNextOperationStarts)
{
    RadioModel radio;
    feed(radio, kOpening + writeBlock(0x10, QByteArray(16, 0)) + kEnd);
    const Exchange exchange = feed(radio, kOpening + readRequest(0x10) + kAck + kEnd);
    ASSERT_FALSE(exchange.steps.isEmpty());
    EXPECT_TRUE(exchange.steps.last().operationEnded);
    EXPECT_FALSE(exchange.steps.last().memoryWritten);
}

TEST(RadioModel, shouldTellOperationsThatMovedBlocksFromProbesAndIdentifications)
{
    const QByteArray probe = kHandshake + kEnd;
    const QByteArray readOne = kOpening + readRequest(0x10) + kAck + kEnd;
    const QByteArray writeOne = kOpening + writeBlock(0x20, QByteArray(16, 'w')) + kEnd;
    const QByteArray writeOutside = kOpening + writeBlock(0x0408, QByteArray(16, 1)) + kEnd;
    const RadioFault silentAfterOpening{RadioFault::DropAfter, 3};
    const struct
    {
        const char *name;
        RadioFault fault;
        QByteArray before; ///< an earlier operation, whose blocks must not count again
        QByteArray pc;
        bool blocksMoved;
        bool memoryWritten;
    } cases[] = {
        {"presence probe", {}, {}, probe, false, false},
        {"identification alone", {}, {}, kOpening + kEnd, false, false},
        {"identification not acknowledged", {}, {}, kHandshake + kIdentify + kEnd, false, false},
        {"one block read", {}, {}, readOne, true, false},
        {"one block written", {}, {}, writeOne, true, true},
        {"read outside the memory", {}, {}, kOpening + readRequest(0x0410) + kEnd, false, false},
        {"write outside the memory", {}, {}, writeOutside, false, false},
        {"read the radio keeps silent on", silentAfterOpening, {}, readOne, false, false},
        {"probe after a read", {}, readOne, probe, false, false},
        {"probe after a write", {}, writeOne, probe, false, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio(row.fault);
        feed(radio, row.before);
        const Exchange exchange = feed(radio, row.pc);
        ASSERT_FALSE(exchange.steps.isEmpty());
        const RadioStep &ended = exchange.steps.last();
        ASSERT_TRUE(ended.operationEnded);
        EXPECT_EQ(ended.blocksMoved, row.blocksMoved);
        EXPECT_EQ(ended.memoryWritten, row.memoryWritten);
    }
}

TEST(RadioModel, shouldTakeWriteDataThatLooksLikeCommands)
{
    // Data bytes are never taken as frames, whatever their value.
    RadioModel radio;
    const QByteArray data = kHandshake + kEnd + kIdentify + kAck + QByteArrayLiteral("RWRWRWR");
    ASSERT_EQ(data.size(), 17);
    const Exchange exchange = feed(radio, kOpening + writeBlock(0x100, data.first(16)));
    EXPECT_EQ(exchange.sent, kAck + kIdentification + kAck + kAck);
    EXPECT_EQ(radio.memory().mid(0x100 - 0x10, 16), data.first(16));
}

TEST(RadioModel, shouldAnswerNothingForBlocksOutsideItsMemory)
{
    const struct
    {
        const char *name;
        QByteArray frame;
    } cases[] = {
        {"read below the memory", readRequest(0x0000)},
        {"read starting one byte low", readRequest(0x000F)},
        {"read crossing the end", readRequest(0x03E0)},
        {"read past the end", readRequest(0x0410)},
        {"read at the top of the address space", readRequest(0xFFFF)},
        {"read of no bytes", readRequest(0x0010, 0)},
        {"read longer than a block", readRequest(0x0010, 0x41)},
        {"write crossing the end", writeBlock(0x0408, QByteArray(16, 1))},
        {"write below the memory", writeBlock(0x0000, QByteArray(16, 1))},
        {"write of no bytes", writeBlock(0x0010, {})},
        {"write longer than a block", writeBlock(0x0010, QByteArray(0x41, 1))},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio;
        radio.loadMemory(patternedMemory());
        feed(radio, kOpening);
        EXPECT_EQ(feed(radio, row.frame).sent, QByteArray());
        EXPECT_EQ(radio.memory(), patternedMemory());
        // The radio keeps in step with the frames: the next good one is answered.
        EXPECT_EQ(feed(radio, readRequest(0x10)).sent, readAnswer(patternedMemory(), 0x10));
    }
}

TEST(RadioModel, shouldServeTheFirstAndLastBytesOfItsMemory)
{
    RadioModel radio;
    radio.loadMemory(patternedMemory());
    feed(radio, kOpening);
    EXPECT_EQ(feed(radio, readRequest(0x03D0)).sent, readAnswer(patternedMemory(), 0x03D0));
    EXPECT_EQ(feed(radio, readRequest(0x0010, 1)).sent, frame(0x57, 0x10, 1, patternedMemory().first(1)));
    EXPECT_EQ(feed(radio, writeBlock(0x0400, QByteArray(16, 'z'))).sent, kAck);
    EXPECT_EQ(radio.memory().last(16), QByteArray(16, 'z'));
}

TEST(RadioModel, shouldEndTheOperationOnTheEndByteAndWaitForTheNextHandshake)
{
    RadioModel radio;
    const Exchange ended = feed(radio, kOpening + kEnd);
    ASSERT_EQ(ended.steps.size(), 4);
    EXPECT_TRUE(ended.steps[3].operationEnded);
    EXPECT_EQ(feed(radio, kIdentify + readRequest(0x10)).sent, QByteArray());
    EXPECT_EQ(feed(radio, kOpening).sent, kAck + kIdentification + kAck);
}

TEST(RadioModel, shouldIgnoreAnEndByteOutsideAnOperation)
{
    RadioModel radio;
    const Exchange exchange = feed(radio, kEnd);
    EXPECT_TRUE(exchange.steps.isEmpty());
}

TEST(RadioModel, shouldStartOverWhenTheHandshakeWordComesInTheMiddleOfAnOperation)
{
    RadioModel radio;
    feed(radio, kOpening + writeBlock(0x10, QByteArray(16, 0)));
    const Exchange exchange = feed(radio, kHandshake + kIdentify);
    EXPECT_EQ(exchange.sent, kAck + kIdentification);
    // The abandoned operation never ended, so nothing reports its write.
    const Exchange ended = feed(radio, kAck + kEnd);
    EXPECT_FALSE(ended.steps.last().memoryWritten);
}

TEST(RadioModel, shouldLoadMemoryFromAddress0x0010AndFillTheRestWithFF)
{
    const struct
    {
        const char *name;
        QByteArray loaded;
        QByteArray expected;
    } cases[] = {
        {"nothing", {}, QByteArray(1024, char(0xFF))},
        {"a code plan image", QByteArray(848, 'a'), QByteArray(848, 'a') + QByteArray(176, char(0xFF))},
        {"more than the memory", QByteArray(1100, 'b'), QByteArray(1024, 'b')},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioModel radio;
        radio.loadMemory(QByteArray(1024, 'x'));
        radio.loadMemory(row.loaded);
        EXPECT_EQ(radio.memory(), row.expected);
    }
}

TEST(RadioModel, shouldGiveTheCodePlanPartOfItsMemoryAsHexText)
{
    RadioModel radio;
    radio.loadMemory(patternedMemory());
    const QByteArray image = radio.planImage();
    EXPECT_EQ(image.size(), 1696);
    EXPECT_EQ(image, patternedMemory().first(848).toHex().toUpper());
}
