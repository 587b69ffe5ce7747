#pragma once
// Resets that the user-interface thread asks of the capture thread's receive
// chain. Each takes effect before the chain's next block or hop.

namespace qs::rx {

class ReceiveResets {
public:
    virtual ~ReceiveResets() = default;
    // The automatic tone starts counting a new peak afresh.
    virtual void resetToneCandidate() = 0;
    // The automatic threshold's level range restarts (highest -90, lowest 0).
    virtual void resetLevelRange() = 0;
    // The decoder drops the letter it is collecting and returns to idle.
    virtual void resetDecoder() = 0;
};

}  // namespace qs::rx
