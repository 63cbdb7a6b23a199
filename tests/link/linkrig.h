#pragma once

#include "fakelinkeffects.h"
#include "link/linkengine.h"
#include "radioline.h"

#include <QByteArray>

namespace vm280::test {

/// An engine wired to a recording window and the simulated radio. The radio's answers wait on the line
/// until the rig delivers them, as queued port notifications would.
struct LinkRig
{
    LinkRig()
    {
        effects.onSend = [this](const QByteArray &frame) { radio.hear(frame); };
    }

    /// Hands every waiting notification to the engine, including answers to frames sent meanwhile.
    void deliver()
    {
        while (!radio.line.isEmpty())
            engine.receive(radio.line.takeFirst());
    }

    /// Delivers answers and lets Timer1 tick whenever the line is quiet, until the operation is
    /// over. Returns the number of Timer1 ticks it took.
    int runToEnd()
    {
        int ticks = 0;
        for (deliver(); effects.outcomes.isEmpty() && ticks < 100; deliver()) {
            engine.timer1Tick();
            ++ticks;
        }
        return ticks;
    }

    /// Lets Timer2 tick until the engine stops it; returns the number of ticks.
    int countDown()
    {
        int ticks = 0;
        while (effects.timer2 && ticks < 100) {
            engine.timer2Tick();
            ++ticks;
        }
        return ticks;
    }

    FakeLinkEffects effects;
    RadioLine radio;
    LinkEngine engine{effects};
};

/// The frames among those sent that are write blocks, by address.
inline QList<int> writeBlockAddresses(const QList<QByteArray> &sent)
{
    QList<int> addresses;
    for (const QByteArray &frame : sent) {
        if (frame.size() == 20 && frame[0] == 'W')
            addresses << ((uchar(frame[1]) << 8) | uchar(frame[2]));
    }
    return addresses;
}

} // namespace vm280::test
