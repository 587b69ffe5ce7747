#pragma once
// What the HamLog link needs of the window system: HamLog's main window
// (class "TThwin", no title) and synchronous WM_COPYDATA requests to it.
// HamLog answers with WM_COPYDATA to the main view while the request is
// still being sent; the view hands those answers to HamLogLink::takeAnswer,
// inside send().
//
// Callable from the user-interface thread and from the keying timer's
// thread (PTT); implementations keep no state between calls.

#include <cstdint>

#include "logging/hamlog_requests.h"

namespace qs::logging {

class HamLogMessenger {
  public:
    // An opaque window handle; 0 is no window.
    using Window = std::uintptr_t;

    virtual ~HamLogMessenger() = default;
    virtual Window findHamLog() = 0;
    // False when the window is gone or did not take the request in time:
    // the link treats both as a missing HamLog.
    virtual bool send(Window hamLog, const HamLogRequest& request) = 0;
};

}  // namespace qs::logging
