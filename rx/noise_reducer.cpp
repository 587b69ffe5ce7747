#include "rx/noise_reducer.h"

#include <algorithm>

namespace qs::rx {

void NoiseReducer::reduce(const double* window, NoiseReduction mode, Reduced& reduced) {
    // Only the values the transform reads are computed in the last pass.
    switch (mode) {
        case NoiseReduction::off:
            std::copy(window, window + kHopTransformSize, reduced.begin());
            break;
        case NoiseReduction::once:
            autocorrelation_.compute(window, kWindowSamples, kHopTransformSize, kScale,
                                     reduced.data());
            break;
        case NoiseReduction::twice:
            autocorrelation_.compute(window, kWindowSamples, kWindowSamples, kScale,
                                     firstPass_.data());
            firstPass_[0] = 0.0;
            autocorrelation_.compute(firstPass_.data(), kWindowSamples, kHopTransformSize, kScale,
                                     reduced.data());
            break;
    }
    reduced[0] = 0.0;
}

}  // namespace qs::rx
