#pragma once

#include <QString>
#include <QStringList>

namespace vm280 {

/// The OpenCC configuration the tool ships: the Simplified-to-Traditional character table only,
/// no phrases. The dictionary it names is taken from beside it, else from OpenCC's own data.
QString TraditionalConfigName();

/// Where the configuration is looked for, best first: beside the program, then the install
/// prefix (<program dir>/../share/vm280/opencc), then vm280/opencc in the system's data folders.
/// The environment variable VM280_OPENCC_CONFIG, when set and not empty, names the one file to
/// use instead (for packagers and tests).
QStringList TraditionalConfigCandidates();

} // namespace vm280
