#pragma once
// Five-point median filter over whole sample values: removes clicks of one or
// two samples and passes anything that lasts three samples or more. Keeps the
// last four unfiltered samples so that the filter runs on across blocks.

#include <array>

#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::rx {

class MedianFilter {
public:
    static constexpr int kTaps = 5;

    // filtered[i] = median of the five samples raw[i-4..i], each truncated to
    // an integer first; raw[-4..-1] are the previous block's last samples.
    void apply(const SampleBlock& raw, SampleBlock& filtered);

private:
    std::array<double, kTaps - 1> rawTail_{};  // starts as silence
};

}  // namespace qs::rx
