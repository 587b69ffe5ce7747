#include "rx/hamming_transform.h"

#include <cmath>

#include "common/portable_math.h"

namespace qs::rx {

HammingTransform::HammingTransform(int size) : size_(size) {
    for (int n = 0; n < size; ++n) window_[n] = 0.54 - 0.46 * portableCos(n * 6.2831852 / (size - 1));
    for (int k = 0; k < size / 2; ++k) {
        const double angle = (2 * 3.1415926 * k) / size;
        twiddleRe_[k] = portableCos(angle);
        twiddleIm_[k] = -portableSin(angle);
    }
    int bits = 0;
    while ((1 << bits) < size) ++bits;
    for (int n = 0; n < size; ++n) {
        int reversed = 0;
        for (int b = 0; b < bits; ++b) reversed |= ((n >> b) & 1) << (bits - 1 - b);
        bitReversed_[n] = reversed;
    }
}

void HammingTransform::loadWindowed(const double* input, double gain) {
    for (int n = 0; n < size_; ++n) {
        re_[bitReversed_[n]] = input[n] * (window_[n] * gain);
        im_[bitReversed_[n]] = 0.0;
    }
}

HammingTransform::Complex HammingTransform::twiddled(int bottom, int twiddle) const {
    const double wr = twiddleRe_[twiddle];
    const double wi = twiddleIm_[twiddle];
    return {wr * re_[bottom] - wi * im_[bottom], wr * im_[bottom] + wi * re_[bottom]};
}

double HammingTransform::magnitude(int bin) const {
    return std::sqrt(re_[bin] * re_[bin] + im_[bin] * im_[bin]);
}

void HammingTransform::magnitudes(const double* input, double gain, double* magnitudes) {
    loadWindowed(input, gain);
    for (int half = 1, step = size_ / 2; half < size_; half *= 2, step /= 2) {
        for (int start = 0; start < size_; start += 2 * half) {
            for (int j = 0; j < half; ++j) {
                const int top = start + j;
                const int bottom = top + half;
                const Complex t = twiddled(bottom, j * step);
                re_[bottom] = re_[top] - t.re;
                im_[bottom] = im_[top] - t.im;
                re_[top] = re_[top] + t.re;
                im_[top] = im_[top] + t.im;
            }
        }
    }
    for (int k = 0; k < size_; ++k) magnitudes[k] = magnitude(k);
}

// After the stage with blocks of 2 * half values, the bin depends on one
// position per block, bin % (2 * half); each comes from a single butterfly
// output, the top one when the position lies in the block's first half.
double HammingTransform::binMagnitude(const double* input, double gain, int bin) {
    loadWindowed(input, gain);
    for (int half = 1, step = size_ / 2; half < size_; half *= 2, step /= 2) {
        const int position = bin % (2 * half);
        const int j = position % half;
        const bool top = position < half;
        for (int start = 0; start < size_; start += 2 * half) {
            const int a = start + j;
            const int b = a + half;
            const Complex t = twiddled(b, j * step);
            if (top) {
                re_[a] = re_[a] + t.re;
                im_[a] = im_[a] + t.im;
            } else {
                re_[b] = re_[a] - t.re;
                im_[b] = im_[a] - t.im;
            }
        }
    }
    return magnitude(bin);
}

}  // namespace qs::rx
