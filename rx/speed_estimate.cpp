#include "rx/speed_estimate.h"

#include <algorithm>
#include <numeric>

#include "rx/receive_constants.h"

namespace qs::rx {

namespace {

constexpr int kMinListEntries = 3;
// Hop length in milliseconds as the estimate counts it.
constexpr double kEstimateHopMs = 2.897;
constexpr double kMinCpmExclusive = 20.0;
constexpr double kMaxCpmExclusive = 181.0;

struct Elements {
    int dotHops;
    int dashHops;
};

struct Gaps {
    int elementGapHops;
    int letterGapHops;
};

// Splits the marks (shortest dropped) at their mean into dots and dashes and
// takes the middle entry of each.
std::optional<Elements> dotAndDash(HopHistory marks) {
    std::sort(marks.begin(), marks.end());
    const auto first = marks.begin() + 1;
    const int average = (1 + std::accumulate(first, marks.end(), 0)) / 11;
    const auto longStart = std::upper_bound(first, marks.end(), average);
    const auto shortCount = longStart - first;
    const auto longCount = marks.end() - longStart;
    if (shortCount < kMinListEntries || longCount < kMinListEntries) return {};
    const int dot = first[shortCount / 2];
    const int dash = longStart[longCount / 2];
    if (dash < 2 * dot || dash > 6 * dot) return {};
    return Elements{dot, dash};
}

// The space before the first of the twelve marks precedes the set, so the
// space before the last mark takes its place; the eleven are split at their
// mean into element gaps and longer ones.
std::optional<Gaps> elementAndLetterGap(HopHistory spaces) {
    spaces[0] = spaces[11];
    const auto end = spaces.begin() + 11;
    std::sort(spaces.begin(), end);
    const int average = std::accumulate(spaces.begin(), end, 0) / 10;
    const int shortCount =
        static_cast<int>(std::upper_bound(spaces.begin(), end, average) - spaces.begin());
    if (shortCount < kMinListEntries || shortCount > 10) return {};
    const int elementGap = spaces[shortCount / 2];
    // The first clearly longer gap is the letter gap; anything beyond it
    // (word gaps) does not matter, but a huge gap before it spoils the set.
    for (int i = shortCount; i < 11; ++i) {
        if (spaces[i] > 5 * elementGap) return {};
        if (spaces[i] > 2 * elementGap) return Gaps{elementGap, spaces[i]};
    }
    return {};
}

}  // namespace

std::optional<SpeedEstimate> estimateSpeed(const HopHistory& markHops,
                                           const HopHistory& spaceHops) {
    const auto elements = dotAndDash(markHops);
    if (!elements) return {};
    const auto gaps = elementAndLetterGap(spaceHops);
    if (!gaps) return {};
    const int dot = elements->dotHops;
    const int dash = elements->dashHops;
    const int elementGap = gaps->elementGapHops;
    const int letterGap = gaps->letterGapHops;
    // PARIS and its word space: 10 dot units of dots and element gaps each,
    // 4 dashes, and letter gaps worth 6 of the letter-gap length.
    const int parisHops = letterGap * 6 + elementGap * 10 + dot * 10 + dash * 4;
    const double cpm = 300000 / (parisHops * kEstimateHopMs) + 0.5;
    if (!(cpm > kMinCpmExclusive && cpm < kMaxCpmExclusive)) return {};
    return SpeedEstimate{cpm, std::min((dot + dash) / 2, 2 * dot),
                         std::min((elementGap + letterGap) / 2, 2 * elementGap)};
}

int rxSpeedIndexFor(int charsPerMinute) {
    for (int k = 0; k < kSpeedSteps; ++k) {
        if (charsPerMinute - 2 <= speedTableCpm(k)) return k;
    }
    return kSpeedSteps - 1;
}

}  // namespace qs::rx
