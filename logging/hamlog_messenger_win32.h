#pragma once
// HamLog's main window reached with WM_COPYDATA. Requests are sent with
// SendMessageTimeoutW: the sending thread still takes in HamLog's answers
// (WM_COPYDATA sent back to the view while it waits), and a HamLog that
// hangs costs at most the time-out instead of freezing the terminal.

#include <windows.h>

#include <atomic>

#include "logging/hamlog_link.h"
#include "logging/hamlog_messenger.h"

namespace qs::logging {

class Win32HamLogMessenger : public HamLogMessenger {
  public:
    static constexpr UINT kSendTimeoutMs = 2000;

    // The main view, sent as wParam so that HamLog knows where to answer.
    void setViewWindow(HWND view) { view_ = view; }

    Window findHamLog() override;
    bool send(Window hamLog, const HamLogRequest& request) override;

  private:
    std::atomic<HWND> view_{nullptr};
};

// The main view's WM_COPYDATA: an answer for the link. False when no answer
// was awaited; the view then calls the default window procedure.
bool takeHamLogAnswer(HamLogLink& link, LPARAM copyData);

}  // namespace qs::logging
