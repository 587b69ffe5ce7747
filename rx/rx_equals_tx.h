#pragma once
// RX=TX: the send speed index that comes closest to a received speed from
// below, with the keying weights in force.

#include "rx/tx_speed_control.h"

namespace qs::rx {

// The send speed at a speed index as the RX=TX search counts it: every term
// of the PARIS word truncated to whole ms, the word space always included.
int rxEqualsTxCpm(int speedIndex, const SendWeights& weights);

// The highest index whose speed is at most rxCharsPerMinute; 0 if none.
int txSpeedIndexForRxSpeed(int rxCharsPerMinute, const SendWeights& weights);

}  // namespace qs::rx
