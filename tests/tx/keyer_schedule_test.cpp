#include "tx/keyer_schedule.h"

#include <gtest/gtest.h>

namespace qs::tx {
namespace {

// Runs the tick due now at `startUs`, restarting with `restartMs` unless 0.
void runTick(KeyerSchedule& schedule, long long startUs, int restartMs, long long endUs) {
    schedule.beginTick();
    if (restartMs > 0) schedule.restart(startUs, restartMs);
    schedule.endTick(endUs);
}

TEST(KeyerSchedule, PeriodicUntilRestartedThenFromTheTickThatRestarted) {
    KeyerSchedule schedule;
    EXPECT_EQ(schedule.nextDueUs(), KeyerSchedule::kNotStarted);
    schedule.restart(1'000, 57);  // outside a tick: from now
    EXPECT_EQ(schedule.nextDueUs(), 58'000);

    // Woken 400 us late, the step taking 300 us: the next is still 57 ms on.
    runTick(schedule, 58'400, 0, 58'700);
    EXPECT_EQ(schedule.nextDueUs(), 115'000);
    // Restarted from its own tick: measured from that tick's due time.
    runTick(schedule, 115'900, 60, 116'100);
    EXPECT_EQ(schedule.nextDueUs(), 175'000);
    EXPECT_EQ(schedule.periodMs(), 60);
    // Two restarts in one tick: the last counts, once.
    schedule.beginTick();
    schedule.restart(175'100, 100);
    schedule.restart(175'100, 20);
    schedule.endTick(175'200);
    EXPECT_EQ(schedule.nextDueUs(), 195'000);
}

TEST(KeyerSchedule, ALateTickDoesNotCatchUp) {
    KeyerSchedule schedule;
    schedule.restart(0, 10);
    // 25 ms late: the successor (due at 20 ms) would be in the past; it is
    // due at once and the periods go on from there.
    runTick(schedule, 35'000, 0, 35'050);
    EXPECT_EQ(schedule.nextDueUs(), 35'050);
    runTick(schedule, 35'060, 0, 35'100);
    EXPECT_EQ(schedule.nextDueUs(), 45'050);
}

TEST(KeyerSchedule, StoppedInsideATickStaysStopped) {
    KeyerSchedule schedule;
    schedule.restart(0, 57);
    schedule.beginTick();
    schedule.stop();
    schedule.endTick(57'100);
    EXPECT_EQ(schedule.nextDueUs(), KeyerSchedule::kNotStarted);
    // A period below 1 ms is taken as 1 ms.
    schedule.restart(0, 0);
    EXPECT_EQ(schedule.nextDueUs(), 1'000);
}

}  // namespace
}  // namespace qs::tx
