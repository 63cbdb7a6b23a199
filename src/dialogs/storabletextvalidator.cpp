#include "storabletextvalidator.h"

#include "editor/storabletext.h"

namespace vm280 {

QValidator::State StorableTextValidator::validate(QString &input, int &pos) const
{
    const QString storable = StorableText(input);
    if (storable.size() != input.size()) {
        // The cursor stays behind the same character: move it back by what went before it.
        pos -= int(input.first(pos).size() - StorableText(input.first(pos)).size());
        input = storable;
        emit dropped();
    }
    return Acceptable;
}

} // namespace vm280
