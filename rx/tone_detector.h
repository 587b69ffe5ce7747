#pragma once
// Tone detection: cleans each captured block (median filter, optional comb
// filter at the tone period), computes the block spectrum for the display and
// the automatic tone, and measures the tone-bin magnitude once per hop in 32
// overlapping, noise-reduced, Hamming-windowed 300-sample windows. Runs on the
// capture thread; every buffer is a fixed array, nothing is allocated per
// block.

#include <array>
#include <atomic>

#include "rx/receive_constants.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"

namespace qs::rx {

using SampleBlock = std::array<double, kBlockSamples>;
using SpectrumMagnitudes = std::array<double, kSpectrumSize>;

// Receives the block spectrum right after it is computed (the spectrum
// display draws it), before the automatic tone step.
class SpectrumListener {
public:
    virtual ~SpectrumListener() = default;
    virtual void onBlockSpectrum(const SpectrumMagnitudes& magnitudes) = 0;
};

// Receives the tone-bin magnitude of each hop, in hop order.
class HopListener {
public:
    virtual ~HopListener() = default;
    virtual void onHop(double toneMagnitude) = 0;
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

    const SampleBlock& sampleBlock() const { return sampleBlock_; }
    const SpectrumMagnitudes& spectrumMagnitude() const { return spectrumMagnitude_; }

private:
    ReceiveSettings& settings_;
    ReceiveIndicators& indicators_;
    std::atomic<bool> clearRequested_{false};

    std::array<double, 4> rawTail_{};
    SampleBlock sampleBlock_{};
    std::array<std::array<double, kWindowSamples>, kHistoryWindows> windowHistory_{};
    SpectrumMagnitudes spectrumMagnitude_{};
    int toneCandidate_ = kDefaultToneBin;
    int toneCandidateCount_ = 0;
};

}  // namespace qs::rx
