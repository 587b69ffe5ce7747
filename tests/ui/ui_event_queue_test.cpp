#include "ui/ui_event_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "ui/queued_receive_output.h"

namespace qs::ui {
namespace {

std::vector<int> drainValues(UiEventQueue& queue) {
    std::vector<int> values;
    queue.drain([&](const UiEvent& event) { values.push_back(event.value); });
    return values;
}

TEST(UiEventQueue, DrainsInOrderAndWakesOncePerBatch) {
    int wakes = 0;
    UiEventQueue queue([&] { ++wakes; });
    queue.push(UiEventKind::Threshold, -45);
    queue.push(UiEventKind::Tone, 28);
    queue.push(UiEventKind::RxSpeed, 100);
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(drainValues(queue), (std::vector<int>{-45, 28, 100}));
    EXPECT_EQ(drainValues(queue), std::vector<int>{});

    queue.push(UiEventKind::Tone, 30);
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(drainValues(queue), std::vector<int>{30});
}

// An event queued while the queue is being drained is not lost: it asks for
// a new wake-up and comes with the next drain.
TEST(UiEventQueue, EventsQueuedDuringADrainWaitForTheNextOne) {
    int wakes = 0;
    UiEventQueue queue([&] { ++wakes; });
    queue.push(UiEventKind::Tone, 1);
    std::vector<int> first;
    queue.drain([&](const UiEvent& event) {
        first.push_back(event.value);
        if (event.value == 1) queue.push(UiEventKind::Tone, 2);
    });
    EXPECT_EQ(first, std::vector<int>{1});
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(drainValues(queue), std::vector<int>{2});
}

TEST(UiEventQueue, LongTextIsSplitAndKeepsItsOrder) {
    UiEventQueue queue;
    const Text text = u"CQ CQ CQ DE JA1ABC JA1ABC PSE K";  // longer than one event holds
    queue.pushText(UiEventKind::ReceivedText, text);
    queue.pushText(UiEventKind::ReceivedText, u"");
    Text joined;
    int events = 0;
    queue.drain([&](const UiEvent& event) {
        EXPECT_EQ(event.kind, UiEventKind::ReceivedText);
        EXPECT_LE(event.textLength, UiEvent::kTextCapacity);
        joined += event.textView();
        ++events;
    });
    EXPECT_EQ(joined, text);
    EXPECT_EQ(events, 3);  // 16 + 15 characters, then the empty text
}

// Two worker threads queue while the user-interface thread drains only
// when it is woken: every event arrives once, each thread's in its own
// order, and no event is left waiting without a wake-up.
TEST(UiEventQueue, CrossThreadNoLossNoReordering) {
    constexpr int kPerThread = 20000;
    constexpr int kSecondSource = 1000000;
    std::atomic<bool> woken{false};
    UiEventQueue queue([&] { woken = true; });
    auto produce = [&](int base) {
        for (int i = 0; i < kPerThread; ++i) queue.push(UiEventKind::Tone, base + i);
    };
    std::thread capture(produce, 0);
    std::thread keyer(produce, kSecondSource);

    std::vector<int> next = {0, kSecondSource};
    int received = 0;
    auto consume = [&](const UiEvent& event) {
        const int source = event.value >= kSecondSource ? 1 : 0;
        EXPECT_EQ(event.value, next[source]);
        next[source] = event.value + 1;
        ++received;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (received < 2 * kPerThread && std::chrono::steady_clock::now() < deadline) {
        if (woken.exchange(false)) {
            queue.drain(consume);
        } else {
            std::this_thread::yield();
        }
    }
    capture.join();
    keyer.join();
    EXPECT_EQ(received, 2 * kPerThread);
    EXPECT_EQ(next[0], kPerThread);
    EXPECT_EQ(next[1], kSecondSource + kPerThread);
}

// The receive path's outputs and the keying echo reach the text writer, the
// indicators and the echo on the draining thread, in the order they were
// produced.
TEST(QueuedReceiveOutput, DeliversTextEchoAndIndicatorsInOrder) {
    struct Indicators : rx::ReceiveIndicators {
        std::string* log;
        void showRxSpeed(int cpm) override { *log += "speed " + std::to_string(cpm) + ";"; }
        void moveRxSpeedSlider(int i) override { *log += "slider " + std::to_string(i) + ";"; }
        void showThreshold(int db) override { *log += "threshold " + std::to_string(db) + ";"; }
        void showTone(int bin) override { *log += "tone " + std::to_string(bin) + ";"; }
    };
    struct Text : rx::DecodedTextSink {
        std::string* log;
        void appendReceived(TextView text) override { *log += "text " + toUtf8(text) + ";"; }
        void appendWordSpace() override { *log += "space;"; }
    };
    struct Echo : tx::SentTextEcho {
        std::string* log;
        void echoSent(char16_t c) override { *log += "sent " + toUtf8(TextView(&c, 1)) + ";"; }
        void echoUnsendable(char16_t c) override {
            *log += "unsendable " + toUtf8(TextView(&c, 1)) + ";";
        }
    };
    std::string log;
    Echo echo;
    echo.log = &log;
    Indicators indicators;
    indicators.log = &log;
    Text text;
    text.log = &log;

    UiEventQueue queue;
    QueuedReceiveOutput output(queue);
    output.appendReceived(u"CQ");
    output.showRxSpeed(100);
    output.moveRxSpeedSlider(15);
    output.appendWordSpace();
    output.showThreshold(-60);
    output.showTone(30);
    output.appendReceived(u"DE");
    output.echoSent(u'K');
    output.echoUnsendable(u'#');
    output.echoSent(u'\u30a2');
    EXPECT_EQ(log, "");
    queue.drain([&](const UiEvent& event) { deliverUiEvent(event, text, indicators, echo); });
    EXPECT_EQ(log,
              "text CQ;speed 100;slider 15;space;threshold -60;tone 30;text DE;sent K;"
              "unsendable #;sent \u30a2;");
}

}  // namespace
}  // namespace qs::ui
