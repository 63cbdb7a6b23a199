#pragma once

#include <QLatin1StringView>

namespace vm280::PlanJsonKeys {

// The member names of a JSON plan; the stores keep the names the tool gives them.
inline constexpr QLatin1StringView kFormat{"format"};
inline constexpr QLatin1StringView kVersion{"version"};
inline constexpr QLatin1StringView kBand{"band"};
inline constexpr QLatin1StringView kChannels{"channels"};
inline constexpr QLatin1StringView kSelectors{"selectors"};
inline constexpr QLatin1StringView kOptionTexts{"OptionTexts"};
inline constexpr QLatin1StringView kDtmfSettings{"DtmfSettings"};
inline constexpr QLatin1StringView kKeyPf1{"KeyPf1"};
inline constexpr QLatin1StringView kKeyPf2{"KeyPf2"};
inline constexpr QLatin1StringView kPowerTrimHigh{"PowerTrimHigh"};
inline constexpr QLatin1StringView kPowerTrimLow{"PowerTrimLow"};
inline constexpr QLatin1StringView kAutoDialMemories{"AutoDialMemories"};
inline constexpr QLatin1StringView kTestFrequencies{"TestFrequencies"};
inline constexpr QLatin1StringView kEmbeddedTexts{"EmbeddedTexts"};

// Channel members and their words.
inline constexpr QLatin1StringView kChannel{"channel"};
inline constexpr QLatin1StringView kRxFrequency{"rxFrequency"};
inline constexpr QLatin1StringView kRxTone{"rxTone"};
inline constexpr QLatin1StringView kTxFrequency{"txFrequency"};
inline constexpr QLatin1StringView kTxTone{"txTone"};
inline constexpr QLatin1StringView kPower{"power"};
inline constexpr QLatin1StringView kForbid{"forbid"};
inline constexpr QLatin1StringView kBandwidth{"bandwidth"};
inline constexpr QLatin1StringView kScanAdd{"scanAdd"};
inline constexpr QLatin1StringView kToneOff{"off"};

// Test frequency members.
inline constexpr QLatin1StringView kRx{"rx"};
inline constexpr QLatin1StringView kTx{"tx"};

/// The two words of each choice, entry 0 first.
inline constexpr QLatin1StringView kPowerWords[] = {QLatin1StringView("low"), QLatin1StringView("high")};
inline constexpr QLatin1StringView kForbidWords[] = {QLatin1StringView("off"), QLatin1StringView("carrier")};
inline constexpr QLatin1StringView kBandwidthWords[] = {QLatin1StringView("narrow"),
                                                        QLatin1StringView("wide")};

} // namespace vm280::PlanJsonKeys
