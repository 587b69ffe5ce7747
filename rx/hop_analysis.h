#pragma once
// The tone magnitude once per hop: 32 analysis windows of 300 samples per
// block, one starting every 32 samples of the continuous signal, each noise
// reduced and transformed (256 points) and read at the tone bin. Nine windows
// start in the previous block; they are kept in windowHistory and run first,
// so the hop order holds across blocks.

#include <array>

#include "rx/hamming_transform.h"
#include "rx/noise_reducer.h"
#include "rx/receive_constants.h"
#include "rx/receive_settings.h"
#include "rx/sample_block.h"

namespace qs::rx {

// Receives the tone-bin magnitude of each hop, in hop order.
class HopListener {
public:
    virtual ~HopListener() = default;
    virtual void onHop(double toneMagnitude) = 0;
};

class HopAnalysis {
public:
    explicit HopAnalysis(const ReceiveSettings& settings, VectorUnit unit = bestVectorUnit())
        : settings_(settings), noiseReducer_(unit) {}

    // The 32 windows that end in this block of filtered samples, in hop order.
    // Reads the noise reduction, the tone and the gain fresh for each window.
    void run(const SampleBlock& samples, HopListener& hops);

    // The 256-point bin of a tone bin (twice as wide); a tone outside 8..44
    // is read at bin 28's.
    static int transformBin(int toneIndex);

private:
    static constexpr int kBlockWindows = kHopsPerBlock - kHistoryWindows;

    NoiseReduction noiseReduction() const;
    void analyseWindow(const double* window, HopListener& hops);

    const ReceiveSettings& settings_;
    // Buffer m - 1 (m = 1..9): the last 320 - 32m samples of the previous
    // block, then the first 32m - 20 samples of this one.
    std::array<std::array<double, kWindowSamples>, kHistoryWindows> windowHistory_{};
    NoiseReducer noiseReducer_;
    NoiseReducer::Reduced reduced_{};
    HammingTransform transform_{kHopTransformSize};
};

}  // namespace qs::rx
