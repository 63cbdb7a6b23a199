#pragma once

#include "channellist.h"
#include "planinterchange.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QString>
#include <optional>
#include <variant>

namespace vm280 {

/// The files channels can be taken from.
enum class ChannelFileFormat {
    ChirpCsv, ///< a CHIRP CSV channel list
    JsonPlan, ///< the tool's JSON plan
    CodePlan, ///< a code plan file (.DAT): another plan, or a backup of a radio
};

/// The format a file name says: ".csv", ".json" or ".dat", in any case; nothing for any other.
std::optional<ChannelFileFormat> ChannelFileFormatOf(const QString &path);

/// A file opened to take channels from: its rows, and for a plan (JSON or .DAT) the plan it
/// holds, whose settings may come along.
struct ChannelSource
{
    ChannelList list;
    std::optional<CodePlan> plan;
};

/// The channels of the file at path, read as format. A JSON plan is read on top of base (the
/// parts it lacks are base's), a .DAT plan decoded over base as Open decodes it; cells are in
/// the words of texts. A file that cannot be read or is refused gives the reason.
std::variant<ChannelSource, ImportError> ReadChannelSource(const QString &path, ChannelFileFormat format,
                                                           const CodePlan &base, const ChoiceTexts &texts);

} // namespace vm280
