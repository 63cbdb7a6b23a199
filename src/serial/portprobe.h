#pragma once

#include "portslots.h"
#include "radioport.h"

#include <QList>
#include <QString>
#include <optional>

namespace vm280 {

/// What the port detection found in one slot.
struct SlotProbe
{
    QString devicePath;                 ///< empty when the slot has no port
    std::optional<PortProblem> problem; ///< why the port did not open; none when it did or there is none

    /// The slot holds a port that opened.
    bool usable() const { return !devicePath.isEmpty() && !problem; }
};

/// Tries to open the port of every slot, COM1 to COM20 in order (each is closed again at once).
QList<SlotProbe> ProbePortSlots(const PortSlots &ports);

/// Which slots are usable, COM1 first: the input of SelectPort.
QList<bool> UsableSlots(const QList<SlotProbe> &probes);

} // namespace vm280
