// What the core calls: the view's platform interfaces over its controls,
// and the view's menu commands.

#include <windows.h>

#include "rx/receive_labels.h"
#include "tx/keying_port.h"
#include "ui/control_ids.h"
#include "ui/controls_win32.h"
#include "ui/logging_links_win32.h"
#include "ui/operating_screen.h"
#include "ui/quillstone_view_win32.h"
#include "ui/screen_controls_win32.h"
#include "ui/view_fields_win32.h"

namespace qs::ui {

namespace {

constexpr int kOptionCommand = 32776;  // Initial Setting, "Option(&P)"

// Received, sent and notice formats, in that order in formats_.
size_t formatIndex(rx::TextFormat format) {
    switch (format) {
        case rx::TextFormat::Received:
            return 0;
        case rx::TextFormat::Sent:
            return 1;
        case rx::TextFormat::Notice:
            return 2;
    }
    return 0;
}

}  // namespace

// The key table of the operating screen; only F10 is consumed.
bool CQuillstoneView::preTranslateKey(MSG& message) {
    Key key = Key::Other;
    bool pressed = false;
    bool systemKey = false;
    if (!keyTableMessage(message, window_, key, pressed, systemKey)) return false;
    if (!pressed) {
        screen_->keys().onKeyUp(systemKey);
        return false;
    }
    return screen_->keys().onKeyDown(key, systemKey);
}

// The Sound menu: Right and Left choose the channel (and start the capture
// when it is not running), Adaptive Decoder switches the decoder, Input Vol
// opens the system's mixer. The Comm and Key Ctrl menus choose the keying
// port and line; Option opens the Options dialog.
bool CQuillstoneView::onMenuCommand(int commandId) {
    if (commandId == kOptionCommand) {
        screen_->optionsCommand().run();
        return true;
    }
    return core_.keyingPort().menuCommand(commandId) || core_.capture().menuCommand(commandId) ||
           core_.decoderChoice().menuCommand(commandId);
}

bool CQuillstoneView::commandEnabled(int commandId) const {
    const bool keyingMenu = (commandId >= tx::menu::kCom1 && commandId <= tx::menu::kKeyWithDtr) ||
                            (commandId >= tx::menu::kCom9 && commandId <= tx::menu::kCom15);
    return keyingMenu || commandId == rx::menu::kSoundRight ||
           commandId == rx::menu::kSoundLeft || commandId == rx::menu::kInputVolume ||
           commandId == rx::menu::kAdaptiveDecoder || commandId == kOptionCommand;
}

bool CQuillstoneView::commandChecked(int commandId) const {
    return core_.keyingPort().menuItemChecked(commandId) ||
           core_.capture().menuItemChecked(commandId) ||
           core_.decoderChoice().menuItemChecked(commandId);
}

void CQuillstoneView::moveCaretToEnd() {
    const win::Window box(item(control::kReceiveWindow));
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LONG end =
        static_cast<LONG>(box.send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    CHARRANGE caret{end, end};
    box.send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
}

void CQuillstoneView::applyFormat(rx::TextFormat format) {
    CHARFORMAT2W& chosen = formats_[formatIndex(format)];
    win::Window(item(control::kReceiveWindow))
        .send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chosen));
}

void CQuillstoneView::insertText(TextView text) {
    const win::Window box(item(control::kReceiveWindow));
    box.send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(win::wide(text).c_str()));
    box.send(EM_SCROLLCARET);
}

