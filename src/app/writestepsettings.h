#pragma once

namespace vm280 {

/// Whether a write first saves what the radio held and afterwards reads it back, as remembered in
/// the user's settings (`[Write]` of vm280/vm280.ini). Both are on unless turned off; a stored
/// value that is no yes or no counts as never stored.
struct WriteStepSettings
{
    bool backup = true;
    bool verify = true;

    static WriteStepSettings load();
    void save() const;
};

} // namespace vm280
