#pragma once

#include "editor/tonerules.h"
#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QString>

namespace vm280::test {

using namespace Qt::StringLiterals;

/// A plan that uses every kind of channel and a value other than the start-up one in every
/// store, filled as the editor fills it (Simplified Chinese words). tests/data/rich.DAT holds
/// it as saved by the tool.
inline CodePlan richPlan()
{
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    struct Row
    {
        int row;
        const char *rx, *rxTone, *tx, *txTone;
        int power, forbid, bandwidth, scanAdd;
    };
    // Tones are list texts; "" is off.
    const Row rows[] = {
        {1, "450.01250", "", "455.01250", "67.0", 1, 0, 1, 1},
        {2, "451.00000", "D023N", "451.00000", "D023N", 0, 0, 0, 0},
        {3, "452.50625", "254.1", "452.50625", "254.1", 1, 1, 1, 1},
        {5, "460.00000", "D754I", "", "", 0, 0, 1, 1},
        {8, "489.99375", "100.0", "489.99375", "D445I", 1, 0, 0, 1},
        {16, "450.00000", "", "489.00000", "", 0, 0, 0, 0},
    };
    CodePlan plan;
    plan.band = 1; // 450-490MHz
    auto &table = plan.channels;
    for (const Row &r : rows) {
        table.cell(r.row, 1) = QString::fromLatin1(r.rx);
        table.cell(r.row, 3) = QString::fromLatin1(r.tx);
        for (const auto &[column, tone] : {std::pair{2, r.rxTone}, std::pair{4, r.txTone}}) {
            const QString text = QString::fromLatin1(tone);
            const bool hasFrequency = !table.cell(r.row, column - 1).isEmpty();
            table.cell(r.row, column) = text.isEmpty() && hasFrequency ? texts.toneOff : text;
            table.ChoiceIndex[r.row - 1][column - 2] =
                qint16(text.isEmpty() ? 0 : ToneListIndex(text, texts.toneOff));
        }
        const int choices[] = {r.power, r.forbid, r.bandwidth, r.scanAdd};
        for (int column = 5; column <= 8; ++column) {
            table.cell(r.row, column) = texts.forColumn(column)[choices[column - 5]];
            table.ChoiceIndex[r.row - 1][column - 2] = qint16(choices[column - 5]);
        }
    }
    plan.selectors = {0, 39, 10, 9, 0, 0};
    const char *options[24] = {"a",
                               "b",
                               "-1",
                               "2",
                               "7",
                               "0",
                               "10",
                               "5",
                               "0",
                               "0",
                               "2",
                               "16",
                               "91",
                               "45",
                               "3",
                               "ID12345678",
                               "*123#ABCD0123456",
                               "END",
                               "300",
                               "-1",
                               "x y",
                               "",
                               "0",
                               "0"};
    for (int i = 0; i < 24; ++i)
        plan.OptionTexts[i] = QString::fromLatin1(options[i]);
    plan.DtmfSettings = {3, 2, 1000, 3, 16, 0, 6, 15};
    plan.KeyPf1 = 11;
    plan.KeyPf2 = 6;
    plan.PowerTrimHigh = 255;
    plan.PowerTrimLow = 0;
    plan.AutoDialMemories = {"0123456789ABCD*#", "", "911", "A", "B", "C", "D", "*0#"};
    plan.TestFrequencies[0][0] = "136.00000";
    plan.TestFrequencies[0][5] = "438.01250";
    plan.TestFrequencies[1][5] = "438.51250";
    plan.TestFrequencies[1][15] = "999.99999";
    plan.EmbeddedTexts = {u"Café (Zürich) 123456789012345678"_s, "Line two"};
    return plan;
}

} // namespace vm280::test
