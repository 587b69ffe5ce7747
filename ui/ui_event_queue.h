#pragma once
// Updates for the windows from the worker threads (capture, keying timer),
// queued for the user-interface thread. A worker never waits for the
// user-interface thread: it appends under a short lock and, when the queue
// was empty, asks for one wake-up (a posted window message on Windows). The
// user-interface thread then drains everything queued so far, in order.
//
// Events carry values and short texts inline, so that a queue which has
// reached its working size allocates nothing more.

#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

#include "common/text.h"

namespace qs::ui {

enum class UiEventKind {
    RxSpeed,        // value: characters per minute
    RxSpeedSlider,  // value: speed index
    Threshold,      // value: dB
    Tone,           // value: tone bin
    ReceivedText,   // text: decoded text
    ReceivedWordSpace,
    SentEcho,        // value: the character being keyed
    UnsendableEcho,  // value: a character without a pattern
};

struct UiEvent {
    static constexpr size_t kTextCapacity = 16;

    UiEventKind kind = UiEventKind::RxSpeed;
    int value = 0;
    size_t textLength = 0;
    char16_t text[kTextCapacity] = {};

    TextView textView() const { return TextView(text, textLength); }
};

class UiEventQueue {
public:
    // Called by the thread that queues into an empty queue, outside the lock;
    // it must not block (PostMessage, not SendMessage).
    using Wake = std::function<void()>;

    explicit UiEventQueue(Wake wake = {}) : wake_(std::move(wake)) {}

    void setWake(Wake wake);

    // Any thread.
    void push(UiEventKind kind, int value);
    // A text longer than one event holds is queued as several in a row.
    void pushText(UiEventKind kind, TextView text);

    // User-interface thread: hands every event queued so far to `handle`, in
    // the order they were queued, and returns how many. Events queued while
    // it runs wait for the next wake-up.
    size_t drain(const std::function<void(const UiEvent&)>& handle);

private:
    void append(const UiEvent& event);

    std::mutex mutex_;
    std::vector<UiEvent> pending_;
    bool wakeRequested_ = false;
    Wake wake_;
    std::vector<UiEvent> draining_;  // user-interface thread only
};

}  // namespace qs::ui
