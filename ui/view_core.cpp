#include "ui/view_core.h"

#include "rx/morse_tables.h"
#include "settings/slot_catalog.h"
#include "ui/form_layout.h"

namespace qs::ui {

ViewCore::ViewCore(const ViewPlatform& platform, settings::SettingsRecord& document)
    : platform_(platform),
      document_(document),
      spectrumCanvas_(platform.spectrumCanvas, captureControl_.captureStopFlag),
      qsoLog_(platform.receiveWindowText, platform.clock),
      receiveText_(platform.receiveWindow, receive_, platform.hisCall, qsoLog_),
      chain_(receive_, {queuedOutput_, queuedOutput_, platform.levelCanvas, spectrumCanvas_}),
      capture_({platform.captureBackend, captureControl_, receive_, chain_, platform.soundDevices,
                platform.receiveForm, platform.captureDesktop, document}),
      decoderChoice_(receive_, document),
      macros_(platform.macroLabels),
      controlTags_(platform.tagTarget, receive_, tagSpeed_),
      keyingPort_(platform.serial, platform.usb, platform.portView, document),
      sendEcho_(platform.receiveWindow, *this, *this),
      keyer_({platform.keyerTimer, platform.transmitBox, keyingPort_, platform.hamLog,
              queuedOutput_, receive_, *this, controlTags_, platform.keyerView, rx::patternFor}),
      controls_({receive_, queuedOutput_, platform.receiveForm, document, *this, *this}),
      options_({*this, keyer_, qsoLog_, platform.loggingProgram, platform.form}),
      application_({document, receive_, platform.receiveForm, queuedOutput_, keyingPort_, keyer_,
                    qsoLog_, options_, macros_, capture_, capture_, platform.txSpeed,
                    platform.form}) {}

void ViewCore::drainUiEvents() {
    queue_.drain([this](const UiEvent& event) {
        deliverUiEvent(event, receiveText_, platform_.indicators, sendEcho_);
    });
}

void ViewCore::onTxSpeedMoved(int position) {
    keyer_.updateTxSpeed(position);
    tagSpeed_.forget();
    document_.setSlot(settings::slot::kTxSpeedPosition, decimalText(position));
}

void ViewCore::onSize(int clientWidth, int clientHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
}

void ViewCore::setDpiScale(double dpiScaleX, double dpiScaleY) {
    dpiScaleX_ = dpiScaleX;
    dpiScaleY_ = dpiScaleY;
}

// The click areas follow the form as it is laid out on this screen, which
// is the design scaled by the resolution; the client area may be larger
// (the frame was enlarged) or smaller (the form scrolls).
rx::FormScale ViewCore::formScale() const {
    return {dpiScaleX_, dpiScaleY_, kFormDesignWidth * effectiveScale(dpiScaleX_),
            kFormDesignHeight * effectiveScale(dpiScaleY_)};
}

bool ViewCore::onLeftClick(int formX, int formY) {
    return controls_.onLeftClick(formX, formY, formScale());
}

void ViewCore::setTextBoxFont(settings::TextBoxFont size) {
    platform_.host.setTextBoxFont(size);
}

void ViewCore::resetToneCandidate() {
    chain_.toneDetector().resetToneCandidate();
}
void ViewCore::resetLevelRange() {
    chain_.keyDetector().requestLevelRangeReset();
}
void ViewCore::resetDecoder() {
    chain_.decoder().requestReset();
    chain_.adaptiveDecoder().requestReset();
}

rx::SendWeights ViewCore::sendWeights() const {
    const tx::KeyingWeights weights = keyer_.weights();
    return {weights.dot, weights.dash, weights.charSpace, weights.wordSpace};
}

// RX=TX: the trackbar and the engine take the speed; a speed saved by a
// speed tag is forgotten, not restored.
void ViewCore::setTxSpeedIndex(int speedIndex) {
    platform_.txSpeed.setTxSpeedPosition(speedIndex);
    keyer_.updateTxSpeed(speedIndex);
    tagSpeed_.forget();
}

rx::WriterState ViewCore::writerState() const {
    return receiveText_.writerState();
}
void ViewCore::setWriterState(rx::WriterState state) {
    receiveText_.setWriterState(state);
}

bool ViewCore::qsoLogOn() const {
    return qsoLog_.qsoLogOn();
}
void ViewCore::logBeforeTxPrompt() {
    qsoLog_.logBeforeTxPrompt();
}

void ViewCore::clearSampleBlock() {
    chain_.clearSampleBlock();
}
void ViewCore::requestDecoderMarkReset() {
    chain_.decoder().requestMarkReset();
    chain_.adaptiveDecoder().requestReset();
}

}  // namespace qs::ui
