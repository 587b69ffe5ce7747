#include "ui/key_commands.h"

#include <algorithm>

#include "ui/control_ids.h"

namespace qs::ui {

namespace {

bool isFunctionKey(Key key) {
    return key >= Key::F1 && key <= Key::F12;
}

int functionNumber(Key key) {
    return static_cast<int>(key) - static_cast<int>(Key::F1) + 1;
}

}  // namespace

KeyCommands::KeyCommands(const Links& links) : links_(links) {}

bool KeyCommands::onKeyDown(Key key, bool systemKey) {
    if (systemKey) return onSystemKeyDown(key);
    if (isFunctionKey(key)) {
        if (shiftHeld_) {
            sendMacroFromKey(functionNumber(key));
        } else if (ctrlHeld_) {
            ctrlFunctionKey(key);
        } else {
            plainFunctionKey(key);
        }
        return false;
    }
    otherKey(key);
    return false;
}

// F10 arrives as a system key; it is always consumed, so that it never
// opens the menu bar.
bool KeyCommands::onSystemKeyDown(Key key) {
    if (key != Key::F10) return false;
    if (shiftHeld_) {
        sendMacroFromKey(10);
        focusTransmitBoxUnlessLatched();
    } else if (!ctrlHeld_) {
        stepTxSpeed(-1);
    }
    return true;
}

void KeyCommands::onKeyUp(bool systemKey) {
    if (systemKey) return;
    shiftHeld_ = false;
    if (ctrlHeld_) links_.form.setControlText(control::kHisQthGroup, kHisQthCaption);
    ctrlHeld_ = false;
    if (tuneKeyed_) {
        links_.transmit.tuneKeyUp();
        tuneKeyed_ = false;
    }
}

void KeyCommands::sendMacroFromKey(int macro) {
    links_.form.focusControl(control::kTransmitBox);
    links_.macros.sendMacro(macro);
}

// Name and QTH queries mean something only to HamLog; the QTH by call goes
// to a HamLog window whichever program logs.
void KeyCommands::ctrlFunctionKey(Key key) {
    const bool hamLog = links_.program.logSoftIsHamLog();
    switch (key) {
        case Key::F1:
            if (hamLog) links_.link.queryHamLog(HamLogQuery::CallSign);
            return;
        case Key::F2:
            if (hamLog) links_.link.queryHamLog(HamLogQuery::Name);
            return;
        case Key::F3:
            if (hamLog) links_.link.queryHamLog(HamLogQuery::Qth);
            return;
        case Key::F4:
            links_.link.queryHamLog(HamLogQuery::QthByCall);
            return;
        default:
            return;
    }
}

void KeyCommands::plainFunctionKey(Key key) {
    switch (key) {
        case Key::F1:
            return links_.form.focusControl(control::kHisCall);
        case Key::F2:
            return links_.form.focusControl(control::kHisName);
        case Key::F3:
            return links_.form.focusControl(control::kHisQth);
        case Key::F4:
            return links_.pickUp.pickUpCallSign();
        case Key::F5:
            links_.receive.letterEndEnabled = false;
            links_.receive.historyIndex = 0;
            return;
        case Key::F6:
            return qsoCommand(true);
        case Key::F7:
            return saveCommand();
        case Key::F9:
            return onF9();
        case Key::F11:
            return stepTxSpeed(+1);
        case Key::F12:
            links_.transmit.tuneKeyDown();
            tuneKeyed_ = true;
            return;
        default:
            return;
    }
}

void KeyCommands::otherKey(Key key) {
    switch (key) {
        case Key::PageUp:
            stepTxSpeed(+1);
            return links_.form.focusControl(control::kTransmitBox);
        case Key::PageDown:
            stepTxSpeed(-1);
            return links_.form.focusControl(control::kTransmitBox);
        case Key::Down:
            return links_.contacts.recallSavedText();
        case Key::Enter:
            return onEnter();
        case Key::Escape:
            return shiftHeld_ ? txClear() : clearCommand();
        case Key::Backspace:
        case Key::Delete:
            if (links_.latch.fieldFocusLatch()) links_.transmit.requestPttRelease();
            return;
        case Key::Shift:
            shiftHeld_ = true;
            return;
        case Key::Control:
            ctrlHeld_ = true;
            return links_.form.setControlText(control::kHisQthGroup, kHisQthCtrlCaption);
        default:
            return;
    }
}

void KeyCommands::stepTxSpeed(int steps) {
    const int position = links_.transmit.txSpeedPosition() + steps;
    links_.transmit.setTxSpeedByStep(std::clamp(position, 0, kTxSpeedTop));
}

// F9 stops a running Auto CQ; otherwise it toggles TX Edit.
void KeyCommands::onF9() {
    if (links_.macros.autoCqRunning()) {
        links_.transmit.clearTx();
        links_.macros.stopAutoCq();
        links_.receive.historyIndex = 0;
        links_.receive.rxEnabled = true;
    } else {
        links_.transmit.toggleTxEditHold();
    }
    focusTransmitBoxUnlessLatched();
}

// With the call-sign capture running for HamLog, Enter transfers the QSO
// and ends the capture; otherwise it goes back to the transmit box.
void KeyCommands::onEnter() {
    if (links_.receiveText.callCaptureOn() && links_.program.logSoftIsHamLog()) {
        qsoCommand(false);
        links_.form.moveCaretToEnd(control::kHisCall);
        links_.form.focusControl(control::kHisCall);
        links_.receiveText.disarmCallCapture();
        links_.form.setControlText(control::kHisCallGroup, kHisCallCaption);
        return;
    }
    links_.form.moveCaretToEnd(control::kTransmitBox);
    links_.form.focusControl(control::kTransmitBox);
}

void KeyCommands::txClear() {
    links_.transmit.clearTx();
    links_.receive.historyIndex = 0;
    links_.receive.rxEnabled = true;
    focusTransmitBoxUnlessLatched();
}

void KeyCommands::focusTransmitBoxUnlessLatched() {
    if (!links_.latch.fieldFocusLatch()) links_.form.focusControl(control::kTransmitBox);
}

// A HamLog that cannot be reached keeps the contact on the screen; the link
// tells the operator.
void KeyCommands::clearCommand() {
    if (!links_.link.clearContact()) {
        links_.receive.rxEnabled = true;
        return;
    }
    for (const int id : {control::kHisCall, control::kHisName, control::kHisQth}) {
        links_.form.setControlText(id, u"");
    }
    links_.link.forgetTransfer();
    links_.form.enableControl(control::kSave, false);
}

void KeyCommands::qsoCommand(bool reportInline) {
    links_.link.transferQso(reportInline);
}

void KeyCommands::saveCommand() {
    links_.link.saveQso();
}

}  // namespace qs::ui
