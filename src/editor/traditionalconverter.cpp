#include "traditionalconverter.h"

#include <Exception.hpp>
#include <QFile>
#include <QFileInfo>
#include <opencc.h>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// The character table holds one chain of two (苎 → 苧 → 薴); a longer one would be a broken table.
constexpr int kLongestChain = 4;

} // namespace

TraditionalConverter::TraditionalConverter(const QString &configPath)
{
    // OpenCC looks a missing configuration up in its own data folder, where the phrase-based
    // configurations live; checking first keeps it to the one file asked for.
    if (configPath.isEmpty() || !QFileInfo(configPath).isFile()) {
        m_problem = u"%1 not found"_s.arg(configPath);
        return;
    }
    try {
        m_converter = std::make_unique<opencc::SimpleConverter>(QFile::encodeName(configPath).toStdString());
    } catch (const opencc::Exception &error) {
        m_problem = u"%1: %2"_s.arg(configPath, QString::fromUtf8(error.what()));
    } catch (const std::exception &error) {
        m_problem = u"%1: %2"_s.arg(configPath, QString::fromUtf8(error.what()));
    }
}

TraditionalConverter::~TraditionalConverter() = default;

QString TraditionalConverter::convert(QStringView simplified) const
{
    if (!m_converter)
        return simplified.toString();
    QString traditional;
    traditional.reserve(simplified.size());
    for (qsizetype i = 0; i < simplified.size(); ++i) {
        const QChar unit = simplified[i];
        if (unit.isHighSurrogate() && i + 1 < simplified.size() && simplified[i + 1].isLowSurrogate()) {
            traditional += QChar::fromUcs4(mapped(QChar::surrogateToUcs4(unit, simplified[i + 1])));
            ++i;
        } else if (unit.isSurrogate()) {
            traditional += unit; // half a pair is no character: kept as it is
        } else {
            traditional += QChar::fromUcs4(mapped(unit.unicode()));
        }
    }
    return traditional;
}

char32_t TraditionalConverter::mapped(char32_t character) const
{
    if (character < 0x80)
        return character;
    if (const auto known = m_cache.constFind(character); known != m_cache.cend())
        return *known;
    // A few Traditional characters are the Simplified form of yet another one; following the
    // chain to its end is what keeps a second conversion from changing anything.
    char32_t result = character;
    for (int step = 0; step < kLongestChain; ++step) {
        const char32_t next = mappedOnce(result);
        if (next == result) {
            m_cache.insert(character, result);
            return result;
        }
        result = next;
    }
    m_cache.insert(character, character);
    return character;
}

char32_t TraditionalConverter::mappedOnce(char32_t character) const
{
    const QString text = QStringView(QChar::fromUcs4(character)).toString();
    try {
        const QList<uint> converted =
            QString::fromStdString(m_converter->Convert(text.toStdString())).toUcs4();
        // Anything but exactly one character would change the text's length: not taken.
        return converted.size() == 1 ? char32_t(converted.first()) : character;
    } catch (const opencc::Exception &) {
        return character;
    } catch (const std::exception &) {
        return character;
    }
}

} // namespace vm280
