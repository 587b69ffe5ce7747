#include "tx/keyer.h"

#include <algorithm>

#include "tx/ptt_lead_option.h"

namespace qs::tx {

namespace {

constexpr TextView kTxPrompt = u"TX> ";
constexpr TextView kHamLogNotFound = u"Hamlog not found";
constexpr int kTitleRefreshTicks = 100;  // refreshed when the count exceeds this
constexpr int kShortTailMs = 10;         // tail period when the rest would be negative

constexpr int kEchoOptionChar = 2;
constexpr int kPttLeadOptionChar = 9;
constexpr int kTxEditHoldOptionChar = 10;
constexpr int kPttViaHamLogOptionChar = 19;

// The option character at `position`, or 0 when the string is shorter.
char16_t optionAt(TextView options, int position) {
    return position < static_cast<int>(options.size()) ? options[position] : u'\0';
}

}  // namespace

Keyer::Keyer(const KeyerLinks& links) : links_(links) {}

void Keyer::keyerTick() {
    if (!links_.view.captureRunning()) return;
    if (patternLoaded_) {
        tickWithPattern();
    } else {
        fetchTick();
    }
}

void Keyer::tickWithPattern() {
    if (currentPattern_.empty()) {
        patternLoaded_ = false;
        txTextCopy_ = links_.transmitBox.text();
        if (sendPos_ >= static_cast<int>(txTextCopy_.size())) resumeReceiving();
        return;
    }
    if (!pttOn_ && pttLeadMs_ > 0) {
        startPttLead();
        return;
    }
    stepElement();
}

// PTT goes on and the first element follows one lead time later. Through
// HamLog without a passed link test the character is dropped instead.
void Keyer::startPttLead() {
    links_.timer.restart(pttLeadMs_);
    if (pttViaHamLog_) {
        if (!links_.hamLog.linkOk()) {
            currentPattern_.clear();
            links_.view.showMessage(kHamLogNotFound);
            return;
        }
        links_.hamLog.sendPtt(true);
    } else {
        links_.keyingLine.pttLineOn();
    }
    pttOn_ = true;
}

void Keyer::stepElement() {
    links_.receive.rxEnabled = false;
    if (patternIndex_ >= currentPattern_.size()) {
        // A pattern without its end symbol: end it rather than stall.
        currentPattern_.clear();
        return;
    }
    const char symbol = currentPattern_[patternIndex_];
    switch (symbol) {
        case '2':
            endCharacter();
            break;
        case '6':
            wordSpace();
            break;
        default:
            keyElement(symbol);
            break;
    }
}

void Keyer::keyElement(char symbol) {
    ++patternIndex_;
    const auto periodMs = linePeriodMs(symbol, unit(), weights());
    if (!periodMs) return;  // not a line symbol: skipped
    links_.timer.restart(*periodMs);
    if (symbol == '1' || symbol == '3') {
        links_.keyingLine.keyDown();
    } else {
        links_.keyingLine.keyUp();
    }
}

void Keyer::endCharacter() {
    links_.keyingLine.keyUp();
    const int length = runControlTags();
    const int periodMs = characterEndPeriodMs(unit(), weights());
    links_.timer.restart(endOfTextPeriod(periodMs, length));
    finishPattern();
    lastGapWasWord_ = false;
}

void Keyer::wordSpace() {
    const int length = runControlTags();
    const int periodMs = wordSpacePeriodMs(unit(), weights(), lastGapWasWord_);
    links_.timer.restart(endOfTextPeriod(periodMs, length));
    finishPattern();
    lastGapWasWord_ = true;
}

// At the end of the text PTT is released 20 ms later (the rest of the gap
// follows as the tail) and the receive block is cleared; otherwise the next
// fetch restarts the timer at one unit.
int Keyer::endOfTextPeriod(int periodMs, int length) {
    if (sendPos_ < length) {
        resumeUnitPeriod_ = true;
        return periodMs;
    }
    if (pttLeadMs_ > 0) {
        pttTailPending_ = true;
        pttTailMs_ = periodMs - kPttOffDelayMs < 0 ? kShortTailMs : periodMs - kPttOffDelayMs;
        periodMs = kPttOffDelayMs;
    }
    links_.receivePath.clearSampleBlock();
    return periodMs;
}

void Keyer::finishPattern() {
    currentPattern_.clear();
    patternLoaded_ = false;
    links_.receivePath.requestDecoderMarkReset();
}

void Keyer::fetchTick() {
    txTextCopy_ = links_.transmitBox.text();
    const int length = static_cast<int>(txTextCopy_.size());
    if (pttTailPending_) {
        releaseAfterTail(length);
        return;
    }
    if (txEditHold_) {
        if (sendPos_ >= length) resumeReceiving();
        return;
    }
    if (pttReleaseRequest_.exchange(false) && sendPos_ >= length) {
        sendPos_ = length;
        releasePtt();
        resumeReceiving();
        return;
    }
    if (resumeUnitPeriod_) {
        links_.timer.restart(roundMs(unit()));
        resumeUnitPeriod_ = false;
        if (sendPos_ >= length) resumeReceiving();
    }
    countTitleTick();
    if (sendPos_ >= length) {
        sendPos_ = length;  // text deleted by the operator pulls the position back
        releasePtt();
        links_.receive.rxEnabled = true;
        return;
    }
    const int before = sendPos_;
    int position = before;
    links_.controlTags.processControlTags(txTextCopy_, position);
    if (position != before) {
        sendPos_ = position;
        if (position >= length) {
            resumeReceiving();
            return;
        }
    }
    fetchCharacter(position);
}

void Keyer::releaseAfterTail(int length) {
    links_.timer.restart(pttTailMs_);
    pttTailPending_ = false;
    pttOn_ = false;
    resumeUnitPeriod_ = true;
    switchPttOff();
    if (sendPos_ >= length) resumeReceiving();
}

void Keyer::countTitleTick() {
    if (++titleTick_ <= kTitleRefreshTicks) return;
    links_.view.refreshWindowTitle();
    titleTick_ = 0;
    if (pttLeadMs_ > 0 && pttViaHamLog_ && !links_.hamLog.linkOk()) {
        links_.hamLog.runLinkTest();
    }
}

void Keyer::fetchCharacter(int position) {
    const char16_t character = txTextCopy_[position];
    currentChar_.assign(1, character);
    const auto pattern = links_.patternFor(currentChar_);
    sendPos_ = position + 1;
    if (pattern) {
        currentPattern_.assign(pattern->begin(), pattern->end());
        patternLoaded_ = true;
        patternIndex_ = 0;
        links_.receivePath.requestDecoderMarkReset();
        if (echoToRx_) links_.echo.echoSent(character);
    } else if (echoToRx_ && character != u'\r' && character != u'\n') {
        links_.echo.echoUnsendable(character);
    }
}

// Reads the box, applies the control tags at the send position and returns
// the box length.
int Keyer::runControlTags() {
    txTextCopy_ = links_.transmitBox.text();
    const int before = sendPos_;
    int position = before;
    links_.controlTags.processControlTags(txTextCopy_, position);
    if (position != before) sendPos_ = position;
    return static_cast<int>(txTextCopy_.size());
}

void Keyer::releasePtt() {
    if (!pttOn_) return;
    switchPttOff();
    pttOn_ = false;
}

void Keyer::switchPttOff() {
    if (pttViaHamLog_ && links_.hamLog.linkOk()) {
        links_.hamLog.sendPtt(false);
    } else {
        links_.keyingLine.pttLineOff();
    }
}

void Keyer::resumeReceiving() {
    links_.receive.historyIndex = 0;
    links_.receive.rxEnabled = true;
}

void Keyer::clearTx() {
    links_.transmitBox.clearAndInsert(kTxPrompt);
    sendPos_ = kInitialSendPos;
    links_.view.stopAutoCq();
}

void Keyer::txClearButton() {
    clearTx();
    resumeReceiving();
}

void Keyer::updateTxSpeed(int trackbarPosition) {
    txSpeedIndex_ = std::clamp(trackbarPosition, 0, kTxSpeedSteps - 1);
    refreshSpeedLabel();
}

void Keyer::applyKeyingOptions(TextView optionString) {
    const char16_t echo = optionAt(optionString, kEchoOptionChar);
    if (echo != u'\0') echoToRx_ = echo != u'N';

    const KeyingWeights applied = weightsFromOptions(optionString, weights());
    dotWeight_ = applied.dot;
    dashWeight_ = applied.dash;
    charSpaceWeight_ = applied.charSpace;
    wordSpaceWeight_ = applied.wordSpace;

    pttLeadMs_ = pttLeadFromOption(optionAt(optionString, kPttLeadOptionChar), pttLeadMs_);

    const char16_t hold = optionAt(optionString, kTxEditHoldOptionChar);
    if (hold != u'\0') {
        txEditHold_ = hold == u'S';
        links_.view.setTxEditChecked(txEditHold_);
    }

    const char16_t hamLogPtt = optionAt(optionString, kPttViaHamLogOptionChar);
    if (hamLogPtt != u'\0') {
        pttViaHamLog_ = hamLogPtt == u'H';
        if (pttViaHamLog_) links_.hamLog.runLinkTest();
    }
    refreshSpeedLabel();
}

KeyingWeights Keyer::weights() const {
    return KeyingWeights{dotWeight_, dashWeight_, charSpaceWeight_, wordSpaceWeight_};
}

void Keyer::refreshSpeedLabel() {
    links_.view.setTxSpeedLabel(speedLabelText(effectiveSpeedCpm(unit(), weights())));
}

}  // namespace qs::tx
