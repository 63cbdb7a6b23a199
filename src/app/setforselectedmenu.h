#pragma once

#include "image/language.h"

#include <QMenu>

namespace vm280 {

/// Edit > Set for selected (and the grid's context menu): the receive and transmit tone, and a
/// submenu for each choice column (power, transmit forbid, bandwidth, scan add) with its two
/// entries.
class SetForSelectedMenu : public QMenu
{
    Q_OBJECT

public:
    explicit SetForSelectedMenu(QWidget *parent = nullptr);

    /// The captions in language (Simplified Chinese or English): the grid's column headers and
    /// list words.
    void applyCaptions(Language language);

signals:
    /// A tone is to be asked for column (2 or 4).
    void toneAsked(int column);
    /// Entry index of column's list (5 to 8) was picked.
    void entryPicked(int column, int index);
};

} // namespace vm280
