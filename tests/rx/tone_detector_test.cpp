#include "rx/tone_detector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/allocation_counter.h"
#include "tests/support/recording_indicators.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

// Records the hop magnitudes in order and when the spectra arrived.
class Recorder : public SpectrumListener, public HopListener {
public:
    void onBlockSpectrum(const SpectrumMagnitudes&) override {
        spectrumAtHop.push_back(hops.size());
    }
    void onHop(double toneMagnitude) override { hops.push_back(toneMagnitude); }
    std::vector<std::size_t> spectrumAtHop;
    std::vector<double> hops;
};

class ToneDetectorTest : public ::testing::Test {
protected:
    void run(const SampleBlock& block) {
        detector.processBlock(block, recorder, recorder);
        filtered.insert(filtered.end(), detector.sampleBlock().begin(),
                        detector.sampleBlock().end());
    }
    void quietSettings() {
        settings.nr2On = false;
        settings.qrmOn = false;
    }

    ReceiveSettings settings;
    test::ToneRecordingIndicators indicators;
    ToneDetector detector{settings, indicators};
    Recorder recorder;
    std::vector<double> filtered;  // every filtered block, in order
};

TEST_F(ToneDetectorTest, EveryHopReadsItsWindowOfTheContinuousFilteredSignal) {
    // NR2 and QRM on: the windows that start in the previous block hold
    // filtered samples too, and the hops keep the order of the signal.
    settings.qrmOn = true;
    settings.inputGain = 7.0;
    test::WhiteNoise noise(2000.0, 11);
    for (int b = 0; b < 3; ++b) {
        SampleBlock block = test::toneBlock(test::toneBinHz(28), 5000.0, b * 1024L);
        noise.add(block);
        run(block);
    }
    ASSERT_EQ(recorder.hops.size(), 3u * kHopsPerBlock);
    EXPECT_EQ(recorder.spectrumAtHop, (std::vector<std::size_t>{0, 32, 64}));

    // Hop h's window starts at sample 32h - 288; the signal is silent before 0.
    std::vector<double> signal(288, 0.0);
    signal.insert(signal.end(), filtered.begin(), filtered.end());
    NoiseReducer reducer;
    HammingTransform transform(kHopTransformSize);
    for (int h = 0; h < 3 * kHopsPerBlock; ++h) {
        NoiseReducer::Reduced reduced;
        reducer.reduce(signal.data() + kHopSamples * h, NoiseReduction::twice, reduced);
        ASSERT_EQ(recorder.hops[h], transform.binMagnitude(reduced.data(), 7.0, 14)) << "hop " << h;
    }
}

TEST_F(ToneDetectorTest, ToneBurstStartingMidBlockAppearsAtItsHop) {
    // The median filter passes a sine from its third sample, and a window
    // reaches its transform's last sample at 32h - 33: the first hop that
    // sees a burst starting at sample s is the first with 32h - 33 >= s + 3.
    quietSettings();
    auto firstHopWithTone = [this](long burstStart) {
        recorder.hops.clear();
        ToneDetector fresh(settings, indicators);
        for (long first = 0; first < 3 * 1024; first += 1024) {
            SampleBlock block{};
            for (int i = 0; i < kBlockSamples; ++i) {
                const long t = first + i - burstStart;
                if (t >= 0) block[i] = 10000.0 * std::sin(2 * test::kPi * 603.0 * t / kSampleRate);
            }
            fresh.processBlock(block, recorder, recorder);
        }
        int hop = 0;
        while (hop < 3 * kHopsPerBlock && recorder.hops[hop] == 0.0) ++hop;
        for (int h = hop; h < 3 * kHopsPerBlock; ++h) EXPECT_GT(recorder.hops[h], 0.0);
        return hop;
    };
    EXPECT_EQ(firstHopWithTone(1024 + 600), 52);  // inside block 1
    EXPECT_EQ(firstHopWithTone(2048 - 3), 66);    // in the third window of block 2's history
}

TEST_F(ToneDetectorTest, GainOf100RaisesEveryLevelBy40Db) {
    ReceiveSettings loudSettings;
    loudSettings.inputGain = 100.0;
    ToneDetector loud(loudSettings, indicators);
    Recorder loudRecorder;
    test::WhiteNoise noise(300.0, 3);
    for (int b = 0; b < 2; ++b) {
        SampleBlock block = test::toneBlock(test::toneBinHz(28), 100.0, b * 1024L);
        noise.add(block);
        run(block);
        loud.processBlock(block, loudRecorder, loudRecorder);
        for (int k = 0; k < kSpectrumSize; ++k) {
            ASSERT_NEAR(loud.spectrumMagnitude()[k], 100.0 * detector.spectrumMagnitude()[k],
                        1e-9 * loud.spectrumMagnitude()[k]);
        }
    }
    for (std::size_t h = 0; h < recorder.hops.size(); ++h) {
        ASSERT_GT(recorder.hops[h], 0.0);
        ASSERT_NEAR(20 * std::log10(loudRecorder.hops[h] / recorder.hops[h]), 40.0, 1e-9);
    }
}

TEST_F(ToneDetectorTest, AutomaticToneFollowsAMovedPeakAfterThreeBlocks) {
    quietSettings();
    settings.toneAuto = true;
    long first = 0;
    auto runTone = [&](int bin, int blocks) {
        for (int b = 0; b < blocks; ++b, first += 1024) {
            run(test::toneBlock(test::toneBinHz(bin), 8000.0, first));
        }
    };
    runTone(28, 3);
    EXPECT_EQ(settings.toneIndex, 28);
    runTone(30, 2);
    EXPECT_EQ(settings.toneIndex, 28);
    runTone(30, 1);
    EXPECT_EQ(settings.toneIndex, 30);
    EXPECT_EQ(indicators.shownTones, std::vector<int>{30});
}

TEST_F(ToneDetectorTest, ProcessesBlocksWithoutHeapAllocation) {
    // Everything on, including the automatic tone moving.
    settings.qrmOn = true;
    settings.toneAuto = true;
    class Silent : public SpectrumListener, public HopListener {
        void onBlockSpectrum(const SpectrumMagnitudes&) override {}
        void onHop(double) override {}
    } silent;
    const SampleBlock block = test::toneBlock(test::toneBinHz(33), 8000.0, 0);
    detector.processBlock(block, silent, silent);
    indicators.shownTones.reserve(4);
    test::AllocationCounter allocations;
    for (int b = 0; b < 3; ++b) detector.processBlock(block, silent, silent);
    detector.clearSampleBlock();
    detector.resetToneCandidate();
    detector.processBlock(block, silent, silent);
    EXPECT_EQ(allocations.count(), 0);
    EXPECT_EQ(settings.toneIndex, 33);
}

}  // namespace
}  // namespace qs::rx
