#include "editor/servicegesture.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

// A clock the test moves by hand.
struct ManualClock
{
    qint64 now = 1000;
    ServiceGesture::Clock clock()
    {
        return [this] { return now; };
    }
};

} // namespace

TEST(ServiceGesture, shouldUnlockWhenTheThreeLabelsAreClickedWithinFiveSecondsInAnyOrder)
{
    ManualClock time;
    ServiceGesture gesture(time.clock());
    EXPECT_FALSE(gesture.click(2));
    time.now += 2000;
    EXPECT_FALSE(gesture.click(0));
    time.now += 3000; // exactly five seconds after the first click still counts
    EXPECT_TRUE(gesture.click(1));
    EXPECT_TRUE(gesture.unlocked());
}

TEST(ServiceGesture, shouldRestartTheGestureWithALateClick)
{
    ManualClock time;
    ServiceGesture gesture(time.clock());
    gesture.click(0);
    gesture.click(1);
    time.now += 5001;
    EXPECT_FALSE(gesture.click(2)); // too late: only label 2 counts now
    EXPECT_FALSE(gesture.unlocked());
    time.now += 1000;
    EXPECT_FALSE(gesture.click(0));
    EXPECT_TRUE(gesture.click(1));
}

TEST(ServiceGesture, shouldNotUnlockWithRepeatedClicksOnOneLabel)
{
    ManualClock time;
    ServiceGesture gesture(time.clock());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(gesture.click(1));
    EXPECT_FALSE(gesture.click(7)); // not a designated label
}

TEST(ServiceGesture, shouldForgetClicksAndUnlockWhenCleared)
{
    ManualClock time;
    ServiceGesture gesture(time.clock());
    gesture.click(0);
    gesture.click(1);
    gesture.click(2);
    gesture.clear();
    EXPECT_FALSE(gesture.unlocked());
    EXPECT_FALSE(gesture.click(2));
    EXPECT_FALSE(gesture.click(0));
    EXPECT_TRUE(gesture.click(1));
}
