#include "rx/adaptive_decoder.h"

#include <algorithm>
#include <cmath>

#include "rx/replay_length_choice.h"
#include "rx/speed_estimate.h"

namespace qs::rx {

namespace {

constexpr double kBinHz = static_cast<double>(kSampleRate) / kSpectrumSize;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kFixedToneReachBins = 2;  // a chosen tone is sought this far around
constexpr double kRetuneHz = 20.0;      // the spectrum's peak overrides the fine tracking
constexpr int kPhaseSettleHops = 3;     // hops of a mark before its phase counts
constexpr int kMinPhaseHops = 4;
constexpr double kPhaseCorrection = 0.5;  // share of the measured offset applied per mark
constexpr double kMaxCorrectionHz = 10.0;
constexpr double kFilterShareOfDot = 0.5;  // boxcar length against the dot
constexpr double kRelengthRatio = 1.12;
constexpr double kMaxRelengthStep = 1.3;
constexpr double kDebounceShare = 0.3;  // of the element the filter is matched to
constexpr int kMaxDebounceHops = 12;
constexpr double kLongMarkDashes = 5.0;  // a mark longer than this many dashes...
constexpr int kLongMarkHops = 500;       // ...and this many hops is a carrier, not Morse
// Filter lengths tried on the recent audio: matched to dots of 250 to 65/Min.
constexpr int kReplayLengths[] = {128, 181, 256, 362, 512};
constexpr double kWeakContrastDb = 18.0;  // marks over the floor of a weak signal
constexpr int kLookAheadElements = 10;    // elements waiting before the first are read
constexpr int kMinMarksForSpeed = 8;
constexpr int kAcquireMarks = 10;  // marks before letters are read one by one
constexpr int kSpeedShownStep = 3;
constexpr int kThresholdShownStep = 2;

int nearestBin(double hz) {
    return static_cast<int>(std::lround(hz / kBinHz));
}

int displayLevel(double levelDb) {
    return static_cast<int>(std::clamp(std::lround(levelDb), -90L, 0L));
}

}  // namespace

AdaptiveDecoder::AdaptiveDecoder(ReceiveSettings& settings, Outputs outputs)
    : settings_(settings), outputs_(outputs) {
    restart();
}

void AdaptiveDecoder::restart() {
    timing_.reset();
    toneSearch_.reset();
    filter_.reset();
    filter_.setLength(matchedFilterLength());
    slicer_.reset();
    squelch_.reset();
    phaseTurn_ = previousOutput_ = {};
    markHopsSeen_ = 0;
    recent_.clear();
    readUpToHop_ = openedAtHop_ = 0;
    elementCount_ = pendingGap_ = 0;
    gapFollowsMark_ = wordOpen_ = false;
    acquiring_ = acquisitionDue_ = false;
    shownCpm_ = 0;
    shownThresholdDb_ = 1;
}

void AdaptiveDecoder::processBlock(const SampleBlock& rawBlock, HopObserver* observer,
                                   long long firstHop) {
    if (resetRequested_.exchange(false)) {
        dropLetter();
        wordOpen_ = false;
    }
    gainDb_ = 20.0 * std::log10(std::max(settings_.inputGain.load(), 1e-6));
    const bool toneAuto = settings_.toneAuto;
    const int chosen = settings_.toneIndex;
    // No median filter here: it costs a signal below the noise about 2 dB,
    // and the narrow filter averages a click away by itself.
    toneSearch_.update(rawBlock, toneAuto ? kMinToneBin : chosen - kFixedToneReachBins,
                       toneAuto ? kMaxToneBin : chosen + kFixedToneReachBins,
                       squelch_.open() && !acquiring_);
    followTone();
    adaptFilterLength();
    for (int hop = 0; hop < kHopsPerBlock; ++hop) {
        processHop(rawBlock.data() + hop * kHopSamples, observer, firstHop + hop);
    }
    // Only a locked tone is the one filtered: a peak not yet locked opens nothing.
    const double prominenceDb = toneSearch_.locked() ? toneSearch_.prominenceDb() : 0.0;
    const bool wasOpen = squelch_.open();
    const bool open = squelch_.update(prominenceDb, slicer_.contrastDb());
    if (open && !wasOpen) openSquelch();
    acquireIfDue();
    showIndicators();
}

// The oscillator jumps with the lock and otherwise follows the phase of the
// marks; the spectrum corrects it when the two drift apart. Levels heard at
// the old tone say nothing of the new one: the slicer starts afresh, or a
// mark level learnt from noise could hold the key down for good.
void AdaptiveDecoder::followTone() {
    const double searchHz = toneSearch_.toneHz();
    if (!toneSearch_.locked()) return;
    if (toneSearch_.jumped() || std::abs(searchHz - filter_.toneHz()) > kRetuneHz) {
        filter_.reset();
        filter_.setToneHz(searchHz);
        slicer_.reset();
        phaseTurn_ = {};
        markHopsSeen_ = 0;
    }
    if (!settings_.toneAuto || !squelch_.open()) return;
    const int bin = std::clamp(nearestBin(filter_.toneHz()), kMinToneBin, kMaxToneBin);
    if (bin == settings_.toneIndex) return;
    settings_.toneIndex = bin;
    outputs_.indicators.showTone(bin);
}

// Matched to the shorter of dot and element gap, so that heavy keying keeps
// its gaps.
int AdaptiveDecoder::matchedFilterLength() const {
    const double shortest = std::min(timing_.dotHops(), timing_.elementGapHops());
    return std::clamp(static_cast<int>(kFilterShareOfDot * shortest * kHopSamples),
                      NarrowFilter::kMinLength, NarrowFilter::kMaxLength);
}

// A step at most per block: a unit thrown off for a moment by a burst of
// noise does not take the filter and the debounce with it.
void AdaptiveDecoder::adaptFilterLength() {
    const double ratio = double(matchedFilterLength()) / filter_.length();
    if (ratio <= kRelengthRatio && ratio >= 1.0 / kRelengthRatio) return;
    const double step = std::clamp(ratio, 1.0 / kMaxRelengthStep, kMaxRelengthStep);
    filter_.setLength(std::clamp(static_cast<int>(std::lround(step * filter_.length())),
                                 NarrowFilter::kMinLength, NarrowFilter::kMaxLength));
}

void AdaptiveDecoder::processHop(const double* samples, HopObserver* observer, long long hop) {
    recent_.record(samples);
    const std::complex<double> output = filter_.hop(samples);
    const double level = NarrowFilter::levelDb(output);
    trackPhase(output);
    KeyRun run{};
    if (slicer_.onHop(level, debounceHops(filter_.length()), run)) onRun(run);
    if (!slicer_.keyDown() && squelch_.open()) spaceSoFar(slicer_.runHops());
    drawLevel(level);
    if (observer != nullptr) {
        observer->afterHop(
            {hop, displayLevel(level + gainDb_), slicer_.keyDown(),
             static_cast<int>(timing_.dashSplitHops()), static_cast<int>(timing_.letterSplitHops()),
             displayLevel(slicer_.thresholdDb() + gainDb_), nearestBin(filter_.toneHz())});
    }
}

// Within a mark the output turns by the tone's offset from the oscillator.
void AdaptiveDecoder::trackPhase(std::complex<double> output) {
    if (slicer_.keyDown()) {
        if (++markHopsSeen_ > kPhaseSettleHops) phaseTurn_ += output * std::conj(previousOutput_);
    } else if (markHopsSeen_ > 0) {
        if (markHopsSeen_ - kPhaseSettleHops >= kMinPhaseHops && std::abs(phaseTurn_) > 0.0) {
            const double offsetHz = std::arg(phaseTurn_) * kSampleRate / (kTwoPi * kHopSamples);
            const double correction =
                std::clamp(kPhaseCorrection * offsetHz, -kMaxCorrectionHz, kMaxCorrectionHz);
            filter_.setToneHz(filter_.toneHz() + correction);
        }
        markHopsSeen_ = 0;
        phaseTurn_ = {};
    }
    previousOutput_ = output;
}

// Runs that end while the squelch is closed are not read; they come back
// when it opens.
void AdaptiveDecoder::onRun(const KeyRun& run) {
    if (squelch_.open()) {
        takeRun(run);
    } else {
        gapFollowsMark_ = false;
    }
}

// A signal found: its timing is learnt from the first marks.
void AdaptiveDecoder::openSquelch() {
    timing_.reset();
    dropLetter();
    gapFollowsMark_ = false;
    acquisitionDue_ = false;
    acquiring_ = true;
    openedAtHop_ = recent_.hopsRecorded();
}

// Once enough marks or a word have come, or the recent audio would soon
// lose the signal's start, the timing is learnt anew from the recent audio
// (from the end of the last letter shown), filtered again at the tone found
// now and sliced from its own noise floor and peaks: with the filter of
// several that reads best as Morse, then twice with the one matched to the
// dot so learnt; the last pass is read. The filter and the slicer then run on
// from there, so the run in progress continues as it was read.
void AdaptiveDecoder::acquireIfDue() {
    if (!acquiring_ || !squelch_.open()) return;
    const long long recorded = recent_.hopsRecorded();
    const long long first = std::max(readUpToHop_, recent_.oldestKeptHop());
    const int count = static_cast<int>(recorded - first);
    const bool full = recorded - openedAtHop_ >= RecentAudio::kHops / 2;
    if (!acquisitionDue_ && !full && timing_.marksSeen() < kAcquireMarks) return;
    acquiring_ = acquisitionDue_ = false;
    dropLetter();
    if (count <= 0) return;
    int length = bestReplayLength(first, count);
    replayPass(first, count, length, false);
    length = matchedFilterLength();
    replayPass(first, count, length, false);
    replayPass(first, count, length, true);
    filter_ = recent_.filter();
    previousOutput_ = recent_.lastOutput();
    markHopsSeen_ = 0;
    phaseTurn_ = {};
}

// Each filter length, short to long, is tried on the recent audio; the
// choice weighs how its runs fit Morse, the dot they give and whether the
// other lengths give that dot too.
int AdaptiveDecoder::bestReplayLength(long long first, int count) {
    constexpr int kTrials = sizeof(kReplayLengths) / sizeof(kReplayLengths[0]);
    ReplayTrial trials[kTrials];
    for (int i = 0; i < kTrials; ++i) {
        replayPass(first, count, kReplayLengths[i], false);
        trials[i] = {kReplayLengths[i], matchedFilterLength(), timing_.meanFitCost(),
                     timing_.dotHops()};
    }
    return kReplayLengths[bestReplayTrial(trials, kTrials)];
}

// One pass over the recent audio; its runs are read as letters or only
// teach the timing.
void AdaptiveDecoder::replayPass(long long first, int count, int length, bool read) {
    recent_.refilter(first, count, filter_.toneHz(), length);
    primeSlicer();
    if (!read) timing_.reset();
    gapFollowsMark_ = false;
    for (int k = 0; k < count; ++k) {
        KeyRun run{};
        if (!slicer_.onHop(recent_.levelDb(k), debounceHops(length), run)) continue;
        if (read) {
            takeRun(run);
        } else if (run.mark) {
            timing_.onMark(run.hops);
            gapFollowsMark_ = true;
        } else if (gapFollowsMark_) {
            timing_.onGap(run.hops);
        }
    }
}

void AdaptiveDecoder::primeSlicer() {
    const RecentAudio::Levels levels = recent_.levels();
    slicer_.reset();
    slicer_.prime(levels.floorDb, levels.markDb);
}

// A share of the element the filter is matched to, so that a pass over the
// recent audio slices alike from start to end.
int AdaptiveDecoder::debounceHops(int filterLength) {
    const double elementHops = filterLength / (kFilterShareOfDot * kHopSamples);
    return std::clamp(static_cast<int>(std::lround(kDebounceShare * elementHops)), 2,
                      kMaxDebounceHops);
}

void AdaptiveDecoder::takeRun(const KeyRun& run) {
    if (run.mark) {
        takeMark(run.hops);
        return;
    }
    if (gapFollowsMark_) timing_.onGap(run.hops);
    spaceSoFar(run.hops);
    pendingGap_ = run.hops;
}

void AdaptiveDecoder::takeMark(int hops) {
    if (hops > kLongMarkDashes * timing_.dashHops() && hops > kLongMarkHops) {
        dropLetter();
        gapFollowsMark_ = false;
        return;
    }
    timing_.onMark(hops);
    if (elementCount_ > 0 && pendingGap_ > sureLetterSplitHops() && !acquiring()) endLetter();
    if (elementCount_ == LetterReader::kMaxElements) endLetter();
    if (elementCount_ > 0) gaps_[elementCount_] = pendingGap_;
    marks_[elementCount_++] = hops;
    gapFollowsMark_ = true;
    readAheadIfLong();
}

// Letters run together are read as they come, all but the last, which
// waits for what follows; so a hand whose letter gaps are short still shows
// its letters within a letter or two.
void AdaptiveDecoder::readAheadIfLong() {
    if (elementCount_ < kLookAheadElements || acquiring()) return;
    if (reader_.read(marks_, gaps_, elementCount_, timing_, outputs_.text, true) > 0) {
        wordOpen_ = true;
        readUpToHop_ = recent_.hopsRecorded();
    }
    const int from = reader_.heldFrom();
    std::copy(marks_ + from, marks_ + elementCount_, marks_);
    std::copy(gaps_ + from, gaps_ + elementCount_, gaps_);
    elementCount_ -= from;
}

// While the timing is still being acquired, the letters of the first word
// wait for its end and are read together with what the word taught.
void AdaptiveDecoder::spaceSoFar(int hops) {
    if (elementCount_ > 0 && hops > sureLetterSplitHops() && !acquiring() && !loneBlip()) {
        endLetter();
    }
    if (hops <= timing_.wordSplitHops()) return;
    if (acquiring_) {
        acquisitionDue_ = elementCount_ > 0;
        return;
    }
    if (loneBlip()) dropLetter();
    endLetter();
    if (wordOpen_) {
        outputs_.text.appendWordSpace();
        wordOpen_ = false;
    }
}

// Shorter gaps beyond the element gap may still be element gaps of an
// uneven hand: the letters they part are read together, and the likeliest
// reading tells where they part.
double AdaptiveDecoder::sureLetterSplitHops() const {
    return std::max(timing_.letterSplitHops(), timing_.letterGapHops());
}

// On a weak signal a single mark between word spaces is most likely a burst
// of noise: it waits for the next mark and is dropped if a word space comes
// first.
bool AdaptiveDecoder::loneBlip() const {
    return elementCount_ == 1 && !wordOpen_ && slicer_.contrastDb() < kWeakContrastDb;
}

bool AdaptiveDecoder::acquiring() const {
    return acquiring_ || timing_.marksSeen() < kAcquireMarks;
}

void AdaptiveDecoder::endLetter() {
    if (elementCount_ == 0) return;
    if (reader_.read(marks_, gaps_, elementCount_, timing_, outputs_.text) > 0) {
        wordOpen_ = true;
        readUpToHop_ = recent_.hopsRecorded();
    }
    elementCount_ = 0;
}

void AdaptiveDecoder::showIndicators() {
    if (squelch_.open() && timing_.marksSeen() >= kMinMarksForSpeed) {
        const int cpm = static_cast<int>(std::lround(timing_.charsPerMinute()));
        if (std::abs(cpm - shownCpm_) >= kSpeedShownStep) {
            shownCpm_ = cpm;
            outputs_.indicators.showRxSpeed(cpm);
            const int speedIndex = rxSpeedIndexFor(cpm);
            settings_.rxSpeedIndex = speedIndex;
            outputs_.indicators.moveRxSpeedSlider(speedIndex);
        }
    }
    const int thresholdDb = displayLevel(slicer_.thresholdDb() + gainDb_);
    if (std::abs(thresholdDb - shownThresholdDb_) >= kThresholdShownStep) {
        shownThresholdDb_ = thresholdDb;
        outputs_.indicators.showThreshold(thresholdDb);
    }
}

// The level display shows the adaptive threshold as its red line.
void AdaptiveDecoder::drawLevel(double levelDb) {
    LevelDisplay& display = outputs_.levelDisplay;
    if (display.wrapDue()) {
        display.beginSweep();
        display.finishSweep(displayLevel(slicer_.thresholdDb() + gainDb_));
    }
    display.plot(displayLevel(levelDb + gainDb_));
}

}  // namespace qs::rx
