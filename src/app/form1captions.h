#pragma once

#include "image/language.h"

class QWidget;

namespace vm280 {

class ChannelTableModel;

/// Writes the main window's title, menus, grid headers, toolbar tips, frames, labels and list
/// entries in Simplified Chinese (mode 0) or English (any other mode). Lists keep their length:
/// entries are replaced by position, so a list still empty stays empty.
void ApplyForm1Captions(QWidget *form1, ChannelTableModel *grid, Language language);

} // namespace vm280
