#pragma once
// Picks the narrow-filter length with which the recent audio of a new signal
// reads best as Morse. Each tried length has given its runs a timing fit, a
// unit and the filter length that unit is matched to. A length is preferred
// whose matched length agrees with it, that is short, and whose unit the
// other lengths also give: a real signal yields about the same unit at every
// length, while noise keyed by a filter yields runs whose length follows the
// filter's.

namespace qs::rx {

struct ReplayTrial {
    int lengthSamples = 0;
    int matchedLengthSamples = 0;
    double fitCost = 0.0;  // the timing tracker's mean fit cost of the runs
    double unitHops = 0.0;
};

// Index of the best of `count` trials (0 if none is better), the shortest
// length first.
int bestReplayTrial(const ReplayTrial* trials, int count);

}  // namespace qs::rx
