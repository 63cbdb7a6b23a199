#pragma once

#include <QStringView>
#include <optional>

namespace vm280 {

// Settings are kept as decimal texts and typed values arrive as text, so the codec and the
// editors need one consistent reading of "the number a text denotes".

/// The number at the start of text (optional blanks, sign, digits, one full stop, digits);
/// 0 when the text does not start with a number. "12abc" gives 12, "abc" gives 0.
double LeadingNumber(QStringView text);

/// The number that the whole text denotes (blanks around it allowed), or nothing when the text
/// is not a plain decimal number. "438.013" gives 438.013; "4..3", "" and "1e5" give nothing.
std::optional<double> ParseDecimal(QStringView text);

/// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
qint64 RoundHalfEven(double value);

} // namespace vm280
