#pragma once
// The limits of the manual receive speed.

namespace qs::rx {

// Both the dot/dash and the letter-gap limit at a speed index: two dot times
// in hops (41 at 100/Min, 167 at 25/Min).
int manualLimitHops(int speedIndex);

}  // namespace qs::rx
