#include "interchange/valuechecks.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

// What a check gave, in one line: "text", "text | warning" or "! fault".
std::string outcome(const CheckedValue &value)
{
    if (value.refused())
        return "! " + value.fault.english.toStdString();
    return (value.warning.isEmpty() ? value.text : value.text + " | " + value.warning.english).toStdString();
}

struct Row
{
    const char *input;
    const char *outcome;
};

} // namespace

TEST(ValueChecks, shouldTakeTypedFrequenciesAsTheEditorDoes)
{
    const Row rows[] = {
        {"438", "438.00000"},
        {" 438.0125 ", "438.01250"},
        {"438.012500", "438.01250"},
        {"438.013", "438.01250 | frequency 438.013 is off the raster, snapped down to 438.01250"},
        {"400", "400.00000"},
        {"480", "! frequency 480 is outside the band 400-480MHz"},
        {"399.99", "! frequency 399.99 is outside the band 400-480MHz"},
        {"4..38", "! frequency '4..38' is not a number"},
        {"", "! no frequency"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(outcome(ValueChecks::typedFrequency(QString::fromLatin1(row.input), 0)), row.outcome);
    }
    EXPECT_EQ(outcome(ValueChecks::typedFrequency(u"145.5", 5)), "145.50000");
}

TEST(ValueChecks, shouldKeepEveryFrequencyAnImageHolds)
{
    const Row rows[] = {
        {"438.01250", "438.01250"},
        {"438.0125", "438.01250"},
        {"438.00100", "438.00100 | frequency 438.00100 is off the 5 / 6.25 kHz raster"},
        {"480.50000", "480.50000 | frequency 480.50000 is outside the band 400-480MHz"},
        {"136", "136.00000 | frequency 136.00000 is outside the band 400-480MHz"},
        {"50", "050.00000 | frequency 050.00000 is outside the band 400-480MHz"},
        {"4A5.1F2F3", "4A5.1F2F3 | '4A5.1F2F3' holds raw memory digits, not a frequency"},
        {"FFF.FFF00", "FFF.FFF00 | 'FFF.FFF00' holds raw memory digits, not a frequency"},
        {"1000", "! frequency 1000 is not from 0 to 999.99999 MHz, all a channel can hold"},
        {"-1", "! frequency -1 is not from 0 to 999.99999 MHz, all a channel can hold"},
        {"4a5.1f2f3", "! frequency '4a5.1f2f3' is not a number"},
        {"abc", "! frequency 'abc' is not a number"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(outcome(ValueChecks::storedFrequency(QString::fromLatin1(row.input), 0)), row.outcome);
    }
    // Test frequencies belong to no band.
    EXPECT_EQ(outcome(ValueChecks::storedFrequency(u"050.00000", -1)), "050.00000");
}

TEST(ValueChecks, shouldTakeTypedTonesTheRadioCanStore)
{
    const Row rows[] = {
        {"", ""},
        {"67", "67.0"},
        {" 100.0 ", "100.0"},
        {"d23n", "D023N"},
        {"D0023N", "D023N"},
        {"D754I", "D754I"},
        {"100.1", "100.1 | tone 100.1 is not in the radio's tone list"},
        {"199.5", "199.5 | tone 199.5 is not in the radio's tone list"},
        {"D533N", "D533N | tone D533N is not in the radio's tone list"},
        {"D089N", "! tone D089N cannot be stored in the radio"},
        {"254.2", "! tone 254.2 is outside 67.0 to 254.1 Hz"},
        {"D23X", "! 'D23X' is not a tone"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(outcome(ValueChecks::typedTone(QString::fromLatin1(row.input))), row.outcome);
    }
}

TEST(ValueChecks, shouldKeepEveryToneTheDecoderShows)
{
    const Row rows[] = {
        {"67.0", "67.0"},
        {"D023I", "D023I"},
        {"100.1", "100.1 | tone 100.1 is not in the radio's tone list"},
        {"D533N", "D533N | tone D533N is not in the radio's tone list"},
        // Codes the encoder never writes read back as such texts; they stay as they are.
        {"D23N", "D23N | tone D23N is not in the radio's tone list; the radio gets it as D230N"},
        {"500.0", "500.0 | tone 500.0 is not in the radio's tone list; the radio gets it as off"},
        {".5", ".5 | tone .5 is not in the radio's tone list"},
        {"6553.4", "6553.4 | tone 6553.4 is not in the radio's tone list; the radio gets it as off"},
        {"100", "100.0"},
        {"d23n", "D023N"},
        {"067.0", "67.0"},
        {"D089N", "! tone D089N cannot be stored in the radio"},
        {"abc", "! 'ABC' is not a tone"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(outcome(ValueChecks::storedTone(QString::fromLatin1(row.input))), row.outcome);
    }
}
