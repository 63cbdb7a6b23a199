#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace opencc {
class SimpleConverter;
}

namespace vm280 {

/// Simplified-to-Traditional Chinese conversion through one OpenCC configuration, character by
/// character: every character maps to exactly one character, so a text keeps its length, and
/// letters, digits, punctuation and Traditional characters come back unchanged. Converting a
/// converted text changes nothing. Meant for one thread (the window's).
class TraditionalConverter
{
public:
    /// Opens the configuration at configPath and the dictionaries it names.
    explicit TraditionalConverter(const QString &configPath);
    ~TraditionalConverter();
    TraditionalConverter(const TraditionalConverter &) = delete;
    TraditionalConverter &operator=(const TraditionalConverter &) = delete;

    /// Why the configuration could not be opened; nothing when the converter works.
    const std::optional<QString> &problem() const { return m_problem; }

    /// The Traditional form of simplified; simplified itself when the converter does not work.
    QString convert(QStringView simplified) const;

private:
    char32_t mapped(char32_t character) const;
    char32_t mappedOnce(char32_t character) const;

    std::unique_ptr<opencc::SimpleConverter> m_converter;
    std::optional<QString> m_problem;
    mutable QHash<char32_t, char32_t> m_cache; ///< every character met so far and its mapping
};

} // namespace vm280
