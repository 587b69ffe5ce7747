#include "rx/rx_equals_tx.h"

#include "rx/receive_constants.h"

namespace qs::rx {

namespace {
int truncated(double ms) {
    return static_cast<int>(ms);
}
}  // namespace

int rxEqualsTxCpm(int speedIndex, const SendWeights& weights) {
    const double dotMs = dotTimeMs(speedIndex);
    // PARIS: 10 dot units of dots, 4 dashes, 9 element gaps, 4 character
    // spaces, then the word space.
    const int wordMs = truncated(dotMs * 10 * weights.dotWeight) +
                       truncated(dotMs * 4 * weights.dashWeight) + truncated(dotMs * 9) +
                       truncated(dotMs * 4 * weights.charSpaceWeight) +
                       truncated(dotMs * weights.wordSpaceWeight);
    if (wordMs <= 0) return 0;
    return truncated(300000.0 / wordMs + 0.5);
}

int txSpeedIndexForRxSpeed(int rxCharsPerMinute, const SendWeights& weights) {
    for (int k = kSpeedSteps - 1; k >= 0; --k) {
        if (rxEqualsTxCpm(k, weights) <= rxCharsPerMinute) return k;
    }
    return 0;
}

}  // namespace qs::rx
