#pragma once
// The operating screen's state and decisions, without the windows: the
// receive path with its outputs queued for the user-interface thread, the
// receive window writer, the keying engine and port, the receive-side
// control handlers, the option effects and the settings application, wired
// together as the main view owns them. The Windows view implements the
// platform interfaces over its controls and forwards its notifications here.
//
// Everything runs on the user-interface thread except the receive chain
// (capture thread, which only queues) and the keying engine's tick (timer
// thread).

#include <optional>

#include "common/clock.h"
#include "common/text.h"
#include "rx/canvas_until_stop.h"
#include "rx/capture_backend.h"
#include "rx/capture_control.h"
#include "rx/capture_session.h"
#include "rx/capture_view.h"
#include "rx/decoder_choice.h"
#include "rx/display_canvas.h"
#include "rx/display_hit_areas.h"
#include "rx/receive_chain.h"
#include "rx/receive_controls.h"
#include "rx/receive_settings.h"
#include "rx/receive_text.h"
#include "settings/option_effects.h"
#include "settings/qso_log.h"
#include "settings/settings_application.h"
#include "settings/settings_record.h"
#include "settings/settings_view.h"
#include "tx/control_tags.h"
#include "tx/keyer.h"
#include "tx/keying_port.h"
#include "tx/send_echo.h"
#include "tx/tag_speed_memory.h"
#include "ui/macro_set.h"
#include "ui/queued_receive_output.h"
#include "ui/ui_event_queue.h"

namespace qs::ui {

// What only the window can do for the view's start-up and shutdown.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    // The one-time setup of the first initial update, after the capture
    // devices have been listed: receive box events, fonts and character
    // formats, both boxes with their prompts, clipboard emptied, lists,
    // trackbars and check boxes in their built-in state, keying timer
    // started, upper scale shown, screen resolution measured.
    virtual void oneTimeSetup() = 0;
    // Empties the receive box (RX Clear writes the prompt afterwards).
    virtual void emptyReceiveWindow() = 0;
    // The "MS Gothic" font of this size for the receive box and transmit edit.
    virtual void setTextBoxFont(settings::TextBoxFont size) = 0;

    // Shutdown steps, called in this order by ViewCore::onDestroy.
    // All received text to the clipboard, then the word processor.
    virtual void copyReceivedTextAndOpenWordPad() = 0;
    // The frame's rectangle to the registry unless the frame is minimised.
    virtual void storeFramePlacement() = 0;
    virtual void stopKeyerTimer() = 0;
};

// The window side of the view, one reference per interface.
struct ViewPlatform {
    ViewHost& host;
    rx::ReceiveWindow& receiveWindow;
    settings::ReceiveWindowText& receiveWindowText;
    rx::ReceiveForm& receiveForm;
    rx::ReceiveIndicators& indicators;  // user-interface thread
    rx::HisCallField& hisCall;
    rx::DisplayCanvas& levelCanvas;     // drawn on the capture thread
    rx::DisplayCanvas& spectrumCanvas;  // drawn on the capture thread until the stop flag
    MacroLabels& macroLabels;
    rx::SoundDeviceCombo& soundDevices;
    rx::CaptureBackend& captureBackend;
    rx::CaptureDesktop& captureDesktop;
    settings::LoggingProgram& loggingProgram;
    settings::TransmitSpeedControl& txSpeed;
    settings::SettingsForm& form;
    tx::KeyingPortView& portView;
    tx::SerialDevice& serial;
    tx::UsbKeyerLibrary& usb;
    tx::KeyerTimer& keyerTimer;
    tx::TransmitBox& transmitBox;
    tx::HamLogPttLink& hamLog;
    tx::KeyerView& keyerView;
    tx::ControlTagTarget& tagTarget;
    const Clock& clock;
};

