#include "rx/recent_audio.h"

#include <algorithm>

namespace qs::rx {

namespace {

constexpr int kFloorPercent = 10;
constexpr int kMarkPercent = 98;

}  // namespace

void RecentAudio::record(const double* samples) {
    float* const kept = samples_.data() + (hopsRecorded_++ % kHops) * kHopSamples;
    for (int i = 0; i < kHopSamples; ++i) kept[i] = static_cast<float>(samples[i]);
}

void RecentAudio::refilter(long long firstHop, int count, double toneHz, int length) {
    filter_.reset();
    filter_.setToneHz(toneHz);
    filter_.setLength(length);
    count_ = std::clamp(count, 0, kHops);
    for (int k = 0; k < count_; ++k) {
        const float* kept = samples_.data() + ((firstHop + k) % kHops) * kHopSamples;
        std::copy(kept, kept + kHopSamples, hop_.begin());
        lastOutput_ = filter_.hop(hop_.data());
        levelsDb_[k] = static_cast<float>(NarrowFilter::levelDb(lastOutput_));
    }
}

RecentAudio::Levels RecentAudio::levels() {
    if (count_ == 0) return {0.0, 0.0};
    std::copy_n(levelsDb_.begin(), count_, sortedDb_.begin());
    float* const begin = sortedDb_.data();
    float* const floor = begin + count_ * kFloorPercent / 100;
    std::nth_element(begin, floor, begin + count_);
    const double floorDb = *floor;
    float* const mark = begin + count_ * kMarkPercent / 100;
    std::nth_element(begin, mark, begin + count_);
    return {floorDb, *mark};
}

}  // namespace qs::rx
