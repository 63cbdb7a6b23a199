#include "writesequence.h"

#include "linkprotocol.h"
#include "writelist.h"

#include "image/choicetexts.h"
#include "image/codec.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

/// The first radio address among the written blocks where the read-back image differs from the
/// image sent (both hex text from 0x0010).
std::optional<int> firstDifference(const QByteArray &sent, const QByteArray &readBack, bool serviceMode)
{
    for (const int block : WriteBlocks(serviceMode)) {
        for (int address = block; address < block + kWriteBlockBytes; ++address) {
            const qsizetype digit = 2 * (address - kFirstBlock);
            if (sent.mid(digit, 2) != readBack.mid(digit, 2))
                return address;
        }
    }
    return std::nullopt;
}

} // namespace

WriteSequence::WriteSequence(LinkEngine &engine, LinkEffects &owner)
    : LinkEffectsRelay(owner), m_engine(engine), m_owner(owner)
{}

bool WriteSequence::start(Steps steps)
{
    if (running())
        return false;
    m_steps = std::move(steps);
    m_result = Result();
    m_engine.setEffects(*this);
    const bool started = begin(m_steps.backupPath ? Step::Backup : Step::Write);
    if (!started)
        m_engine.setEffects(m_owner);
    return started;
}

WriteSequence::Stage WriteSequence::stage() const
{
    const int backup = m_steps.backupPath ? 1 : 0;
    const int count = backup + 1 + (m_steps.verify ? 1 : 0);
    switch (m_step) {
    case Step::Backup:
        return {m_step, 1, count};
    case Step::Write:
        return {m_step, backup + 1, count};
    case Step::Verify:
        return {m_step, count, count};
    case Step::Idle:
        break;
    }
    return {};
}

bool WriteSequence::begin(Step step)
{
    const bool first = m_step == Step::Idle;
    m_step = step;
    m_readPlan.band = m_owner.bandSelectorIndex();
    m_readImage.clear();
    bool started = false;
    if (step == Step::Write)
        started = first ? m_engine.startWrite() : m_engine.chainWrite();
    else
        started = first ? m_engine.startRead() : m_engine.chainRead();
    if (!started)
        m_step = first ? Step::Idle : m_step;
    else if (m_steps.stageStarted)
        m_steps.stageStarted(stage());
    return started;
}

void WriteSequence::operationEnded(LinkOutcome outcome)
{
    if (outcome != LinkOutcome::Success) {
        end(outcome);
        return;
    }
    switch (m_step) {
    case Step::Backup:
        backupRead();
        break;
    case Step::Write:
        written();
        break;
    case Step::Verify:
        verified();
        break;
    case Step::Idle:
        break;
    }
}

void WriteSequence::backupRead()
{
    // A read image runs to 0x040F; a code plan file holds what a write could change and more.
    m_result.backupPath = m_steps.backupPath(m_readPlan.band);
    QFileInfo(m_result.backupPath).absoluteDir().mkpath(u"."_s);
    m_result.backupError = WriteCodePlanFile(m_result.backupPath, m_readImage.left(2 * kImageBytes));
    if (m_result.backupError)
        end(LinkOutcome::Failed, LinkText::BackupFailed);
    else if (!begin(Step::Write))
        end(LinkOutcome::Failed);
}

void WriteSequence::written()
{
    m_result.radioMemory = RadioMemory::Written;
    m_sentImage = m_engine.state().WriteImage;
    m_sentInServiceMode = m_owner.serviceMode();
    if (!m_steps.verify)
        end(LinkOutcome::Success);
    else if (!begin(Step::Verify))
        end(LinkOutcome::Failed);
}

void WriteSequence::verified()
{
    m_result.firstDifference = firstDifference(m_sentImage, m_readImage, m_sentInServiceMode);
    if (m_result.firstDifference)
        end(LinkOutcome::Failed, LinkText::VerifyMismatch);
    else
        end(LinkOutcome::Success, LinkText::WriteVerified);
}

void WriteSequence::end(LinkOutcome outcome, std::optional<LinkText> status)
{
    m_step = Step::Idle;
    m_result.outcome = outcome;
    m_engine.setEffects(m_owner);
    if (status)
        m_owner.setStatusText(*status);
    m_owner.operationEnded(outcome);
}

void WriteSequence::sendBytes(const QByteArray &frame)
{
    // The radio may store a block as soon as it has it, acknowledged or not.
    if (m_step == Step::Write && frame.startsWith(kWriteCommand))
        m_result.radioMemory = RadioMemory::MaybePartlyWritten;
    m_owner.sendBytes(frame);
}

void WriteSequence::setStatusText(LinkText text)
{
    // A read of the sequence is not the user's read: its success is not announced.
    if (!(reading() && text == LinkText::ReadDone))
        m_owner.setStatusText(text);
}

void WriteSequence::decodeImage(const QByteArray &hex)
{
    if (!reading()) {
        m_owner.decodeImage(hex);
        return;
    }
    m_readImage = hex;
    DecodeImage(m_readPlan, hex, ChoiceTexts::simplifiedChinese());
}

int WriteSequence::bandSelectorIndex() const
{
    // After a read the engine takes the band of the radio from here.
    return reading() ? m_readPlan.band : m_owner.bandSelectorIndex();
}

void WriteSequence::selectBandWithoutPrompt(int index)
{
    // The owner's plan keeps its band: only a read into it may change that.
    if (!reading())
        m_owner.selectBandWithoutPrompt(index);
}

} // namespace vm280
