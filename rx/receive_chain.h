#pragma once
// The whole receive path for one captured block: tone detection, key
// detection, decoding and the two displays, wired together. The capture
// thread fills rawBlock() and calls processBlock(); decoded text leaves
// through the DecodedTextSink, shown values through the ReceiveIndicators.

#include "rx/decoded_text_sink.h"
#include "rx/decoder.h"
#include "rx/display_canvas.h"
#include "rx/key_detector.h"
#include "rx/level_display.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "rx/spectrum_display.h"
#include "rx/tone_detector.h"

namespace qs::rx {

// What a trace of the receive path sees after each hop.
struct HopReport {
    long long hop;  // counted from 0 since the chain was built
    int levelDb;    // conditioned level
    bool keyDown;
    int dotDashLimit;
    int letterGapLimit;
    int thresholdDb;
    int toneIndex;
};

class HopObserver {
public:
    virtual ~HopObserver() = default;
    virtual void afterHop(const HopReport& report) = 0;
};

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
    ToneDetector& toneDetector() { return toneDetector_; }
    KeyDetector& keyDetector() { return keyDetector_; }

private:
    void onBlockSpectrum(const SpectrumMagnitudes& magnitudes) override;
    void onHop(double toneMagnitude) override;

    ReceiveSettings& settings_;
    SampleBlock rawBlock_{};
    ToneDetector toneDetector_;
    Decoder decoder_;
    LevelDisplay levelDisplay_;
    SpectrumDisplay spectrumDisplay_;
    KeyDetector keyDetector_;
    HopObserver* hopObserver_ = nullptr;
    long long hopCount_ = 0;
};

}  // namespace qs::rx
