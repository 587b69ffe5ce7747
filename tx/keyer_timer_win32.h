#pragma once
// The keying timer on Windows: one dedicated thread of its own, at
// time-critical priority, that runs the engine's tick when it is due.
// Restarting from inside the tick is a change of the schedule, never a
// kill of the running timer, so it cannot deadlock, and the ticks of one
// thread cannot overlap. With 1 ms timer resolution the thread waits on an
// event until 10 ms before a tick is due and sleeps in 1 ms steps from
// there. A tick that may change a line is held to a fraction of a
// millisecond: for the last 4 ms the thread yields the processor rather
// than sleep. The tick tells which kind the next one is, so an idle keyer
// costs next to no processor time.

#include <windows.h>

#include <atomic>
#include <functional>

#include "tx/keyer_links.h"
#include "tx/keyer_schedule.h"

namespace qs::tx {

class ThreadKeyerTimer : public KeyerTimer {
public:
    // Runs one tick; true when the next one may change a line.
    using Tick = std::function<bool()>;

    ThreadKeyerTimer() = default;
    ~ThreadKeyerTimer() override;
    ThreadKeyerTimer(const ThreadKeyerTimer&) = delete;
    ThreadKeyerTimer& operator=(const ThreadKeyerTimer&) = delete;

    // Starts the thread (once) and the timer with this period.
    bool start(Tick tick, int periodMs);
    // Any thread, the tick's included.
    void restart(int periodMs) override;
    // Kills the timer and ends the thread; a tick that is running is
    // finished first. A message box the tick shows is dismissed.
    void stop();

private:
    static DWORD WINAPI threadMain(void* self);
    void run();
    // Waits until `dueUs`, to the fraction of a millisecond when `onTime`;
    // false when woken for a change or the stop.
    bool waitUntil(long long dueUs, bool onTime);
    long long nowUs() const;
    void dismissThreadWindows();

    Tick tick_;
    KeyerSchedule schedule_;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE wake_ = nullptr;
    std::atomic<bool> stopping_{false};
    bool nextTickOnTime_ = true;  // the timer thread's own
    LARGE_INTEGER frequency_{};
    bool periodRaised_ = false;
};

}  // namespace qs::tx
