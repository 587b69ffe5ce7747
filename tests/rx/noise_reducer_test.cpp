#include "rx/noise_reducer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rx/hamming_transform.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

TEST(NoiseReducer, FullScale603HzToneHasItsLargestHopMagnitudeAtBin14) {
    const SampleBlock block = test::toneBlock(28, 32767.0, 0);
    NoiseReducer reducer;
    HammingTransform transform(kHopTransformSize);
    for (NoiseReduction mode : {NoiseReduction::off, NoiseReduction::once, NoiseReduction::twice}) {
        NoiseReducer::Reduced reduced;
        std::array<double, kHopTransformSize> magnitudes;
        reducer.reduce(block.data() + 100, mode, reduced);
        transform.magnitudes(reduced.data(), 1.0, magnitudes.data());
        const auto peak = std::max_element(magnitudes.begin(), magnitudes.begin() + 128);
        EXPECT_EQ(peak - magnitudes.begin(), 14) << "mode " << static_cast<int>(mode);
    }
}

TEST(NoiseReducer, FirstValueIsZeroAndEachPassUsesItsDivisors) {
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
    EXPECT_EQ(reduced[0], 0.0);
    EXPECT_NEAR(reduced[255], 44 * (r * r) / 45 / 768, 1e-20);
    EXPECT_NEAR(reduced[1], 298 * (r * r) / 299 / 768, 1e-20);
}

}  // namespace
}  // namespace qs::rx
