#include "rx/tone_detector.h"

#include "rx/comb_filter.h"

namespace qs::rx {

ToneDetector::ToneDetector(ReceiveSettings& settings, ReceiveIndicators& indicators)
    : settings_(settings), automaticTone_(settings, indicators), hopAnalysis_(settings) {}

void ToneDetector::clearSampleBlock() {
    clearRequested_.store(true);
}

void ToneDetector::resetToneCandidate() {
    automaticTone_.resetCandidate();
}

void ToneDetector::processBlock(const SampleBlock& rawBlock, SpectrumListener& spectrum,
                                HopListener& hops) {
    if (clearRequested_.exchange(false)) sampleBlock_.fill(0.0);

    medianFilter_.apply(rawBlock, sampleBlock_);
    if (settings_.qrmOn) applyCombFilter(sampleBlock_, settings_.toneIndex);

    blockSpectrum_.compute(sampleBlock_, settings_.inputGain, spectrumMagnitude_);
    spectrum.onBlockSpectrum(spectrumMagnitude_);
    if (settings_.toneAuto) automaticTone_.update(spectrumMagnitude_.data());

    hopAnalysis_.run(sampleBlock_, hops);
}

}  // namespace qs::rx
