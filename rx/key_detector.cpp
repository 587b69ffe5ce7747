#include "rx/key_detector.h"

#include <algorithm>

#include "rx/level_db.h"

namespace qs::rx {

namespace {

// A mark or space longer than the limit counts on from the restart value.
constexpr int kCounterLimitHops = 2000;
constexpr int kCounterRestartHops = 1000;
constexpr int kMinSweepPositions = 100;  // a shorter sweep leaves the threshold alone
constexpr int kMinAutoThresholdDb = -75;
constexpr int kMaxAutoThresholdDb = -50;

void countHop(int& hops) {
    ++hops;
    if (hops > kCounterLimitHops) hops = kCounterRestartHops;
}

}  // namespace

KeyDetector::KeyDetector(ReceiveSettings& settings, ReceiveIndicators& indicators,
                         LevelDisplay& levelDisplay, Decoder& decoder)
    : settings_(settings),
      indicators_(indicators),
      levelDisplay_(levelDisplay),
      decoder_(decoder) {}

void KeyDetector::onHop(double toneMagnitude) {
    if (levelRangeResetRequested_.exchange(false)) resetLevelRange();
    if (levelDisplay_.wrapDue()) wrapLevelDisplay();
    signalLevelDb_ = conditionLevel(toneMagnitude);
    levelDisplay_.plot(signalLevelDb_);
    runKeyStateMachine();
}

void KeyDetector::resetLevelRange() {
    levelMaxDb_ = kMinLevelDb;
    levelMinDb_ = kMaxLevelDb;
}

// The sweep that ends here paces the automatic threshold; the new sweep's
// threshold line shows its result.
void KeyDetector::wrapLevelDisplay() {
    levelDisplay_.beginSweep();
    onAutoThresholdSweep(levelDisplay_.sweepPositions());
    levelDisplay_.finishSweep(settings_.thresholdDb);
}

void KeyDetector::onAutoThresholdSweep(int sweepPositions) {
    if (!settings_.autoThreshold || sweepPositions <= kMinSweepPositions) return;
    // Somewhat below the middle of the range seen (the lowest level counts
    // 1.2-fold), so that weaker marks still key.
    const int t = static_cast<int>((levelMinDb_ * 1.2 + levelMaxDb_) * 0.5);
    const int thresholdDb = std::clamp(t, kMinAutoThresholdDb, kMaxAutoThresholdDb);
    settings_.thresholdDb = thresholdDb;
    indicators_.showThreshold(thresholdDb);
    resetLevelRange();
}

// Nine-hop rank filter: above a threshold below the median the second
// highest level counts, otherwise the second lowest, so single-hop spikes and
// dropouts vanish and the majority state of the last nine hops wins.
int KeyDetector::conditionLevel(double toneMagnitude) {
    std::rotate(levelHistory_.begin(), levelHistory_.begin() + 1, levelHistory_.end());
    levelHistory_.back() = levelDb(toneMagnitude, kHopTransformSize);
    auto sorted = levelHistory_;
    std::sort(sorted.begin(), sorted.end());
    const int level = settings_.thresholdDb < sorted[4] ? sorted[7] : sorted[1];
    if (settings_.autoThreshold) {
        levelMaxDb_ = std::max(levelMaxDb_, level);
        levelMinDb_ = std::min(levelMinDb_, level);
    }
    return level;
}

// A level equal to the threshold starts a mark and also ends one.
void KeyDetector::runKeyStateMachine() {
    const int levelDb = signalLevelDb_;
    const int thresholdDb = settings_.thresholdDb;
    if (keyDown_) {
        onMark(levelDb, thresholdDb);
    } else {
        onSpace(levelDb, thresholdDb);
    }
}

void KeyDetector::onSpace(int levelDb, int thresholdDb) {
    if (levelDb < thresholdDb) {
        countHop(spaceHops_);
        decoder_.decoderStep(levelDb, thresholdDb);
        return;
    }
    markHops_ = 1;
    decoder_.decoderStep(levelDb, thresholdDb);
    keyDown_ = true;
    spaceHistory_[historySlot()] = spaceHops_;
}

void KeyDetector::onMark(int levelDb, int thresholdDb) {
    if (levelDb > thresholdDb) {
        countHop(markHops_);
        decoder_.decoderStep(levelDb, thresholdDb);
        return;
    }
    spaceHops_ = 1;
    decoder_.decoderStep(levelDb, thresholdDb);
    keyDown_ = false;
    const int slot = historySlot();
    markHistory_[slot] = markHops_;
    if (slot + 1 < kSpeedHistorySize) {
        settings_.historyIndex = slot + 1;
        return;
    }
    settings_.historyIndex = 0;
    if (settings_.speedAuto) applySpeedEstimate();
}

// The user-interface thread may restart the count at any time; anything
// outside the histories counts as a restart.
int KeyDetector::historySlot() const {
    const int index = settings_.historyIndex;
    return index >= 0 && index < kSpeedHistorySize ? index : 0;
}

void KeyDetector::applySpeedEstimate() {
    const auto estimate = estimateSpeed(markHistory_, spaceHistory_);
    if (!estimate) return;
    settings_.dotDashLimit = estimate->dotDashLimit;
    settings_.letterGapLimit = estimate->letterGapLimit;
    const int cpm = static_cast<int>(estimate->charsPerMinute);
    indicators_.showRxSpeed(cpm);
    const int speedIndex = rxSpeedIndexFor(cpm);
    settings_.rxSpeedIndex = speedIndex;
    indicators_.moveRxSpeedSlider(speedIndex);
    settings_.letterEndEnabled = true;
}

}  // namespace qs::rx
