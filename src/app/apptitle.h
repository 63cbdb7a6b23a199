#pragma once

#include <QString>

namespace vm280 {

/// The product title: the title of message boxes shown without one, the name of the code plan
/// file filter, and the start of the main window's title after a save.
QString ApplicationTitle();

} // namespace vm280
