// The parts of the adaptive decoder: the narrow filter, the recent audio, the
// tone search, the key slicer, the timing tracker and the letter reader.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rx/key_slicer.h"
#include "rx/letter_reader.h"
#include "rx/narrow_filter.h"
#include "rx/recent_audio.h"
#include "rx/timing_tracker.h"
#include "rx/tone_search.h"
#include "tests/support/recording_text_sink.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

constexpr double kHopMs = 1000.0 * kHopSamples / kSampleRate;

double sineAt(double hz, long n) {
    return 8000.0 * std::sin(2.0 * test::kPi * hz * n / kSampleRate);
}

// |output| after a second of a steady tone.
double filteredAmplitude(double oscillatorHz, double toneHz) {
    NarrowFilter filter;
    filter.setToneHz(oscillatorHz);
    filter.setLength(256);
    double hop[kHopSamples];
    double amplitude = 0.0;
    for (long h = 0; h < 344; ++h) {
        for (int i = 0; i < kHopSamples; ++i) hop[i] = sineAt(toneHz, h * kHopSamples + i);
        amplitude = std::abs(filter.hop(hop));
    }
    return amplitude;
}

TEST(NarrowFilter, PassesTheToneAtHalfItsPeakAndRejectsOneNearby) {
    EXPECT_NEAR(filteredAmplitude(600.0, 600.0), 4000.0, 40.0);
    EXPECT_NEAR(filteredAmplitude(600.0, 610.0), 4000.0, 800.0);  // within 2 dB
    EXPECT_LT(filteredAmplitude(600.0, 680.0), 4000.0 * 0.05);    // 80 Hz away: below -26 dB
    EXPECT_LT(filteredAmplitude(600.0, 900.0), 4000.0 * 0.01);
}

SampleBlock blockOf(double hzA, double amplitudeA, double hzB, double amplitudeB, long first,
                    test::WhiteNoise& noise) {
    SampleBlock block{};
    for (int i = 0; i < kBlockSamples; ++i) {
        const long n = first + i;
        block[i] = amplitudeA / 8000.0 * sineAt(hzA, n) + amplitudeB / 8000.0 * sineAt(hzB, n);
    }
    noise.add(block);
    return block;
}

// Audio kept past the ring's end, filtered again, gives what the live
// filter gave; its floor and marks' level come from the keyed levels.
TEST(RecentAudio, FiltersTheKeptHopsAgainAsTheyCameAfterTheRingWraps) {
    RecentAudio recent;
    NarrowFilter live;
    live.setToneHz(700.0);
    live.setLength(256);
    const long total = RecentAudio::kHops + 300;
    std::vector<double> liveDb;
    double hop[kHopSamples];
    for (long h = 0; h < total; ++h) {
        const bool keyDown = (h / 20) % 2 == 0;
        for (int i = 0; i < kHopSamples; ++i) {
            hop[i] = keyDown ? sineAt(700.0, h * kHopSamples + i) : 0.0;
        }
        recent.record(hop);
        liveDb.push_back(NarrowFilter::levelDb(live.hop(hop)));
    }
    EXPECT_EQ(recent.oldestKeptHop(), 300);
    const int count = RecentAudio::kHops;
    recent.refilter(recent.oldestKeptHop(), count, 700.0, 256);
    // The histories differ for two boxcars only (16 hops); the ring keeps floats.
    for (int k = 16; k < count; k += 7) {
        EXPECT_NEAR(recent.levelDb(k), liveDb[300 + k], 0.01) << k;
    }
    const RecentAudio::Levels levels = recent.levels();
    EXPECT_NEAR(levels.markDb, NarrowFilter::levelDb({4000.0, 0.0}), 0.5);
    EXPECT_LT(levels.floorDb, levels.markDb - 60.0);
}

TEST(ToneSearch, LocksOnTheStrongestToneAndLeavesNoiseAlone) {
    ToneSearch search;
    test::WhiteNoise noise(300.0, 5);
    long first = 0;
    for (int k = 0; k < 20; ++k, first += kBlockSamples) {
        search.update(blockOf(700.0, 0.0, 500.0, 0.0, first, noise), kMinToneBin, kMaxToneBin);
    }
    EXPECT_LT(search.prominenceDb(), 5.0);

    for (int k = 0; k < 20; ++k, first += kBlockSamples) {
        search.update(blockOf(700.0, 4000.0, 500.0, 2000.0, first, noise), kMinToneBin,
                      kMaxToneBin);
    }
    EXPECT_TRUE(search.locked());
    EXPECT_NEAR(search.toneHz(), 700.0, 6.0);
    EXPECT_GT(search.prominenceDb(), 20.0);
}

