#pragma once
// The adaptive decoder's key decision: turns the narrow filter's level, once
// per hop, into key-down and key-up against a threshold that sits halfway
// (in dB) between the tracked noise floor and the tracked peak level of
// recent marks, with hysteresis. The floor is a low percentile of the last three
// seconds of levels; the mark level is an average over the marks that
// decays while none come, so that a fading signal keeps its threshold. A
// change of state counts only when it lasts the debounce time; the run it
// ends is dated back to where the change began.

#include <array>
#include <cstdint>

namespace qs::rx {

// A finished mark or space, in hops.
struct KeyRun {
    bool mark;
    int hops;
    double levelDb;  // the highest level of the run
};

class KeySlicer {
  public:
    static constexpr int kLevelWindowHops = 1024;  // about three seconds

    KeySlicer();

    // One hop's level in dB; true when a run ended, which `run` then holds.
    bool onHop(double levelDb, int debounceHops, KeyRun& run);
    void reset();
    // Starts from known levels, e.g. those of recent audio read again.
    void prime(double floorDb, double markLevelDb);

    bool keyDown() const { return keyDown_; }
    // Hops of the run in progress, including a change not yet confirmed.
    int runHops() const { return runHops_ + pendingHops_; }
    double thresholdDb() const { return thresholdDb_; }
    double hysteresisDb() const { return hysteresisDb_; }
    double floorDb() const { return floorDb_; }
    double markLevelDb() const { return markLevelDb_; }
    // Mark level over noise floor: what the squelch judges.
    double contrastDb() const { return markLevelDb_ - floorDb_; }

  private:
    static std::uint8_t levelStep(double levelDb);
    void remember(double levelDb);
    void updateFloor();
    void updateThreshold();
    bool rawKeyDown(double levelDb) const;
    void endRun(KeyRun& run);

    std::array<std::uint8_t, kLevelWindowHops> levelSteps_{};
    std::array<int, 256> stepCounts_{};
    int levelPosition_ = 0;
    int levelsSeen_ = 0;
    double floorDb_ = -120.0;
    double markLevelDb_ = -120.0;
    bool markLevelKnown_ = false;
    double thresholdDb_ = -60.0;
    double hysteresisDb_ = 1.0;

    bool keyDown_ = false;
    int runHops_ = 0;
    int pendingHops_ = 0;
    double runPeakDb_ = -127.0;
    double pendingPeakDb_ = -127.0;
};

}  // namespace qs::rx
