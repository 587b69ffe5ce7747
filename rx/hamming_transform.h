#pragma once
// Hamming-windowed radix-2 transform of N real values (N = 512 for the block
// spectrum, 256 per hop) and the magnitudes of its bins. The window factor of
// sample n is (0.54 - 0.46 cos(n * 6.2831852 / (N - 1))) * gain; the twiddle
// factors are cos(a) - i sin(a) with a = 2 * 3.1415926 * k / N. The window's
// cosines and the twiddles are computed once, with the portable sine and
// cosine so that every build gets the same factors; the gain is applied per call,
// so a new input gain takes effect with the next transform.

#include <array>

namespace qs::rx {

class HammingTransform {
public:
    static constexpr int kMaxSize = 512;

    // size: a power of two, 2..kMaxSize.
    explicit HammingTransform(int size);

    int size() const { return size_; }

    // magnitudes[k] = |X[k]| for k = 0..size-1 of the windowed input.
    void magnitudes(const double* input, double gain, double* magnitudes);

    // |X[bin]| alone, bit for bit the value magnitudes() gives: the same
    // butterflies in the same order, without those the bin does not need.
    double binMagnitude(const double* input, double gain, int bin);

private:
    struct Complex {
        double re;
        double im;
    };

    // Windowed input in bit-reversed order, imaginary parts zero.
    void loadWindowed(const double* input, double gain);
    // The bottom value of a butterfly times its twiddle factor.
    Complex twiddled(int bottom, int twiddle) const;
    double magnitude(int bin) const;

    int size_;
    std::array<double, kMaxSize> window_{};  // without the gain
    std::array<int, kMaxSize> bitReversed_{};
    std::array<double, kMaxSize / 2> twiddleRe_{};
    std::array<double, kMaxSize / 2> twiddleIm_{};
    std::array<double, kMaxSize> re_{};
    std::array<double, kMaxSize> im_{};
};

}  // namespace qs::rx
