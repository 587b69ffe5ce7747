#pragma once
// The keying engine on a virtual clock: stands in for the timer, the
// transmit box, the keying port, HamLog, the receive window and the view,
// feeds ticks at the periods the engine asks for and records every line
// change, PTT switch, echo and message with its time. Used by `qstn encode`
// and by the tests.

#include <vector>

#include "common/text.h"
#include "rx/receive_settings.h"
#include "tx/keyer.h"
#include "tx/keyer_links.h"
#include "tx/send_echo.h"

namespace qs::tx {

struct KeyerEvent {
    enum class Kind {
        KeyDown,
        KeyUp,
        PttOn,  // the serial PTT line
        PttOff,
        HamLogPttOn,  // HamLog's PTT message
        HamLogPttOff,
        Echo,     // text inserted into the receive window
        Message,  // a message box
    };
    long long timeMs;
    Kind kind;
    Text text;                                     // Echo and Message
    rx::TextFormat format = rx::TextFormat::Sent;  // Echo: the format in force
};

class KeyerTimeline : private KeyerTimer,
                      private TransmitBox,
                      private KeyingLine,
                      private HamLogPttLink,
                      private rx::ReceiveWindow,
                      private EchoWriterState,
                      private TxPromptLog,
                      private ReceivePathControl,
                      private ControlTagHandler,
                      private KeyerView {
public:
    static constexpr int kStartPeriodMs = 57;  // the view starts the timer with it

    // Control tags go to `controlTags` when given; otherwise none is known.
    explicit KeyerTimeline(PatternLookup patternFor, ControlTagHandler* controlTags = nullptr);

    Keyer& keyer() { return keyer_; }
    rx::ReceiveSettings& receiveSettings() { return receive_; }

    // The clock: the time of the next tick, and the period in force.
    long long nowMs() const { return nextTickMs_; }
    int periodMs() const { return periodMs_; }

    // Runs the tick that is due and moves the clock on by the period in force.
    void tick();
    // Runs every tick due up to and including `timeMs`.
    void runUntil(long long timeMs);
    // Runs until the text is sent, PTT released and receiving resumed;
    // false when `limitMs` passes first.
    bool runUntilSent(long long limitMs);

    // The transmit box, initially "TX> ".
    const Text& transmitText() const { return transmitText_; }
    void appendText(TextView text) { transmitText_ += text; }
    void setTransmitText(TextView text) { transmitText_ = text; }

    void setCaptureRunning(bool running) { captureRunning_ = running; }
    void setQsoLogOn(bool on) { qsoLogOn_ = on; }
    // HamLog's window and the outcome of the next link tests.
    void setHamLog(bool windowFound, bool linkTestPasses);

    const std::vector<KeyerEvent>& events() const { return events_; }
    // The events of one kind, or the line events only.
    std::vector<KeyerEvent> eventsOf(KeyerEvent::Kind kind) const;
    std::vector<KeyerEvent> lineEvents() const;

    const Text& receiveWindowText() const { return receiveWindowText_; }
    rx::WriterState writerStateNow() const { return writerState_; }
    void setWriterStateNow(rx::WriterState state) { writerState_ = state; }

    int ticks() const { return ticks_; }
    // Line changes made by ticks that came while the keyer was not busy.
    int lineChangesAfterIdle() const { return lineChangesAfterIdle_; }
    int titleRefreshes() const { return titleRefreshes_; }
    int linkTests() const { return linkTests_; }
    int qsoLogFlushes() const { return qsoLogFlushes_; }
    int sampleBlockClears() const { return sampleBlockClears_; }
    int decoderMarkResets() const { return decoderMarkResets_; }
    const Text& txSpeedLabel() const { return txSpeedLabel_; }
    bool txEditChecked() const { return txEditChecked_; }
    int autoCqStops() const { return autoCqStops_; }

private:
    void record(KeyerEvent::Kind kind, TextView text = {});

    void restart(int periodMs) override;
    Text text() const override { return transmitText_; }
    void clearAndInsert(TextView text) override { transmitText_ = text; }
    void keyDown() override { record(KeyerEvent::Kind::KeyDown); }
    void keyUp() override { record(KeyerEvent::Kind::KeyUp); }
    void pttLineOn() override { record(KeyerEvent::Kind::PttOn); }
    void pttLineOff() override { record(KeyerEvent::Kind::PttOff); }
    bool linkOk() const override { return hamLogLinkOk_; }
    void runLinkTest() override;
    void sendPtt(bool on) override;
    void moveCaretToEnd() override {}
    void applyFormat(rx::TextFormat format) override { format_ = format; }
    void insertText(TextView text) override;
    rx::WriterState writerState() const override { return writerState_; }
    void setWriterState(rx::WriterState state) override { writerState_ = state; }
    bool qsoLogOn() const override { return qsoLogOn_; }
    void logBeforeTxPrompt() override { ++qsoLogFlushes_; }
    void clearSampleBlock() override { ++sampleBlockClears_; }
    void requestDecoderMarkReset() override { ++decoderMarkResets_; }
    void processControlTags(TextView txText, int& sendPos) override;
    bool captureRunning() const override { return captureRunning_; }
    void showMessage(TextView text) override;
    void refreshWindowTitle() override { ++titleRefreshes_; }
    void setTxSpeedLabel(TextView text) override { txSpeedLabel_ = text; }
    void setTxEditChecked(bool checked) override { txEditChecked_ = checked; }
    void stopAutoCq() override { ++autoCqStops_; }

    ControlTagHandler* controlTags_;
    rx::ReceiveSettings receive_;
    SendEcho echo_{*this, *this, *this};
    Keyer keyer_;

    long long tickTimeMs_ = 0;
    long long nextTickMs_ = kStartPeriodMs;
    int periodMs_ = kStartPeriodMs;
    int ticks_ = 0;
    int lineChanges_ = 0;
    int lineChangesAfterIdle_ = 0;
    Text transmitText_ = u"TX> ";
    bool captureRunning_ = true;
    bool qsoLogOn_ = false;
    bool hamLogWindowFound_ = false;
    bool hamLogLinkPasses_ = false;
    bool hamLogLinkOk_ = false;
    rx::TextFormat format_ = rx::TextFormat::Received;
    rx::WriterState writerState_ = rx::WriterState::Received;
    Text receiveWindowText_;
    Text txSpeedLabel_;
    bool txEditChecked_ = false;
    int titleRefreshes_ = 0;
    int linkTests_ = 0;
    int qsoLogFlushes_ = 0;
    int sampleBlockClears_ = 0;
    int decoderMarkResets_ = 0;
    int autoCqStops_ = 0;
    std::vector<KeyerEvent> events_;
};

}  // namespace qs::tx
