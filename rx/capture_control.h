#pragma once
// What the user-interface thread and the capture thread share about the
// capture itself: the audio channel chosen in the Sound menu and the stop
// flag raised once at shutdown. Each is one atomic word.

#include <atomic>

namespace qs::rx {

inline constexpr int kLeftChannel = 0;
inline constexpr int kRightChannel = 1;
inline constexpr int kNoChannel = 3;  // none chosen yet: the capture cannot start

struct CaptureControl {
    // Read by the capture thread at every block, so a change lands at the next.
    std::atomic<int> channel{kNoChannel};
    // Written once, false to true; the capture thread and the spectrum
    // display stop on it.
    std::atomic<bool> captureStopFlag{false};
};

}  // namespace qs::rx
