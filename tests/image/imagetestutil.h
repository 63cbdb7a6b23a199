#pragma once

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>

namespace vm280::test {

/// A memory image under construction: 848 bytes of 0xFF, some set by the test.
class ImageBytes
{
public:
    ImageBytes() : m_bytes(848, char(0xFF)) {}
    explicit ImageBytes(const QByteArray &hex) : m_bytes(QByteArray::fromHex(hex)) {}

    ImageBytes &set(int offset, std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            m_bytes[offset++] = char(b);
        return *this;
    }
    int at(int offset) const { return uchar(m_bytes[offset]); }
    QByteArray slice(int offset, int count) const { return m_bytes.mid(offset, count).toHex().toUpper(); }
    QByteArray hex() const { return m_bytes.toHex().toUpper(); }

private:
    QByteArray m_bytes;
};

/// Fills a channel row as the editor would, with the Simplified Chinese words.
inline void setChannel(CodePlan &plan, int row, const QString &rx, const QString &rxTone, const QString &tx,
                       const QString &txTone, int power = 1, int forbid = 0, int bandwidth = 1,
                       int scanAdd = 1)
{
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    auto &table = plan.channels;
    table.cell(row, 1) = rx;
    table.cell(row, 2) = rxTone;
    table.cell(row, 3) = tx;
    table.cell(row, 4) = txTone;
    const int choices[] = {power, forbid, bandwidth, scanAdd};
    for (int column = 5; column <= 8; ++column) {
        table.cell(row, column) = texts.forColumn(column)[choices[column - 5]];
        table.ChoiceIndex[row - 1][column - 2] = qint16(choices[column - 5]);
    }
}

} // namespace vm280::test
