#include "linkrig.h"
#include "writeblocks.h"

#include "image/bands.h"
#include "image/codeplanfile.h"
#include "link/backupname.h"
#include "link/writesequence.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

// The band code sits at image offset 429.
constexpr int kBandOffset = 429;

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A rig whose engine runs a write sequence for the recording window.
struct SequenceRig : LinkRig
{
    explicit SequenceRig(int radioBand = 0)
    {
        radio.setByte(kBandOffset, QByteArray::fromHex(BandCode(radioBand))[0]);
    }

    WriteSequence::Steps steps(bool backup, bool verify) const
    {
        WriteSequence::Steps steps;
        if (backup)
            steps.backupPath = [this](int band) { return dir.filePath(BandText(band) + u".DAT"_s); };
        steps.verify = verify;
        return steps;
    }

    /// Makes the radio acknowledge the block at address while it keeps one byte of its own.
    void forgetByte(int address)
    {
        effects.onSend = [this, address](const QByteArray &frame) {
            QByteArray heard = frame;
            const int block = address & ~0x0F;
            if (frame.size() == 20 && frame[0] == 'W' && ((uchar(frame[1]) << 8) | uchar(frame[2])) == block)
                heard[4 + address - block] = radio.at(address, 1)[0];
            radio.hear(heard);
        };
    }

    QTemporaryDir dir;
    WriteSequence sequence{engine, effects};
};

} // namespace

TEST(WriteSequence, shouldSaveWhatTheRadioHeldBeforeWritingIntoIt)
{
    SequenceRig rig(3);
    const QByteArray before = rig.radio.memory();
    rig.effects.band = 3;
    ASSERT_TRUE(rig.sequence.start(rig.steps(true, false)));
    rig.runToEnd();
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    const QString backup = rig.dir.filePath(BandText(3) + u".DAT"_s);
    EXPECT_EQ(rig.sequence.result().backupPath, backup);
    EXPECT_EQ(fileContent(backup), CodePlanBytes(before.first(848).toHex().toUpper()));
    EXPECT_EQ(rig.radio.readRequests.size(), 16);
    EXPECT_EQ(rig.radio.writtenBlocks, expectedWriteBlocks(false));
    // The read went into the sequence, not into the window.
    EXPECT_TRUE(rig.effects.decoded.isEmpty());
    EXPECT_FALSE(rig.effects.log.contains(u"select band 3"_s));
    EXPECT_EQ(rig.effects.statusText, LinkText::WriteDone);
}

TEST(WriteSequence, shouldKeepTheCommandsUntilTheLastStepHasEnded)
{
    SequenceRig rig;
    ASSERT_TRUE(rig.sequence.start(rig.steps(true, true)));
    rig.runToEnd();
    ASSERT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    EXPECT_EQ(rig.effects.log.count(u"commands disabled"_s), 3);
    EXPECT_FALSE(rig.effects.log.contains(u"commands enabled"_s));
    EXPECT_EQ(rig.effects.sent.count("E"), 3);
    rig.countDown();
    EXPECT_TRUE(rig.effects.commandsEnabled);
}

TEST(WriteSequence, shouldNameEachStepAsItStartsAmongTheStepsChosen)
{
    using Step = WriteSequence::Step;
    const struct
    {
        bool backup;
        bool verify;
        QList<WriteSequence::Stage> stages;
    } cases[] = {
        {true, true, {{Step::Backup, 1, 3}, {Step::Write, 2, 3}, {Step::Verify, 3, 3}}},
        {true, false, {{Step::Backup, 1, 2}, {Step::Write, 2, 2}}},
        {false, true, {{Step::Write, 1, 2}, {Step::Verify, 2, 2}}},
        {false, false, {{Step::Write, 1, 1}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "backup " << c.backup << ", verify " << c.verify);
        SequenceRig rig;
        QList<WriteSequence::Stage> stages;
        WriteSequence::Steps steps = rig.steps(c.backup, c.verify);
        steps.stageStarted = [&](const WriteSequence::Stage &stage) {
            EXPECT_EQ(rig.sequence.stage(), stage);
            stages << stage;
        };
        ASSERT_TRUE(rig.sequence.start(steps));
        rig.runToEnd();
        EXPECT_EQ(stages, c.stages);
        EXPECT_EQ(rig.sequence.stage(), WriteSequence::Stage());
    }
}

TEST(WriteSequence, shouldAskTheBandQuestionOnlyWhenTheRadioOnTheCableHasAnotherBand)
{
    const struct
    {
        int radioBand;
        int planBand;
        bool answer;
        int questions;
        LinkOutcome outcome;
    } cases[] = {
        {2, 2, false, 0, LinkOutcome::Success},
        {0, 2, false, 1, LinkOutcome::Refused},
        {2, 0, false, 1, LinkOutcome::Refused},
        {5, 1, true, 1, LinkOutcome::Success},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "radio " << c.radioBand << ", plan " << c.planBand);
        SequenceRig rig(c.radioBand);
        rig.effects.band = c.planBand;
        rig.effects.onQuestion = [&] { return c.answer; };
        ASSERT_TRUE(rig.sequence.start(rig.steps(true, false)));
        rig.runToEnd();
        EXPECT_EQ(rig.effects.questions, c.questions);
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({c.outcome}));
        EXPECT_EQ(rig.radio.writtenBlocks.isEmpty(), c.outcome == LinkOutcome::Refused);
        EXPECT_EQ(rig.effects.band, c.planBand);
    }
}

