#include "rx/automatic_tone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "rx/block_spectrum.h"
#include "tests/support/recording_indicators.h"

namespace qs::rx {
namespace {

// A spectrum with a few bins at the given levels (dB) and silence elsewhere.
SpectrumMagnitudes spectrumWith(std::initializer_list<std::pair<int, double>> binLevels) {
    SpectrumMagnitudes magnitudes{};
    for (auto [bin, db] : binLevels) magnitudes[bin] = 512 * 32768 * std::pow(10.0, db / 20);
    return magnitudes;
}

TEST(AutomaticTone, PeakSearchSkipsTheFirstShownBinAndPrefersTheLowerBin) {
    struct Case {
        std::initializer_list<std::pair<int, double>> bins;
        bool upperScale;
        int peak;  // the first shown bin: no peak
    } const cases[] = {
        {{{20, -30.5}, {25, -30.2}}, true, 20},  // equal whole-dB levels
        {{{20, -31.5}, {25, -30.2}}, true, 25},
        {{{16, -10.0}, {30, -60.0}}, true, 30},
        {{}, false, 8},
        {{{8, -10.0}, {37, -10.0}}, false, 8},
        {{{45, -10.0}, {15, -10.0}}, true, 16},
        {{{44, -10.0}}, true, 44},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutomaticTone::peakBin(spectrumWith(c.bins).data(), c.upperScale), c.peak);
    }
}

TEST(AutomaticTone, FollowsAPeakSeenInThreeSuccessiveBlocks) {
    ReceiveSettings settings;
    test::ToneRecordingIndicators indicators;
    AutomaticTone tone{settings, indicators};
    auto see = [&](int bin, int blocks) {
        const SpectrumMagnitudes magnitudes = spectrumWith({{bin, -20.0}});
        for (int b = 0; b < blocks; ++b) tone.update(magnitudes.data());
    };
    see(16, 5);  // the first shown bin is never followed
    see(30, 2);
    EXPECT_EQ(settings.toneIndex, 28);
    see(30, 1);
    EXPECT_EQ(settings.toneIndex, 30);
    see(30, 3);  // already the tone
    EXPECT_EQ(indicators.shownTones, std::vector<int>{30});

    settings.toneIndex = 28;  // set elsewhere while the peak stays: followed at once
    see(30, 1);
    EXPECT_EQ(settings.toneIndex, 30);

    see(33, 2);
    see(35, 1);  // an interruption starts the count anew
    see(33, 2);
    tone.resetCandidate();  // and so does ticking Auto
    see(33, 1);
    EXPECT_EQ(settings.toneIndex, 30);
    see(33, 1);
    EXPECT_EQ(settings.toneIndex, 33);

    settings.upperScale = false;
    see(8, 5);
    EXPECT_EQ(settings.toneIndex, 33);
}

}  // namespace
}  // namespace qs::rx