// A station twice as strong elsewhere takes over only after three blocks;
// a tone moving to the next bin is followed at once.
TEST(ToneSearch, FollowsADriftAndJumpsOnlyToAClearlyStrongerPeak) {
    ToneSearch search;
    test::WhiteNoise noise(100.0, 6);
    long first = 0;
    double hz = 600.0;
    for (int k = 0; k < 30; ++k, first += kBlockSamples, hz += 1.0) {
        search.update(blockOf(hz, 4000.0, 800.0, 3000.0, first, noise), kMinToneBin, kMaxToneBin);
        EXPECT_NEAR(search.toneHz(), hz, 12.0) << k;
    }
    int jumpedAfter = 0;
    for (int k = 1; k <= 30 && jumpedAfter == 0; ++k, first += kBlockSamples) {
        search.update(blockOf(hz, 1000.0, 800.0, 6000.0, first, noise), kMinToneBin, kMaxToneBin);
        if (std::abs(search.toneHz() - 800.0) < 12.0) jumpedAfter = k;
    }
    EXPECT_GE(jumpedAfter, 3);
    EXPECT_LE(jumpedAfter, 12);
}

// Before a signal is read the lock holds nothing: it goes to a stronger
// peak as soon as the average shows it, blocks before a held lock would.
TEST(ToneSearch, WithoutHoldingTheLockMovesToTheStrongestPeakAtOnce) {
    ToneSearch held, free;
    test::WhiteNoise noise(100.0, 7);
    long first = 0;
    for (int k = 0; k < 12; ++k, first += kBlockSamples) {
        const SampleBlock block = blockOf(500.0, 3000.0, 800.0, 0.0, first, noise);
        held.update(block, kMinToneBin, kMaxToneBin, true);
        free.update(block, kMinToneBin, kMaxToneBin, false);
    }
    ASSERT_NEAR(free.toneHz(), 500.0, 12.0);
    int heldMoved = 0, freeMoved = 0;
    for (int k = 1; k <= 20 && heldMoved == 0; ++k, first += kBlockSamples) {
        const SampleBlock block = blockOf(500.0, 1000.0, 800.0, 6000.0, first, noise);
        held.update(block, kMinToneBin, kMaxToneBin, true);
        free.update(block, kMinToneBin, kMaxToneBin, false);
        if (freeMoved == 0 && std::abs(free.toneHz() - 800.0) < 12.0) freeMoved = k;
        if (std::abs(held.toneHz() - 800.0) < 12.0) heldMoved = k;
    }
    EXPECT_GE(freeMoved, 1);
    EXPECT_LE(freeMoved + 2, heldMoved);
}

// Primed with the levels of recent audio, the slicer reads the very first
// mark and space at their lengths, with no marks to learn from first.
TEST(KeySlicer, PrimedFromKnownLevelsReadsTheFirstRuns) {
    KeySlicer slicer;
    slicer.prime(-70.0, -20.0);
    EXPECT_NEAR(slicer.thresholdDb(), -26.0, 0.5);
    struct Step {
        double levelDb;
        int hops;
    };
    std::vector<KeyRun> runs;
    for (const Step& step :
         {Step{-70, 40}, Step{-21, 30}, Step{-68, 12}, Step{-19, 10}, Step{-71, 40}}) {
        for (int k = 0; k < step.hops; ++k) {
            KeyRun run{};
            if (slicer.onHop(step.levelDb, 3, run)) runs.push_back(run);
        }
    }
    ASSERT_EQ(runs.size(), 4u);
    const int lengths[] = {40, 30, 12, 10};
    for (std::size_t k = 0; k < runs.size(); ++k) {
        EXPECT_EQ(runs[k].mark, k % 2 == 1) << k;
        EXPECT_EQ(runs[k].hops, lengths[k]) << k;
    }
}

// Marks and gaps of `elements` ("." and "-", " " between letters) at a unit
// in hops, with weight; with jitter every length is stretched on its own by
// up to that share either way, evenly spread.
void keyInto(TimingTracker& tracker, const std::string& elements, double unitHops,
             double weight = 0.5, double dashUnits = 3.0, double jitter = 0.0) {
    const double extra = (weight - 0.5) * 2.0 * unitHops;
    unsigned state = 2024;
    const auto stretched = [&](double hops) {
        state = state * 1103515245u + 12345u;
        const double even = ((state >> 16) % 1001) / 500.0 - 1.0;
        return static_cast<int>(std::lround(hops * (1.0 + jitter * even)));
    };
    bool first = true;
    int gapUnits = 1;
    for (const char c : elements) {
        if (c == ' ') {
            gapUnits = 3;
            continue;
        }
        if (!first) tracker.onGap(stretched(gapUnits * unitHops - extra));
        const double units = c == '-' ? dashUnits : 1.0;
        tracker.onMark(stretched(units * unitHops + extra));
        first = false;
        gapUnits = 1;
    }
}

