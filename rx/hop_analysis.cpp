#include "rx/hop_analysis.h"

#include <algorithm>

namespace qs::rx {

int HopAnalysis::transformBin(int toneIndex) {
    const bool known = toneIndex >= kMinToneBin && toneIndex <= kMaxToneBin;
    return (known ? toneIndex : kDefaultToneBin) / 2;
}

NoiseReduction HopAnalysis::noiseReduction() const {
    if (settings_.nr1On) return NoiseReduction::once;
    if (settings_.nr2On) return NoiseReduction::twice;
    return NoiseReduction::off;
}

void HopAnalysis::analyseWindow(const double* window, HopListener& hops) {
    noiseReducer_.reduce(window, noiseReduction(), reduced_);
    const int bin = transformBin(settings_.toneIndex);
    hops.onHop(transform_.binMagnitude(reduced_.data(), settings_.inputGain, bin));
}

void HopAnalysis::run(const SampleBlock& samples, HopListener& hops) {
    // Buffer m - 1 holds the window starting 32 * (10 - m) samples before this block.
    auto previousSamples = [](int buffer) { return kHopSamples * (kHistoryWindows - buffer); };
    for (int buffer = 0; buffer < kHistoryWindows; ++buffer) {
        const int head = previousSamples(buffer);
        std::copy(samples.begin(), samples.begin() + (kWindowSamples - head),
                  windowHistory_[buffer].begin() + head);
    }
    for (const auto& window : windowHistory_) analyseWindow(window.data(), hops);
    for (int w = 0; w < kBlockWindows; ++w) analyseWindow(samples.data() + kHopSamples * w, hops);
    for (int buffer = 0; buffer < kHistoryWindows; ++buffer) {
        const int head = previousSamples(buffer);
        std::copy(samples.end() - head, samples.end(), windowHistory_[buffer].begin());
    }
}

}  // namespace qs::rx
