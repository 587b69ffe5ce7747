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
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{20, -30.5}, {25, -30.2}}).data(), true), 20)
        << "equal whole-dB levels: the lower bin wins";
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{20, -31.5}, {25, -30.2}}).data(), true), 25);
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{16, -10.0}, {30, -60.0}}).data(), true), 30);
    // Nothing above the floor, or only outside the shown bins: no peak.
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({}).data(), false), 8);
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{8, -10.0}, {37, -10.0}}).data(), false), 8);
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{45, -10.0}, {15, -10.0}}).data(), true), 16);
    EXPECT_EQ(AutomaticTone::peakBin(spectrumWith({{44, -10.0}}).data(), true), 44);
}

class AutomaticToneSteps : public ::testing::Test {
protected:
    void see(int bin, int blocks = 1) {
        const SpectrumMagnitudes magnitudes = spectrumWith({{bin, -20.0}});
        for (int b = 0; b < blocks; ++b) tone.update(magnitudes.data());
    }
    ReceiveSettings settings;
    test::ToneRecordingIndicators indicators;
    AutomaticTone tone{settings, indicators};
};

TEST_F(AutomaticToneSteps, FollowsAPeakSeenInThreeSuccessiveBlocks) {
    see(30, 2);
    EXPECT_EQ(settings.toneIndex, 28);
    see(30);
    EXPECT_EQ(settings.toneIndex, 30);
    EXPECT_EQ(indicators.shownTones, std::vector<int>{30});
    see(30, 3);  // already the tone
    EXPECT_EQ(indicators.shownTones.size(), 1u);

    see(33, 2);
    see(35);  // an interruption starts the count anew
    see(33, 2);
    EXPECT_EQ(settings.toneIndex, 30);
    see(33);
    EXPECT_EQ(settings.toneIndex, 33);
}

TEST_F(AutomaticToneSteps, NeverFollowsTheFirstShownBin) {
    see(16, 5);
    settings.upperScale = false;
    see(8, 5);
    EXPECT_EQ(settings.toneIndex, 28);
    EXPECT_TRUE(indicators.shownTones.empty());
}

TEST_F(AutomaticToneSteps, TickingAutoCountsAnew) {
    see(30, 2);
    tone.resetCandidate();
    see(30);
    EXPECT_EQ(settings.toneIndex, 28);
    see(30);
    EXPECT_EQ(settings.toneIndex, 30);
}

TEST_F(AutomaticToneSteps, AStayingPeakIsFollowedAfterTheToneWasSetElsewhere) {
    see(30, 3);
    settings.toneIndex = 28;  // settings applied while Auto is on
    see(30);
    EXPECT_EQ(settings.toneIndex, 30);
}

}  // namespace
}  // namespace qs::rx
