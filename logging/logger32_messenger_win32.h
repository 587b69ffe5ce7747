#pragma once
// Logger32 reached through its window titled "Logger32": registered
// messages, posted handshake messages, records by WM_SETTEXT as ANSI bytes,
// and the view's window timer 1 for the search.

#include <windows.h>

#include <optional>

#include "logging/logger32_link.h"
#include "logging/logger32_messenger.h"

namespace qs::logging {

class Win32Logger32Messenger : public Logger32Messenger, public ConnectTimer {
  public:
    static constexpr UINT_PTR kTimerId = 1;
    // A Logger32 that hangs costs at most this per record.
    static constexpr UINT kSendTimeoutMs = 2000;

    void setViewWindow(HWND view) { view_ = view; }

    Window findLogger32() override;
    unsigned registerMessage(TextView name) override;
    Window viewWindow() const override { return reinterpret_cast<Window>(view_); }
    void post(Window to, unsigned message, std::uintptr_t wParam, std::uintptr_t lParam) override;
    void sendRecord(Window to, const std::string& record) override;

    void start(int periodMs) override;
    void kill() override;

  private:
    HWND view_ = nullptr;
    UINT_PTR connectTimerId_ = 0;
};

// The Logger32 link's part of the view's window procedure: timer 1 and the
// handshake message. Nothing when the message is not the link's, or when it
// goes to the default window procedure.
std::optional<LRESULT> handleLogger32Message(Logger32Link& link, UINT message, WPARAM w, LPARAM l);

}  // namespace qs::logging
