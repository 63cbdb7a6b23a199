#pragma once

#include "pacedline.h"
#include "radiofault.h"

#include <QString>
#include <chrono>
#include <optional>

namespace vm280 {

/// How the simulated radios follow one another on the cable, as when a dealer programs a batch.
struct LineUpOptions
{
    int unplugAfter = 0;                      ///< complete operations before a radio is pulled; 0: never
    std::chrono::milliseconds swapTime{2000}; ///< from pulling one radio to plugging in the next
    int radios = 0;                           ///< radios in the line-up; 0: no end
    RadioFault fault;                         ///< the misbehaviour of the faulty radios
    int faultRadio = 0;                       ///< the one radio that has the fault; 0: every radio
    QString savePath;                         ///< code plan file after writes; "%n" is the radio's number
};

/// Which radio is on the cable and when the next one comes. Radios are numbered from 1; the
/// first is plugged in from the start. Times are points on the steady clock, given by the caller.
class RadioLineUp
{
public:
    using Time = PacedLine::Time;

    explicit RadioLineUp(LineUpOptions options);

    /// True when radios are pulled and swapped at all.
    bool swaps() const { return m_options.unplugAfter > 0; }
    /// The number of the radio plugged in, or of the one pulled last.
    int radio() const { return m_radio; }
    bool pluggedIn() const { return m_pluggedIn; }
    /// The fault of the radio plugged in (none for the healthy ones).
    RadioFault fault() const;
    /// Where the radio plugged in saves its memory; empty for no saving.
    QString savePath() const;

    /// Counts a complete operation of the radio plugged in, ended at the given time; true when
    /// that was its last and it is now unplugged.
    bool operationCompleted(Time at);
    /// The moment the next radio is due, while one is.
    std::optional<Time> nextPlugIn() const;
    /// Plugs in the next radio when it is due by now; true when it did.
    bool plugInIfDue(Time now);

private:
    LineUpOptions m_options;
    int m_radio = 1;
    bool m_pluggedIn = true;
    int m_completed = 0;
    Time m_unpluggedAt{0};
};

} // namespace vm280
