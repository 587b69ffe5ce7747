#include "rx/hamming_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

TEST(HammingTransform, ToneOnABinPeaksThereAndAConstantGivesTheWindowSum) {
    for (int size : {256, 512}) {
        HammingTransform transform(size);
        std::vector<double> x(size);
        for (int i = 0; i < size; ++i) x[i] = 1000.0 * std::sin(2 * test::kPi * 20 * i / size);
        std::vector<double> magnitudes(size);
        transform.magnitudes(x.data(), 1.0, magnitudes.data());
        const auto peak = std::max_element(magnitudes.begin(), magnitudes.begin() + size / 2);
        EXPECT_EQ(peak - magnitudes.begin(), 20);
        // Amplitude * size / 2 * 0.54, the window's mean; real input mirrors.
        EXPECT_NEAR(*peak, 1000.0 * size / 2 * 0.54, 1000.0 * size * 0.01);
        EXPECT_NEAR(magnitudes[size - 20], magnitudes[20], 1e-6 * magnitudes[20]);
        // 0.54 N - 0.46 (cosines over N - 1 points sum to 1), times the gain.
        const std::vector<double> ones(size, 1.0);
        transform.magnitudes(ones.data(), 3.0, magnitudes.data());
        EXPECT_NEAR(magnitudes[0], 3.0 * (0.54 * size - 0.46), 1e-4);
    }
}

TEST(HammingTransform, OneBinIsBitIdenticalToTheFullTransform) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(-1e4, 1e4);
    for (int size : {256, 512}) {
        HammingTransform transform(size);
        std::vector<double> x(size);
        for (double& v : x) v = uniform(random);
        x[1] = -0.0;
        std::vector<double> full(size);
        transform.magnitudes(x.data(), 0.7, full.data());
        for (int bin = 0; bin < size; ++bin) {
            const double one = transform.binMagnitude(x.data(), 0.7, bin);
            ASSERT_EQ(std::memcmp(&one, &full[bin], sizeof one), 0) << size << " bin " << bin;
        }
    }
}

}  // namespace
}  // namespace qs::rx
