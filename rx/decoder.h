#pragma once
// The Morse decoder: runs once per hop after the key state machine, collects
// the marks of a letter and the gaps between them, ends the letter on a gap
// longer than the letter-gap limit, and reads it through the receive table,
// splitting run-together sequences at their widest gaps. Long pauses become
// word spaces (at most three). Runs on the capture thread.

#include <atomic>

#include "rx/decoded_text_sink.h"
#include "rx/receive_settings.h"

namespace qs::rx {

class Decoder {
public:
    enum class State : int { Idle = 0, FirstMark = 1, Gap = 2, NextMark = 3 };

    static constexpr int kMaxElements = 30;

    Decoder(const ReceiveSettings& settings, DecodedTextSink& sink);

    // One hop: a level above the threshold is a mark, anything else a gap.
    void decoderStep(int levelDb, int thresholdDb);

    // A click into a display: back to Idle, the letter being collected is
    // dropped, space and word-space counts restart. Thread-safe; takes
    // effect before the next hop.
    void requestReset();
    // The keying engine starts a character: state and mark length back to 0.
    // Thread-safe; takes effect before the next hop.
    void requestMarkReset();

    State state() const { return state_; }
    int wordSpaceCount() const { return wordSpaceCount_; }

private:
    void applyPendingResets();
    void onMarkHop();
    void onGapHop();
    void countIdleGap();
    void countLetterGap();
    void endFirstElement();
    void endNextElement();
    void endElement();
    void restartAfterOverflow();
    void decodeLetter(int count);

    const ReceiveSettings& settings_;
    DecodedTextSink& sink_;

    std::atomic<bool> resetRequested_{false};
    std::atomic<bool> markResetRequested_{false};

    State state_ = State::Idle;
    int markHops_ = 0;   // decMarkHops
    int spaceHops_ = 0;  // decSpaceHops
    int elementCount_ = 0;
    int letterCode_ = 0;
    int elementMarks_[kMaxElements + 1] = {};
    int elementGaps_[kMaxElements + 1] = {};  // entry k: gap before element k
    int wordSpaceCount_ = 0;
};

}  // namespace qs::rx
