#include "storabletext.h"

namespace vm280 {

QString StorableText(const QString &text)
{
    QString storable;
    storable.reserve(text.size());
    // A character beyond U+00FE, or either half of a surrogate pair, has no byte of its own.
    for (QChar c : text) {
        if (c.unicode() < 0xFF)
            storable += c;
    }
    return storable;
}

} // namespace vm280