double unitHopsAt(double cpm) {
    return 6000.0 / cpm / kHopMs;
}

constexpr const char* kCqCall = "-.-. --.- -.. . .--- .- .---- .- -... -.-.";

TEST(TimingTracker, LearnsSpeedWeightAndDashLengthFrom20To250PerMinute) {
    struct Case {
        double cpm;
        double weight;
        double dashUnits;
    };
    for (const Case& c : {Case{20, 0.5, 3}, Case{40, 0.5, 3}, Case{100, 0.6, 3}, Case{100, 0.4, 3},
                          Case{120, 0.5, 4}, Case{150, 0.5, 2.5}, Case{250, 0.5, 3}}) {
        SCOPED_TRACE(testing::Message()
                     << c.cpm << "/Min weight " << c.weight << " dash " << c.dashUnits);
        TimingTracker tracker;
        keyInto(tracker, kCqCall, unitHopsAt(c.cpm), c.weight, c.dashUnits);
        EXPECT_NEAR(tracker.charsPerMinute(), c.cpm, 0.08 * c.cpm);
        const double unit = unitHopsAt(c.cpm);
        const double extra = (c.weight - 0.5) * 2.0 * unit;
        EXPECT_NEAR(tracker.dotHops(), unit + extra, 0.15 * unit);
        EXPECT_NEAR(tracker.dashHops(), c.dashUnits * unit + extra, 0.3 * unit);
        EXPECT_GT(tracker.dashSplitHops(), tracker.dotHops());
        EXPECT_LT(tracker.dashSplitHops(), tracker.dashHops());
        EXPECT_GT(tracker.letterSplitHops(), tracker.elementGapHops());
        EXPECT_LT(tracker.letterSplitHops(), tracker.letterGapHops());
        EXPECT_GT(tracker.wordSplitHops(), 3.0 * unit - extra + 0.3 * unit);
        EXPECT_LT(tracker.wordSplitHops(), 7.0 * unit - extra - 1.5 * unit);
    }
}

TEST(TimingTracker, FollowsASpeedChangeWithinAFewLetters) {
    TimingTracker tracker;
    keyInto(tracker, kCqCall, unitHopsAt(60));
    keyInto(tracker, "-.. . .--- .-. ..---", unitHopsAt(120));
    EXPECT_NEAR(tracker.charsPerMinute(), 120.0, 10.0);
}

// Runs broken off by noise, before and among the marks, neither move the
// speed nor shorten the dot.
TEST(TimingTracker, StrayNoiseRunsDoNotThrowItOff) {
    TimingTracker tracker;
    for (int k = 0; k < 6; ++k) tracker.onMark(2 + k % 3);
    keyInto(tracker, kCqCall, unitHopsAt(80));
    EXPECT_NEAR(tracker.charsPerMinute(), 80.0, 8.0);

    tracker.onGap(3);
    tracker.onMark(4);
    tracker.onGap(2);
    keyInto(tracker, "-.-. --.-", unitHopsAt(80));
    EXPECT_NEAR(tracker.dotHops(), unitHopsAt(80), 0.15 * unitHopsAt(80));
}

// On a weak signal noise chops runs of about half a dot, marks and gaps
// alike; a burst of them as long as the Morse they interrupt must not pull
// the unit down to theirs.
TEST(TimingTracker, ABurstOfHalfDotRunsDoesNotHalveTheUnit) {
    for (const double cpm : {60.0, 150.0}) {
        SCOPED_TRACE(testing::Message() << cpm << "/Min");
        const double unit = unitHopsAt(cpm);
        TimingTracker tracker;
        keyInto(tracker, "-.-. --.-", unit);
        for (int k = 0; k < 8; ++k) {
            tracker.onGap(static_cast<int>(std::lround(0.45 * unit)));
            tracker.onMark(static_cast<int>(std::lround((k % 2 == 0 ? 0.3 : 0.45) * unit)));
        }
        EXPECT_NEAR(tracker.charsPerMinute(), cpm, 0.15 * cpm);
        keyInto(tracker, "-.. .", unit);
        EXPECT_NEAR(tracker.dotHops(), unit, 0.15 * unit);
    }
}

