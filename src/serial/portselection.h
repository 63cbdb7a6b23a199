#pragma once

#include <QList>
#include <QString>

namespace vm280 {

/// What the port detection settles on.
struct PortSelection
{
    int portNumber = 0;          ///< `PortNumber` afterwards
    int openedPort = 0;          ///< the port to open, 1 to 20; 0 for none
    bool buttonSelected = false; ///< the remembered port's option button is shown selected

    friend bool operator==(const PortSelection &, const PortSelection &) = default;
};

class PortSlots;

/// The slot the remembered port is in now: the slot of the device with the remembered identity
/// when a slot has it (the port list may have changed since it was chosen), else portNumber.
int RememberedSlot(const PortSlots &ports, int portNumber, const QString &identity);

/// The port detection's choice, from the remembered `PortNumber` and which of COM1 to COM20
/// opened (usable[0] is COM1): the remembered port if it opened, with its button selected;
/// else the first port that opened, which becomes `PortNumber`; else none, `PortNumber` as it was.
PortSelection SelectPort(int portNumber, const QList<bool> &usable);

} // namespace vm280
