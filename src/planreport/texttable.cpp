#include "texttable.h"

#include "printable.h"

#include <algorithm>

namespace vm280::cli {

namespace {

// The East Asian Wide and Fullwidth blocks: CJK ideographs and symbols, kana, Hangul, the
// full-width forms (the full-width colon of the captions among them).
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

void TextTable::addRow(const QStringList &cells)
{
    QStringList row;
    for (const QString &cell : cells)
        row << Printable(cell);
    m_rows << row;
}

int TextTable::displayWidth(QStringView text)
{
    const QList<uint> characters = text.toUcs4();
    return int(std::count_if(characters.cbegin(), characters.cend(), [](uint c) { return isWide(c); }) +
               characters.size());
}

QString TextTable::toString(int indent) const
{
    QList<int> widths;
    for (const QStringList &row : m_rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i == widths.size())
                widths << 0;
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    }
    QString text;
    for (const QStringList &row : m_rows) {
        QString line(indent, u' ');
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                line += QString(2, u' ');
            line += row[i] + QString(widths[i] - displayWidth(row[i]), u' ');
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

} // namespace vm280::cli
