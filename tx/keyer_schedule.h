#pragma once
// When the keying timer's next tick is due. The timer is periodic: without a
// restart each tick follows the previous one by the period in force. A
// restart made during a tick is measured from the moment that tick was due,
// so neither the step's own run time nor a late wake-up stretches the
// symbol; a restart made outside a tick is measured from now. A tick that
// comes too late to keep its successor in the future does not try to catch
// up: the successor is due at once and the timeline moves on from there.
//
// The timer's thread and the thread that starts it share the schedule; it
// guards itself.

#include <mutex>

namespace qs::tx {

class KeyerSchedule {
public:
    static constexpr long long kNotStarted = -1;

    // Kills the running timer and starts a periodic one with this period.
    void restart(long long nowUs, int periodMs);
    // The timer is killed: no tick is due any more.
    void stop();

    // The due time of the next tick in microseconds, or kNotStarted.
    long long nextDueUs() const;
    int periodMs() const;

    // The timer's thread runs the tick that was due; restarts made until
    // endTick count from its due time.
    void beginTick();
    void endTick(long long nowUs);

private:
    mutable std::mutex mutex_;
    long long dueUs_ = kNotStarted;
    long long tickDueUs_ = kNotStarted;  // the running tick's due time
    int periodMs_ = 0;
    bool inTick_ = false;
    bool restartedInTick_ = false;
};

}  // namespace qs::tx