TEST(WriteSequence, shouldWriteNothingWhenTheBackupReadFails)
{
    SequenceRig rig;
    rig.effects.onSend = [&](const QByteArray &frame) {
        rig.radio.silent = rig.radio.readRequests.size() >= 5;
        rig.radio.hear(frame);
    };
    ASSERT_TRUE(rig.sequence.start(rig.steps(true, true)));
    rig.runToEnd();
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
    EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
    EXPECT_TRUE(QDir(rig.dir.path()).isEmpty());
    EXPECT_FALSE(rig.sequence.running());
}

TEST(WriteSequence, shouldNeitherBackUpNorWriteWhenALoneAcknowledgementStandsInForABlock)
{
    for (const int block : {0x0010, 0x0210, 0x03D0}) {
        SCOPED_TRACE(block);
        SequenceRig rig;
        rig.radio.setFault({RadioFault::AckRead, 0, block});
        ASSERT_TRUE(rig.sequence.start(rig.steps(true, true)));
        rig.runToEnd();
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
        EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
        EXPECT_TRUE(QDir(rig.dir.path()).isEmpty());
        EXPECT_TRUE(rig.sequence.result().backupPath.isEmpty());
        EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
        EXPECT_EQ(rig.sequence.result().radioMemory, WriteSequence::RadioMemory::Unchanged);
    }
}

TEST(WriteSequence, shouldKnowWhatTheRadioHoldsWhenItStopsAnswering)
{
    using RadioMemory = WriteSequence::RadioMemory;
    const struct
    {
        const char *name;
        std::function<bool(const RadioLine &)> silentFrom; ///< true once the radio is to fall silent
        RadioMemory memory;
        bool backupSaved;
    } cases[] = {
        {"in the backup read", [](const RadioLine &r) { return r.readRequests.size() >= 5; },
         RadioMemory::Unchanged, false},
        {"at the write's handshake", [](const RadioLine &r) { return r.ends >= 1; }, RadioMemory::Unchanged,
         true},
        {"in the write", [](const RadioLine &r) { return r.writtenBlocks.size() >= 10; },
         RadioMemory::MaybePartlyWritten, true},
        {"before the first block is acknowledged",
         [](const RadioLine &r) { return r.ends >= 1 && r.acknowledgements >= 20; },
         RadioMemory::MaybePartlyWritten, true},
        {"in the read-back", [](const RadioLine &r) { return r.readRequests.size() >= 20; },
         RadioMemory::Written, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SequenceRig rig;
        rig.effects.onSend = [&](const QByteArray &frame) {
            rig.radio.silent = c.silentFrom(rig.radio);
            rig.radio.hear(frame);
        };
        // The message is shown while the sequence still runs: what the radio holds is known by then.
        std::optional<RadioMemory> whenShown;
        rig.effects.onMessage = [&](LinkText) { whenShown = rig.sequence.result().radioMemory; };
        ASSERT_TRUE(rig.sequence.start(rig.steps(true, true)));
        rig.runToEnd();
        EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
        EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::CommunicationError}));
        EXPECT_EQ(whenShown, c.memory);
        EXPECT_EQ(rig.sequence.result().radioMemory, c.memory);
        EXPECT_EQ(rig.sequence.result().backupSaved(), c.backupSaved);
    }
}