// The fit tells Morse from runs of noise: near nothing for keyed elements,
// near its cap for lengths spread at random.
TEST(TimingTracker, FitCostTellsMorseFromRandomRuns) {
    TimingTracker morse;
    keyInto(morse, kCqCall, unitHopsAt(120));
    EXPECT_LT(morse.meanFitCost(), 0.02);

    TimingTracker random;
    unsigned state = 12345;
    for (int k = 0; k < 32; ++k) {
        state = state * 1103515245u + 12345u;
        const int hops = 3 + static_cast<int>((state >> 16) % 200);
        if (k % 2 == 0)
            random.onMark(hops);
        else
            random.onGap(hops);
    }
    EXPECT_GT(random.meanFitCost(), 0.08);
}

// A steady hand leaves the spreads at their least; an uneven one widens
// both, within bounds.
TEST(TimingTracker, LearnsHowUnevenTheHandIs) {
    TimingTracker steady;
    keyInto(steady, kCqCall, 20.0);
    EXPECT_DOUBLE_EQ(steady.markSpread(), TimingTracker::kLeastSpread);
    EXPECT_DOUBLE_EQ(steady.gapSpread(), TimingTracker::kLeastSpread);

    TimingTracker uneven;
    keyInto(uneven, kCqCall, 20.0, 0.5, 3.0, 0.45);
    EXPECT_GT(uneven.markSpread(), 0.2);
    EXPECT_GT(uneven.gapSpread(), 0.2);
    EXPECT_LE(uneven.markSpread(), 0.45);
    EXPECT_LE(uneven.gapSpread(), 0.45);
}

// Reads marks and gaps in hops through the reader.
std::string read(const std::vector<int>& marks, const std::vector<int>& gaps,
                 const TimingTracker& timing) {
    test::RecordingTextSink sink;
    LetterReader reader;
    std::vector<int> gapsBefore(marks.size(), 0);
    for (std::size_t k = 1; k < marks.size(); ++k) gapsBefore[k] = gaps[k - 1];
    reader.read(marks.data(), gapsBefore.data(), static_cast<int>(marks.size()), timing, sink);
    return sink.shownText();
}

TEST(LetterReader, ReadsTheLikeliestLettersAndLeavesOutNoise) {
    TimingTracker timing;
    keyInto(timing, kCqCall, 20.0);
    struct Case {
        std::vector<int> marks;
        std::vector<int> gaps;
        const char* reading;
    };
    const Case cases[] = {
        {{20, 60}, {20}, "A"},
        {{60, 20, 60, 20}, {20, 20, 20}, "C"},
        // A dash sent short (45 hops) is still nearer a dash than a dot.
        {{20, 60, 45, 20}, {20, 20, 20}, "P"},
        // Letters run together: the wide gap inside splits S and T.
        {{20, 20, 20, 60}, {20, 20, 40}, "ST"},
        // Eight dots have no entry: the cheapest cut gives two letters.
        {{20, 20, 20, 20, 20, 20, 20, 20}, {20, 20, 20, 20, 20, 20, 20}, "5S"},
        // Lengths that fit neither dots nor dashes are noise.
        {{3, 200}, {120}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(read(c.marks, c.gaps, timing), c.reading);
}

// Letters run together are read but for the last, which waits for what
// follows; its first element is told.
TEST(LetterReader, HoldsBackTheLastLetterWhenAsked) {
    TimingTracker timing;
    keyInto(timing, kCqCall, 20.0);
    struct Case {
        std::vector<int> marks;
        std::vector<int> gaps;
        const char* shown;
        int heldFrom;
    };
    const Case cases[] = {
        {{20, 20, 20, 60, 20}, {20, 20, 60, 20}, "S", 3},
        {{60, 20, 60, 20, 20, 60}, {20, 20, 20, 60, 20}, "C", 4},
        {{20}, {}, "", 0},
    };
    for (const Case& c : cases) {
        test::RecordingTextSink sink;
        LetterReader reader;
        std::vector<int> gapsBefore(c.marks.size(), 0);
        for (std::size_t k = 1; k < c.marks.size(); ++k) gapsBefore[k] = c.gaps[k - 1];
        reader.read(c.marks.data(), gapsBefore.data(), static_cast<int>(c.marks.size()), timing,
                    sink, true);
        EXPECT_EQ(sink.shownText(), c.shown);
        EXPECT_EQ(reader.heldFrom(), c.heldFrom);
    }
}

// An A with every length half a unit off is noise from a steady hand but a
// letter from an uneven one.
TEST(LetterReader, AcceptsWhatFitsTheSendersSpread) {
    TimingTracker steady;
    keyInto(steady, kCqCall, 20.0);
    TimingTracker uneven;
    keyInto(uneven, kCqCall, 20.0, 0.5, 3.0, 0.45);
    EXPECT_EQ(read({30, 40}, {30}, steady), "");
    EXPECT_EQ(read({30, 40}, {30}, uneven), "A");
}

}  // namespace
}  // namespace qs::rx
