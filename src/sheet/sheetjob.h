#pragma once

#include <QString>

namespace vm280 {

/// What the dealer writes at the head of a channel sheet: the customer or job it was made for,
/// and a note. Both are optional.
struct SheetJob
{
    QString name;
    QString note;

    bool isEmpty() const { return name.trimmed().isEmpty() && note.trimmed().isEmpty(); }
    bool operator==(const SheetJob &) const = default;
};

} // namespace vm280