// A line break counts as one character ("\r"), as the log expects.
Text CQuillstoneView::allText() const {
    const win::Window box(item(control::kReceiveWindow));
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT count = box.send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count <= 0) return {};
    std::wstring buffer(static_cast<size_t>(count) + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), GT_DEFAULT, 1200,
                      nullptr, nullptr};
    const LRESULT copied = box.send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                    reinterpret_cast<LPARAM>(buffer.data()));
    return win::fromWide(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void CQuillstoneView::setChecked(int controlId, bool checked) {
    win::Button(item(controlId)).setChecked(checked);
}

void CQuillstoneView::showScale(bool upper) {
    win::Window(item(control::kLowerScaleLabel)).show(!upper);
    win::Window(item(control::kUpperScaleLabel)).show(upper);
}

Text CQuillstoneView::rxSpeedLabel() const {
    return win::Window(item(control::kRxSpeedLabel)).text();
}

void CQuillstoneView::returnFocusToTransmitBox() {
    if (!core_.fieldFocusLatch()) focusTransmitEdit();
}

void CQuillstoneView::showRxSpeed(int charsPerMinute) {
    win::Window(item(control::kRxSpeedLabel)).setText(rx::speedLabel(charsPerMinute));
}

void CQuillstoneView::moveRxSpeedSlider(int speedIndex) {
    win::Trackbar(item(control::kRxSpeedSlider)).setPosition(speedIndex);
}

void CQuillstoneView::showThreshold(int thresholdDb) {
    win::Window(item(control::kThresholdLabel)).setText(rx::thresholdLabel(thresholdDb));
}

void CQuillstoneView::showTone(int toneBin) {
    win::Window(item(control::kToneLabel)).setText(rx::toneHzLabel(toneBin));
}

void CQuillstoneView::setLabelCaption(int macro, TextView caption) {
    win::Window(item(control::macroLabel(macro))).setText(caption);
}

void CQuillstoneView::repaintLabel(int macro) {
    win::Window(item(control::macroLabel(macro))).invalidate();
}

bool CQuillstoneView::logger32Connected() const {
    return loggingLinks_ && loggingLinks_->logger32().connected();
}

void CQuillstoneView::startLogger32Search() {
    if (loggingLinks_) loggingLinks_->logger32().startSearch();
}

void CQuillstoneView::stopLogger32Search() {
    if (loggingLinks_) loggingLinks_->logger32().stopSearch();
}

void CQuillstoneView::setTxSpeedPosition(int position) {
    win::Trackbar(item(control::kTxSpeedSlider)).setPosition(position);
}

void CQuillstoneView::focusTxSpeedControl() {
    SetFocus(item(control::kTxSpeedSlider));
}

// From the keying timer's thread (HamLog missing) the box has no owner: an
// owner on the user-interface thread would make the tick wait for it. The
// tick waits until the box is closed, as it should.
void CQuillstoneView::showMessage(TextView text) {
    if (isUiThread()) return desktop_.showMessage(text);
    MessageBoxW(nullptr, win::wide(text).c_str(), L"Quillstone",
                MB_OK | MB_SETFOREGROUND | MB_TOPMOST);
}

void CQuillstoneView::setInputGainPosition(int position) {
    win::Trackbar(item(control::kInputGainSlider)).setPosition(position);
}

void CQuillstoneView::focusTransmitEdit() {
    SetFocus(item(control::kTransmitBox));
}

void CQuillstoneView::setPortLabel(TextView text) {
    win::Window(item(control::kPortLabel)).setText(text);
}

bool CQuillstoneView::captureRunning() const {
    return core_.capture().captureRunning();
}

void CQuillstoneView::refreshWindowTitle() {
    onUiThread([this] { tx::refreshWindowTitle(*this); });
}

void CQuillstoneView::setTxSpeedLabel(TextView text) {
    onUiThread([this, label = Text(text)] {
        win::Window(item(control::kTxSpeedLabel)).setText(label);
    });
}

void CQuillstoneView::setTxEditChecked(bool checked) {
    setChecked(control::kTxEditHold, checked);
}

void CQuillstoneView::stopAutoCq() {
    if (screen_) {
        screen_->macroSender().stopAutoCq();
    } else {
        win::Window(item(control::kAutoCqLabel)).enable(true);
    }
}

Text CQuillstoneView::myCall() const {
    return core_.settingsApplication().stationData().myCall;
}

Text CQuillstoneView::myName() const {
    return core_.settingsApplication().stationData().myName;
}

Text CQuillstoneView::documentTag() const {
    return core_.settingsApplication().documentTag();
}

bool CQuillstoneView::hamLogWindowFound() {
    return loggingLinks_ && loggingLinks_->hamLogFound();
}

bool CQuillstoneView::findLogger32Window() {
    return loggingLinks_ && loggingLinks_->logger32().findWindow();
}

void CQuillstoneView::restartLogger32Poll() {
    if (loggingLinks_) loggingLinks_->logger32().restartSearch();
}

void CQuillstoneView::setWindowTitle(TextView title) {
    frame_.setFrameTitle(title);
}

// The control tags act on the keying timer's thread: the engine takes a new
// speed at once, the windows follow on the user-interface thread. The
// engine's speed is the trackbar's position.
int CQuillstoneView::TagTarget::txSpeedPosition() const {
    return view_.core_.keyer().txSpeedIndex();
}

void CQuillstoneView::TagTarget::setTxSpeedPosition(int position) {
    view_.core_.keyer().updateTxSpeed(position);
    view_.onUiThread([this, position] { view_.setTxSpeedPosition(position); });
}

// The tags run on the keying timer's thread: the commands are posted to the
// user-interface thread, never waited for.
void CQuillstoneView::TagTarget::runQsoReportingInline() {
    PostMessageW(view_.window_, kLoggingTagMessage, 0, 0);
}

void CQuillstoneView::TagTarget::runSaveReportingInline() {
    PostMessageW(view_.window_, kLoggingTagMessage, 1, 0);
}

void CQuillstoneView::TagTarget::clearHisCall() {
    view_.onUiThread([this] { win::Window(view_.item(control::kHisCall)).setText(u""); });
}

void CQuillstoneView::TagTarget::armCallCapture() {
    view_.core_.receiveText().armCallCapture();
}

void CQuillstoneView::TagTarget::setHisCallGroupCaption(TextView caption) {
    view_.onUiThread([this, text = Text(caption)] {
        win::Window(view_.item(control::kHisCallGroup)).setText(text);
    });
}

}  // namespace qs::ui
