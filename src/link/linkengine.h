#pragma once

#include "linkeffects.h"
#include "linkstate.h"

#include <QByteArrayView>

namespace vm280 {

/// What the line said during the operation that ran last: enough to tell why it failed.
struct LinkHearing
{
    bool answered = false;   ///< a byte arrived after the handshake word went out
    bool identified = false; ///< the radio identified itself as the model
    /// An identification answer that did not name the model, as it came: another radio.
    QByteArray otherModel;
    /// Bytes had arrived that were never accepted when the wait ran out: answers not understood.
    bool unaccepted = false;
    bool portLost = false; ///< the operation ended because the port went away
};

/// The stop-and-wait programming protocol of the radio: the PC sends one frame, and only the
/// radio's answer releases the next. The engine owns no port and no timer; the owner feeds it
/// received bytes and timer ticks and it acts through LinkEffects. Message boxes may run nested
/// event loops: the engine sets its state before it shows one, so ticks and bytes that arrive
/// meanwhile find it consistent.
class LinkEngine
{
public:
    explicit LinkEngine(LinkEffects &effects);

    /// The read and write commands. Return false when nothing started: the port is closed (the
    /// port-not-open message was shown) or the commands are disabled by a running operation.
    bool startRead();
    bool startWrite();
    /// Only the handshake and the identification, closed by the end byte as soon as the radio has
    /// identified itself: is a VM-280 on this line? Ends with success, or by timeout.
    bool startIdentify();
    /// Start the next operation of a sequence from operationEnded of an operation that ended
    /// with success or refusal, before its commands were given back: the commands stay disabled
    /// and the ended operation's blinking gives way to the new one. The radio's band stays as
    /// the ended operation recorded it. False when nothing started.
    bool chainRead();
    bool chainWrite();
    /// The effects from now on (a sequence interposes its own for its steps).
    void setEffects(LinkEffects &effects);

    /// A data notification of the port with every byte that was waiting.
    void receive(QByteArrayView bytes);
    /// A break notification of the port.
    void breakSignalled();
    void timer1Tick();
    void timer2Tick();
    /// The port disappeared (a cable pulled out): a running operation ends as by timeout.
    void portLost();

    const LinkState &state() const { return m_state; }
    LinkStage stage() const;
    /// What the line said since the last operation started.
    const LinkHearing &hearing() const { return m_hearing; }
    /// True while the band question waits for its answer.
    bool questionOpen() const { return m_questionOpen; }
    /// The band the radio was last read or written with, as it stood when the band question was
    /// last asked (the radio's band then becomes the band selected).
    int questionedRadioBand() const { return m_questionedRadioBand; }
    /// False from the start of an operation until its end has been shown: nothing can start.
    bool commandsEnabled() const { return m_commandsEnabled; }

private:
    bool start(char operationCode);
    bool chain(char operationCode);
    void handshakeAnswer();
    void transferAnswer();
    bool isReadAnswer() const;
    bool everyBlockAnswered() const;
    void accept();
    void send(const QByteArray &frame);
    void addProgress(int step, int limit);
    void writeStep();
    bool bandAccepted();
    void sendWriteBlock();
    void readStep();
    void finish(LinkText text, LinkOutcome outcome);
    void endByTimeout();
    void setCommandsEnabled(bool enabled);
    void setStatusVisible(bool visible);
    void setTimer1Enabled(bool enabled);
    void setTimer2Enabled(bool enabled);

    LinkEffects *m_effects;
    LinkState m_state;
    LinkHearing m_hearing;
    int m_progressValue = 0;
    bool m_statusVisible = true;
    bool m_commandsEnabled = true;
    bool m_timer1Enabled = false;
    bool m_timer2Enabled = false;
    bool m_questionOpen = false;
    int m_questionedRadioBand = 0;
    int m_identifyRequests = 0; ///< sent for lone acknowledgements in this handshake stage
};

} // namespace vm280
