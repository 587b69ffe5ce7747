#include "rx/capture_worker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "rx/canvas_until_stop.h"
#include "rx/capture_buffer.h"
#include "tests/rx/recording_canvas.h"
#include "tests/support/recording_text_sink.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

// A capture buffer whose device writes a 603 Hz tone into the right channel
// and silence into the left, a fresh block into each half as it is locked.
// Each wake-up reports the next scripted capture position; the wake-up after
// the last one raises the stop flag, as the user-interface thread would.
class ScriptedBuffer : public CaptureBufferAccess {
public:
    ScriptedBuffer(CaptureControl& control, std::vector<std::uint32_t> positions)
        : control_(control), positions_(std::move(positions)), bytes_(kCaptureBufferBytes) {}

    bool waitForHalf() override {
        if (failingWaits > 0) {
            --failingWaits;
            return false;
        }
        if (wakes_ == positions_.size()) control_.captureStopFlag = true;
        ++wakes_;
        return true;
    }
    std::uint32_t capturePositionBytes() override { return positions_.at(wakes_ - 1); }
    const std::uint8_t* lockHalf(int offsetBytes) override {
        lockedOffsets.push_back(offsetBytes);
        if (lockFails) return nullptr;
        writeToneHalf(offsetBytes);
        return bytes_.data() + offsetBytes;
    }
    void unlockHalf() override { ++unlocks; }

    int failingWaits = 0;
    bool lockFails = false;
    std::vector<int> lockedOffsets;
    int unlocks = 0;

private:
    void writeToneHalf(int offsetBytes) {
        const double radiansPerSample = 2.0 * test::kPi * test::toneBinHz(kDefaultToneBin) /
                                        kSampleRate;
        std::uint8_t* frame = bytes_.data() + offsetBytes;
        for (int i = 0; i < kBlockSamples; ++i, frame += kCaptureFrameBytes) {
            const double t = static_cast<double>(nextSample_++);
            const auto right = static_cast<std::uint16_t>(
                static_cast<std::int16_t>(std::lround(8000.0 * std::sin(radiansPerSample * t))));
            frame[0] = frame[1] = 0;
            frame[2] = static_cast<std::uint8_t>(right & 0xFF);
            frame[3] = static_cast<std::uint8_t>(right >> 8);
        }
    }

    CaptureControl& control_;
    std::vector<std::uint32_t> positions_;
    std::vector<std::uint8_t> bytes_;
    size_t wakes_ = 0;
    long nextSample_ = 0;
};

// Counts key-down hops from the second block on: the level history starts
// at 0 dB, so the first hops key down on silence too.
struct HopCounter : HopObserver {
    void afterHop(const HopReport& report) override {
        ++hops;
        if (report.keyDown && report.hop >= kHopsPerBlock) ++keyDownHops;
    }
    int hops = 0;
    int keyDownHops = 0;
};

class CaptureWorkerTest : public ::testing::Test {
protected:
    CaptureWorkerTest() { chain.setHopObserver(&hopCounter); }

    void run(ScriptedBuffer& buffer) { CaptureWorker({buffer, control, settings, chain}).run(); }

    CaptureControl control;
    ReceiveSettings settings;
    test::RecordingTextSink text;
    NoIndicators indicators;
    BlindCanvas levelCanvas{176, 55};
    BlindCanvas spectrumCanvas{176, 55};
    ReceiveChain chain{settings, {text, indicators, levelCanvas, spectrumCanvas}};
    HopCounter hopCounter;
};

TEST_F(CaptureWorkerTest, EachWakeUpProcessesTheHalfTheDeviceIsNotWriting) {
    control.channel = kRightChannel;
    ScriptedBuffer buffer(control, {4095, 8191, 0, 4096, 100});
    run(buffer);
    EXPECT_EQ(buffer.lockedOffsets, (std::vector<int>{4096, 0, 4096, 0, 4096}));
    EXPECT_EQ(buffer.unlocks, 5);
    EXPECT_EQ(hopCounter.hops, 5 * kHopsPerBlock);
}

TEST_F(CaptureWorkerTest, TheToneInTheRightChannelKeysTheReceiveChain) {
    control.channel = kRightChannel;
    ScriptedBuffer buffer(control, std::vector<std::uint32_t>(10, 0));
    run(buffer);
    EXPECT_GT(hopCounter.keyDownHops, 8 * kHopsPerBlock);
    EXPECT_NE(chain.rawBlock()[1], 0.0);
}

TEST_F(CaptureWorkerTest, TheSilentLeftChannelLeavesTheKeyUp) {
    control.channel = kLeftChannel;
    ScriptedBuffer buffer(control, std::vector<std::uint32_t>(10, 0));
    run(buffer);
    EXPECT_EQ(hopCounter.hops, 10 * kHopsPerBlock);
    EXPECT_EQ(hopCounter.keyDownHops, 0);
    for (const double sample : chain.rawBlock()) ASSERT_EQ(sample, 0.0);
}

TEST_F(CaptureWorkerTest, WhileReceiveIsOffHalvesAreDiscardedWithoutLocking) {
    control.channel = kRightChannel;
    settings.rxEnabled = false;
    ScriptedBuffer buffer(control, {0, 4096, 0});
    run(buffer);
    EXPECT_TRUE(buffer.lockedOffsets.empty());
    EXPECT_EQ(hopCounter.hops, 0);
}

TEST_F(CaptureWorkerTest, FailedWaitsAndLocksSkipOnlyTheirHalf) {
    control.channel = kRightChannel;
    ScriptedBuffer buffer(control, {0, 0});
    buffer.failingWaits = 3;
    buffer.lockFails = true;
    run(buffer);
    EXPECT_EQ(buffer.lockedOffsets.size(), 2u);
    EXPECT_EQ(buffer.unlocks, 0);
    EXPECT_EQ(hopCounter.hops, 0);
}

TEST_F(CaptureWorkerTest, ARaisedStopFlagEndsTheThreadWithoutWaiting) {
    control.captureStopFlag = true;
    ScriptedBuffer buffer(control, {0});
    buffer.failingWaits = 1;
    run(buffer);
    EXPECT_EQ(buffer.failingWaits, 1);
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
    EXPECT_EQ(guarded.width(), 150);
    EXPECT_EQ(guarded.height(), 55);
}

}  // namespace
}  // namespace qs::rx
