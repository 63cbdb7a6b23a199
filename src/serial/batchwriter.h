#pragma once

#include "linkcause.h"
#include "seriallink.h"

#include "link/linkeffectsrelay.h"
#include "link/writesequence.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

namespace vm280 {

/// Programs radio after radio with one plan over one cable. The dealer plugs a radio in, the
/// batch notices it, writes it (with the backup and the read-back the options ask for), reports
/// the result, waits until the radio is unplugged and then until the next one answers.
///
/// Between radios the line is probed about once a second: the handshake word, and when the
/// radio acknowledges it the end byte, which lets the radio out of programming mode at once.
/// The radio just written is first left alone for a whole interval, so that one still busy
/// after its end byte is not taken for gone and then for the next radio; after that the first
/// probe it leaves unanswered means it was unplugged. A swap must therefore take longer than
/// about one and a half intervals, which any swap by hand does.
///
/// The plan, its band and service mode are taken when the batch starts: every radio gets the
/// same image whatever happens to the plan meanwhile. While the batch runs it is the engine's
/// effects: the link's status label and progress show the radio being written, its commands
/// stay disabled, and no message box is shown; the band question is asked at most once.
class BatchWriter : public QObject, public LinkEffectsRelay
{
    Q_OBJECT

public:
    enum class Stage {
        Idle,             ///< no batch runs
        WaitingForRadio,  ///< probing until a radio answers
        Writing,          ///< the write sequence runs on a radio
        WaitingForUnplug, ///< probing until the radio written stops answering
    };

    /// Why the last batch ended.
    enum class Ending {
        CountReached, ///< the radios asked for are done
        Stopped,      ///< stop() ended it
        PortLost,     ///< the port went away (a cable or adapter pulled out)
    };

    struct Options
    {
        /// The backup file for the band of the radio read; no backup when empty.
        std::function<QString(int radioBand)> backupPath;
        bool verify = false;
        /// The batch ends after this many radios; 0 for no end but stop().
        int count = 0;
        /// From the start of one probe to the next; a new radio is noticed within this time.
        std::chrono::milliseconds probeInterval{1000};
        /// How long a probe waits for the acknowledgement.
        std::chrono::milliseconds answerWindow{500};
    };

    /// How one radio of the batch ended.
    struct RadioResult
    {
        int number = 0; ///< 1 for the first radio of the batch
        QString port;   ///< the device of the cable it was written on
        QDateTime started;
        QDateTime ended;
        LinkOutcome outcome = LinkOutcome::Failed;
        bool verified = false;          ///< read back and found equal to what was sent
        std::optional<LinkText> reason; ///< why the radio failed
        std::optional<LinkCause> cause; ///< what the line showed, when the radio stopped answering
        WriteSequence::Result steps;    ///< the backup saved, the first address read back otherwise
        std::chrono::nanoseconds elapsed{};
        SerialLink::LineCounts line; ///< bytes of this radio's write sequence

        bool succeeded() const { return outcome == LinkOutcome::Success; }
    };

    /// Every radio is either written (and then also verified when the read-back was asked for)
    /// or failed: refused by the band question, not answering, its backup not saved, or holding
    /// other data than was written.
    struct Tally
    {
        int written = 0;
        int verified = 0;
        int failed = 0;

        int radios() const { return written + failed; }
        Tally &operator+=(const Tally &other);
    };

    /// The link provides the plan written and shows the progress.
    explicit BatchWriter(SerialLink &link, QObject *parent = nullptr);
    ~BatchWriter() override;

    /// Starts probing for the first radio; false when nothing started: the port is closed (the
    /// link was shown the port-not-open message) or an operation or a batch is running.
    bool start(Options options);
    /// Ends the batch: at once when no radio is being written, else after that radio.
    void stop();

    Stage stage() const { return m_stage; }
    bool stopRequested() const { return m_stopRequested; }
    Ending ending() const { return m_ending; }
    const Tally &tally() const { return m_tally; }

    void setCommandsEnabled(bool enabled) override;
    void showMessage(LinkText text) override;
    bool askBandQuestion() override;
    QByteArray encodeImage() override;
    void decodeImage(const QByteArray &hex) override;
    int bandSelectorIndex() const override;
    void selectBandWithoutPrompt(int index) override;
    bool serviceMode() const override;
    void operationEnded(LinkOutcome outcome) override;

signals:
    void stageChanged(vm280::BatchWriter::Stage stage);
    /// A radio was written or failed; tally() already counts it.
    void radioDone(const vm280::BatchWriter::RadioResult &result);
    /// The batch is over: its count reached, stopped, or the cable gone.
    void finished();

private:
    void setStage(Stage stage);
    void probe();
    void probeReceived(const QByteArray &bytes);
    void probeAnswered(bool answered);
    void scheduleProbe();
    void beginRadio();
    void cableLost();
    void finish();

    SerialLink &m_link;
    WriteSequence m_sequence;
    Options m_options;
    Stage m_stage = Stage::Idle;
    Tally m_tally;
    QByteArray m_image;
    int m_band = 0;
    bool m_serviceMode = false;
    std::optional<bool> m_bandAnswer;
    std::optional<LinkText> m_message;
    QElapsedTimer m_radioClock;
    QDateTime m_radioStarted;
    QElapsedTimer m_probeClock;
    QTimer m_probeTimer;
    QTimer m_answerTimer;
    bool m_probing = false;
    bool m_commandsBack = true;
    bool m_radioWaiting = false;
    bool m_stopRequested = false;
    bool m_cableGone = false;
    Ending m_ending = Ending::CountReached;
};

} // namespace vm280
