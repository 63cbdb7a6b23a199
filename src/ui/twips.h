#pragma once

namespace vm280 {

/// Pixels for a size given in twips: 15 twips per pixel at 96 dpi, scaled with the screen's
/// logical resolution.
int TwipsToPixels(int twips);

} // namespace vm280
