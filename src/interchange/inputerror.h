#pragma once

#include "editor/localtext.h"

namespace vm280 {

/// Why an imported file was refused, and where: line and column count from 1 (the column in
/// characters); line 0 stands for the file as a whole.
struct InputError
{
    int line = 1;
    int column = 1;
    BilingualText reason;
};

} // namespace vm280
