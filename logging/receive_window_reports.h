#pragma once
// The links' reports on the operating screen: notices and lines in the
// receive window (1036), message boxes and the beep from the window side.

#include "logging/link_reports.h"
#include "rx/receive_window.h"
#include "tx/keyer_links.h"

namespace qs::logging {

class OperatorAlerts {
  public:
    virtual ~OperatorAlerts() = default;
    virtual void showMessage(TextView text) = 0;
    virtual void showExclamation(TextView text) = 0;
    // The default beep.
    virtual void beep() = 0;
};

class ReceiveWindowReports : public LinkReports {
  public:
    ReceiveWindowReports(rx::ReceiveWindow& window, tx::EchoWriterState& writer,
                         OperatorAlerts& alerts)
        : window_(window), writer_(writer), alerts_(alerts) {}

    void showMessage(TextView text) override { alerts_.showMessage(text); }
    void showExclamation(TextView text) override { alerts_.showExclamation(text); }
    // At the end, after a line break, in the notice format; the receive text
    // writer learns that the notice format is active, so received text
    // starts its own line with its prompt.
    void writeNotice(TextView text) override;
    // Logger32's progress: on a line of its own at the end, in the format
    // in use; received or sent text that follows starts a new line.
    void writeLine(TextView text) override;

  private:
    rx::ReceiveWindow& window_;
    tx::EchoWriterState& writer_;
    OperatorAlerts& alerts_;
};

}  // namespace qs::logging
