#pragma once
// The automatic tone: follows the strongest peak of the block spectrum among
// the bins the spectrum display shows, once the same peak has been seen in
// three successive blocks (about 0.28 s). The choice is shown, not stored.

#include <atomic>

#include "rx/receive_constants.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"

namespace qs::rx {

class AutomaticTone {
public:
    AutomaticTone(ReceiveSettings& settings, ReceiveIndicators& indicators)
        : settings_(settings), indicators_(indicators) {}

    // One block spectrum (512 magnitudes); moves settings.toneIndex when the
    // peak has stayed. Capture thread.
    void update(const double* spectrumMagnitudes);

    // Starts counting anew (the Auto box was ticked). Any thread; takes effect
    // at the next update.
    void resetCandidate() { resetRequested_.store(true); }

    // The strongest of bins first+1..first+28 (first = 16 on the upper scale,
    // else 8), the lower bin on equal levels; first when none rises above
    // -90 dB, which means no peak.
    static int peakBin(const double* spectrumMagnitudes, bool upperScale);

private:
    ReceiveSettings& settings_;
    ReceiveIndicators& indicators_;
    std::atomic<bool> resetRequested_{false};
    int candidate_ = kDefaultToneBin;  // last peak seen
    int candidateCount_ = 0;           // how often in a row after the first time
};

}  // namespace qs::rx
