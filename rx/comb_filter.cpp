#include "rx/comb_filter.h"

namespace qs::rx {

std::array<int, kCombTaps - 1> combOffsets(int toneIndex) {
    const int bin =
        (toneIndex < kMinToneBin || toneIndex > kMaxToneBin) ? kDefaultToneBin : toneIndex;
    const double toneHz = bin * (static_cast<double>(kSampleRate) / kSpectrumSize);
    const double periodSamples = kSampleRate / toneHz;
    std::array<int, kCombTaps - 1> offsets{};
    for (int k = 1; k < kCombTaps; ++k) offsets[k - 1] = static_cast<int>(k * periodSamples);
    return offsets;
}

void applyCombFilter(SampleBlock& samples, int toneIndex) {
    const std::array<int, kCombTaps - 1> offsets = combOffsets(toneIndex);
    const int lastOffset = offsets[kCombTaps - 2];
    for (int i = 0; i < kBlockSamples - lastOffset; ++i) {
        double sum = samples[i];
        for (int offset : offsets) sum += samples[i + offset];
        samples[i] = sum * 0.125;
    }
}

}  // namespace qs::rx
