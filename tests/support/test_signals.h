#pragma once
// Test signals for the receive path: blocks of a sine tone and of white noise,
// continuous across blocks.

#include <cmath>
#include <random>

#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::test {

inline constexpr double kPi = 3.14159265358979323846;

// amplitude * sin(2 pi f t) at the frequency of a 512-point tone bin (bin 28
// = 602.9296875 Hz), for the block that starts at sample firstSample of a
// continuous signal.
inline rx::SampleBlock toneBlock(int toneBin, double amplitude, long firstSample) {
    const double radiansPerSample = 2.0 * kPi * toneBin / 512.0;
    rx::SampleBlock block{};
    for (int i = 0; i < rx::kBlockSamples; ++i) {
        block[i] = amplitude * std::sin(radiansPerSample * static_cast<double>(firstSample + i));
    }
    return block;
}

// Gaussian white noise of the given standard deviation, reproducible by seed.
class WhiteNoise {
public:
    WhiteNoise(double deviation, unsigned seed) : random_(seed), normal_(0.0, deviation) {}
    void add(rx::SampleBlock& block) {
        for (double& sample : block) sample += normal_(random_);
    }

private:
    std::mt19937 random_;
    std::normal_distribution<double> normal_;
};

}  // namespace qs::test
