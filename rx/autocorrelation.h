#pragma once
// Normalised autocorrelation, the core of the noise reducer and the block
// spectrum:
//     r[m] = (sum over i = 0..n-1-m of x[i] * x[i+m]) / (n - m) / scale.
// This is the hot spot of the receive path (about three million multiply-adds
// per block), so the sums are vectorised across lags: each lag still adds its
// products one by one in increasing i, starting from 0.0, so every r[m] is the
// same double a plain loop gives, on every vector unit.

#include <array>

namespace qs::rx {

enum class VectorUnit { baseline, avx2 };

// The widest unit this build and processor can use: AVX2 only where the build
// dispatches at run time and the processor has it, else the SSE2 baseline.
VectorUnit bestVectorUnit();

class Autocorrelation {
public:
    static constexpr int kMaxSamples = 600;

    // A unit the processor lacks falls back to the baseline.
    explicit Autocorrelation(VectorUnit unit = bestVectorUnit())
        : unit_(unit == VectorUnit::avx2 ? bestVectorUnit() : VectorUnit::baseline) {}

    // Writes r[0..lagCount-1] for the n samples x; 1 <= lagCount <= n <= kMaxSamples.
    // Only the lags asked for are computed. x and r may be the same array.
    void compute(const double* x, int n, int lagCount, double scale, double* r);

private:
    // Zeros behind the samples let a group of lags run to the end of its
    // first lag's range: products with a zero add nothing to a sum.
    static constexpr int kPadding = 32;

    VectorUnit unit_;
    std::array<double, kMaxSamples + kPadding> samples_{};
    std::array<double, kMaxSamples + kPadding> sums_{};
};

}  // namespace qs::rx
