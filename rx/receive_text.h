#pragma once
// Writes received text into the receive window, which the keying engine's
// echo shares: switches the window back from sent text with the "RX> "
// prompt, holds text back while the operator has the window focused, and
// feeds the call-sign capture armed by the <CALLGET> tag.

#include <atomic>
#include <mutex>

#include "common/text.h"
#include "rx/decoded_text_sink.h"
#include "rx/receive_settings.h"
#include "rx/receive_window.h"

namespace qs::rx {

// What was written last into the receive window.
enum class WriterState : int {
    Received = 0,  // received text (also after the window is cleared)
    Sent = 1,      // the keying engine's echo
    Notice = 3,    // a notice or unsendable text
};

// The HisCall field (1029) as the call-sign capture needs it.
class HisCallField {
public:
    virtual ~HisCallField() = default;
    virtual Text text() const = 0;
    virtual void setText(TextView text) = 0;
};

// The QSO text log's hook at the switch back to received text.
class RxPromptLog {
public:
    virtual ~RxPromptLog() = default;
    virtual bool qsoLogOn() const = 0;
    virtual void logBeforeRxPrompt() = 0;
};

class ReceiveText : public DecodedTextSink {
public:
    ReceiveText(ReceiveWindow& window, ReceiveSettings& settings, HisCallField& hisCall,
                RxPromptLog& log);

    // Appends one decoded text (held back, dropped while receive processing
    // is off, or inserted after the "RX> " prompt when sent text was last).
    void appendReceived(TextView text) override;
    void appendWordSpace() override;

    // The receive window gained or lost the keyboard focus (user-interface
    // thread): text is held back in between, then inserted without a prompt.
    void enterHold();
    void leaveHold();

    // The <CALLGET> tag arms the capture; the contact fields may disarm it.
    void armCallCapture();
    void disarmCallCapture();
    bool callCaptureOn() const { return callCaptureOn_; }

    WriterState writerState() const { return writerState_; }
    void setWriterState(WriterState state) { writerState_ = state; }

private:
    bool holdBack(TextView text);
    void switchToReceived();
    void captureCallSign(TextView text);
    bool callTextAccepted(TextView text) const;

    ReceiveWindow& window_;
    ReceiveSettings& settings_;
    HisCallField& hisCall_;
    RxPromptLog& log_;

    // Written by the capture thread, the keying echo and the user-interface
    // thread; each value is read and written whole.
    std::atomic<WriterState> writerState_{WriterState::Received};
    // Guards the hold flag and buffer. leaveHold() (user-interface thread)
    // keeps it across its window calls, so text arriving meanwhile waits
    // until the held text is in; the capture thread never keeps it across a
    // window call, which would deadlock against leaveHold().
    std::mutex holdMutex_;
    bool rxHolding_ = false;
    Text rxHoldBuffer_;
    std::atomic<bool> callCaptureOn_{false};
    std::atomic<int> callCaptureCount_{0};
};

}  // namespace qs::rx
