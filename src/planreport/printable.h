#pragma once

#include <QString>
#include <QStringView>

namespace vm280::cli {

/// text with every character a terminal would not show as itself written as an escape: a line
/// break as "\n", a tab as "\t", other control and format characters as "\xHH" or "\u{HHHH}".
/// Whatever the command line echoes from a file (an embedded text, a CSV cell, a file name) goes
/// through here, so that the file cannot move the cursor, recolour or rewrite the terminal.
QString Printable(QStringView text);

} // namespace vm280::cli
