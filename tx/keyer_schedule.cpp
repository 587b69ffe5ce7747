#include "tx/keyer_schedule.h"

#include <algorithm>

namespace qs::tx {

namespace {

constexpr long long kUsPerMs = 1000;

}  // namespace

void KeyerSchedule::restart(long long nowUs, int periodMs) {
    std::lock_guard<std::mutex> lock(mutex_);
    periodMs_ = std::max(periodMs, 1);
    if (inTick_ && tickDueUs_ != kNotStarted) {
        dueUs_ = tickDueUs_ + periodMs_ * kUsPerMs;
        restartedInTick_ = true;
    } else {
        dueUs_ = nowUs + periodMs_ * kUsPerMs;
    }
}

void KeyerSchedule::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    dueUs_ = kNotStarted;
    tickDueUs_ = kNotStarted;
}

long long KeyerSchedule::nextDueUs() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dueUs_;
}

int KeyerSchedule::periodMs() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return periodMs_;
}

void KeyerSchedule::beginTick() {
    std::lock_guard<std::mutex> lock(mutex_);
    inTick_ = true;
    restartedInTick_ = false;
    tickDueUs_ = dueUs_;
}

void KeyerSchedule::endTick(long long nowUs) {
    std::lock_guard<std::mutex> lock(mutex_);
    inTick_ = false;
    if (dueUs_ == kNotStarted) return;
    if (!restartedInTick_) dueUs_ = tickDueUs_ + periodMs_ * kUsPerMs;
    dueUs_ = std::max(dueUs_, nowUs);
}

}  // namespace qs::tx
