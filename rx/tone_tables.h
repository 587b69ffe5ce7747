#pragma once
// Fixed tables of the tone controls: the label of each selectable tone bin
// and the gain of each position of the input slider (1019).

#include "common/text.h"

namespace qs::rx {

// The tone label of a bin 8..44 ("172" .. "948", bin 28 = "603"); empty for
// any other bin.
TextView toneLabel(int toneBin);

inline constexpr int kMinGainPosition = 1;
inline constexpr int kMaxGainPosition = 11;
inline constexpr int kDefaultGainPosition = 6;  // gain 1.0

// The input gain at a slider position 1..11; positions outside the range
// count as the nearest end.
double inputGainForPosition(int sliderPosition);

}  // namespace qs::rx
