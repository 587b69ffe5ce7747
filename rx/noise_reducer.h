#pragma once
// The autocorrelation noise reducer of one analysis window. The
// autocorrelation of a tone is a cosine at the same frequency, while
// uncorrelated noise piles up in the zero lag, which is dropped; applied once
// ("NR1") or twice ("NR2").

#include <array>

#include "rx/autocorrelation.h"
#include "rx/receive_constants.h"

namespace qs::rx {

enum class NoiseReduction { off, once, twice };

class NoiseReducer {
public:
    using Window = std::array<double, kWindowSamples>;
    using Reduced = std::array<double, kHopTransformSize>;

    static constexpr double kScale = 768.0;  // second divisor of every lag

    explicit NoiseReducer(VectorUnit unit = bestVectorUnit()) : autocorrelation_(unit) {}

    // The first kHopTransformSize values of the reduced window, the first of
    // them set to 0:
    //   off:   the window itself;
    //   once:  r[m] = (sum of w[i] * w[i+m]) / (300 - m) / 768;
    //   twice: the same autocorrelation of r, with r[0] set to 0 first.
    void reduce(const double* window, NoiseReduction mode, Reduced& reduced);

private:
    Autocorrelation autocorrelation_;
    Window firstPass_{};
};

}  // namespace qs::rx
