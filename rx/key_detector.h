#pragma once
// Key detection: turns each hop's tone magnitude into a conditioned level
// (nine-hop rank filter), a key state (mark or space) against the threshold,
// and mark and space lengths in hops; every twelfth mark re-estimates the
// sender's speed and with it the dot/dash and letter-gap limits. Also keeps
// the automatic threshold, paced by the level display's sweep. Runs on the
// capture thread, hop by hop.

#include <array>
#include <atomic>

#include "rx/decoder.h"
#include "rx/level_display.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "rx/speed_estimate.h"

namespace qs::rx {

class KeyDetector {
public:
    static constexpr int kHistorySize = kSpeedHistorySize;

    KeyDetector(ReceiveSettings& settings, ReceiveIndicators& indicators,
                LevelDisplay& levelDisplay, Decoder& decoder);

    // One hop: level display wrap, level conditioning, level plot, key state
    // machine (which runs the decoder step), speed estimate every 12 marks.
    void onHop(double toneMagnitude);

    // The level trace wrapped after a sweep of this many positions.
    void onAutoThresholdSweep(int sweepPositions);

    // The automatic threshold was switched on: the level range restarts
    // (highest -90, lowest 0) before the next hop. Thread-safe.
    void requestLevelRangeReset() { levelRangeResetRequested_ = true; }

    int signalLevelDb() const { return signalLevelDb_; }
    bool keyDown() const { return keyDown_; }
    int markHops() const { return markHops_; }    // the current or last mark
    int spaceHops() const { return spaceHops_; }  // the current or last space

private:
    void resetLevelRange();
    void wrapLevelDisplay();
    int conditionLevel(double toneMagnitude);
    void runKeyStateMachine();
    void onSpace(int levelDb, int thresholdDb);
    void onMark(int levelDb, int thresholdDb);
    int historySlot() const;
    void applySpeedEstimate();

    ReceiveSettings& settings_;
    ReceiveIndicators& indicators_;
    LevelDisplay& levelDisplay_;
    Decoder& decoder_;

    std::atomic<bool> levelRangeResetRequested_{false};
    int signalLevelDb_ = 0;
    std::array<int, 9> levelHistory_{};  // oldest first; starts at 0 dB
    int levelMaxDb_ = -90;
    int levelMinDb_ = 0;
    bool keyDown_ = false;
    int markHops_ = 0;
    int spaceHops_ = 0;
    HopHistory markHistory_{};   // lengths of the last marks
    HopHistory spaceHistory_{};  // entry i: the space before mark i
};

}  // namespace qs::rx
