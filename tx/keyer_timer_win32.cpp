#include "tx/keyer_timer_win32.h"

#include <mmsystem.h>

namespace qs::tx {

namespace {

constexpr UINT kTimerResolutionMs = 1;
// Within this much of the due time the thread sleeps in short steps rather
// than waiting on its event, whose time-out may end late.
constexpr long long kSleepWindowUs = 10000;
constexpr DWORD kSleepStepMs = 1;
// Within this much it yields until the due time: a sleep may end a
// millisecond or more late (4 ms kept the worst error within 3 ms under Wine
// where 2 ms did not).
constexpr long long kYieldWindowUs = 4000;
constexpr DWORD kStopWaitStepMs = 100;

BOOL CALLBACK pressOk(HWND window, LPARAM) {
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

}  // namespace

ThreadKeyerTimer::~ThreadKeyerTimer() {
    stop();
}

bool ThreadKeyerTimer::start(Tick tick, int periodMs) {
    if (!thread_) {
        tick_ = std::move(tick);
        QueryPerformanceFrequency(&frequency_);
        periodRaised_ = timeBeginPeriod(kTimerResolutionMs) == TIMERR_NOERROR;
        wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!wake_) return false;
        stopping_ = false;
        thread_ = CreateThread(nullptr, 0, &ThreadKeyerTimer::threadMain, this, 0, &threadId_);
        if (!thread_) return false;
        SetThreadPriority(thread_, THREAD_PRIORITY_TIME_CRITICAL);
    }
    restart(periodMs);
    return true;
}

void ThreadKeyerTimer::restart(int periodMs) {
    schedule_.restart(nowUs(), periodMs);
    if (wake_ && GetCurrentThreadId() != threadId_) SetEvent(wake_);
}

// The user-interface thread waits here: the tick never waits for it, so the
// thread ends within one step, unless the tick shows a message box, which
// is closed.
void ThreadKeyerTimer::stop() {
    schedule_.stop();
    if (thread_) {
        stopping_ = true;
        SetEvent(wake_);
        while (WaitForSingleObject(thread_, kStopWaitStepMs) == WAIT_TIMEOUT) {
            dismissThreadWindows();
        }
        CloseHandle(thread_);
        thread_ = nullptr;
        threadId_ = 0;
    }
    if (wake_) {
        CloseHandle(wake_);
        wake_ = nullptr;
    }
    if (periodRaised_) {
        timeEndPeriod(kTimerResolutionMs);
        periodRaised_ = false;
    }
}

DWORD WINAPI ThreadKeyerTimer::threadMain(void* self) {
    static_cast<ThreadKeyerTimer*>(self)->run();
    return 0;
}

void ThreadKeyerTimer::run() {
    while (!stopping_) {
        const long long dueUs = schedule_.nextDueUs();
        if (dueUs == KeyerSchedule::kNotStarted) {
            WaitForSingleObject(wake_, INFINITE);
            continue;
        }
        if (!waitUntil(dueUs, nextTickOnTime_) || stopping_) continue;
        if (schedule_.nextDueUs() != dueUs) continue;  // restarted meanwhile
        schedule_.beginTick();
        nextTickOnTime_ = tick_();
        schedule_.endTick(nowUs());
    }
}

// Far from the due time the thread waits on the event, which a restart or
// the stop sets. The last stretch it sleeps in steps of a millisecond,
// checking for a restart or the stop after each: a plain sleep needs no
// round trip to another process (under Wine a timed wait on an event does,
// and a busy server can wake it late). Before a tick that may change a line
// it yields for the last four milliseconds.
bool ThreadKeyerTimer::waitUntil(long long dueUs, bool onTime) {
    const long long yieldWindowUs = onTime ? kYieldWindowUs : 0;
    for (;;) {
        if (stopping_ || schedule_.nextDueUs() != dueUs) return false;
        const long long leftUs = dueUs - nowUs();
        if (leftUs <= 0) return true;
        if (leftUs > kSleepWindowUs) {
            const auto eventWaitMs = static_cast<DWORD>((leftUs - kSleepWindowUs) / 1000);
            if (eventWaitMs > 0 && WaitForSingleObject(wake_, eventWaitMs) == WAIT_OBJECT_0) {
                return false;
            }
        } else if (leftUs > yieldWindowUs) {
            Sleep(kSleepStepMs);
        } else {
            SwitchToThread();
        }
    }
}

long long ThreadKeyerTimer::nowUs() const {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    if (frequency_.QuadPart <= 0) return 0;
    const long long ticks = counter.QuadPart;
    const long long perSecond = frequency_.QuadPart;
    return ticks / perSecond * 1'000'000 + ticks % perSecond * 1'000'000 / perSecond;
}

void ThreadKeyerTimer::dismissThreadWindows() {
    EnumThreadWindows(threadId_, &pressOk, 0);
}

}  // namespace qs::tx
