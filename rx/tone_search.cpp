#include "rx/tone_search.h"

#include <algorithm>
#include <cmath>

namespace qs::rx {

namespace {

constexpr double kBinHz = static_cast<double>(kSampleRate) / kSpectrumSize;
constexpr double kAveraging = 0.1;  // per block: about one second
// A first lock wants a peak this far above the median: about as far as the
// squelch wants a tone to stand out before it opens on it.
constexpr double kLockRatio = 3.5;
constexpr double kJumpRatio = 1.5;  // a new peak must be this much stronger...
constexpr int kJumpBlocks = 3;      // ...for this many blocks in a row
constexpr double kTinyPower = 1e-12;
constexpr int kSettleBlocks = 8;  // the average is too young before
constexpr int kNearBins = 3;
constexpr int kFarBins = 8;

}  // namespace

ToneSearch::ToneSearch() = default;

void ToneSearch::reset() {
    averagePower_.fill(0.0);
    blocksSeen_ = 0;
    lockedBin_ = -1;
    challenger_ = -1;
    challengerBlocks_ = 0;
    prominenceDb_ = 0.0;
}

void ToneSearch::update(const SampleBlock& samples, int lowBin, int highBin, bool holdLock) {
    transform_.magnitudes(samples.data(), 1.0, magnitudes_.data());
    transform_.magnitudes(samples.data() + kSpectrumSize, 1.0, secondHalf_.data());
    average(magnitudes_.data(), secondHalf_.data());
    lowBin = std::clamp(lowBin, kMinToneBin, kMaxToneBin);
    highBin = std::clamp(highBin, lowBin, kMaxToneBin);
    jumped_ = false;
    const int peak = strongestBin(lowBin, highBin);
    const double median = std::max(medianPowerAround(peak), kTinyPower);
    const bool outOfRange = lockedBin_ < lowBin || lockedBin_ > highBin;
    if (lockedBin_ >= 0 && outOfRange) lockedBin_ = -1;
    if (lockedBin_ >= 0) {
        follow(peak, holdLock);
    } else if (averagePower_[peak] > kLockRatio * median) {
        lockedBin_ = peak;
        jumped_ = true;
    }
    const int shown = lockedBin_ >= 0 ? lockedBin_ : peak;
    toneHz_ = interpolatedHz(shown);
    const double around = std::max(medianPowerAround(shown), kTinyPower);
    prominenceDb_ = blocksSeen_ < kSettleBlocks
                        ? 0.0
                        : 10.0 * std::log10(std::max(averagePower_[shown], kTinyPower) / around);
}

// The first blocks count fully, so that the average starts from the signal.
void ToneSearch::average(const double* first, const double* second) {
    ++blocksSeen_;
    const double share = std::max(kAveraging, 1.0 / blocksSeen_);
    for (int bin = 1; bin < kSpectrumSize / 2; ++bin) {
        const double power = 0.5 * (first[bin] * first[bin] + second[bin] * second[bin]);
        averagePower_[bin] += share * (power - averagePower_[bin]);
    }
}

int ToneSearch::strongestBin(int lowBin, int highBin) const {
    int best = lowBin;
    for (int bin = lowBin + 1; bin <= highBin; ++bin) {
        if (averagePower_[bin] > averagePower_[best]) best = bin;
    }
    return best;
}

// A neighbouring peak is followed at once; a distant one must win for a while.
void ToneSearch::follow(int peak, bool holdLock) {
    if (std::abs(peak - lockedBin_) <= 1) {
        lockedBin_ = peak;
        challengerBlocks_ = 0;
        return;
    }
    if (!holdLock) {
        lockedBin_ = peak;
        challengerBlocks_ = 0;
        jumped_ = true;
        return;
    }
    const bool stronger = averagePower_[peak] > kJumpRatio * averagePower_[lockedBin_];
    challengerBlocks_ =
        stronger && peak == challenger_ ? challengerBlocks_ + 1 : (stronger ? 1 : 0);
    challenger_ = peak;
    if (challengerBlocks_ < kJumpBlocks) return;
    lockedBin_ = peak;
    challengerBlocks_ = 0;
    jumped_ = true;
}

// The vertex of a parabola through the log powers of the bin and its
// neighbours.
double ToneSearch::interpolatedHz(int bin) const {
    const double left = std::log(std::max(averagePower_[bin - 1], kTinyPower));
    const double centre = std::log(std::max(averagePower_[bin], kTinyPower));
    const double right = std::log(std::max(averagePower_[bin + 1], kTinyPower));
    const double curvature = left - 2.0 * centre + right;
    double offset = curvature < 0.0 ? 0.5 * (left - right) / curvature : 0.0;
    offset = std::clamp(offset, -0.5, 0.5);
    return (bin + offset) * kBinHz;
}

// The median of the bins 3 to 8 away on either side: the noise next to the
// tone, not a wide hump of the receiver's filter nor a station nearby.
double ToneSearch::medianPowerAround(int bin) const {
    std::array<double, 2 * (kFarBins - kNearBins + 1)> powers{};
    int count = 0;
    for (int distance = kNearBins; distance <= kFarBins; ++distance) {
        powers[count++] = averagePower_[std::max(bin - distance, 1)];
        powers[count++] = averagePower_[std::min(bin + distance, kSpectrumSize / 2 - 1)];
    }
    std::nth_element(powers.begin(), powers.begin() + count / 2, powers.begin() + count);
    return powers[count / 2];
}

}  // namespace qs::rx
