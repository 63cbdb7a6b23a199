#pragma once

#include <QByteArrayView>

namespace vm280 {

/// The bytes of the radio's programming protocol that more than the engine puts on the line.
/// "JV-PROG" switches the radio into programming mode; it acknowledges with 0x06, and the end
/// byte closes the programming session again.
inline constexpr QByteArrayView kHandshake = "JV-PROG";
inline constexpr char kAcknowledge = 0x06;
inline constexpr char kEnd = 0x45;
/// The first byte of every write block, and of every read answer.
inline constexpr char kWriteCommand = 0x57;

} // namespace vm280
