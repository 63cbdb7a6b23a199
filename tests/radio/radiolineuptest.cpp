#include "radio/radiolineup.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace std::chrono_literals;
using Time = RadioLineUp::Time;

namespace {

constexpr Time kStart = 7s;

LineUpOptions swapping(int unplugAfter, std::chrono::milliseconds swapTime, int radios = 0)
{
    LineUpOptions options;
    options.unplugAfter = unplugAfter;
    options.swapTime = swapTime;
    options.radios = radios;
    return options;
}

} // namespace

TEST(RadioLineUp, shouldKeepTheFirstRadioPluggedInWithoutUnplugging)
{
    RadioLineUp lineUp({});
    EXPECT_FALSE(lineUp.swaps());
    EXPECT_TRUE(RadioLineUp(swapping(50, 0ms)).swaps());
    for (int operation = 1; operation <= 50; ++operation)
        EXPECT_FALSE(lineUp.operationCompleted(kStart + operation * 1s)) << operation;
    EXPECT_TRUE(lineUp.pluggedIn());
    EXPECT_EQ(lineUp.radio(), 1);
    EXPECT_FALSE(lineUp.nextPlugIn().has_value());
    EXPECT_FALSE(lineUp.plugInIfDue(kStart + 1h));
}

TEST(RadioLineUp, shouldUnplugAfterTheOperationsAndPlugInTheNextRadioAfterTheSwapTime)
{
    enum Event { Operation, PlugIn };
    const struct
    {
        const char *name;
        Event event;
        Time at;
        bool result;    ///< what the call returned
        int radio;      ///< the radio on the cable (or pulled last) after it
        bool pluggedIn; ///< after it
    } cases[] = {
        {"radio 1 starts plugged in", PlugIn, kStart, false, 1, true},
        {"first operation", Operation, kStart + 1s, false, 1, true},
        {"second operation pulls it", Operation, kStart + 2s, true, 1, false},
        {"an operation of no radio counts for none", Operation, kStart + 2100ms, false, 1, false},
        {"just before the swap is over", PlugIn, kStart + 2299ms, false, 1, false},
        {"the swap is over", PlugIn, kStart + 2300ms, true, 2, true},
        {"plugged in only once", PlugIn, kStart + 2400ms, false, 2, true},
        {"radio 2 counts afresh", Operation, kStart + 3s, false, 2, true},
        {"radio 2 pulled", Operation, kStart + 4s, true, 2, false},
        {"late check plugs in radio 3", PlugIn, kStart + 9s, true, 3, true},
        {"radio 3 first operation", Operation, kStart + 10s, false, 3, true},
        {"radio 3 pulled", Operation, kStart + 11s, true, 3, false},
        {"no radio after the last", PlugIn, kStart + 1h, false, 3, false},
        {"the silent line counts nothing", Operation, kStart + 2h, false, 3, false},
    };
    RadioLineUp lineUp(swapping(2, 300ms, 3));
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const bool result =
            row.event == Operation ? lineUp.operationCompleted(row.at) : lineUp.plugInIfDue(row.at);
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(lineUp.radio(), row.radio);
        EXPECT_EQ(lineUp.pluggedIn(), row.pluggedIn);
    }
}

TEST(RadioLineUp, shouldTellWhenTheNextRadioIsDue)
{
    const struct
    {
        const char *name;
        LineUpOptions options;
        std::optional<Time> afterFirst;  ///< when the second radio is due once the first is pulled
        std::optional<Time> afterSecond; ///< when the third is, once the second is pulled
    } cases[] = {
        {"two seconds, no end", swapping(1, 2000ms), kStart + 2s, kStart + 13s},
        {"no swap time", swapping(1, 0ms), kStart, kStart + 11s},
        {"two radios", swapping(1, 300ms, 2), kStart + 300ms, std::nullopt},
        {"a single radio", swapping(1, 300ms, 1), std::nullopt, std::nullopt},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        RadioLineUp lineUp(row.options);
        EXPECT_FALSE(lineUp.nextPlugIn().has_value()) << "a radio is due while one is plugged in";
        ASSERT_TRUE(lineUp.operationCompleted(kStart));
        EXPECT_EQ(lineUp.nextPlugIn(), row.afterFirst);
        if (!row.afterFirst)
            continue;
        ASSERT_TRUE(lineUp.plugInIfDue(*row.afterFirst));
        EXPECT_FALSE(lineUp.nextPlugIn().has_value());
        ASSERT_TRUE(lineUp.operationCompleted(kStart + 11s));
        EXPECT_EQ(lineUp.nextPlugIn(), row.afterSecond);
    }
}

