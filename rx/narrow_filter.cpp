#include "rx/narrow_filter.h"

#include <algorithm>
#include <cmath>

namespace qs::rx {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kFullScale = 32768.0;
constexpr double kLowestLevelDb = -127.0;
constexpr int kResumHops = kHopsPerBlock;  // running sums are recomputed this often

}  // namespace

void NarrowFilter::setToneHz(double hz) {
    toneHz_ = hz;
    const double radians = -kTwoPi * hz / kSampleRate;
    step_ = {std::cos(radians), std::sin(radians)};
}

void NarrowFilter::setLength(int samples) {
    const int length = std::clamp(samples, kMinLength, kMaxLength);
    if (length == length_) return;
    length_ = length;
    resum();
}

void NarrowFilter::reset() {
    mixed_.fill({});
    smoothed_.fill({});
    firstSum_ = secondSum_ = {};
    phasor_ = {1.0, 0.0};
}

// Exact sums of the last length_ entries, so that rounding never piles up.
void NarrowFilter::resum() {
    firstSum_ = secondSum_ = {};
    for (int k = 1; k <= length_; ++k) {
        const int index = (position_ - k + kMaxLength) % kMaxLength;
        firstSum_ += mixed_[index];
        secondSum_ += smoothed_[index];
    }
    hopsSinceResum_ = 0;
}

std::complex<double> NarrowFilter::hop(const double* samples) {
    const double scale = 1.0 / length_;
    for (int i = 0; i < kHopSamples; ++i) {
        const int oldest = (position_ - length_ + kMaxLength) % kMaxLength;
        const std::complex<double> mixed = samples[i] * phasor_;
        phasor_ *= step_;
        firstSum_ += mixed - mixed_[oldest];
        mixed_[position_] = mixed;
        const std::complex<double> smoothed = firstSum_ * scale;
        secondSum_ += smoothed - smoothed_[oldest];
        smoothed_[position_] = smoothed;
        position_ = (position_ + 1) % kMaxLength;
    }
    phasor_ /= std::abs(phasor_);
    if (++hopsSinceResum_ >= kResumHops) resum();
    return secondSum_ * scale;
}

double NarrowFilter::levelDb(std::complex<double> output) {
    const double amplitude = 2.0 * std::abs(output) / kFullScale;
    if (amplitude <= 0.0) return kLowestLevelDb;
    return std::max(20.0 * std::log10(amplitude), kLowestLevelDb);
}

}  // namespace qs::rx
