#pragma once

#include "linktext.h"

#include <QByteArray>

namespace vm280 {

/// How a read or write ended.
enum class LinkOutcome {
    Success, ///< every block moved and the end byte sent
    Refused, ///< the band question was answered No
    Failed,  ///< the radio did not answer in time, or the port went away
};

/// What the link engine does to the world around it: the serial line, the main window's controls
/// and timers, the memory image. The main window implements it for the user, the command line for
/// scripts, and the tests with a recorder. What is only shown (the status label, the progress, the
/// commands, the message boxes) does nothing unless a class shows it; the line, the timers, the
/// plan and the band question every class provides.
class LinkEffects
{
public:
    /// The progress bar's range is 0 to this value.
    static constexpr int kProgressMaximum = 460;

    virtual ~LinkEffects() = default;

    /// Writes one frame to the port, byte by byte in order. A failing write is ignored: the
    /// missing answer ends the operation by timeout.
    virtual void sendBytes(const QByteArray &frame) = 0;

    virtual void setStatusText(LinkText) {}
    virtual void setStatusVisible(bool) {}
    virtual void setProgressVisible(bool) {}
    virtual void setProgressValue(int) {}
    /// The toolbar, the programming menu and the read and write buttons.
    virtual void setCommandsEnabled(bool) {}
    /// An operation starts, before its first frame is sent.
    virtual void prepareForOperation() {}
    /// Timer1 ticks every 500 ms and bounds each wait for the radio.
    virtual void setTimer1Enabled(bool enabled) = 0;
    /// Timer2 ticks every 200 ms, blinks the status label and gives the commands back.
    virtual void setTimer2Enabled(bool enabled) = 0;

    /// Shows a message box with the text (LinkTextStyle gives its icon) and returns when it is
    /// dismissed. Ticks and received bytes keep reaching the engine meanwhile.
    virtual void showMessage(LinkText) {}
    /// Asks the band question; true for Yes. Ticks and received bytes keep reaching the engine
    /// while it is open.
    virtual bool askBandQuestion() = 0;
    /// The operation ended (the port went away) while the band question was open: the question
    /// is closed unanswered, before the end is shown. Its answer no longer counts. Nothing to do
    /// where the question holds everything up until it is answered.
    virtual void closeBandQuestion() {}

    /// The memory image (hex text) of the window's current content.
    virtual QByteArray encodeImage() = 0;
    /// Spreads an image read from the radio over the window; also selects the image's band.
    virtual void decodeImage(const QByteArray &hex) = 0;
    /// The band selector's current list index.
    virtual int bandSelectorIndex() const = 0;
    /// Sets the band selector (and the band the channel list belongs to) without the band-change
    /// prompt.
    virtual void selectBandWithoutPrompt(int index) = 0;
    /// True in service mode, where a write also sends the block at 0x0180.
    virtual bool serviceMode() const = 0;
    virtual bool portIsOpen() const = 0;

    /// Called once when an operation is over, after its end byte has been sent. The status label
    /// may still blink for a while after a success or a refusal.
    virtual void operationEnded(LinkOutcome outcome) = 0;
};

} // namespace vm280
