#include "rx/key_slicer.h"

#include <algorithm>
#include <cmath>

namespace qs::rx {

namespace {

constexpr double kLowestDb = -127.0;  // level steps of 0.5 dB from here
constexpr double kStepDb = 0.5;
constexpr int kFloorPercent = 10;
constexpr int kFloorEveryHops = 32;
constexpr double kMarkAveraging = 0.5;        // share of each new mark...
constexpr double kMarkRiseAveraging = 0.6;    // ...and of one stronger than the average
constexpr double kMarkDecayDbPerHop = 0.025;  // about 9 dB a second without marks
constexpr double kMinContrastDb = 6.0;        // the mark level never sinks closer to the floor
constexpr double kThresholdShare = 0.5;
// On a strong signal the threshold stays this close below the marks, near
// half their amplitude, where the filtered edges measure the true lengths.
constexpr double kMaxDepthBelowMarksDb = 6.0;
constexpr double kHysteresisShare = 0.08;
constexpr double kMaxHysteresisDb = 2.0;
constexpr int kMinMarkHopsForLevel = 2;

}  // namespace

KeySlicer::KeySlicer() {
    reset();
}

void KeySlicer::reset() {
    levelSteps_.fill(0);
    stepCounts_.fill(0);
    stepCounts_[0] = kLevelWindowHops;
    levelPosition_ = 0;
    levelsSeen_ = 0;
    floorDb_ = kLowestDb;
    markLevelDb_ = kLowestDb;
    markLevelKnown_ = false;
    keyDown_ = false;
    runHops_ = pendingHops_ = 0;
    runPeakDb_ = pendingPeakDb_ = kLowestDb;
    updateThreshold();
}

// The level window is filled with the floor, as if it had been seen.
void KeySlicer::prime(double floorDb, double markLevelDb) {
    const auto step = levelStep(floorDb);
    levelSteps_.fill(step);
    stepCounts_.fill(0);
    stepCounts_[step] = kLevelWindowHops;
    levelsSeen_ = kLevelWindowHops;
    floorDb_ = floorDb;
    markLevelDb_ = markLevelDb;
    markLevelKnown_ = true;
    updateThreshold();
}

bool KeySlicer::onHop(double levelDb, int debounceHops, KeyRun& run) {
    remember(levelDb);
    if (levelsSeen_ % kFloorEveryHops == 0 || levelsSeen_ < kFloorEveryHops) updateFloor();
    if (!keyDown_ && markLevelKnown_) {
        markLevelDb_ = std::max(markLevelDb_ - kMarkDecayDbPerHop, floorDb_ + kMinContrastDb);
    }
    // Until a mark has ended, the first one's peak so far stands for the marks.
    if (keyDown_ && !markLevelKnown_) {
        markLevelDb_ = std::max({markLevelDb_, runPeakDb_, pendingPeakDb_, levelDb});
    }
    updateThreshold();

    if (rawKeyDown(levelDb) == keyDown_) {
        runHops_ += pendingHops_ + 1;
        runPeakDb_ = std::max({runPeakDb_, pendingPeakDb_, levelDb});
        pendingHops_ = 0;
        pendingPeakDb_ = kLowestDb;
        return false;
    }
    ++pendingHops_;
    pendingPeakDb_ = std::max(pendingPeakDb_, levelDb);
    if (pendingHops_ < std::max(1, debounceHops)) return false;
    endRun(run);
    return true;
}

void KeySlicer::endRun(KeyRun& run) {
    run = {keyDown_, runHops_, runPeakDb_};
    if (keyDown_ && runHops_ >= kMinMarkHopsForLevel) {
        const double share = run.levelDb > markLevelDb_ ? kMarkRiseAveraging : kMarkAveraging;
        markLevelDb_ =
            markLevelKnown_ ? markLevelDb_ + share * (run.levelDb - markLevelDb_) : run.levelDb;
        markLevelKnown_ = true;
    }
    keyDown_ = !keyDown_;
    runHops_ = pendingHops_;
    runPeakDb_ = pendingPeakDb_;
    pendingHops_ = 0;
    pendingPeakDb_ = kLowestDb;
}

std::uint8_t KeySlicer::levelStep(double levelDb) {
    const double steps = (std::max(levelDb, kLowestDb) - kLowestDb) / kStepDb;
    return static_cast<std::uint8_t>(std::min(steps, 255.0));
}

void KeySlicer::remember(double levelDb) {
    const auto step = levelStep(levelDb);
    --stepCounts_[levelSteps_[levelPosition_]];
    levelSteps_[levelPosition_] = step;
    ++stepCounts_[step];
    levelPosition_ = (levelPosition_ + 1) % kLevelWindowHops;
    ++levelsSeen_;
}

// Until the window is full, only the levels seen count.
void KeySlicer::updateFloor() {
    const int seen = std::min(levelsSeen_, kLevelWindowHops);
    const int unseen = kLevelWindowHops - seen;
    const int wanted = std::max(1, seen * kFloorPercent / 100);
    int counted = -unseen;
    for (int step = 0; step < static_cast<int>(stepCounts_.size()); ++step) {
        counted += stepCounts_[step];
        if (counted >= wanted) {
            floorDb_ = kLowestDb + step * kStepDb;
            return;
        }
    }
}

void KeySlicer::updateThreshold() {
    const double contrast = std::max(markLevelDb_ - floorDb_, kMinContrastDb);
    thresholdDb_ = std::max(floorDb_ + kThresholdShare * contrast,
                            floorDb_ + contrast - kMaxDepthBelowMarksDb);
    hysteresisDb_ = std::clamp(kHysteresisShare * contrast, 0.5, kMaxHysteresisDb);
}

bool KeySlicer::rawKeyDown(double levelDb) const {
    return keyDown_ ? levelDb > thresholdDb_ - hysteresisDb_
                    : levelDb > thresholdDb_ + hysteresisDb_;
}

}  // namespace qs::rx
