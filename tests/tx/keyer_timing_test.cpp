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

TEST(KeyerTiming, PeriodsOfCharactersAndSpaces) {
    struct Case {
        TextView options;  // empty: the engine's defaults
        TextView text;
        Periods periods;
    };
    // Fetch E (the start period stays), dot, (C - 1) units after the "2", one
    // unit at the next fetch, the word space (W - 4) units. A second space in
    // a row lasts (W - 1) units; with W_Space 4.0 the word space is 10 ms.
    const Case cases[] = {
        {u"", u"E ", {57, 60, 120, 60, 180}},
        {u"", u"E  E ", {57, 60, 120, 60, 180, 60, 360, 60, 60, 120, 60, 180}},
        {u"NMNNN1120NN5001218NNNN", u"E ", {57, 60, 120, 60, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.options) + " \"" + toUtf8(c.text) + "\"");
        KeyerTimeline timeline(rx::patternFor);
        if (!c.options.empty()) timeline.keyer().applyKeyingOptions(c.options);
        timeline.appendText(c.text);
        EXPECT_EQ(periodsAfterTicks(timeline, static_cast<int>(c.periods.size())), c.periods);
        EXPECT_FALSE(timeline.receiveSettings().rxEnabled);
        timeline.tick();  // the end of the text
        EXPECT_TRUE(timeline.receiveSettings().rxEnabled);
    }
}

TEST(KeyerTiming, ElementCharacterAndWordGaps) {
    KeyerTimeline plain(rx::patternFor);
    plain.appendText(u"IT E");
    ASSERT_TRUE(plain.runUntilSent(10000));
    EXPECT_EQ(markSpaceTrace(plain), "60 | 60 | 60 | 180 | 180 | 420 | 60");

    KeyerTimeline weighted(rx::patternFor);
    weighted.keyer().applyKeyingOptions(u"NMNNN3245NN5001218NNNN");  // 1.2, 3.2, 4.0, 9.0
    weighted.appendText(u"N E");
    ASSERT_TRUE(weighted.runUntilSent(10000));
    EXPECT_EQ(markSpaceTrace(weighted), "192 | 60 | 72 | 600 | 72");  // C + W - 3 units
}

// Sends `text` with a 100 ms lead, and `later` from `laterAtMs` on: "114
// ptt-on, ..., 294 ptt-off; sent 394, idle 60" (when the text was sent and
// the period that follows).
std::string sentWithLead(TextView text, TextView later = u"", long long laterAtMs = 0) {
    KeyerTimeline timeline(rx::patternFor);
    timeline.keyer().applyKeyingOptions(kLead100);
    timeline.appendText(text);
    timeline.runUntil(laterAtMs);
    timeline.appendText(later);
    EXPECT_TRUE(timeline.runUntilSent(10000));
    const long long sentMs = timeline.nowMs();
    return lineTrace(timeline) + "; sent " + std::to_string(sentMs) + ", idle " +
           std::to_string(periodsAfterTicks(timeline, 1).front());
}

TEST(KeyerTiming, PttLeadAndTail) {
    // The tail is (C - 1) units less 20 ms after PTT off.
    EXPECT_EQ(sentWithLead(u"E"), "114 ptt-on, 214 down, 274 up, 294 ptt-off; sent 394, idle 60");
    EXPECT_EQ(sentWithLead(u"E", u"T", 274),
              "114 ptt-on, 214 down, 274 up, 294 ptt-off, "
              "454 ptt-on, 554 down, 734 up, 754 ptt-off; sent 854, idle 60");
    // Word space at 274 + 120 + 60; PTT off 20 ms later, then a 160 ms tail.
    EXPECT_EQ(sentWithLead(u"E "), "114 ptt-on, 214 down, 274 up, 474 ptt-off; sent 634, idle 60");
}

TEST(KeyerTiming, NothingBeforeCaptureRunsAndIdleTicksRefreshTheTitle) {
    KeyerTimeline timeline(rx::patternFor);
    timeline.setCaptureRunning(false);
    timeline.appendText(u"E");
    timeline.runUntil(10000);
    EXPECT_TRUE(timeline.events().empty());
    EXPECT_EQ(timeline.keyer().sendPos(), 4);
    EXPECT_EQ(timeline.titleRefreshes(), 0);

    KeyerTimeline idle(rx::patternFor);
    periodsAfterTicks(idle, 100);
    EXPECT_EQ(idle.titleRefreshes(), 0);
    periodsAfterTicks(idle, 102);
    EXPECT_EQ(idle.titleRefreshes(), 2);
}

// The keying timer holds only the ticks of a busy keyer to the millisecond:
// no tick that comes while it is idle may change a line, whatever is sent,
// with or without PTT, added or deleted while sending.
TEST(KeyerTiming, OnlyTicksOfABusyKeyerChangeLines) {
    struct Case {
        const char* name;
        TextView options;
        TextView text;
    };
    const Case cases[] = {
        {"no PTT", u"", u"CQ DE JA1ABC 5NN"},
        {"PTT lead", kLead100, u"E T  PARIS"},
        {"PTT through HamLog", u"NMENN1123CN5001218NHNN", u"TEST DE JA1ABC"},
        {"heavy weights", u"NMENN1934ANN5001218NNNN", u"K 73"},
    };
    for (const Case& c : cases) {
        KeyerTimeline timeline(rx::patternFor);
        timeline.setHamLog(true, true);
        if (!c.options.empty()) timeline.keyer().applyKeyingOptions(c.options);
        timeline.appendText(c.text);
        timeline.runUntil(timeline.nowMs() + 700);
        timeline.appendText(u" AGN");
        ASSERT_TRUE(timeline.runUntilSent(60000)) << c.name;
        timeline.appendText(u"PSE K");
        timeline.runUntil(timeline.nowMs() + 400);
        timeline.setTransmitText(u"TX> ");
        ASSERT_TRUE(timeline.runUntilSent(timeline.nowMs() + 60000)) << c.name;
        EXPECT_GT(timeline.lineEvents().size(), 40u) << c.name;
        EXPECT_EQ(timeline.lineChangesAfterIdle(), 0) << c.name;
    }
}

}  // namespace
}  // namespace qs::tx
