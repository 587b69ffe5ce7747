// The view's life: initial updates, the two clear commands and the shutdown.

#include "ui/view_core.h"

namespace qs::ui {

namespace {

constexpr char16_t kRxPrompt[] = u"RX> ";
constexpr char16_t kTxPrompt[] = u"TX> ";
constexpr char16_t kInitDone[] = u"OK";

}  // namespace

// The first call only sets up: even a document named on the command line is
// applied only when a document is opened or created later.
void ViewCore::onInitialUpdate() {
    if (!initDone()) {
        capture_.enumerateDevices();
        platform_.host.oneTimeSetup();
    } else {
        application_.applyDocument();
        document_.noteSettingsApplied();
    }
    initDoneMark_ = kInitDone;
    platform_.transmitBox.clearAndInsert(kTxPrompt);
    returnFocusToTransmitEdit();
}

// Text shown since the log's last chunk is logged before it disappears.
void ViewCore::clearRx() {
    if (qsoLog_.qsoLogOn()) qsoLog_.logBeforeRxClear();
    platform_.host.emptyReceiveWindow();
    platform_.receiveWindow.applyFormat(rx::TextFormat::Received);
    platform_.receiveWindow.insertText(kRxPrompt);
    receiveText_.setWriterState(rx::WriterState::Received);
    returnFocusToTransmitEdit();
}

void ViewCore::clearTx() {
    keyer_.clearTx();
    returnFocusToTransmitEdit();
}

void ViewCore::onTxClearButton() {
    keyer_.txClearButton();
    returnFocusToTransmitEdit();
}

void ViewCore::onTuneKeyDown() {
    keyingPort_.keyDown();
    tuneKeyed_ = true;
}

void ViewCore::onKeyReleased() {
    if (!tuneKeyed_) return;
    keyingPort_.keyUp();
    tuneKeyed_ = false;
}

void ViewCore::onTxEditKey() {
    const bool held = !keyer_.txEditHold();
    keyer_.setTxEditHold(held);
    platform_.keyerView.setTxEditChecked(held);
    returnFocusToTransmitEdit();
}

// The key is released once the timer can no longer move it.
void ViewCore::onDestroy() {
    if (options_.copyRxAtExit()) platform_.host.copyReceivedTextAndOpenWordPad();
    if (qsoLog_.qsoLogOn()) qsoLog_.flushQsoLog();
    receive_.rxEnabled = false;
    platform_.host.storeFramePlacement();
    capture_.raiseStopFlag();
    platform_.host.stopKeyerTimer();
    keyingPort_.releaseLines();
    if (keyingPort_.usbif4cwInUse()) keyingPort_.closeKeyingPort();
    capture_.stopCapture();
    if (keyingPort_.comOpen()) keyingPort_.closeKeyingPort();
}

void ViewCore::returnFocusToTransmitEdit() {
    if (!fieldFocusLatch_) platform_.form.focusTransmitEdit();
}

}  // namespace qs::ui