TEST(RadioLineUp, shouldGiveTheFaultOnlyToTheRadioNamed)
{
    const RadioFault silent{RadioFault::Silent};
    const struct
    {
        const char *name;
        int faultRadio;
        QList<RadioFault::Kind> kinds; ///< the fault of radios 1, 2, 3
    } cases[] = {
        {"every radio", 0, {RadioFault::Silent, RadioFault::Silent, RadioFault::Silent}},
        {"radio 1", 1, {RadioFault::Silent, RadioFault::None, RadioFault::None}},
        {"radio 2", 2, {RadioFault::None, RadioFault::Silent, RadioFault::None}},
        {"radio 3", 3, {RadioFault::None, RadioFault::None, RadioFault::Silent}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        LineUpOptions options = swapping(1, 0ms, 3);
        options.fault = silent;
        options.faultRadio = row.faultRadio;
        RadioLineUp lineUp(options);
        QList<RadioFault::Kind> kinds;
        for (Time at = kStart; lineUp.pluggedIn(); at += 1s) {
            kinds << lineUp.fault().kind;
            lineUp.operationCompleted(at);
            lineUp.plugInIfDue(at);
        }
        EXPECT_EQ(kinds, row.kinds);
    }
}

TEST(RadioLineUp, shouldKeepTheFaultsCountAndAddress)
{
    LineUpOptions options = swapping(1, 0ms);
    options.fault = {RadioFault::ForgetBlock, 0, 0x0200};
    options.faultRadio = 2;
    RadioLineUp lineUp(options);
    lineUp.operationCompleted(kStart);
    ASSERT_TRUE(lineUp.plugInIfDue(kStart));
    EXPECT_EQ(lineUp.fault().kind, RadioFault::ForgetBlock);
    EXPECT_EQ(lineUp.fault().address, 0x0200);
}

TEST(RadioLineUp, shouldNameEachRadiosSaveFileByItsNumber)
{
    const struct
    {
        const char *name;
        QString pattern;
        QStringList paths; ///< of radios 1, 2, 10
    } cases[] = {
        {"numbered", u"radio-%n.DAT"_s, {u"radio-1.DAT"_s, u"radio-2.DAT"_s, u"radio-10.DAT"_s}},
        {"number twice",
         u"/tmp/%n/r%n.DAT"_s,
         {u"/tmp/1/r1.DAT"_s, u"/tmp/2/r2.DAT"_s, u"/tmp/10/r10.DAT"_s}},
        {"one file for all", u"out.DAT"_s, {u"out.DAT"_s, u"out.DAT"_s, u"out.DAT"_s}},
        {"upper case is no number", u"r%N.DAT"_s, {u"r%N.DAT"_s, u"r%N.DAT"_s, u"r%N.DAT"_s}},
        {"no saving", QString(), {QString(), QString(), QString()}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        LineUpOptions options = swapping(1, 0ms);
        options.savePath = row.pattern;
        RadioLineUp lineUp(options);
        QStringList paths;
        for (int radio = 1; radio <= 10; ++radio) {
            ASSERT_EQ(lineUp.radio(), radio);
            if (radio == 1 || radio == 2 || radio == 10)
                paths << lineUp.savePath();
            lineUp.operationCompleted(kStart);
            lineUp.plugInIfDue(kStart);
        }
        EXPECT_EQ(paths, row.paths);
    }
}
