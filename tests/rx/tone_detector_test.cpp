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
        SampleBlock block = test::toneBlock(28, 5000.0, b * 1024L);
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

TEST_F(ToneDetectorTest, GainOf100RaisesEveryLevelBy40Db) {
    ReceiveSettings loudSettings;
    loudSettings.inputGain = 100.0;
    ToneDetector loud(loudSettings, indicators);
    Recorder loudRecorder;
    test::WhiteNoise noise(300.0, 3);
    for (int b = 0; b < 2; ++b) {
        SampleBlock block = test::toneBlock(28, 100.0, b * 1024L);
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

TEST_F(ToneDetectorTest, ProcessesBlocksWithoutHeapAllocation) {
    // Everything on, including the automatic tone moving, which it does only
    // while switched on.
    settings.qrmOn = true;
    class Silent : public SpectrumListener, public HopListener {
        void onBlockSpectrum(const SpectrumMagnitudes&) override {}
        void onHop(double) override {}
    } silent;
    const SampleBlock block = test::toneBlock(33, 8000.0, 0);
    for (int b = 0; b < 4; ++b) detector.processBlock(block, silent, silent);
    EXPECT_EQ(settings.toneIndex, 28);
    settings.toneAuto = true;
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
