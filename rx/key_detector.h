#pragma once
// Key detection: turns each hop's tone magnitude into a conditioned level
// (nine-hop rank filter), a key state (mark or space) against the threshold,
// and mark and space lengths in hops; every twelfth mark re-estimates the
// sender's speed and with it the dot/dash and letter-gap limits. Also keeps
// the automatic threshold, paced by the level display's sweep. Runs on the
// capture thread, hop by hop.

#include <array>

#include "rx/decoder.h"
#include "rx/level_display.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"

namespace qs::rx {

class KeyDetector {
public:
    static constexpr int kHistorySize = 12;

    KeyDetector(ReceiveSettings& settings, ReceiveIndicators& indicators,
                LevelDisplay& levelDisplay, Decoder& decoder);

    // One hop: level display wrap, level conditioning, level plot, key state
    // machine (which runs the decoder step), speed estimate every 12 marks.
    void onHop(double toneMagnitude);

    // The level trace wrapped after a sweep of this many positions.
    void onAutoThresholdSweep(int sweepPositions);

    int signalLevelDb() const { return signalLevelDb_; }
    bool keyDown() const { return keyDown_; }

private:
    int conditionLevel(double toneMagnitude);
    void runKeyStateMachine();
    void estimateSpeed();

    ReceiveSettings& settings_;
    ReceiveIndicators& indicators_;
    LevelDisplay& levelDisplay_;
    Decoder& decoder_;

    int signalLevelDb_ = 0;
    std::array<int, 9> levelHistory_{};  // oldest first; starts at 0 dB
    int levelMaxDb_ = -90;
    int levelMinDb_ = 0;
    bool keyDown_ = false;
    int markHops_ = 0;
    int spaceHops_ = 0;
    std::array<int, kHistorySize> markHistory_{};
    std::array<int, kHistorySize> spaceHistory_{};
};

}  // namespace qs::rx
