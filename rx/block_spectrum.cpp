#include "rx/block_spectrum.h"

namespace qs::rx {

void BlockSpectrum::compute(const SampleBlock& samples, double gain,
                            SpectrumMagnitudes& magnitudes) {
    autocorrelation_.compute(samples.data(), kSamples, kSpectrumSize, kScale, correlation_.data());
    correlation_[0] = 0.0;
    transform_.magnitudes(correlation_.data(), gain, magnitudes.data());
}

}  // namespace qs::rx
