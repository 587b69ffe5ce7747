#pragma once
// What the keying engine reaches of the rest of the terminal. Every call is
// made on the keying timer's thread unless a comment says otherwise; the
// implementations on Windows forward window operations to the user-interface
// thread by synchronous messages.

#include <optional>
#include <string_view>

#include "common/text.h"
#include "rx/receive_text.h"

namespace qs::tx {

// The send table: the element pattern of a one-character string, or none.
// The terminal passes rx::patternFor.
using PatternLookup = std::optional<std::string_view> (*)(TextView character);

// The periodic timer whose callback is Keyer::keyerTick.
class KeyerTimer {
public:
    virtual ~KeyerTimer() = default;
    // Kills the running timer and starts a periodic one with this period
    // (1 ms resolution), measured from now.
    virtual void restart(int periodMs) = 0;
};

// The transmit box (1037): the queue of text to send.
class TransmitBox {
public:
    virtual ~TransmitBox() = default;
    virtual Text text() const = 0;
    // Empties the box and inserts `text` at the caret (user-interface thread).
    virtual void clearAndInsert(TextView text) = 0;
};

// The keying port's four line primitives; failures are silent.
class KeyingLine {
public:
    virtual ~KeyingLine() = default;
    virtual void keyDown() = 0;
    virtual void keyUp() = 0;
    virtual void pttLineOn() = 0;
    virtual void pttLineOff() = 0;
};

// HamLog as the PTT switch.
class HamLogPttLink {
public:
    virtual ~HamLogPttLink() = default;
    // The last link test passed (`hamlogLinkOk`).
    virtual bool linkOk() const = 0;
    // Runs the link test again, which updates linkOk().
    virtual void runLinkTest() = 0;
    // Sends HamLog's PTT-on or PTT-off message when its window is found.
    virtual void sendPtt(bool on) = 0;
};

// The writer state of the receive window (rx::ReceiveText keeps it).
class EchoWriterState {
public:
    virtual ~EchoWriterState() = default;
    virtual rx::WriterState writerState() const = 0;
    virtual void setWriterState(rx::WriterState state) = 0;
};

// The echo of sent characters into the receive window. On Windows the
// keying timer's thread queues each echo for the user-interface thread,
// in order with the received text.
class SentTextEcho {
public:
    virtual ~SentTextEcho() = default;
    // A character that is being keyed, in the sent-text format.
    virtual void echoSent(char16_t character) = 0;
    // A character without a pattern, in the notice format.
    virtual void echoUnsendable(char16_t character) = 0;
};

// The QSO text log's hook at the switch to sent text.
class TxPromptLog {
public:
    virtual ~TxPromptLog() = default;
    virtual bool qsoLogOn() const = 0;
    virtual void logBeforeTxPrompt() = 0;
};

// The receive path as the transmission pauses and resumes it.
class ReceivePathControl {
public:
    virtual ~ReceivePathControl() = default;
    // Zeroes the current block of samples so the own signal's tail is not read.
    virtual void clearSampleBlock() = 0;
    // The decoder's state and mark length back to 0 (a character starts).
    virtual void requestDecoderMarkReset() = 0;
};

// The control tags of the send text ("<+1 UP>", "<VK_F6>", ...).
class ControlTagHandler {
public:
    virtual ~ControlTagHandler() = default;
    // Acts on every control tag at `sendPos` of `txText` and moves `sendPos`
    // past them.
    virtual void processControlTags(TextView txText, int& sendPos) = 0;
};

// The main view's controls and state that the engine touches.
class KeyerView {
public:
    virtual ~KeyerView() = default;
    // The receive capture has been started; the engine idles until then.
    virtual bool captureRunning() const = 0;
    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(TextView text) = 0;
    // Rebuilds the main window title (see window_title.h).
    virtual void refreshWindowTitle() = 0;
    // The effective speed label (1026).
    virtual void setTxSpeedLabel(TextView text) = 0;
    // The "TX Edit (F9)" check box (1024), set from the options.
    virtual void setTxEditChecked(bool checked) = 0;
    // Enables the Auto CQ label and clears `autoCqRunning` (user-interface
    // thread).
    virtual void stopAutoCq() = 0;
};

}  // namespace qs::tx
