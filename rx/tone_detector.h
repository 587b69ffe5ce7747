#pragma once
// Tone detection: cleans each captured block (median filter, optional comb
// filter at the tone period), computes the block spectrum for the display and
// the automatic tone, and measures the tone-bin magnitude once per hop in 32
// overlapping, noise-reduced, Hamming-windowed 300-sample windows. Runs on the
// capture thread; every buffer is a fixed array, nothing is allocated per
// block.

#include <atomic>

#include "rx/automatic_tone.h"
#include "rx/block_spectrum.h"
#include "rx/hop_analysis.h"
#include "rx/median_filter.h"
#include "rx/receive_constants.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "rx/sample_block.h"

namespace qs::rx {

// Receives the block spectrum right after it is computed (the spectrum
// display draws it), before the automatic tone step.
class SpectrumListener {
public:
    virtual ~SpectrumListener() = default;
    virtual void onBlockSpectrum(const SpectrumMagnitudes& magnitudes) = 0;
};

class ToneDetector {
public:
    ToneDetector(ReceiveSettings& settings, ReceiveIndicators& indicators);

    // Runs the whole chain over one block of raw samples (16-bit values as
    // doubles) and ends with 32 calls of hops.onHop().
    void processBlock(const SampleBlock& rawBlock, SpectrumListener& spectrum, HopListener& hops);

    // Zeroes the filtered block; the keying engine calls it when its text is
    // sent. Thread-safe: applied on the capture thread before the next block.
    void clearSampleBlock();

    // The automatic tone counts its candidate peak anew (the Auto box was
    // ticked). Thread-safe: applied at the next block spectrum.
    void resetToneCandidate();

    const SampleBlock& sampleBlock() const { return sampleBlock_; }
    const SpectrumMagnitudes& spectrumMagnitude() const { return spectrumMagnitude_; }

private:
    ReceiveSettings& settings_;
    std::atomic<bool> clearRequested_{false};

    MedianFilter medianFilter_;
    SampleBlock sampleBlock_{};
    BlockSpectrum blockSpectrum_;
    SpectrumMagnitudes spectrumMagnitude_{};
    AutomaticTone automaticTone_;
    HopAnalysis hopAnalysis_;
};

}  // namespace qs::rx
