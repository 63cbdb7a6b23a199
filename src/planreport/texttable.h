#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vm280::cli {

/// Rows of texts set out in aligned columns for a terminal, where East Asian wide characters
/// (the Chinese captions) take two columns.
class TextTable
{
public:
    /// Adds a row; a character a terminal would not show as itself is shown escaped (Printable).
    void addRow(const QStringList &cells);

    /// The rows, one line each, every line starting with indent spaces; columns are two spaces
    /// apart and padded to their widest cell; no line ends in spaces.
    QString toString(int indent = 0) const;

    /// Terminal columns text takes: two for a wide character, one for any other.
    static int displayWidth(QStringView text);

private:
    QList<QStringList> m_rows;
};

} // namespace vm280::cli