TEST(WriteSequence, shouldWriteNothingWhenTheBackupCannotBeSaved)
{
    SequenceRig rig;
    // A file where the backup's folder would have to be.
    QFile blocker(rig.dir.filePath(u"taken"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WriteSequence::Steps steps;
    steps.backupPath = [&](int) { return blocker.fileName() + u"/backup.DAT"_s; };
    ASSERT_TRUE(rig.sequence.start(steps));
    rig.runToEnd();
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Failed}));
    EXPECT_TRUE(rig.sequence.result().backupError.has_value());
    EXPECT_EQ(rig.effects.statusText, LinkText::BackupFailed);
    EXPECT_TRUE(writeBlockAddresses(rig.effects.sent).isEmpty());
}

TEST(WriteSequence, shouldCompareExactlyTheWrittenBlocksWithWhatWasSent)
{
    const struct
    {
        bool service;
        int forgotten; ///< the radio keeps its own byte here; 0 for a faithful radio
        std::optional<int> firstDifference;
    } cases[] = {
        {false, 0, std::nullopt}, {true, 0, std::nullopt}, {false, 0x0203, 0x0203}, {false, 0x035F, 0x035F},
        {false, 0x0010, 0x0010},  {true, 0x018A, 0x018A},  {false, 0x01B7, 0x01B7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "service " << c.service << ", forgotten " << c.forgotten);
        SequenceRig rig;
        rig.effects.service = c.service;
        if (c.forgotten)
            rig.forgetByte(c.forgotten);
        ASSERT_TRUE(rig.sequence.start(rig.steps(false, true)));
        rig.runToEnd();
        // The radio's own areas read back otherwise than the image; they were not written.
        EXPECT_EQ(rig.sequence.result().firstDifference, c.firstDifference);
        EXPECT_EQ(rig.effects.outcomes,
                  QList<LinkOutcome>({c.firstDifference ? LinkOutcome::Failed : LinkOutcome::Success}));
        EXPECT_EQ(rig.effects.statusText,
                  c.firstDifference ? LinkText::VerifyMismatch : LinkText::WriteVerified);
        EXPECT_EQ(rig.radio.readRequests.size(), 16);
        EXPECT_TRUE(rig.effects.decoded.isEmpty());
    }
}

TEST(WriteSequence, shouldBeAPlainWriteWithoutBackupOrVerify)
{
    SequenceRig rig;
    ASSERT_TRUE(rig.sequence.start(rig.steps(false, false)));
    rig.runToEnd();
    EXPECT_EQ(rig.effects.outcomes, QList<LinkOutcome>({LinkOutcome::Success}));
    EXPECT_TRUE(rig.radio.readRequests.isEmpty());
    EXPECT_EQ(rig.radio.writtenBlocks, expectedWriteBlocks(false));
    EXPECT_EQ(rig.effects.statusText, LinkText::WriteDone);
}

TEST(WriteSequence, shouldStartNothingWhileAnOperationRuns)
{
    SequenceRig rig;
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_FALSE(rig.sequence.start(rig.steps(true, true)));
    EXPECT_FALSE(rig.sequence.running());
    rig.runToEnd();
    // The read that ran reached the window as every read does.
    EXPECT_EQ(rig.effects.decoded.size(), 1);
}

TEST(WriteSequence, shouldShowThePortNotOpenMessageAndStartNothing)
{
    SequenceRig rig;
    rig.effects.portOpen = false;
    EXPECT_FALSE(rig.sequence.start(rig.steps(true, true)));
    EXPECT_EQ(rig.effects.messages, QList<LinkText>({LinkText::PortNotOpen}));
    EXPECT_FALSE(rig.sequence.running());
}

TEST(BackupName, shouldNameTheBackupByDateTimeAndBand)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 30, 5));
    EXPECT_EQ(BackupFileName(when, 0), u"2026-12-08_143005_400-480MHz.DAT"_s);
    EXPECT_TRUE(BackupFileName(when, 1).startsWith(u"2026-12-08_143005_"_s));
    EXPECT_NE(BackupFileName(when, 1), BackupFileName(when, 0));
    EXPECT_TRUE(DefaultBackupFolder().endsWith(u"/backups"_s));
    EXPECT_TRUE(DefaultBackupPath(0).startsWith(DefaultBackupFolder() + QLatin1Char('/')));
}
