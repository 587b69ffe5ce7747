// The keying engine's timing on a virtual clock, at the real send table.

#include <gtest/gtest.h>

#include "rx/morse_tables.h"
#include "tests/tx/keyer_trace.h"
#include "tx/keyer_timeline.h"

namespace qs::tx {
namespace {

using test::lineTrace;
using test::markSpaceTrace;
using test::periodsAfterTicks;
using Periods = std::vector<long long>;

constexpr TextView kLead100 = u"NMNNN1123CN5001218NNNN";

class KeyerTiming : public ::testing::Test {
protected:
    KeyerTimeline timeline{rx::patternFor};
    Keyer& keyer = timeline.keyer();
};

TEST_F(KeyerTiming, LetterEAndSpaceAtOneHundredPerMinute) {
    timeline.appendText(u"E ");
    // Fetch E (the start period stays), dot, (C - 1) units after the "2",
    // one unit at the next fetch, the word space (W - 4) units, then the end.
    EXPECT_EQ(periodsAfterTicks(timeline, 5), (Periods{57, 60, 120, 60, 180}));
    EXPECT_EQ(lineTrace(timeline), "114 down, 174 up");
    EXPECT_FALSE(timeline.receiveSettings().rxEnabled);
    timeline.tick();
    EXPECT_TRUE(timeline.receiveSettings().rxEnabled);
}

TEST_F(KeyerTiming, SecondSpaceInARowLastsWMinusOneUnits) {
    timeline.appendText(u"E  E ");
    // After a character the next word space is (W - 4) units again.
    EXPECT_EQ(periodsAfterTicks(timeline, 11),
              (Periods{57, 60, 120, 60, 180, 60, 360, 60, 60, 120, 60}));
    EXPECT_EQ(periodsAfterTicks(timeline, 1), (Periods{180}));
}

TEST_F(KeyerTiming, ShortestWordSpaceBecomesTenMilliseconds) {
    keyer.applyKeyingOptions(u"NMNNN1120NN5001218NNNN");  // W_Space 4.0
    timeline.appendText(u"E ");
    EXPECT_EQ(periodsAfterTicks(timeline, 5), (Periods{57, 60, 120, 60, 10}));
}

TEST_F(KeyerTiming, ElementCharacterAndWordGaps) {
    timeline.appendText(u"IT E");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(markSpaceTrace(timeline), "60 | 60 | 60 | 180 | 180 | 420 | 60");

    KeyerTimeline weighted(rx::patternFor);
    weighted.keyer().applyKeyingOptions(u"NMNNN3245NN5001218NNNN");  // 1.2, 3.2, 4.0, 9.0
    weighted.appendText(u"N E");
    ASSERT_TRUE(weighted.runUntilSent(10000));
    EXPECT_EQ(markSpaceTrace(weighted), "192 | 60 | 72 | 600 | 72");  // C + W - 3 units
}

TEST_F(KeyerTiming, PttLeadAndTail) {
    keyer.applyKeyingOptions(kLead100);
    timeline.appendText(u"E");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(lineTrace(timeline), "114 ptt-on, 214 down, 274 up, 294 ptt-off");
    // The tail, (C - 1) units less 20 ms, then one unit while idle.
    EXPECT_EQ(timeline.nowMs(), 394);
    EXPECT_EQ(periodsAfterTicks(timeline, 2), (Periods{60, 60}));
}

TEST_F(KeyerTiming, TextAppendedDuringTheTailStartsANewLead) {
    keyer.applyKeyingOptions(kLead100);
    timeline.appendText(u"E");
    timeline.runUntil(274);
    timeline.appendText(u"T");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(lineTrace(timeline),
              "114 ptt-on, 214 down, 274 up, 294 ptt-off, "
              "454 ptt-on, 554 down, 734 up, 754 ptt-off");
}

TEST_F(KeyerTiming, TrailingWordSpaceLeavesTheLineAndEndsWithTheTail) {
    keyer.applyKeyingOptions(kLead100);
    timeline.appendText(u"E ");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    // Word space at 274 + 120 + 60; PTT off 20 ms later, then a 160 ms tail.
    EXPECT_EQ(lineTrace(timeline), "114 ptt-on, 214 down, 274 up, 474 ptt-off");
    EXPECT_EQ(timeline.nowMs(), 634);
}

TEST_F(KeyerTiming, NothingHappensBeforeCaptureRuns) {
    timeline.setCaptureRunning(false);
    timeline.appendText(u"E");
    timeline.runUntil(10000);
    EXPECT_TRUE(timeline.events().empty());
    EXPECT_EQ(keyer.sendPos(), 4);
    EXPECT_EQ(timeline.titleRefreshes(), 0);
}

TEST_F(KeyerTiming, IdleTicksRefreshTheTitleEvery101Ticks) {
    periodsAfterTicks(timeline, 100);
    EXPECT_EQ(timeline.titleRefreshes(), 0);
    periodsAfterTicks(timeline, 102);
    EXPECT_EQ(timeline.titleRefreshes(), 2);
}

}  // namespace
}  // namespace qs::tx
