#pragma once
// Finds the CW tone of the adaptive decoder: the power spectrum of each block
// (two Hamming-windowed 512-point transforms), averaged over about a second
// per bin, and a lock on its strongest peak within the bins searched. The
// lock follows a peak that moves to a neighbouring bin (a drifting tone) and
// jumps to another peak only when that one stays twice as strong for three
// blocks. Also measures how far the peak stands out of the bins around it,
// which tells a tone from noise.

#include <array>

#include "rx/block_spectrum.h"
#include "rx/hamming_transform.h"
#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::rx {

class ToneSearch {
  public:
    ToneSearch();

    // One block of samples; the tone is sought in the 512-point bins
    // lowBin..highBin (within 8..44). Unless `holdLock`, the lock moves to a
    // stronger peak at once: before a signal is read, a lock taken on noise
    // or on a station's first marks must not hold off the one that stays.
    void update(const SampleBlock& samples, int lowBin, int highBin, bool holdLock = true);
    // Forgets the averages and the lock.
    void reset();

    bool locked() const { return lockedBin_ >= 0; }
    int lockedBin() const { return lockedBin_; }
    // The locked peak's frequency, interpolated between bins.
    double toneHz() const { return toneHz_; }
    // The locked bin's average power over that of the bins around it, in dB.
    double prominenceDb() const { return prominenceDb_; }
    // The lock moved to another peak (not a neighbour) in the last update.
    bool jumped() const { return jumped_; }
    // Magnitudes of the last block's first transform, for the spectrum display.
    const SpectrumMagnitudes& magnitudes() const { return magnitudes_; }

  private:
    void average(const double* first, const double* second);
    int strongestBin(int lowBin, int highBin) const;
    void follow(int peak, bool holdLock);
    double interpolatedHz(int bin) const;
    double medianPowerAround(int bin) const;

    HammingTransform transform_{kSpectrumSize};
    SpectrumMagnitudes magnitudes_{};
    SpectrumMagnitudes secondHalf_{};
    std::array<double, kSpectrumSize / 2> averagePower_{};
    int blocksSeen_ = 0;
    int lockedBin_ = -1;
    int challenger_ = -1;
    int challengerBlocks_ = 0;
    double toneHz_ = 0.0;
    double prominenceDb_ = 0.0;
    bool jumped_ = false;
};

}  // namespace qs::rx
