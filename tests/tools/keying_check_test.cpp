#include "tools/keying_check.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qs::tools {
namespace {

using C = LineChange;

// Nanosecond lines as the two recorders write them.
std::string usbLog(const std::vector<std::pair<long long, int>>& writes) {
    std::string log = "1000 open 0 -> 1\n";
    for (const auto& [ms, data] : writes) {
        log += std::to_string(ms * 1000000 + 250000) + " write 1 0 " + std::to_string(data) + "\n";
    }
    return log + "999000000000 close 1\n";
}

TEST(KeyingCheck, UsbLogRepeatsAndOtherCallsAreDropped) {
    std::istringstream log(usbLog({{0, 255}, {100, 254}, {160, 255}, {220, 255}, {400, 254}}));
    const auto changes = readKeyingLog(log, KeyingLogFormat::Usbif4cw, "RTS");
    ASSERT_EQ(changes.size(), 2u + 0u + 1u);
    EXPECT_EQ(changes[0].change, C::KeyDown);
    EXPECT_DOUBLE_EQ(changes[0].timeMs, 100.25);
    EXPECT_EQ(changes[1].change, C::KeyUp);
    EXPECT_EQ(changes[2].change, C::KeyDown);
}

TEST(KeyingCheck, ModemLinesFollowTheKeyLine) {
    const std::string text =
        "5000000 CLR RTS\n5000000 CLR DTR\n10000000 SET DTR\n110000000 SET RTS\n"
        "170000000 CLR RTS\ngarbage\n190000000 CLR DTR\n";
    std::istringstream rts(text);
    const auto keyedByRts = readKeyingLog(rts, KeyingLogFormat::ModemLines, "RTS");
    ASSERT_EQ(keyedByRts.size(), 4u);
    EXPECT_EQ(keyedByRts[0].change, C::PttOn);
    EXPECT_EQ(keyedByRts[1].change, C::KeyDown);
    EXPECT_EQ(keyedByRts[3].change, C::PttOff);
    std::istringstream dtr(text);
    const auto keyedByDtr = readKeyingLog(dtr, KeyingLogFormat::ModemLines, "DTR");
    EXPECT_EQ(keyedByDtr[0].change, C::KeyDown);
}

// "E" at 100/Min with a 100 ms lead: PTT, 100 ms, a 60 ms dot, PTT off 20 ms
// after the key-up.
TEST(KeyingCheck, IdealKeyingIsTheEnginesTimeline) {
    const auto ideal = idealKeying(u"E", 15, 100);
    ASSERT_EQ(ideal.size(), 4u);
    EXPECT_EQ(ideal[0].change, C::PttOn);
    EXPECT_DOUBLE_EQ(ideal[1].timeMs - ideal[0].timeMs, 100.0);
    EXPECT_DOUBLE_EQ(ideal[2].timeMs - ideal[1].timeMs, 60.0);
    EXPECT_DOUBLE_EQ(ideal[3].timeMs - ideal[2].timeMs, 20.0);
    EXPECT_EQ(idealKeying(u"PARIS", 15, 0).size(), 2u * 14u);

    const auto heavyDash = idealKeying(u"A", 15, 0, u"1823");  // dash 4.5 dots long
    const double dotMs = heavyDash[1].timeMs - heavyDash[0].timeMs;
    EXPECT_DOUBLE_EQ((heavyDash[3].timeMs - heavyDash[2].timeMs) / dotMs, 4.5);
}

TEST(KeyingCheck, ComparisonMeasuresIntervalsNotTheStart) {
    const auto ideal = idealKeying(u"A", 15, 0);  // dot, gap, dash
    std::vector<TimedChange> measured = ideal;
    for (TimedChange& change : measured) change.timeMs += 5000.0;
    measured[1].timeMs += 1.5;  // dot 1.5 ms long, gap 1.5 ms short
    const KeyingComparison result = compareKeying(measured, ideal);
    EXPECT_TRUE(result.sameSequence);
    EXPECT_EQ(result.elements.count, 2);
    EXPECT_DOUBLE_EQ(result.elements.worstMs, 1.5);
    EXPECT_DOUBLE_EQ(result.gaps.worstMs, 1.5);
    EXPECT_DOUBLE_EQ(result.elements.medianMs, 0.75);
    EXPECT_EQ(result.leadMs, -1.0);

    measured.pop_back();
    EXPECT_FALSE(compareKeying(measured, ideal).sameSequence);
}

TEST(KeyingCheck, NinetyNinthPercentileIsTheNearestRank) {
    std::vector<double> errors(200, 0.1);
    errors[0] = 3.0;
    errors[1] = 2.0;
    errors[2] = 1.0;
    const ErrorFigures figures = errorFigures(errors);
    EXPECT_DOUBLE_EQ(figures.percentile99Ms, 1.0);  // rank 198 of 200, the third worst
    EXPECT_DOUBLE_EQ(figures.worstMs, 3.0);
    EXPECT_DOUBLE_EQ(figures.medianMs, 0.1);
    EXPECT_EQ(figures.over2Ms, 1);  // 2.0 is within
    EXPECT_EQ(errorFigures({}).count, 0);
}

}  // namespace
}  // namespace qs::tools