class ViewCore : private settings::TextBoxes,
                 private rx::ReceiveResets,
                 private rx::TxSpeedControl,
                 private tx::EchoWriterState,
                 private tx::TxPromptLog,
                 private tx::ReceivePathControl {
public:
    ViewCore(const ViewPlatform& platform, settings::SettingsRecord& document);

    ViewCore(const ViewCore&) = delete;
    ViewCore& operator=(const ViewCore&) = delete;

    // Every time a document has been created or opened (the first time at
    // start): the one-time setup on the first call, the document's settings
    // on every later one; then the transmit edit starts afresh with its
    // prompt and takes the focus.
    void onInitialUpdate();
    bool initDone() const { return initDoneMark_ == u"OK"; }

    // RX Clear and TX Clear, as the option effects run them, and the two
    // buttons (1003, 1004).
    void clearRx() override;
    void clearTx() override;
    void onRxClearButton() { clearRx(); }
    void onTxClearButton();

    // Keys of the transmit side, as the key pre-translation reports them.
    // F12 keys the transmitter for tuning until any key is released.
    void onTuneKeyDown();
    void onKeyReleased();
    bool tuneKeyed() const { return tuneKeyed_; }
    // F9 toggles the "TX Edit (F9)" hold and its check box.
    void onTxEditKey();

    // The window is being destroyed: copy at exit, log flush, placement,
    // receive off and the capture stop flag, keying timer, USBIF4CW,
    // capture, COM port, in that order.
    void onDestroy();

    // User-interface thread, after the queue's wake-up: shows what the
    // capture thread queued.
    void drainUiEvents();
    void setUiWake(UiEventQueue::Wake wake) { queue_.setWake(std::move(wake)); }

    // The operator moved the transmit speed trackbar (1018): the engine
    // takes the speed, slot 52 keeps it, and a speed a tag saved is dropped.
    void onTxSpeedMoved(int position);

    // The client area of the view and the screen's resolution.
    void onSize(int clientWidth, int clientHeight);
    void setDpiScale(double dpiScaleX, double dpiScaleY);
    // Where the form's design coordinates land on this screen.
    rx::FormScale formScale() const;
    // A left click in form pixels (client position plus scroll offset):
    // threshold or tone from the displays; false when outside both.
    bool onLeftClick(int formX, int formY);

    // While a contact field is being edited, handlers leave the focus alone.
    bool fieldFocusLatch() const { return fieldFocusLatch_; }
    void setFieldFocusLatch(bool latched) { fieldFocusLatch_ = latched; }

    settings::SettingsRecord& document() { return document_; }
    rx::ReceiveSettings& receiveSettings() { return receive_; }
    rx::ReceiveChain& receiveChain() { return chain_; }
    // The capture: the sound device combo box (1035), the Sound menu, the
    // capture thread's life.
    rx::CaptureSession& capture() { return capture_; }
    const rx::CaptureSession& capture() const { return capture_; }
    rx::DecoderChoice& decoderChoice() { return decoderChoice_; }
    const rx::DecoderChoice& decoderChoice() const { return decoderChoice_; }
    const rx::CaptureControl& captureControl() const { return captureControl_; }
    // The receive chain's text and indicator outputs: they queue for the
    // user-interface thread, so any thread may call them.
    QueuedReceiveOutput& receiveOutputs() { return queuedOutput_; }
    rx::ReceiveText& receiveText() { return receiveText_; }
    rx::ReceiveControls& receiveControls() { return controls_; }
    settings::QsoLog& qsoLog() { return qsoLog_; }
    tx::Keyer& keyer() { return keyer_; }
    tx::KeyingPort& keyingPort() { return keyingPort_; }
    const tx::KeyingPort& keyingPort() const { return keyingPort_; }
    tx::TagSpeedMemory& tagSpeedMemory() { return tagSpeed_; }
    settings::OptionEffects& optionEffects() { return options_; }
    settings::SettingsApplication& settingsApplication() { return application_; }
    const settings::SettingsApplication& settingsApplication() const { return application_; }
    MacroSet& macros() { return macros_; }

private:
    // settings::TextBoxes
    void setTextBoxFont(settings::TextBoxFont size) override;
    // rx::ReceiveResets
    void resetToneCandidate() override;
    void resetLevelRange() override;
    void resetDecoder() override;
    // rx::TxSpeedControl
    rx::SendWeights sendWeights() const override;
    void setTxSpeedIndex(int speedIndex) override;
    // tx::EchoWriterState
    rx::WriterState writerState() const override;
    void setWriterState(rx::WriterState state) override;
    // tx::TxPromptLog
    bool qsoLogOn() const override;
    void logBeforeTxPrompt() override;
    // tx::ReceivePathControl
    void clearSampleBlock() override;
    void requestDecoderMarkReset() override;

    void returnFocusToTransmitEdit();

    ViewPlatform platform_;
    settings::SettingsRecord& document_;
    rx::ReceiveSettings receive_;
    rx::CaptureControl captureControl_;
    // At shutdown the spectrum's control may be going away while the capture
    // thread finishes its last block.
    rx::CanvasUntilStop spectrumCanvas_;
    UiEventQueue queue_;
    QueuedReceiveOutput queuedOutput_{queue_};
    settings::QsoLog qsoLog_;
    rx::ReceiveText receiveText_;
    rx::ReceiveChain chain_;
    rx::CaptureSession capture_;
    rx::DecoderChoice decoderChoice_;
    MacroSet macros_;
    tx::TagSpeedMemory tagSpeed_;
    tx::ControlTagProcessor controlTags_;
    tx::KeyingPort keyingPort_;
    // The keying engine's echo, carried out on the user-interface thread.
    tx::SendEcho sendEcho_;
    tx::Keyer keyer_;
    rx::ReceiveControls controls_;
    settings::OptionEffects options_;
    settings::SettingsApplication application_;

    Text initDoneMark_;
    bool fieldFocusLatch_ = false;
    bool tuneKeyed_ = false;
    double clientWidth_ = 0.0;
    double clientHeight_ = 0.0;
    double dpiScaleX_ = 0.0;  // pixels per logical inch / 96, once measured
    double dpiScaleY_ = 0.0;
};

}  // namespace qs::ui
