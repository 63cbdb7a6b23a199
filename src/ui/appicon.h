#pragma once

#include <QIcon>

namespace vm280 {

/// The tool's icon (a handheld radio), from the pictures built into the program, so a window
/// shows it whether or not the tool is installed.
QIcon ApplicationIcon();

} // namespace vm280
