#pragma once
// The view's logging links: HamLog and Logger32 with their window-message
// ends, their reports into the receive window and message boxes, and the
// operating screen's link over both.

#include <windows.h>

#include <optional>

#include "common/clock.h"
#include "logging/ansi_code_page_win32.h"
#include "logging/hamlog_link.h"
#include "logging/hamlog_messenger_win32.h"
#include "logging/hamlog_ptt.h"
#include "logging/logger32_link.h"
#include "logging/logger32_messenger_win32.h"
#include "logging/receive_window_reports.h"
#include "ui/logging_program_link.h"

namespace qs::ui {

struct ViewLoggingParts {
    OperatingForm& form;
    ViewCore& core;
    rx::ReceiveWindow& receiveWindow;
    const settings::LoggingProgram& program;
    const Clock& clock;
};

class ViewLoggingLinks : private logging::OperatorAlerts {
  public:
    explicit ViewLoggingLinks(const ViewLoggingParts& parts);

    // Once the view's window exists: the answers and the timer come to it,
    // message boxes are owned by `owner`.
    void attach(HWND view, HWND owner);

    LoggingProgramLink& link() { return link_; }
    // HamLog as the keying engine's PTT switch.
    tx::HamLogPttLink& hamLogPtt() { return ptt_; }
    logging::HamLogLink& hamLog() { return hamLog_; }
    logging::Logger32Link& logger32() { return logger32_; }
    bool hamLogFound() { return hamLogMessenger_.findHamLog() != 0; }

    // WM_COPYDATA, WM_TIMER, the Logger32 handshake and the keying engine's
    // request for a HamLog link test; nothing for other messages and for
    // those that go to the default window procedure.
    std::optional<LRESULT> handleMessage(UINT message, WPARAM w, LPARAM l);

  private:
    void showMessage(TextView text) override;
    void showExclamation(TextView text) override;
    void beep() override;

    // Posted to the view when the keying timer's thread needs a link test.
    static constexpr UINT kLinkTestMessage = WM_APP + 21;

    HWND view_ = nullptr;
    HWND owner_ = nullptr;
    logging::Win32HamLogMessenger hamLogMessenger_;
    logging::Win32Logger32Messenger logger32Messenger_;
    logging::ThreadAnsiCodePage codePage_;
    FormContactFields fields_;
    FormLinkView linkView_;
    ReceiveTextWriter writer_;
    logging::ReceiveWindowReports reports_;
    logging::HamLogLink hamLog_;
    logging::Logger32Link logger32_;
    LoggingProgramLink link_;
    logging::HamLogPtt ptt_;
};

}  // namespace qs::ui
