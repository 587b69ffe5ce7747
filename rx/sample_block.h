#pragma once
// One captured block of samples, 16-bit values held as doubles.

#include <array>

#include "rx/receive_constants.h"

namespace qs::rx {

using SampleBlock = std::array<double, kBlockSamples>;

}  // namespace qs::rx
