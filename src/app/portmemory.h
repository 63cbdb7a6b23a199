#pragma once

#include <QString>

namespace vm280 {

/// The device of the port the user chose last, by its identity (a USB adapter's serial number or
/// socket, see SystemPort), as remembered in the user's settings (`[Port]` of vm280/vm280.ini):
/// the port is found again when the port list has changed, where the slot number alone would
/// name another device. Empty when none was chosen.
QString RememberedPortDevice();
void RememberPortDevice(const QString &identity);

} // namespace vm280
