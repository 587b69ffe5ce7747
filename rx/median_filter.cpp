#include "rx/median_filter.h"

#include <cmath>

namespace qs::rx {
namespace {

// An integer has no negative zero: -0.5 truncates to +0.
double truncateToInteger(double sample) {
    return std::trunc(sample) + 0.0;
}

double medianOfFive(std::array<double, MedianFilter::kTaps> values) {
    for (int i = 1; i < MedianFilter::kTaps; ++i) {
        const double value = values[i];
        int j = i;
        for (; j > 0 && values[j - 1] > value; --j) values[j] = values[j - 1];
        values[j] = value;
    }
    return values[MedianFilter::kTaps / 2];
}

}  // namespace

void MedianFilter::apply(const SampleBlock& raw, SampleBlock& filtered) {
    // The five truncated samples ending at i, oldest first.
    std::array<double, kTaps> taps{};
    for (int k = 0; k < kTaps - 1; ++k) taps[k + 1] = truncateToInteger(rawTail_[k]);
    for (int i = 0; i < kBlockSamples; ++i) {
        for (int k = 0; k < kTaps - 1; ++k) taps[k] = taps[k + 1];
        taps[kTaps - 1] = truncateToInteger(raw[i]);
        filtered[i] = medianOfFive(taps);
    }
    for (int k = 0; k < kTaps - 1; ++k) rawTail_[k] = raw[kBlockSamples - (kTaps - 1) + k];
}

}  // namespace qs::rx
