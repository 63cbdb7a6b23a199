#pragma once

#include "link/writereport.h"
#include "link/writesequence.h"
#include "serial/linkcause.h"
#include "serial/portprobe.h"
#include "serial/portslots.h"
#include "serial/seriallink.h"

#include <QPointer>
#include <functional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace vm280 {

class ElidedLabel;

/// The main window's controls that a read or write drives.
struct LinkControls
{
    QLabel *status = nullptr;
    QProgressBar *progress = nullptr;
    QLabel *stage = nullptr;           ///< beside the progress bar: the step of a write sequence
    ElidedLabel *lastResult = nullptr; ///< in the status bar: how the last read or write ended, and when
    QToolBar *toolbar = nullptr;
    QMenu *programmingMenu = nullptr;
    QAction *read = nullptr;
    QAction *write = nullptr;
    QGroupBox *bandFrame = nullptr;
    QComboBox *bandSelector = nullptr;
};

/// What a read or write needs of the plan the window shows.
struct LinkPlanAccess
{
    std::function<QByteArray()> encode;
    std::function<void(const QByteArray &)> decode;
    std::function<void(int)> selectBandWithoutPrompt;
    std::function<bool()> serviceMode;
};

/// Runs reads and writes for the main window over its serial port: the engine's effects become
/// the window's status label, progress bar, commands and message boxes.
class LinkController : public SerialLink
{
    Q_OBJECT

public:
    LinkController(const LinkControls &controls, const LinkPlanAccess &plan, QObject *parent = nullptr);

    /// The serial ports behind COM1 to COM20, as last detected.
    const PortSlots &portSlots() const { return m_slots; }
    /// Asks the system again which ports there are (the port is closed first).
    void detectSlots();
    /// The device of the port the user chose last (its identity), empty when none was chosen.
    QString rememberedDevice() const;
    /// Closes the port and opens the one of slot portNumber; a port that cannot be opened is
    /// left closed (the read and write commands then say so).
    void openSlot(int portNumber);
    /// The user chose slot portNumber: it is opened, and its device remembered.
    void choosePort(int portNumber);
    /// The detection (probes, COM1 first) opened no port: the port-not-open message then names
    /// the remembered slot's device and why it did not open, or else the first device there is.
    void noPortOpened(const QList<SlotProbe> &probes, int portNumber);

    /// A search for the radio on ports takes every port: the port is closed, and the read and
    /// write commands wait until endSearch, which opens the port of the slot that was open again.
    void beginSearch(const PortSlots &ports);
    void endSearch();
    /// Whether the commands that use the port are enabled (no operation, batch or search runs).
    bool commandsEnabled() const { return m_commandsEnabled; }

    /// Writes the plan; with backup the radio is first read and what it held saved in the
    /// backups folder, with verify it is read back and compared with what was written.
    bool startWrite(bool backup, bool verify);
    /// Writes the plan of image (a code plan file's, such as a backup) instead of the plan shown,
    /// with backup and verify as startWrite; the plan shown stays as it is.
    bool startRestore(const QByteArray &image, bool backup, bool verify);
    /// Reads the radio without changing the plan shown; radioRead gives what it holds.
    bool startCompareRead();
    /// Shows the step of a running write and the last result again, in the language now chosen.
    void applyCaptions();

    void setStatusText(LinkText text) override;
    void setStatusVisible(bool visible) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(int value) override;
    void setCommandsEnabled(bool enabled) override;
    void prepareForOperation() override;
    void showMessage(LinkText text) override;
    bool askBandQuestion() override;
    void closeBandQuestion() override;
    QByteArray encodeImage() override;
    void decodeImage(const QByteArray &hex) override;
    int bandSelectorIndex() const override;
    void selectBandWithoutPrompt(int index) override;
    bool serviceMode() const override;
    void operationEnded(LinkOutcome outcome) override;

signals:
    void ended(vm280::LinkOutcome outcome);
    /// A read into the plan shown, or a write of it, succeeded: the radio holds that plan.
    void planMatchesRadio();
    /// A read for comparing succeeded: image is the radio's memory.
    void radioRead(const QByteArray &image);
    /// The commands that use the port were enabled or disabled.
    void commandsEnabledChanged(bool enabled);

private:
    /// What the running operation works on.
    enum class Job {
        Plan,    ///< the plan shown: read into it, or write it
        Restore, ///< write another plan's image
        Compare, ///< read the radio into an image of its own
    };

    bool startSequence(bool backup, bool verify);
    void reportWriteSteps();
    void showStage();
    void showLastResult();
    void portWentAway();

    LinkControls m_controls;
    LinkPlanAccess m_plan;
    PortSlots m_slots;
    WriteSequence m_sequence{engine(), *this};
    bool m_writing = false;
    Job m_job = Job::Plan;
    QByteArray m_jobImage; ///< Restore: the image written; Compare: the image read
    int m_jobBand = 0;     ///< the band of m_jobImage
    bool m_commandsEnabled = true;
    int m_openSlot = 0; ///< the slot whose port was opened last; 0 when none is

    /// Why the port is not open, when it is not: the port-not-open message says so.
    std::optional<LinkCause> m_portCause;
    int m_questionLevel = 0; ///< the message box level the band question opened at
    LinkText m_shownText = LinkText::CommunicationError; ///< the last text the operation running showed
    std::optional<LinkResult> m_lastResult;
};

} // namespace vm280
