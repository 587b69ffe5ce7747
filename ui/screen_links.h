#pragma once
// What the keyboard commands, the contact fields and the macros reach of the
// rest of the terminal: the form's controls, the transmit side and the
// logging-program link. All calls are made on the user-interface thread.

#include "common/text.h"

namespace qs::ui {

// The operating form's controls, named by their ids (ui/control_ids.h).
class OperatingForm {
public:
    virtual ~OperatingForm() = default;
    virtual void focusControl(int controlId) = 0;
    // The id of the control that has the keyboard focus; 0 for none of the form's.
    virtual int focusedControl() const = 0;
    virtual Text controlText(int controlId) const = 0;
    virtual void setControlText(int controlId, TextView text) = 0;
    // Caret to the end of an edit's text, scrolled into view.
    virtual void moveCaretToEnd(int controlId) = 0;
    // Caret to the end, scrolled into view, and `text` inserted there, not
    // undoable.
    virtual void appendAtEnd(int controlId, TextView text) = 0;
    virtual void enableControl(int controlId, bool enabled) = 0;
    // Empties the clipboard when it holds text (open, empty, close).
    virtual void emptyClipboardIfText() = 0;
    // Pane 0 of the main window's status bar.
    virtual void setStatusText(TextView text) = 0;
    // A message box with an OK button; returns when it is closed.
    virtual void showFormMessage(TextView text) = 0;
};

// The receive window (1036) as the hand-over into the contact fields reads it.
class ReceiveSelection {
public:
    virtual ~ReceiveSelection() = default;
    virtual bool hasSelection() const = 0;
    // The selection through the clipboard into the staging box (1044), which
    // is emptied first; the clipboard is emptied afterwards.
    virtual void stageSelection() = 0;
    virtual Text receiveText() const = 0;
    virtual int caretPosition() const = 0;
};

// The transmit side: the transmit box, the keying engine and the keying port.
class TransmitControl {
public:
    virtual ~TransmitControl() = default;
    // Caret to the end of the transmit box, scrolled into view, and `text`
    // inserted there, not undoable.
    virtual void appendToTransmitBox(TextView text) = 0;
    // `ClearTx`: the box back to its prompt, everything not yet sent
    // discarded, the Auto CQ label enabled again.
    virtual void clearTx() = 0;
    // Toggles the "TX Edit (F9)" check box and the engine's hold.
    virtual void toggleTxEditHold() = 0;
    // Releases PTT at the engine's next tick when nothing is left to send.
    virtual void requestPttRelease() = 0;
    // The keying line down and up, for tuning.
    virtual void tuneKeyDown() = 0;
    virtual void tuneKeyUp() = 0;
    // The transmit speed trackbar (1018), 0 to 31.
    virtual int txSpeedPosition() const = 0;
    // A manual speed step: the trackbar moves, the speed and its label follow
    // and a speed a tag changed is no longer restored.
    virtual void setTxSpeedByStep(int position) = 0;
};

// The HamLog queries that Ctrl+F1 to Ctrl+F4 send.
enum class HamLogQuery : int {
    CallSign = 101,
    Name = 111,
    Qth = 112,
    QthByCall = 108,
};

// The link to the logging program (HamLog or Logger32). Failures and
// progress are reported by the link itself.
class LoggingLink {
public:
    virtual ~LoggingLink() = default;
    // A logging program has answered the link.
    virtual bool connected() const = 0;
    // The logging program's clear. False when HamLog is the logging program
    // and its link test failed: the contact is then kept.
    virtual bool clearContact() = 0;
    // After a Clear: the last transferred call is forgotten and the QSO
    // counts as not transferred.
    virtual void forgetTransfer() = 0;
    // The QSO command; with `reportInline` failures go into the receive
    // window instead of a message box.
    virtual void transferQso(bool reportInline) = 0;
    // The SAVE command.
    virtual void saveQso() = 0;
    // Sends the query when the HamLog window is found; nothing otherwise.
    virtual void queryHamLog(HamLogQuery query) = 0;
};

}  // namespace qs::ui
