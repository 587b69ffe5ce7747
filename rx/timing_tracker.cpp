#include "rx/timing_tracker.h"

#include <algorithm>
#include <cmath>

#include "rx/receive_constants.h"

namespace qs::rx {

namespace {

constexpr double kHopMs = 1000.0 * kHopSamples / kSampleRate;
constexpr double kMinCpm = 20.0;
constexpr double kMaxCpm = 250.0;
constexpr double kStartCpm = 100.0;

double unitHopsAt(double cpm) {
    return 6000.0 / cpm / kHopMs;
}

}  // namespace

void TimingTracker::reset() {
    markCount_ = markNext_ = gapCount_ = gapNext_ = marksSeen_ = 0;
    markSpread_ = gapSpread_ = kLeastSpread;
    unitHops_ = unitHopsAt(kStartCpm);
    dotHops_ = unitHops_;
    dashHops_ = 3.0 * dotHops_;
    elementGapHops_ = dotHops_;
    letterGapHops_ = 3.0 * dotHops_;
}

void TimingTracker::onMark(int hops) {
    marks_[markNext_] = std::log(std::max(hops, 1));
    markNext_ = (markNext_ + 1) % kHistory;
    markCount_ = std::min(markCount_ + 1, kHistory);
    ++marksSeen_;
    update();
}

void TimingTracker::onGap(int hops) {
    gaps_[gapNext_] = std::log(std::max(hops, 1));
    gapNext_ = (gapNext_ + 1) % kHistory;
    gapCount_ = std::min(gapCount_ + 1, kHistory);
    if (markCount_ > 0) update();
}

namespace {

constexpr double kMaxLengthCost = 0.25;   // a length this far off is a stray
constexpr double kContinuityCost = 0.05;  // per squared log step from the last unit
constexpr int kUnitSteps = 96;            // candidate units, evenly in the logarithm
const double kLogThree = std::log(3.0);
const double kLogSeven = std::log(7.0);
const double kLogDashSplit = 0.5 * std::log(3.0);        // between one and three units
const double kLogWordSplit = 0.5 * std::log(3.0 * 7.0);  // between three and seven
// A run shorter than half the unit is a piece broken off by noise: it does
// not measure the elements.
const double kLogFragment = std::log(2.0);
// On a weak signal noise breaks pieces off the elements and keys short runs
// of its own, about the narrow filter's length: half a dot. Such a run fits
// a unit twice as fast perfectly, so at a unit it is much shorter than it
// costs only part of a stray; else a burst of them pulls the unit down to
// their length, the filter and the debounce follow, and more pass.
const double kLogPiece = std::log(1.0 / 0.6);
constexpr double kPieceCost = 0.1;

double nearestCost(double logLength, double logUnit, bool wordGaps) {
    const double d = logLength - logUnit;
    if (d < -kLogPiece) return kPieceCost;
    double best = std::min(d * d, (d - kLogThree) * (d - kLogThree));
    if (wordGaps) best = std::min(best, (d - kLogSeven) * (d - kLogSeven));
    return std::min(best, kMaxLengthCost);
}

double geometricMean(double logSum, int count, double fallback) {
    return count > 0 ? std::exp(logSum / count) : fallback;
}

// The geometric mean drawn towards what the other lengths make likely, as
// if `kPriorWeight` lengths had measured that: a few long-drawn runs then
// cannot move it far.
constexpr double kPriorWeight = 1.0;
double steadiedMean(double logSum, int count, double likely) {
    return std::exp((logSum + kPriorWeight * std::log(likely)) / (count + kPriorWeight));
}

// A spread from the squared deviations of `count` lengths, drawn towards
// the least spread as if `kSpreadPriorWeight` lengths had measured that.
constexpr double kSpreadPriorWeight = 4.0;
constexpr double kMostSpread = 0.45;
double steadiedSpread(double squareSum, int count) {
    const double least = TimingTracker::kLeastSpread;
    const double variance =
        (squareSum + kSpreadPriorWeight * least * least) / (count + kSpreadPriorWeight);
    return std::clamp(std::sqrt(variance), least, kMostSpread);
}

// Squared deviations of the lengths in [low, split) from `shortMean` and of
// those in [split, high) from `longMean` (all logarithms).
struct Deviations {
    double squareSum = 0.0;
    int count = 0;
};
template <std::size_t N>
Deviations deviations(const std::array<double, N>& lengths, int count, double low, double split,
                      double high, double shortMean, double longMean) {
    Deviations result;
    for (int k = 0; k < count; ++k) {
        const double x = lengths[k];
        if (x < low || x >= high) continue;
        const double d = x - (x < split ? shortMean : longMean);
        result.squareSum += d * d;
        ++result.count;
    }
    return result;
}

}  // namespace

double TimingTracker::fitCost(double unitHops) const {
    const double logUnit = std::log(unitHops);
    double total = 0.0;
    for (int k = 0; k < markCount_; ++k) total += nearestCost(marks_[k], logUnit, false);
    for (int k = 0; k < gapCount_; ++k) total += nearestCost(gaps_[k], logUnit, true);
    const double step = logUnit - std::log(unitHops_);
    return total + kContinuityCost * step * step;
}

double TimingTracker::meanFitCost() const {
    const int lengths = markCount_ + gapCount_;
    return lengths > 0 ? fitCost(unitHops_) / lengths : kMaxLengthCost;
}

double TimingTracker::bestUnitHops() const {
    const double logFastest = std::log(0.8 * unitHopsAt(kMaxCpm));
    const double logSlowest = std::log(1.2 * unitHopsAt(kMinCpm));
    double best = unitHops_;
    double bestCost = fitCost(unitHops_);
    for (int step = 0; step <= kUnitSteps; ++step) {
        const double unit = std::exp(logFastest + (logSlowest - logFastest) * step / kUnitSteps);
        const double cost = fitCost(unit);
        if (cost < bestCost) {
            bestCost = cost;
            best = unit;
        }
    }
    return best;
}

void TimingTracker::update() {
    unitHops_ = bestUnitHops();
    measureMarks(unitHops_);
    measureGaps(unitHops_);
    clampToSpeedRange();
}

// Marks below the dash split of the unit are dots, the rest dashes; a kind
// not seen yet follows from the other. Fragments are left out.
void TimingTracker::measureMarks(double unitHops) {
    const double split = std::log(unitHops) + kLogDashSplit;
    const double shortest = std::log(unitHops) - kLogFragment;
    double dotSum = 0.0, dashSum = 0.0;
    int dots = 0, dashes = 0;
    for (int k = 0; k < markCount_; ++k) {
        if (marks_[k] < shortest) continue;
        if (marks_[k] < split) {
            dotSum += marks_[k];
            ++dots;
        } else if (marks_[k] < split + kLogThree) {
            dashSum += marks_[k];
            ++dashes;
        }
    }
    dotHops_ = geometricMean(dotSum, dots,
                             dashes > 0 ? geometricMean(dashSum, dashes, 0) / 3.0 : unitHops);
    dashHops_ = geometricMean(dashSum, dashes, 3.0 * dotHops_);
    const Deviations spread = deviations(marks_, markCount_, shortest, split, split + kLogThree,
                                         std::log(dotHops_), std::log(dashHops_));
    markSpread_ = steadiedSpread(spread.squareSum, spread.count);
}

void TimingTracker::measureGaps(double unitHops) {
    const double logUnit = std::log(unitHops);
    double elementSum = 0.0, letterSum = 0.0;
    int elements = 0, letters = 0;
    for (int k = 0; k < gapCount_; ++k) {
        if (gaps_[k] < logUnit - kLogFragment) continue;
        if (gaps_[k] < logUnit + kLogDashSplit) {
            elementSum += gaps_[k];
            ++elements;
        } else if (gaps_[k] < logUnit + kLogWordSplit) {
            letterSum += gaps_[k];
            ++letters;
        }
    }
    elementGapHops_ = geometricMean(elementSum, elements, unitHops);
    letterGapHops_ = steadiedMean(letterSum, letters, elementGapHops_ + 2.0 * unitHops);
    const Deviations spread =
        deviations(gaps_, gapCount_, logUnit - kLogFragment, logUnit + kLogDashSplit,
                   logUnit + kLogWordSplit, std::log(elementGapHops_), std::log(letterGapHops_));
    gapSpread_ = steadiedSpread(spread.squareSum, spread.count);
}

// The element gap stays within reach of the dot and the letter gap beyond
// the element gap, so that a stray run cannot throw the gaps off the marks.
void TimingTracker::clampToSpeedRange() {
    const double fastest = unitHopsAt(kMaxCpm);
    const double slowest = unitHopsAt(kMinCpm);
    dotHops_ = std::clamp(dotHops_, 0.5 * fastest, 1.6 * slowest);
    dashHops_ = std::clamp(dashHops_, 1.7 * dotHops_, 6.0 * dotHops_);
    elementGapHops_ = std::clamp(elementGapHops_, 0.3 * dotHops_, 2.5 * dotHops_);
    letterGapHops_ = std::clamp(letterGapHops_, 1.7 * elementGapHops_, 8.0 * elementGapHops_);
}

double TimingTracker::dashSplitHops() const {
    return std::sqrt(dotHops_ * dashHops_);
}

double TimingTracker::letterSplitHops() const {
    return std::sqrt(elementGapHops_ * letterGapHops_);
}

// Midway, in the logarithm, between the letter gap and a word gap of
// seven units to its three.
double TimingTracker::wordSplitHops() const {
    return letterGapHops_ * std::sqrt(7.0 / 3.0);
}

// A dot and the gap after it are two units whatever the weight.
double TimingTracker::charsPerMinute() const {
    const double unitMs = 0.5 * (dotHops_ + elementGapHops_) * kHopMs;
    return 6000.0 / unitMs;
}

}  // namespace qs::rx
