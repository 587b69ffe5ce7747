#include "rx/receive_text.h"

namespace qs::rx {
namespace {

constexpr TextView kRxPrompt = u"\r\nRX> ";
constexpr TextView kBlank = u" ";
constexpr int kMaxCallCaptureCount = 14;  // the capture takes at most 15 texts

bool inRange(TextView text, TextView lowest, TextView highest) {
    return lowest <= text && text <= highest;
}

}  // namespace

ReceiveText::ReceiveText(ReceiveWindow& window, ReceiveSettings& settings, HisCallField& hisCall,
                         RxPromptLog& log)
    : window_(window), settings_(settings), hisCall_(hisCall), log_(log) {}

void ReceiveText::appendReceived(TextView text) {
    if (holdBack(text) || !settings_.rxEnabled) return;
    window_.moveCaretToEnd();
    if (writerState_ != WriterState::Received) {
        switchToReceived();
        window_.moveCaretToEnd();
    }
    if (callCaptureOn_) captureCallSign(text);
    window_.insertText(text);
}

void ReceiveText::appendWordSpace() {
    if (holdBack(kBlank)) return;
    window_.moveCaretToEnd();
    if (writerState_ != WriterState::Received) {
        switchToReceived();  // the new line stands in for the blank
    } else {
        window_.insertText(kBlank);
    }
}

void ReceiveText::enterHold() {
    std::lock_guard<std::mutex> lock(holdMutex_);
    if (rxHolding_) return;
    rxHolding_ = true;
    rxHoldBuffer_.clear();
}

// The held text follows whatever was written last, without a prompt. The
// buffer is emptied once inserted, so a repeated call cannot insert it twice.
void ReceiveText::leaveHold() {
    std::lock_guard<std::mutex> lock(holdMutex_);
    window_.moveCaretToEnd();
    if (writerState_ != WriterState::Received) {
        window_.applyFormat(TextFormat::Received);
        writerState_ = WriterState::Received;
    }
    if (!rxHoldBuffer_.empty()) window_.insertText(rxHoldBuffer_);
    rxHoldBuffer_.clear();
    rxHolding_ = false;
}

void ReceiveText::armCallCapture() {
    callCaptureCount_ = 0;
    callCaptureOn_ = true;
}

void ReceiveText::disarmCallCapture() {
    callCaptureOn_ = false;
}

bool ReceiveText::holdBack(TextView text) {
    std::lock_guard<std::mutex> lock(holdMutex_);
    if (!rxHolding_) return false;
    rxHoldBuffer_.append(text);
    return true;
}

// From sent text or a notice back to received text: black, on a new line
// after the prompt. The QSO log takes the window's text first.
void ReceiveText::switchToReceived() {
    window_.applyFormat(TextFormat::Received);
    if (log_.qsoLogOn()) log_.logBeforeRxPrompt();
    window_.insertText(kRxPrompt);
    writerState_ = WriterState::Received;
}

// Builds HisCall from received texts of the shape J, A..R, digit, ... or
// 7/8, J..N, digit, ...; a text that does not fit empties the field and the
// capture starts over with the next text.
void ReceiveText::captureCallSign(TextView text) {
    if (!callTextAccepted(text)) {
        hisCall_.setText(u"");
        callCaptureCount_ = 0;
        return;
    }
    Text call = callCaptureCount_ == 0 ? Text() : hisCall_.text();
    call.append(text);
    hisCall_.setText(call);
    if (++callCaptureCount_ > kMaxCallCaptureCount) callCaptureOn_ = false;
}

// Texts compare as whole strings, so "AB" lies between "A" and "R".
bool ReceiveText::callTextAccepted(TextView text) const {
    switch (callCaptureCount_) {
        case 0:
            return text == u"J" || text == u"7" || text == u"8";
        case 1:
            return hisCall_.text() == u"J" ? inRange(text, u"A", u"R") : inRange(text, u"J", u"N");
        case 2:
            return inRange(text, u"0", u"9");
        default:
            return true;
    }
}

}  // namespace qs::rx
