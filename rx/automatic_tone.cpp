#include "rx/automatic_tone.h"

#include "rx/level_db.h"

namespace qs::rx {

int AutomaticTone::peakBin(const double* spectrumMagnitudes, bool upperScale) {
    const int first = upperScale ? 16 : kMinToneBin;
    int best = kMinLevelDb;
    int peak = first;
    for (int bin = first + 1; bin < first + kShownBins; ++bin) {
        const int level = levelDb(spectrumMagnitudes[bin], kSpectrumSize);
        if (level > best) {
            best = level;
            peak = bin;
        }
    }
    return peak;
}

void AutomaticTone::update(const double* spectrumMagnitudes) {
    if (resetRequested_.exchange(false)) candidateCount_ = 0;
    const bool upperScale = settings_.upperScale;
    const int first = upperScale ? 16 : kMinToneBin;
    const int peak = peakBin(spectrumMagnitudes, upperScale);
    if (peak == first || peak == settings_.toneIndex) return;
    if (peak != candidate_) {
        candidate_ = peak;
        candidateCount_ = 0;
        return;
    }
    ++candidateCount_;
    // At least two, not exactly two: should the tone be set elsewhere while
    // the count runs, a peak that has stayed is still followed.
    if (candidateCount_ >= 2) {
        settings_.toneIndex = peak;
        indicators_.showTone(peak);
    }
}

}  // namespace qs::rx
