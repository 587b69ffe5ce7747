#include "rx/noise_reducer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rx/hamming_transform.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

constexpr NoiseReduction kModes[] = {NoiseReduction::off, NoiseReduction::once,
                                     NoiseReduction::twice};

TEST(NoiseReducer, FullScale603HzToneHasItsLargestHopMagnitudeAtBin14) {
    const SampleBlock block = test::toneBlock(test::toneBinHz(28), test::kFullScale, 0);
    NoiseReducer reducer;
    HammingTransform transform(kHopTransformSize);
    for (NoiseReduction mode : kModes) {
        NoiseReducer::Reduced reduced;
        std::array<double, kHopTransformSize> magnitudes;
        reducer.reduce(block.data() + 100, mode, reduced);
        EXPECT_EQ(reduced[0], 0.0);
        transform.magnitudes(reduced.data(), 1.0, magnitudes.data());
        const auto peak = std::max_element(magnitudes.begin(), magnitudes.begin() + 128);
        EXPECT_EQ(peak - magnitudes.begin(), 14) << "mode " << static_cast<int>(mode);
    }
}

TEST(NoiseReducer, OffPassesTheWindowAndTheAutocorrelationUsesItsDivisors) {
    std::array<double, kWindowSamples> window;
    for (int i = 0; i < kWindowSamples; ++i) window[i] = 1.0 + i % 3;
    NoiseReducer reducer;
    NoiseReducer::Reduced reduced;
    reducer.reduce(window.data(), NoiseReduction::off, reduced);
    EXPECT_EQ(reduced[0], 0.0);
    EXPECT_TRUE(std::equal(reduced.begin() + 1, reduced.end(), window.begin() + 1));

    // Constant 2: every lag of the first pass is 4 / 768.
    window.fill(2.0);
    reducer.reduce(window.data(), NoiseReduction::once, reduced);
    EXPECT_EQ(reduced[0], 0.0);
    EXPECT_EQ(reduced[1], 4.0 / 768);
    EXPECT_EQ(reduced[255], 4.0 / 768);

    // The second pass sees r[0] = 0: of the 45 products of lag 255 the one
    // with r[0] vanishes.
    reducer.reduce(window.data(), NoiseReduction::twice, reduced);
    const double r = 4.0 / 768;
    EXPECT_NEAR(reduced[255], 44 * (r * r) / 45 / 768, 1e-20);
    EXPECT_NEAR(reduced[1], 298 * (r * r) / 299 / 768, 1e-20);
}

TEST(NoiseReducer, KeepsTheToneAndLowersWhiteNoiseAroundIt) {
    // Tone-bin magnitude over the mean magnitude of bins far from the tone.
    auto toneToNoise = [](NoiseReduction mode) {
        NoiseReducer reducer;
        HammingTransform transform(kHopTransformSize);
        test::WhiteNoise noise(3000.0, 5);
        double tone = 0.0;
        double elsewhere = 0.0;
        for (int b = 0; b < 4; ++b) {
            SampleBlock block = test::toneBlock(test::toneBinHz(28), 3000.0, b * 1024L);
            noise.add(block);
            for (int w = 0; w < 23; ++w) {
                NoiseReducer::Reduced reduced;
                std::array<double, kHopTransformSize> magnitudes;
                reducer.reduce(block.data() + kHopSamples * w, mode, reduced);
                transform.magnitudes(reduced.data(), 1.0, magnitudes.data());
                tone += magnitudes[14];
                for (int k = 30; k < 100; ++k) elsewhere += magnitudes[k] / 70;
            }
        }
        return tone / elsewhere;
    };
    const double off = toneToNoise(NoiseReduction::off);
    const double once = toneToNoise(NoiseReduction::once);
    const double twice = toneToNoise(NoiseReduction::twice);
    EXPECT_GT(off, 3.0);
    EXPECT_GT(once, 3.0 * off);
    EXPECT_GT(twice, 3.0 * once);
}

}  // namespace
}  // namespace qs::rx
