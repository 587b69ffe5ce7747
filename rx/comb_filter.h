#pragma once
// The "QRM" comb filter: averages eight samples spaced one tone period apart,
// which keeps the tone and its harmonics and attenuates whatever is not
// periodic at the tone.

#include <array>

#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::rx {

inline constexpr int kCombTaps = 8;

// Offsets in samples of the seven later taps: truncate(k * P) for k = 1..7,
// P = 11025 / f the tone period and f = toneIndex * 11025 / 512 Hz. A tone
// index outside 8..44 uses bin 28 (602.9296875 Hz).
std::array<int, kCombTaps - 1> combOffsets(int toneIndex);

// In place, in increasing i: y[i] = (y[i] + y[i + d1] + ... + y[i + d7]) * 0.125
// for i = 0 .. 1023 - d7; the last d7 samples stay as they are.
void applyCombFilter(SampleBlock& samples, int toneIndex);

}  // namespace qs::rx
