#pragma once
// The transmit speed as the speed tags of the send text change it for a
// while: the trackbar position before the first of them, so that
// "<ORIGINAL>" can return to it. Written by the keying timer (the tags) and
// by the user-interface thread (manual speed steps, RX=TX); each part is one
// atomic word.

#include <atomic>

namespace qs::tx {

class TagSpeedMemory {
public:
    bool txSpeedChangedByTag() const { return txSpeedChangedByTag_; }
    int savedSpeedPos() const { return savedSpeedPos_; }

    // Before a speed tag changes the speed: keeps `position` only when no
    // earlier tag has saved one.
    void saveBeforeTag(int position) {
        if (txSpeedChangedByTag_) return;
        savedSpeedPos_ = position;
        txSpeedChangedByTag_ = true;
    }

    // "<ORIGINAL>": hands out the saved position and forgets it. Returns false
    // (and leaves `position` alone) when none is saved.
    bool takeSaved(int& position) {
        if (!txSpeedChangedByTag_) return false;
        position = savedSpeedPos_;
        txSpeedChangedByTag_ = false;
        return true;
    }

    // A manual speed step or RX=TX: the speed now set is kept, nothing is
    // restored later.
    void forget() { txSpeedChangedByTag_ = false; }

private:
    std::atomic<bool> txSpeedChangedByTag_{false};
    std::atomic<int> savedSpeedPos_{0};
};

}  // namespace qs::tx
