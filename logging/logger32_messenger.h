#pragma once
// What the Logger32 link needs of the window system: Logger32's window
// (title "Logger32", no class), registered messages, posted handshake
// messages, WM_SETTEXT records, and the view's window timer 1.

#include <cstdint>
#include <string>

#include "common/text.h"

namespace qs::logging {

class Logger32Messenger {
  public:
    // An opaque window handle; 0 is no window.
    using Window = std::uintptr_t;

    virtual ~Logger32Messenger() = default;
    virtual Window findLogger32() = 0;
    // RegisterWindowMessage: the same name gives the same number system-wide.
    virtual unsigned registerMessage(TextView name) = 0;
    // The main view's window, sent with the connection request.
    virtual Window viewWindow() const = 0;
    // Posted, asynchronous; a window that no longer exists is ignored.
    virtual void post(Window to, unsigned message, std::uintptr_t wParam,
                      std::uintptr_t lParam) = 0;
    // WM_SETTEXT with `record` (ASCII, without its NUL) as a NUL-terminated
    // byte string, synchronous; failures are silent.
    virtual void sendRecord(Window to, const std::string& record) = 0;
};

// The view's window timer, ID 1.
class ConnectTimer {
  public:
    virtual ~ConnectTimer() = default;
    // SetTimer: (re)starts the timer with this period.
    virtual void start(int periodMs) = 0;
    virtual void kill() = 0;
};

}  // namespace qs::logging
