#pragma once
// The adaptive decoder: a second way from the captured audio to text, chosen
// by the operator. Per block it finds and follows the tone (ToneSearch), then
// per hop filters it narrowly (NarrowFilter), decides key-down and key-up
// against tracked noise and mark levels (KeySlicer), learns the sender's
// timing (TimingTracker) and reads each letter as its likeliest sequence
// (LetterReader), all behind a squelch. The audio of the last three
// seconds is kept; once a new signal has given about ten marks or a word, it
// is filtered again at the tone found by then, with the filter length that
// reads best as Morse, and sliced afresh from its own noise floor and peaks,
// so a signal's first letters are not lost. Letters go to the same text sink
// as the built-in decoder's, once their letter gap is complete; one blank
// follows a word. Runs on the capture thread; fixed buffers, nothing
// allocated per block.

#include <atomic>
#include <complex>

#include "rx/decoded_text_sink.h"
#include "rx/hop_observer.h"
#include "rx/key_slicer.h"
#include "rx/letter_reader.h"
#include "rx/level_display.h"
#include "rx/narrow_filter.h"
#include "rx/receive_indicators.h"
#include "rx/receive_settings.h"
#include "rx/recent_audio.h"
#include "rx/sample_block.h"
#include "rx/signal_squelch.h"
#include "rx/timing_tracker.h"
#include "rx/tone_search.h"

namespace qs::rx {

class AdaptiveDecoder {
  public:
    struct Outputs {
        DecodedTextSink& text;
        ReceiveIndicators& indicators;
        LevelDisplay& levelDisplay;
    };

    AdaptiveDecoder(ReceiveSettings& settings, Outputs outputs);

    // One captured block; `observer` (may be null) sees every hop, counted
    // on from firstHop.
    void processBlock(const SampleBlock& rawBlock, HopObserver* observer, long long firstHop);

    // Starts afresh: tone, levels, timing and the letter being collected.
    void restart();
    // A click into a display: the letter being collected is dropped.
    // Thread-safe; takes effect before the next block.
    void requestReset() { resetRequested_ = true; }

    const SpectrumMagnitudes& spectrumMagnitudes() const { return toneSearch_.magnitudes(); }
    bool squelchOpen() const { return squelch_.open(); }
    const TimingTracker& timing() const { return timing_; }
    const KeySlicer& slicer() const { return slicer_; }
    double toneHz() const { return filter_.toneHz(); }
    double toneProminenceDb() const { return toneSearch_.prominenceDb(); }

  private:
    void followTone();
    int matchedFilterLength() const;
    void adaptFilterLength();
    void processHop(const double* samples, HopObserver* observer, long long hop);
    void trackPhase(std::complex<double> output);
    void onRun(const KeyRun& run);
    void takeRun(const KeyRun& run);
    void takeMark(int hops);
    void readAheadIfLong();
    double sureLetterSplitHops() const;
    void spaceSoFar(int hops);
    void endLetter();
    bool acquiring() const;
    bool loneBlip() const;
    void dropLetter() { elementCount_ = 0; }
    void openSquelch();
    void acquireIfDue();
    int bestReplayLength(long long first, int count);
    void replayPass(long long first, int count, int length, bool read);
    void primeSlicer();
    static int debounceHops(int filterLength);
    void showIndicators();
    void drawLevel(double levelDb);

    ReceiveSettings& settings_;
    Outputs outputs_;
    std::atomic<bool> resetRequested_{false};

    ToneSearch toneSearch_;
    NarrowFilter filter_;
    KeySlicer slicer_;
    TimingTracker timing_;
    LetterReader reader_;
    SignalSquelch squelch_;

    std::complex<double> previousOutput_{};
    std::complex<double> phaseTurn_{};
    int markHopsSeen_ = 0;
    double gainDb_ = 0.0;

    RecentAudio recent_;
    long long readUpToHop_ = 0;  // the last letter shown was read here; older audio is done
    long long openedAtHop_ = 0;  // the squelch opened last

    int marks_[LetterReader::kMaxElements] = {};
    int gaps_[LetterReader::kMaxElements] = {};
    int elementCount_ = 0;
    int pendingGap_ = 0;           // the gap before the next mark
    bool gapFollowsMark_ = false;  // the space in progress follows a mark of this transmission
    bool wordOpen_ = false;        // text was appended since the last blank
    bool acquiring_ = false;       // the squelch opened; the recent audio is to be read again
    bool acquisitionDue_ = false;  // a word has ended meanwhile

    int shownCpm_ = 0;
    int shownThresholdDb_ = 1;
};

}  // namespace qs::rx
