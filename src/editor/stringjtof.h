#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

/// The Traditional Chinese form of a Simplified Chinese text, character by character: the text
/// keeps its length, and letters, digits, punctuation and Traditional characters are left alone.
/// The character table is opened once, at the first call. Without a working table the text
/// comes back as it is, in Simplified Chinese.
QString StringJtoF(QStringView simplified);

/// Why Traditional Chinese cannot be produced (the table's configuration or dictionary is
/// missing or broken); nothing when it can. The answer does not change while the program runs.
std::optional<QString> TraditionalChineseProblem();

} // namespace vm280
