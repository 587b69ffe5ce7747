#include "tools/key_line_audio.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qs::tools {
namespace {

std::size_t sampleAt(double timeMs) {
    return static_cast<std::size_t>(std::ceil(timeMs * kKeyLineRateHz / 1000.0));
}

double peakBetween(const std::vector<double>& samples, double fromMs, double toMs) {
    double peak = 0.0;
    for (std::size_t n = sampleAt(fromMs); n < sampleAt(toMs); ++n) {
        peak = std::max(peak, std::abs(samples[n]));
    }
    return peak;
}

double rmsBetween(const std::vector<double>& samples, double fromMs, double toMs) {
    double sum = 0.0;
    for (std::size_t n = sampleAt(fromMs); n < sampleAt(toMs); ++n) sum += samples[n] * samples[n];
    return std::sqrt(sum / static_cast<double>(sampleAt(toMs) - sampleAt(fromMs)));
}

TEST(KeyLineAudio, ToneOnlyWhileTheKeyIsDownWithFiveMillisecondEdges) {
    const KeyLineSound sound;
    const double full = sound.amplitude;
    const std::vector<double> samples = renderKeyLine({{100, 200}, {300, 330}}, 500, sound);
    ASSERT_EQ(samples.size(), sampleAt(500));

    // Nothing before the key goes down or after the fall that starts at key-up.
    EXPECT_EQ(peakBetween(samples, 0, 100), 0.0);
    EXPECT_GT(std::abs(samples[sampleAt(100)]), 0.0);
    EXPECT_EQ(peakBetween(samples, 205, 300), 0.0);
    EXPECT_EQ(peakBetween(samples, 335, 500), 0.0);

    // Raised-cosine edges over 5 ms: quiet at first, full after.
    EXPECT_LT(peakBetween(samples, 100, 100.5), 0.03 * full);
    EXPECT_NEAR(peakBetween(samples, 105, 200), full, 0.01 * full);
    EXPECT_NEAR(rmsBetween(samples, 110, 190), full / std::sqrt(2.0), 0.01 * full);
    EXPECT_LT(peakBetween(samples, 204.5, 205), 0.03 * full);
}

TEST(KeyLineAudio, ToneFrequencyHoldsLateInLongAudio) {
    for (const int toneHz : {172, 600, 948}) {
        KeyLineSound sound;
        sound.toneHz = toneHz;
        const long long startMs = 10LL * 60 * 1000;
        const std::vector<double> samples =
            renderKeyLine({{startMs, startMs + 1010}}, startMs + 1010, sound);
        int risingCrossings = 0;
        for (std::size_t n = sampleAt(startMs + 5); n < sampleAt(startMs + 1005); ++n) {
            if (samples[n - 1] < 0.0 && samples[n] >= 0.0) ++risingCrossings;
        }
        EXPECT_NEAR(risingCrossings, toneHz, 1);
    }
}

TEST(KeyLineAudio, NoiseHasTheAskedPowerAndFollowsTheSeed) {
    const std::vector<KeyMark> marks = {{0, 2000}};
    const std::vector<double> clean = renderKeyLine(marks, 2000, KeyLineSound{});
    KeyLineSound noisy;
    noisy.snrDb = 10.0;
    noisy.seed = 7;
    const std::vector<double> samples = renderKeyLine(marks, 2000, noisy);

    std::vector<double> noise(samples.size());
    for (std::size_t n = 0; n < noise.size(); ++n) noise[n] = samples[n] - clean[n];
    const double toneRms = noisy.amplitude / std::sqrt(2.0);
    EXPECT_NEAR(rmsBetween(noise, 0, 2000), toneRms / std::sqrt(10.0), 0.02 * toneRms);

    EXPECT_EQ(renderKeyLine(marks, 2000, noisy), samples);
    noisy.seed = 8;
    EXPECT_NE(renderKeyLine(marks, 2000, noisy), samples);
    EXPECT_GT(rmsBetween(renderKeyLine({}, 500, noisy), 0, 500), 0.2 * toneRms);  // in silence too
}

}  // namespace
}  // namespace qs::tools
