#include "rx/key_detector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/rx/recording_canvas.h"
#include "tests/support/recording_text_sink.h"

namespace qs::rx {
namespace {

struct RecordingIndicators : ReceiveIndicators {
    void showRxSpeed(int cpm) override { speeds.push_back(cpm); }
    void moveRxSpeedSlider(int index) override { sliderMoves.push_back(index); }
    void showThreshold(int db) override { thresholds.push_back(db); }
    void showTone(int) override {}
    std::vector<int> speeds, sliderMoves, thresholds;
};

// The key detector with its display and decoder; a display 1000 pixels wide
// keeps the first 1600 hops away from a wrap.
struct Rig {
    explicit Rig(int displayWidth = 1000) : canvas(displayWidth, 91) {}

    // Hops whose level is exactly levelDb (-0.5 dB truncates back to it).
    void hops(int levelDb, int count) {
        const double magnitude = 256.0 * 32768.0 * std::pow(10.0, (levelDb - 0.5) / 20.0);
        for (int i = 0; i < count; ++i) detector.onHop(levelDb <= -90 ? 0.0 : magnitude);
    }

    ReceiveSettings settings;
    RecordingIndicators indicators;
    RecordingCanvas canvas;
    LevelDisplay levelDisplay{canvas};
    test::RecordingTextSink sink;
    Decoder decoder{settings, sink};
    KeyDetector detector{settings, indicators, levelDisplay, decoder};
};

constexpr int kMarkDb = -20;
constexpr int kSpaceDb = -80;

// Keys alternating space and mark lengths; the rank filter delays both edges
// alike.
void key(Rig& rig, const std::vector<int>& spaceMarkHops) {
    for (size_t i = 0; i < spaceMarkHops.size(); ++i) {
        rig.hops(i % 2 == 0 ? kSpaceDb : kMarkDb, spaceMarkHops[i]);
    }
    rig.hops(kSpaceDb, 10);
}

TEST(KeyDetector, LevelEqualToThresholdTogglesEveryHop) {
    Rig rig;
    rig.hops(-45, 9);
    const bool first = rig.detector.keyDown();
    for (int hop = 1; hop <= 10; ++hop) {
        rig.hops(-45, 1);
        EXPECT_EQ(rig.detector.keyDown(), hop % 2 == 0 ? first : !first);
    }
}

TEST(KeyDetector, RankFilterLeansTowardsTheMajority) {
    Rig rig;
    rig.hops(kSpaceDb, 20);
    rig.hops(0, 1);  // a single-hop spike vanishes
    EXPECT_EQ(rig.detector.signalLevelDb(), kSpaceDb);
    rig.hops(kMarkDb, 3);
    rig.hops(-45, 1);  // median equal to the threshold: second lowest
    EXPECT_EQ(rig.detector.signalLevelDb(), kSpaceDb);
    rig.hops(kMarkDb, 1);  // median above: second highest
    EXPECT_EQ(rig.detector.signalLevelDb(), kMarkDb);
}

TEST(KeyDetector, LongMarksAndSpacesCountOnFromOneThousand) {
    Rig rig;
    // The level history starts at 0 dB: silence reads as a mark for four hops.
    rig.hops(-90, 5);
    EXPECT_EQ(rig.detector.markHops(), 4);
    rig.hops(-90, 1999);
    EXPECT_EQ(rig.detector.spaceHops(), 2000);
    rig.hops(-90, 2);
    EXPECT_EQ(rig.detector.spaceHops(), 1001);
    rig.hops(kMarkDb, 5 + 1999);  // the rank filter delays the mark by four hops
    EXPECT_EQ(rig.detector.markHops(), 2000);
    rig.hops(kMarkDb, 1);
    EXPECT_EQ(rig.detector.markHops(), 1000);
}

TEST(KeyDetector, TwelfthMarkUpdatesSpeedAndLimitsOnlyWhenAutomatic) {
    Rig rig;
    rig.hops(kSpaceDb, 20);
    rig.settings.historyIndex = 0;
    rig.settings.letterEndEnabled = false;
    // About 148 per minute: dots 14, dashes 42, gaps 14 and 42.
    key(rig,
        {100, 14, 14, 42, 14, 42, 14, 14, 42, 14, 14, 42, 42, 14, 14, 42, 14, 42, 14, 42, 42, 14});
    EXPECT_EQ(rig.settings.historyIndex, 11);
    EXPECT_TRUE(rig.indicators.speeds.empty());
    key(rig, {14, 14});
    EXPECT_EQ(rig.settings.historyIndex, 0);
    EXPECT_EQ(rig.settings.dotDashLimit, 28);
    EXPECT_EQ(rig.settings.letterGapLimit, 28);
    EXPECT_EQ(rig.indicators.speeds, std::vector<int>{148});
    EXPECT_EQ(rig.indicators.sliderMoves, std::vector<int>{25});
    EXPECT_EQ(rig.settings.rxSpeedIndex, 25);
    EXPECT_TRUE(rig.settings.letterEndEnabled);

    rig.settings.speedAuto = false;  // a valid set at 124 per minute
    key(rig, {14, 20, 14, 20, 14, 20, 42, 60, 14, 60, 14, 60,
              42, 20, 14, 20, 14, 20, 42, 60, 14, 60, 14, 60});
    EXPECT_EQ(rig.settings.dotDashLimit, 28);
    EXPECT_EQ(rig.indicators.speeds.size(), 1u);
}

TEST(KeyDetector, AutomaticThresholdStaysWithinLimits) {
    for (int low = -90; low <= 0; low += 10) {
        for (int high = low; high <= 0; high += 10) {
            Rig rig;
            rig.hops(high, 20);  // past the start-up levels of 0 dB
            rig.settings.autoThreshold = true;
            rig.hops(high, 20);
            rig.hops(low, 20);
            rig.detector.onAutoThresholdSweep(101);
            const int expected = static_cast<int>((low * 1.2 + high) * 0.5);
            EXPECT_EQ(rig.settings.thresholdDb, std::clamp(expected, -75, -50));
        }
    }
}

TEST(KeyDetector, AutomaticThresholdNeedsItsSwitchALongSweepAndTheLatestRange) {
    Rig rig;
    rig.hops(0, 20);
    rig.detector.onAutoThresholdSweep(150);  // switched off
    rig.settings.autoThreshold = true;
    rig.hops(-60, 10);
    rig.detector.onAutoThresholdSweep(100);  // too short
    EXPECT_TRUE(rig.indicators.thresholds.empty());
    rig.detector.requestLevelRangeReset();  // the range restarts on request...
    rig.hops(-60, 10);
    rig.detector.onAutoThresholdSweep(150);
    EXPECT_EQ(rig.indicators.thresholds, std::vector<int>{-66});  // 0 dB forgotten
    rig.hops(-90, 20);
    rig.detector.onAutoThresholdSweep(150);  // ...and after each update
    EXPECT_EQ(rig.settings.thresholdDb, -75);  // -60 forgotten
}

TEST(KeyDetector, LevelDisplayWrapPacesTheAutomaticThreshold) {
    Rig rig(150);
    rig.settings.autoThreshold = true;
    rig.hops(-60, 1000);
    // The first hop wraps from 200; then every 300 hops.
    EXPECT_EQ(rig.canvas.fills, 4);
    EXPECT_EQ(rig.indicators.thresholds.size(), 4u);
    // The new sweep's threshold line shows the result: (-72 - 60) / 2.
    EXPECT_EQ(rig.canvas.linesOf(DisplayPen::Marker).back(),
              (DrawnLine{DisplayPen::Marker, 0, 66, 150, 66}));

    Rig narrow(100);
    narrow.settings.autoThreshold = true;
    narrow.hops(-60, 1000);
    EXPECT_EQ(narrow.canvas.fills, 5);  // hops 0, 200, ... 800
    EXPECT_EQ(narrow.indicators.thresholds.size(), 1u);
}

}  // namespace
}  // namespace qs::rx
