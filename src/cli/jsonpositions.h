#pragma once

#include "inputerror.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace vm280::cli {

/// Where each value of a JSON text begins, addressed by JSON pointer ("/channels/2/rxTone").
/// The parser of QJsonDocument reports only where a text fails to parse, yet a refused value
/// should be reported where it stands.
class JsonPositions
{
public:
    /// Scans text, which must be a document that QJsonDocument accepted.
    explicit JsonPositions(QByteArrayView text);

    /// The error at the value of pointer, or at its nearest enclosing value present in the text.
    InputError errorAt(QString pointer, const QString &reason) const;

    /// The error at a byte offset of text.
    static InputError errorAtOffset(QByteArrayView text, qsizetype offset, const QString &reason);

private:
    void scanValue(const QString &pointer);
    void scanObject(const QString &pointer);
    void scanArray(const QString &pointer);
    QString scanString();
    void skipSpace();

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    QHash<QString, qsizetype> m_offsets;
};

} // namespace vm280::cli
