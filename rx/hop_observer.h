#pragma once
// What a trace of the receive path sees after each hop.

namespace qs::rx {

struct HopReport {
    long long hop;  // counted from 0 since the chain was built
    int levelDb;    // conditioned level
    bool keyDown;
    int dotDashLimit;
    int letterGapLimit;
    int thresholdDb;
    int toneIndex;
};

class HopObserver {
  public:
    virtual ~HopObserver() = default;
    virtual void afterHop(const HopReport& report) = 0;
};

}  // namespace qs::rx
