#pragma once
// The spectrum of a block for the spectrum display and the automatic tone:
// the 512-point transform of the autocorrelation of the block's first 600
// samples. The autocorrelation keeps the tones and smooths the noise floor.

#include <array>

#include "rx/autocorrelation.h"
#include "rx/hamming_transform.h"
#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::rx {

using SpectrumMagnitudes = std::array<double, kSpectrumSize>;

class BlockSpectrum {
public:
    static constexpr int kSamples = 600;
    static constexpr double kScale = 300.0;  // second divisor of every lag

    explicit BlockSpectrum(VectorUnit unit = bestVectorUnit()) : autocorrelation_(unit) {}

    // R[k] = (sum of x[i] * x[i+k] over the first 600 samples) / (600 - k) / 300
    // for k = 0..511, R[0] set to 0; magnitudes = the windowed transform of R.
    void compute(const SampleBlock& samples, double gain, SpectrumMagnitudes& magnitudes);

private:
    Autocorrelation autocorrelation_;
    std::array<double, kSpectrumSize> correlation_{};
    HammingTransform transform_{kSpectrumSize};
};

}  // namespace qs::rx
