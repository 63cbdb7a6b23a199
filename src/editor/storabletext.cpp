#include "storabletext.h"

namespace vm280 {

// A character beyond U+00FE, or either half of a surrogate pair, has no byte of its own.
bool IsStorableCharacter(QChar c)
{
    return c.unicode() < 0xFF;
}

bool IsStorableDialCharacter(QChar c)
{
    return IsStorableCharacter(c) && c != u':';
}

QString StorableText(const QString &text)
{
    QString storable;
    storable.reserve(text.size());
    for (QChar c : text) {
        if (IsStorableCharacter(c))
            storable += c;
    }
    return storable;
}

} // namespace vm280
