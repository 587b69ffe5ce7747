#pragma once
// The whole receive path for one captured block: tone detection, key
// detection, decoding and the two displays, wired together. The capture
// thread fills rawBlock() and calls processBlock(); decoded text leaves
// through the DecodedTextSink, shown values through the ReceiveIndicators.
// The operator's choice of decoder (adaptiveDecoder) is read at each block:
// the built-in path, or the adaptive decoder, which then feeds the same
// sink, indicators and displays and starts afresh each time it is chosen.

#include "rx/adaptive_decoder.h"
#include "rx/decoded_text_sink.h"
#include "rx/decoder.h"
#include "rx/display_canvas.h"
#include "rx/hop_observer.h"
#include "rx/key_detector.h"
#include "rx/level_display.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "rx/spectrum_display.h"
#include "rx/tone_detector.h"

namespace qs::rx {

class ReceiveChain : private SpectrumListener, private HopListener {
public:
    struct Outputs {
        DecodedTextSink& text;
        ReceiveIndicators& indicators;
        DisplayCanvas& levelCanvas;
        DisplayCanvas& spectrumCanvas;
    };

    ReceiveChain(ReceiveSettings& settings, Outputs outputs);

    SampleBlock& rawBlock() { return rawBlock_; }
    void processBlock();

    // Zeroes the filtered block after the own transmission (thread-safe).
    void clearSampleBlock() { toneDetector_.clearSampleBlock(); }

    // Observes every hop (for traces); null to stop.
    void setHopObserver(HopObserver* observer) { hopObserver_ = observer; }

    Decoder& decoder() { return decoder_; }
    AdaptiveDecoder& adaptiveDecoder() { return adaptiveDecoder_; }
    ToneDetector& toneDetector() { return toneDetector_; }
    KeyDetector& keyDetector() { return keyDetector_; }

private:
    void onBlockSpectrum(const SpectrumMagnitudes& magnitudes) override;
    void onHop(double toneMagnitude) override;
    void processAdaptively();

    ReceiveSettings& settings_;
    SampleBlock rawBlock_{};
    ToneDetector toneDetector_;
    Decoder decoder_;
    LevelDisplay levelDisplay_;
    SpectrumDisplay spectrumDisplay_;
    KeyDetector keyDetector_;
    AdaptiveDecoder adaptiveDecoder_;
    bool adaptiveRunning_ = false;
    HopObserver* hopObserver_ = nullptr;
    long long hopCount_ = 0;
};

}  // namespace qs::rx
