#include "ui/transmit_box_mirror.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ui/ui_call_queue.h"

namespace qs::ui {
namespace {

struct FakeEdit : TransmitEditControl {
    Text shown;
    Text text() const override { return shown; }
    void clearAndInsert(TextView text) override { shown = text; }
};

// The engine sees typing only once the edit reports it, and a clear at once.
TEST(TransmitBoxMirror, FollowsTheEditsChangeNotifications) {
    FakeEdit edit;
    TransmitBoxMirror mirror(edit);
    EXPECT_EQ(mirror.text(), u"");
    mirror.clearAndInsert(u"TX> ");
    EXPECT_EQ(mirror.text(), u"TX> ");
    edit.shown = u"TX> CQ";
    EXPECT_EQ(mirror.text(), u"TX> ");
    mirror.onEditChanged();
    EXPECT_EQ(mirror.text(), u"TX> CQ");
}

// Reads from another thread see whole texts while the edit changes.
TEST(TransmitBoxMirror, ReadsFromAnotherThreadSeeWholeTexts) {
    FakeEdit edit;
    TransmitBoxMirror mirror(edit);
    const Text a = u"TX> CQ CQ DE JA1ABC";
    const Text b = u"TX> ";
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const Text seen = mirror.text();
            if (seen != a && seen != b && !seen.empty()) ++torn;
        }
    });
    for (int i = 0; i < 2000; ++i) mirror.clearAndInsert(i % 2 ? a : b);
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

TEST(UiCallQueue, WakesOnceAndRunsInOrderOnTheDrainingThread) {
    UiCallQueue queue;
    int wakes = 0;
    queue.setWake([&] { ++wakes; });
    std::string log;
    std::thread worker([&] {
        queue.post([&] { log += "label;"; });
        queue.post([&] { log += "title;"; });
    });
    worker.join();
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(log, "");
    EXPECT_EQ(queue.runPending(), 2u);
    EXPECT_EQ(log, "label;title;");
    // A call queued while the queue runs waits for the next wake-up.
    queue.post([&] { queue.post([&] { log += "later;"; }); });
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(queue.runPending(), 1u);
    EXPECT_EQ(wakes, 3);
    EXPECT_EQ(queue.runPending(), 1u);
    EXPECT_EQ(log, "label;title;later;");
}

}  // namespace
}  // namespace qs::ui
