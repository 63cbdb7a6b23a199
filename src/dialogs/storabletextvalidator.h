#pragma once

#include <QValidator>

namespace vm280 {

/// Keeps a line edit to the characters the radio's text fields can hold one byte each:
/// any other character, typed or pasted, is dropped as it arrives.
class StorableTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;

signals:
    /// Characters were dropped from a text.
    void dropped() const;
};

} // namespace vm280
