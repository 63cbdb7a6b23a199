#pragma once

#include "image/language.h"

#include <array>

class QWidget;

namespace vm280 {

class ChannelTableModel;

/// The labels of the function-setting lists, in the order of the Function Set settings.
inline constexpr std::array<const char16_t *, 6> kFunctionSetLabels{u"Label4", u"Label5", u"Label1",
                                                                    u"Label6", u"Label7", u"Label8"};

/// Writes the main window's title, menus, grid headers, toolbar tips, frames, labels and list
/// entries in Simplified Chinese (mode 0) or English (any other mode). Lists keep their length:
/// entries are replaced by position, so a list still empty stays empty.
void ApplyForm1Captions(QWidget *form1, ChannelTableModel *grid, Language language);

} // namespace vm280
