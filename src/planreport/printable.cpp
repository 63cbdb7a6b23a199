#include "printable.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

QString escaped(char32_t character)
{
    switch (character) {
    case U'\n':
        return u"\\n"_s;
    case U'\r':
        return u"\\r"_s;
    case U'\t':
        return u"\\t"_s;
    default:
        break;
    }
    if (character <= 0xFF)
        return u"\\x%1"_s.arg(uint(character), 2, 16, QLatin1Char('0'));
    return u"\\u{%1}"_s.arg(uint(character), 4, 16, QLatin1Char('0'));
}

} // namespace

QString Printable(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        if (QChar::isPrint(character))
            result += QStringView(QChar::fromUcs4(character));
        else
            result += escaped(character);
    }
    return result;
}

} // namespace vm280::cli
