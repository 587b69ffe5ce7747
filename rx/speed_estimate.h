#pragma once
// The sender's speed, estimated from the lengths of the last twelve marks and
// of the space before each of them (all in hops). A dot and a dash length are
// taken from the marks, an element gap and a letter gap from the spaces, and
// together they give characters per minute on the word PARIS plus its word
// space. Any implausible set yields no estimate.

#include <array>
#include <optional>

namespace qs::rx {

inline constexpr int kSpeedHistorySize = 12;
using HopHistory = std::array<int, kSpeedHistorySize>;

struct SpeedEstimate {
    double charsPerMinute;  // already rounded by +0.5; truncate to show it
    int dotDashLimit;       // hops; a longer mark is a dash
    int letterGapLimit;     // hops; a longer space ends a letter
};

// markHops[i]: length of mark i; spaceHops[i]: the space before mark i.
std::optional<SpeedEstimate> estimateSpeed(const HopHistory& markHops, const HopHistory& spaceHops);

// The receive speed slider position for an estimated speed: the first index
// whose table speed is at least charsPerMinute - 2, else the last one.
int rxSpeedIndexFor(int charsPerMinute);

}  // namespace qs::rx
