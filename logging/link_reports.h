#pragma once
// How the logging links tell the operator: message boxes for operator
// errors, receive-window notices (red, with a beep) for HamLog failures of
// commands given from the keyboard or a macro, and plain receive-window
// lines for Logger32's progress.

#include "common/text.h"

namespace qs::logging {

class LinkReports {
  public:
    virtual ~LinkReports() = default;
    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(TextView text) = 0;
    // The same with the exclamation icon.
    virtual void showExclamation(TextView text) = 0;
    // A notice on a line of its own at the end of the receive window.
    virtual void writeNotice(TextView text) = 0;
    // A line of its own at the end of the receive window, format unchanged.
    virtual void writeLine(TextView text) = 0;
};

// The main view as the commands leave it.
class LinkCommandView {
  public:
    virtual ~LinkCommandView() = default;
    // The SAVE button (1002).
    virtual void enableSave(bool enabled) = 0;
    // Focus into the transmit text box (1037).
    virtual void focusTransmitBox() = 0;
    // A contact field is being edited: leave the focus alone.
    virtual bool fieldFocusLatch() const = 0;
    // After a failed command: receive processing on (`rxEnabled`) and the
    // speed tracker's mark count (`historyIndex`) back to 0.
    virtual void resumeReceiving() = 0;
};

}  // namespace qs::logging
