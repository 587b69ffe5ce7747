#include "ui/ui_event_queue.h"

#include <algorithm>

namespace qs::ui {

void UiEventQueue::setWake(Wake wake) {
    std::lock_guard<std::mutex> lock(mutex_);
    wake_ = std::move(wake);
}

void UiEventQueue::push(UiEventKind kind, int value) {
    UiEvent event;
    event.kind = kind;
    event.value = value;
    append(event);
}

void UiEventQueue::pushText(UiEventKind kind, TextView text) {
    do {
        UiEvent event;
        event.kind = kind;
        event.textLength = std::min(text.size(), UiEvent::kTextCapacity);
        std::copy_n(text.begin(), event.textLength, event.text);
        text.remove_prefix(event.textLength);
        append(event);
    } while (!text.empty());
}

void UiEventQueue::append(const UiEvent& event) {
    Wake wake;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(event);
        if (wakeRequested_) return;
        wakeRequested_ = true;
        wake = wake_;
    }
    if (wake) wake();
}

size_t UiEventQueue::drain(const std::function<void(const UiEvent&)>& handle) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::swap(pending_, draining_);
        wakeRequested_ = false;
    }
    for (const UiEvent& event : draining_) handle(event);
    const size_t count = draining_.size();
    draining_.clear();
    return count;
}

}  // namespace qs::ui
