#pragma once

#include "linkeffectsrelay.h"
#include "linkengine.h"

#include "image/codeplan.h"
#include "image/codeplanfile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace vm280 {

/// A write that keeps the dealer's work: it can first read the radio and save what the radio held
/// as a code plan file, and afterwards read the radio back and compare every block written with
/// what was sent. The steps run one after the other over one engine. While the sequence runs it
/// stands between the engine and the owner's effects: the reads go into the sequence's own plan,
/// never into the owner's, and the owner hears operationEnded once, when the sequence is over.
class WriteSequence : public LinkEffectsRelay
{
public:
    enum class Step { Idle, Backup, Write, Verify };

    /// The step running and its place among the steps of the sequence ("2 of 3").
    struct Stage
    {
        Step step = Step::Idle;
        int number = 0;
        int count = 0;

        friend bool operator==(const Stage &, const Stage &) = default;
    };

    struct Steps
    {
        /// The backup file for the band of the radio read (known only once it has been read);
        /// no backup read when empty.
        std::function<QString(int radioBand)> backupPath;
        bool verify = false; ///< read the radio back after the write
        /// Told as each step starts, so the window can name it beside the progress bar.
        std::function<void(const Stage &)> stageStarted;
    };

    /// What the radio holds of the plan.
    enum class RadioMemory {
        Unchanged,          ///< no write block has gone on the line
        MaybePartlyWritten, ///< write blocks went out, but the write did not end with success
        Written,            ///< every block was written and acknowledged
    };

    /// How the last sequence ended, beyond the outcome the owner was given.
    struct Result
    {
        LinkOutcome outcome = LinkOutcome::Failed;
        /// Kept up to date while the sequence runs, so a message shown on the way can tell it.
        RadioMemory radioMemory = RadioMemory::Unchanged;
        QString backupPath;                   ///< the backup saved, or the one that could not be
        std::optional<FileError> backupError; ///< the backup could not be saved: nothing written
        std::optional<int> firstDifference;   ///< verify: the first radio address read back otherwise

        bool backupSaved() const { return !backupPath.isEmpty() && !backupError; }
    };

    /// owner is the engine's effects; they are given back to the engine when a sequence ends.
    WriteSequence(LinkEngine &engine, LinkEffects &owner);

    /// Starts the first step; false when nothing started (the engine refused, see its start).
    bool start(Steps steps);
    bool running() const { return m_step != Step::Idle; }
    /// The step running now; Step::Idle between sequences.
    Stage stage() const;
    const Result &result() const { return m_result; }

    void sendBytes(const QByteArray &frame) override;
    void setStatusText(LinkText text) override;
    void decodeImage(const QByteArray &hex) override;
    int bandSelectorIndex() const override;
    void selectBandWithoutPrompt(int index) override;
    void operationEnded(LinkOutcome outcome) override;

private:
    bool reading() const { return m_step == Step::Backup || m_step == Step::Verify; }
    bool begin(Step step);
    void backupRead();
    void written();
    void verified();
    void end(LinkOutcome outcome, std::optional<LinkText> status = std::nullopt);

    LinkEngine &m_engine;
    LinkEffects &m_owner;
    Steps m_steps;
    Step m_step = Step::Idle;
    Result m_result;
    CodePlan m_readPlan;
    QByteArray m_readImage;
    QByteArray m_sentImage;
    bool m_sentInServiceMode = false;
};

} // namespace vm280
