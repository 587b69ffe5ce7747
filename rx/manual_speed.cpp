#include "rx/manual_speed.h"

#include "rx/receive_constants.h"

namespace qs::rx {

namespace {
// Hop length in milliseconds as the manual rule counts it.
constexpr double kManualHopMs = 2.87;
}  // namespace

int manualLimitHops(int speedIndex) {
    // 600000 / (cpm * 50) is two dot times in ms.
    return static_cast<int>(600000 / (speedTableCpm(speedIndex) * 50 * kManualHopMs));
}

}  // namespace qs::rx
