#pragma once

#include "inputerror.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace vm280 {

/// Where a value of a JSON text begins, addressed by JSON pointer ("/channels/2/rxTone").
/// The parser of QJsonDocument reports only where a text fails to parse, yet a refused value
/// should be reported where it stands. Each lookup walks the text along the pointer and keeps
/// nothing, so a large document costs no memory beyond itself.
class JsonPositions
{
public:
    /// text must be a document that QJsonDocument accepted.
    explicit JsonPositions(QByteArrayView text) : m_text(text) {}

    /// The error at the value of pointer, or at its nearest enclosing value present in the text.
    InputError errorAt(const QString &pointer, const BilingualText &reason) const;

    /// The error at a byte offset of text.
    static InputError errorAtOffset(QByteArrayView text, qsizetype offset, const BilingualText &reason);

    /// The error at the first member whose name its object holds already ("channels/2/power: the
    /// member is given twice"), placed at that name; nothing when every name is unique.
    std::optional<InputError> firstDuplicateMember() const;

private:
    qsizetype offsetOf(const QStringList &segments) const;
    qsizetype memberValue(qsizetype pos, const QString &key) const;
    qsizetype elementValue(qsizetype pos, int index) const;
    qsizetype skipValue(qsizetype pos) const;
    qsizetype skipString(qsizetype pos) const;
    qsizetype skipSpace(qsizetype pos) const;

    QByteArrayView m_text;
};

} // namespace vm280
