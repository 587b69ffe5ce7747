#include "rx/receive_chain.h"

namespace qs::rx {

ReceiveChain::ReceiveChain(ReceiveSettings& settings, Outputs outputs)
    : settings_(settings),
      toneDetector_(settings, outputs.indicators),
      decoder_(settings, outputs.text),
      levelDisplay_(outputs.levelCanvas),
      spectrumDisplay_(outputs.spectrumCanvas),
      keyDetector_(settings, outputs.indicators, levelDisplay_, decoder_),
      adaptiveDecoder_(settings, {outputs.text, outputs.indicators, levelDisplay_}) {}

void ReceiveChain::processBlock() {
    const bool adaptive = settings_.adaptiveDecoder;
    if (adaptive && !adaptiveRunning_) adaptiveDecoder_.restart();
    adaptiveRunning_ = adaptive;
    if (adaptive) {
        processAdaptively();
    } else {
        toneDetector_.processBlock(rawBlock_, *this, *this);
    }
}

void ReceiveChain::processAdaptively() {
    adaptiveDecoder_.processBlock(rawBlock_, hopObserver_, hopCount_);
    hopCount_ += kHopsPerBlock;
    spectrumDisplay_.drawSpectrum(adaptiveDecoder_.spectrumMagnitudes(), settings_.toneIndex,
                                  settings_.upperScale);
}

void ReceiveChain::onBlockSpectrum(const SpectrumMagnitudes& magnitudes) {
    spectrumDisplay_.drawSpectrum(magnitudes, settings_.toneIndex, settings_.upperScale);
}

void ReceiveChain::onHop(double toneMagnitude) {
    keyDetector_.onHop(toneMagnitude);
    if (hopObserver_ != nullptr) {
        hopObserver_->afterHop({hopCount_, keyDetector_.signalLevelDb(), keyDetector_.keyDown(),
                                settings_.dotDashLimit, settings_.letterGapLimit,
                                settings_.thresholdDb, settings_.toneIndex});
    }
    ++hopCount_;
}

}  // namespace qs::rx
