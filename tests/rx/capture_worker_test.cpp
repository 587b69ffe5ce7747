#include "rx/capture_worker.h"

#include <gtest/gtest.h>

#include <vector>

#include "rx/canvas_until_stop.h"
#include "rx/capture_buffer.h"
#include "tests/rx/recording_canvas.h"
#include "tests/support/recording_text_sink.h"

namespace qs::rx {
namespace {

// A capture buffer whose frame n holds -32768 + n on the left and 32767 - n
// on the right. Each wake-up reports the next scripted capture position; the
// wake-up after the last one raises the stop flag, as the user-interface
// thread would.
class ScriptedBuffer : public CaptureBufferAccess {
  public:
    ScriptedBuffer(CaptureControl& control, std::vector<std::uint32_t> positions)
        : control_(control), positions_(std::move(positions)) {
        for (int n = 0; n < 2 * kBlockSamples; ++n) {
            for (const int value : {-32768 + n, 32767 - n}) {
                bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
                bytes_.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
            }
        }
    }
    bool waitForHalf() override {
        if (failingWaits > 0) return --failingWaits, false;
        if (wakes_ == positions_.size()) control_.captureStopFlag = true;
        return ++wakes_, true;
    }
    std::uint32_t capturePositionBytes() override { return positions_.at(wakes_ - 1); }
    const std::uint8_t* lockHalf(int offsetBytes) override {
        lockedOffsets.push_back(offsetBytes);
        return lockFails ? nullptr : bytes_.data() + offsetBytes;
    }
    void unlockHalf() override { ++unlocks; }

    int failingWaits = 0;
    bool lockFails = false;
    std::vector<int> lockedOffsets;
    int unlocks = 0;

  private:
    CaptureControl& control_;
    std::vector<std::uint32_t> positions_;
    std::vector<std::uint8_t> bytes_;
    size_t wakes_ = 0;
};

// The worker over a receive chain; notes the hops and the first raw sample
// each block's first hop saw.
struct WorkerRig : HopObserver {
    explicit WorkerRig(int channel) {
        control.channel = channel;
        chain.setHopObserver(this);
    }
    void afterHop(const HopReport& report) override {
        if (report.hop % kHopsPerBlock == 0) firstSamples.push_back(chain.rawBlock()[0]);
        ++hops;
    }
    void run(ScriptedBuffer& buffer) { CaptureWorker({buffer, control, settings, chain}).run(); }

    CaptureControl control;
    ReceiveSettings settings;
    test::RecordingTextSink text;
    NoIndicators indicators;
    BlindCanvas canvas{176, 55};
    ReceiveChain chain{settings, {text, indicators, canvas, canvas}};
    int hops = 0;
    std::vector<double> firstSamples;
};

TEST(CaptureWorker, EachWakeUpCopiesTheChosenChannelOfTheFreeHalfThenProcessesIt) {
    WorkerRig right(kRightChannel);
    ScriptedBuffer buffer(right.control, {4095, 8191, 0, 4096, 100});
    right.run(buffer);
    EXPECT_EQ(buffer.lockedOffsets, (std::vector<int>{4096, 0, 4096, 0, 4096}));
    EXPECT_EQ(buffer.unlocks, 5);
    EXPECT_EQ(right.hops, 5 * kHopsPerBlock);
    EXPECT_EQ(right.firstSamples, (std::vector<double>{31743, 32767, 31743, 32767, 31743}));

    WorkerRig left(kLeftChannel);
    ScriptedBuffer leftBuffer(left.control, {4096});
    left.run(leftBuffer);
    for (int i = 0; i < kBlockSamples; ++i) ASSERT_EQ(left.chain.rawBlock()[i], -32768 + i);

    WorkerRig none(kNoChannel);  // no channel chosen: the block keeps its content
    none.chain.rawBlock().fill(7.0);
    ScriptedBuffer noneBuffer(none.control, {0});
    none.run(noneBuffer);
    EXPECT_EQ(none.hops, kHopsPerBlock);
    for (const double sample : none.chain.rawBlock()) ASSERT_EQ(sample, 7.0);
}

TEST(CaptureWorker, SkippedHalvesAreNotProcessed) {
    WorkerRig off(kRightChannel);
    off.settings.rxEnabled = false;  // discarded without locking
    ScriptedBuffer offBuffer(off.control, {0, 4096, 0});
    off.run(offBuffer);
    EXPECT_TRUE(offBuffer.lockedOffsets.empty());
    EXPECT_EQ(off.hops, 0);

    WorkerRig failing(kRightChannel);  // failed waits and locks skip only their half
    ScriptedBuffer failingBuffer(failing.control, {0, 0});
    failingBuffer.failingWaits = 3;
    failingBuffer.lockFails = true;
    failing.run(failingBuffer);
    EXPECT_EQ(failingBuffer.lockedOffsets.size(), 2u);
    EXPECT_EQ(failingBuffer.unlocks, 0);
    EXPECT_EQ(failing.hops, 0);

    WorkerRig stopped(kRightChannel);  // a raised stop flag ends the thread without waiting
    stopped.control.captureStopFlag = true;
    ScriptedBuffer stoppedBuffer(stopped.control, {0});
    stoppedBuffer.failingWaits = 1;
    stopped.run(stoppedBuffer);
    EXPECT_EQ(stoppedBuffer.failingWaits, 1);
}

TEST(CanvasUntilStop, DrawsUntilTheStopFlagIsRaised) {
    RecordingCanvas canvas(150, 55);
    std::atomic<bool> stopFlag{false};
    CanvasUntilStop guarded(canvas, stopFlag);
    guarded.fillBlack();
    guarded.line(DisplayPen::Trace, 0, 1, 2, 3);
    stopFlag = true;
    guarded.fillBlack();
    guarded.line(DisplayPen::Grid, 4, 5, 6, 7);
    EXPECT_EQ(canvas.fills, 1);
    EXPECT_EQ(canvas.lines, (std::vector<DrawnLine>{{DisplayPen::Trace, 0, 1, 2, 3}}));
}

}  // namespace
}  // namespace qs::rx
