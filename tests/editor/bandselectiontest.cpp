#include "editor/bandselection.h"
#include "editor/doublepress.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(BandSelection, shouldAskOnlyWhenTheListBelongsToAnotherBand)
{
    BandSelection band;
    EXPECT_FALSE(band.selectionChanged(0));
    EXPECT_TRUE(band.selectionChanged(5));
    EXPECT_EQ(band.limits().BandLow, 136) << "the limits follow the band shown";
    EXPECT_EQ(band.BandIndex(), 0) << "refused: the list keeps its band";
    band.dropDown(5);
    EXPECT_FALSE(band.selectionChanged(5)) << "the shown band was taken when the list opened";
    EXPECT_TRUE(band.selectionChanged(6));
    band.confirm(6);
    EXPECT_EQ(band.BandIndex(), 6);
    EXPECT_EQ(band.limits().BandHigh, 720);
    band.selectWithoutPrompt(1);
    EXPECT_FALSE(band.selectionChanged(1));
    EXPECT_EQ(band.limits().BandLow, 450);
}

TEST(DoublePress, shouldCompleteOnlyWithinOneSecond)
{
    DoublePress presses;
    EXPECT_FALSE(presses.press(10'000));
    EXPECT_FALSE(presses.press(11'000)) << "a second apart only restarts the timing";
    EXPECT_TRUE(presses.press(11'999));
    EXPECT_FALSE(presses.press(12'100)) << "a completed double press starts over";
    presses.clear();
    EXPECT_FALSE(presses.press(12'200));
}
