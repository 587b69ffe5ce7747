#include "ui/ui_call_queue.h"

namespace qs::ui {

void UiCallQueue::setWake(Wake wake) {
    std::lock_guard<std::mutex> lock(mutex_);
    wake_ = std::move(wake);
}

void UiCallQueue::post(Call call) {
    Wake wake;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(std::move(call));
        if (wakeRequested_) return;
        wakeRequested_ = true;
        wake = wake_;
    }
    if (wake) wake();
}

size_t UiCallQueue::runPending() {
    std::vector<Call> calls;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls.swap(pending_);
        wakeRequested_ = false;
    }
    for (const Call& call : calls) call();
    return calls.size();
}

}  // namespace qs::ui
