#pragma once

#include "image/choicetexts.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace vm280 {

/// What the File commands need of the window that shows the plan.
struct PlanDocument
{
    std::function<QByteArray()> encode;             ///< the image of the plan shown
    std::function<void(const QByteArray &)> decode; ///< shows an opened image
    std::function<void()> clearChannels;            ///< New: empties the channels
    std::function<void(const QString &)> fileShown; ///< the plan was opened from or written to this file
    std::function<ChoiceTexts()> texts;             ///< the words the channel cells are shown in
    std::function<bool()> modified;                 ///< the plan changed since it was last kept
    std::function<bool()> mayStore;                 ///< asks before a doubtful plan is stored; false stops
    std::function<bool()>
        askToSave; ///< asks whether to save a modified plan before it is replaced; false stops
};

} // namespace vm280
