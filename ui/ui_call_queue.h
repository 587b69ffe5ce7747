#pragma once
// Window work that a worker thread (the keying timer's) asks of the
// user-interface thread without waiting for it: labels, the window title,
// the speed trackbar, the contact fields the control tags reach. Calls are
// queued under a short lock; queueing into an empty queue asks for one
// wake-up (a posted window message on Windows), after which the
// user-interface thread runs everything queued so far, in order.

#include <functional>
#include <mutex>
#include <vector>

namespace qs::ui {

class UiCallQueue {
public:
    using Call = std::function<void()>;
    // Must not block (PostMessage, not SendMessage).
    using Wake = std::function<void()>;

    void setWake(Wake wake);

    // Any thread.
    void post(Call call);
    // User-interface thread: runs the calls queued so far and returns how
    // many. Calls they queue wait for the next wake-up.
    size_t runPending();

private:
    std::mutex mutex_;
    std::vector<Call> pending_;
    bool wakeRequested_ = false;
    Wake wake_;
};

}  // namespace qs::ui
