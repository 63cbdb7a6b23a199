#pragma once

namespace vm280 {

struct CodePlan;

/// Asks once before a plan whose channels lie outside its band is stored or sent (Save, Write,
/// Batch write): a band change the user refused keeps the channels made for the band before.
/// True when there are none, or the user goes on; false when the user cancels.
bool MaySendChannelsOutsideBand(const CodePlan &plan);

} // namespace vm280
