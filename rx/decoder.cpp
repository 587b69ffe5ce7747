#include "rx/decoder.h"

#include "rx/letter_splitter.h"
#include "rx/morse_tables.h"

namespace qs::rx {
namespace {

// A mark or gap counter that passes the ceiling drops back to the restart
// value, so a steady carrier or a long silence never overflows it.
constexpr int kCounterCeilingHops = 5000;
constexpr int kCounterRestartHops = 1000;
constexpr int kMaxWordSpaces = 3;  // blanks per pause
constexpr double kWordSpaceLetterGaps = 2.5;

void countHop(int& hops) {
    if (++hops > kCounterCeilingHops) hops = kCounterRestartHops;
}

}  // namespace

Decoder::Decoder(const ReceiveSettings& settings, DecodedTextSink& sink)
    : settings_(settings), sink_(sink) {}

void Decoder::requestReset() {
    resetRequested_ = true;
}

void Decoder::requestMarkReset() {
    markResetRequested_ = true;
}

void Decoder::applyPendingResets() {
    if (resetRequested_.exchange(false)) {
        state_ = State::Idle;
        spaceHops_ = 0;
        wordSpaceCount_ = 0;
        elementCount_ = 0;
        letterCode_ = 0;
    }
    if (markResetRequested_.exchange(false)) {
        state_ = State::Idle;
        markHops_ = 0;
    }
}

void Decoder::decoderStep(int levelDb, int thresholdDb) {
    applyPendingResets();
    // A level equal to the threshold is a gap here.
    if (levelDb > thresholdDb) {
        onMarkHop();
    } else {
        onGapHop();
    }
}

void Decoder::onMarkHop() {
    switch (state_) {
        case State::Idle:
            state_ = State::FirstMark;
            markHops_ = 1;
            break;
        case State::Gap:
            state_ = State::NextMark;
            markHops_ = 1;
            break;
        case State::FirstMark:
        case State::NextMark:
            countHop(markHops_);
            break;
    }
}

void Decoder::onGapHop() {
    switch (state_) {
        case State::Idle:
            countIdleGap();
            break;
        case State::FirstMark:
            endFirstElement();
            break;
        case State::Gap:
            countLetterGap();
            break;
        case State::NextMark:
            endNextElement();
            break;
    }
}

// A pause of more than 2.5 letter-gap limits yields a blank, at most three
// blanks until the next decoded text.
void Decoder::countIdleGap() {
    countHop(spaceHops_);
    const int wordSpaceHops = static_cast<int>(settings_.letterGapLimit * kWordSpaceLetterGaps);
    if (spaceHops_ > wordSpaceHops && wordSpaceCount_ < kMaxWordSpaces) {
        sink_.appendWordSpace();
        ++wordSpaceCount_;
        spaceHops_ = 0;
    }
}

void Decoder::countLetterGap() {
    countHop(spaceHops_);
    if (spaceHops_ > settings_.letterGapLimit && settings_.letterEndEnabled) {
        decodeLetter(elementCount_);
        state_ = State::Idle;
    }
}

void Decoder::endFirstElement() {
    letterCode_ = 2;
    elementMarks_[0] = markHops_;
    elementCount_ = 1;
    endElement();
    spaceHops_ = 1;
}

void Decoder::endNextElement() {
    letterCode_ *= 2;
    elementGaps_[elementCount_] = spaceHops_;
    elementMarks_[elementCount_] = markHops_;
    ++elementCount_;
    endElement();
    spaceHops_ = 1;
}

void Decoder::endElement() {
    if (markHops_ > settings_.dotDashLimit) letterCode_ += 1;
    markHops_ = 0;
    if (elementCount_ >= kMaxElements) restartAfterOverflow();
    state_ = State::Gap;
}

// A letter reached its 30th element without a letter end (letter ends
// suspended, or a sender without letter gaps). The 29 elements before the
// newest one are read at once as a complete letter, every part in order and
// the trailing part included, so nothing is lost. The newest element opens
// the next letter: collection goes on from a clean one-element list whose
// mark and code agree, and a later letter end reads it with what follows.
void Decoder::restartAfterOverflow() {
    const int newest = kMaxElements - 1;
    decodeLetter(newest);
    elementMarks_[0] = elementMarks_[newest];
    letterCode_ = 2 + (letterCode_ & 1);
    elementCount_ = 1;
}

void Decoder::decodeLetter(int count) {
    int appended = 0;
    if (count == 1) {
        if (const auto text = lookupReceived(letterCode_)) {
            sink_.appendReceived(*text);
            appended = 1;
        }
    } else {
        appended = readLetter(elementMarks_, elementGaps_, count, settings_.dotDashLimit,
                              settings_.letterGapLimit, sink_);
    }
    if (appended > 0) wordSpaceCount_ = 0;  // every delivered text counts as accepted
}

}  // namespace qs::rx
