#pragma once
// The adaptive decoder's narrow filter: the samples are mixed down by a
// numerically controlled oscillator at the tracked tone and smoothed by two
// boxcar averages in a row (a triangular impulse response of twice their
// length), whose length follows the sender's dot. What comes out once per
// hop is the tone's complex amplitude: its magnitude is the envelope, its
// phase turns with the tone's offset from the oscillator, which lets the
// decoder follow a drifting tone. Fixed buffers; nothing is allocated.

#include <array>
#include <complex>

#include "rx/receive_constants.h"

namespace qs::rx {

class NarrowFilter {
  public:
    static constexpr int kMaxLength = 512;  // samples per boxcar
    static constexpr int kMinLength = 32;

    // The oscillator's frequency; its phase runs on.
    void setToneHz(double hz);
    double toneHz() const { return toneHz_; }
    // Length of each boxcar in samples (kMinLength..kMaxLength).
    void setLength(int samples);
    int length() const { return length_; }

    // Filters one hop of kHopSamples samples; returns the output after its
    // last sample. A tone of peak amplitude A at the oscillator's frequency
    // gives |output| = A / 2.
    std::complex<double> hop(const double* samples);

    void reset();

    // An output's level in dB of 16-bit full scale, floored at -127 dB.
    static double levelDb(std::complex<double> output);

  private:
    void resum();

    double toneHz_ = 600.0;
    std::complex<double> phasor_{1.0, 0.0};
    std::complex<double> step_{1.0, 0.0};
    int length_ = 128;
    int position_ = 0;
    std::array<std::complex<double>, kMaxLength> mixed_{};     // first boxcar's input
    std::array<std::complex<double>, kMaxLength> smoothed_{};  // second boxcar's input
    std::complex<double> firstSum_{};
    std::complex<double> secondSum_{};
    int hopsSinceResum_ = 0;
};

}  // namespace qs::rx
