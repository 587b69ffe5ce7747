#pragma once
// Test signals for the receive path: blocks of a sine tone and of white noise,
// continuous across blocks.

#include <cmath>
#include <random>

#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::test {

inline constexpr double kFullScale = 32767.0;
inline constexpr double kPi = 3.14159265358979323846;

// Frequency of a 512-point tone bin (bin 28 = 602.9296875 Hz).
inline double toneBinHz(int toneBin) {
    return toneBin * rx::kSampleRate / 512.0;
}

// Adds amplitude * sin(2 pi hz t) for the block that starts at sample
// firstSample of a continuous signal.
inline void addTone(rx::SampleBlock& block, double hz, double amplitude, long firstSample) {
    const double radiansPerSample = 2.0 * kPi * hz / rx::kSampleRate;
    for (int i = 0; i < rx::kBlockSamples; ++i) {
        block[i] += amplitude * std::sin(radiansPerSample * static_cast<double>(firstSample + i));
    }
}

inline rx::SampleBlock toneBlock(double hz, double amplitude, long firstSample) {
    rx::SampleBlock block{};
    addTone(block, hz, amplitude, firstSample);
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
