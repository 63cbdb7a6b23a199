#pragma once

#include "link/writereport.h"
#include "link/writesequence.h"
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

    /// The serial ports behind COM1 to COM20.
    const PortSlots &portSlots() const { return m_slots; }
    /// Closes the port and opens the one of slot portNumber; a port that cannot be opened is
    /// left closed (the read and write commands then say so).
    void openSlot(int portNumber);

    /// Writes the plan; with backup the radio is first read and what it held saved in the
    /// backups folder, with verify it is read back and compared with what was written.
    bool startWrite(bool backup, bool verify);
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

private:
    LinkControls m_controls;
    void reportWriteSteps();
    void showStage();
    void showLastResult();

    LinkPlanAccess m_plan;
    PortSlots m_slots;
    WriteSequence m_sequence{engine(), *this};
    bool m_writing = false;
    int m_questionLevel = 0; ///< the message box level the band question opened at
    LinkText m_shownText = LinkText::CommunicationError; ///< the last text the operation running showed
    std::optional<LinkResult> m_lastResult;
};

} // namespace vm280
