#pragma once

#include <QString>
#include <optional>

namespace vm280 {

/// The two exchange formats: the tool's own JSON plan and CHIRP's generic CSV channel list.
enum class InterchangeFormat {
    Json,
    ChirpCsv,
};

/// The format a file name says: ".json" or ".csv", in any case; nothing for any other name.
std::optional<InterchangeFormat> InterchangeFormatOf(const QString &path);

} // namespace vm280
