#include <gtest/gtest.h>

#include <cmath>

#include "rx/comb_filter.h"
#include "rx/median_filter.h"

namespace qs::rx {
namespace {

TEST(MedianFilter, RemovesShortClicksPassesBurstsAndTruncates) {
    MedianFilter filter;
    SampleBlock raw{};
    raw[100] = 30000.0;                       // one-sample click
    raw[200] = raw[201] = 9000.0;             // two samples are still a click
    raw[300] = raw[301] = raw[302] = 5000.7;  // three equal samples pass
    raw[500] = -0.9;                          // truncates to zero
    raw[600] = raw[601] = raw[602] = -2.9;
    SampleBlock out{};
    filter.apply(raw, out);

    for (int i = 0; i < kBlockSamples; ++i) {
        const bool burst = i >= 302 && i <= 304;  // two samples late
        const bool negativeBurst = i >= 602 && i <= 604;
        const double expected = burst ? 5000.0 : negativeBurst ? -2.0 : 0.0;
        ASSERT_EQ(out[i], expected) << "sample " << i;
        ASSERT_FALSE(std::signbit(out[i]) && expected == 0.0) << "negative zero at " << i;
    }
}

TEST(MedianFilter, RunsOnAcrossBlocks) {
    MedianFilter filter;
    SampleBlock raw{};
    SampleBlock out{};
    raw[1022] = raw[1023] = 700.0;  // a burst split by the block boundary
    filter.apply(raw, out);
    EXPECT_EQ(out[1023], 0.0);

    SampleBlock next{};
    next[0] = 700.0;
    filter.apply(next, out);
    EXPECT_EQ(out[0], 700.0);  // 0 0 700 700 700
    EXPECT_EQ(out[1], 700.0);
    EXPECT_EQ(out[2], 700.0);
    EXPECT_EQ(out[3], 0.0);
}

TEST(CombFilter, OffsetsAreWholeTonePeriods) {
    using Offsets = std::array<int, kCombTaps - 1>;
    EXPECT_EQ(combOffsets(28), (Offsets{18, 36, 54, 73, 91, 109, 128}));
    EXPECT_EQ(combOffsets(8), (Offsets{64, 128, 192, 256, 320, 384, 448}));
    EXPECT_EQ(combOffsets(44), (Offsets{11, 23, 34, 46, 58, 69, 81}));
    // Outside 8..44 the tone of bin 28 is used.
    EXPECT_EQ(combOffsets(7), combOffsets(28));
    EXPECT_EQ(combOffsets(45), combOffsets(28));
    EXPECT_EQ(combOffsets(-3), combOffsets(28));
}

TEST(CombFilter, AveragesEightTapsAndLeavesTheTail) {
    // An impulse reaches every sample one to seven periods before it, and
    // itself; the in-place pass only reads samples not yet replaced.
    SampleBlock samples{};
    const int impulse = 600;
    samples[impulse] = 8.0;
    for (int i = 1000; i < kBlockSamples; ++i) samples[i] = 3.0;  // in the unfiltered tail
    applyCombFilter(samples, 28);

    const std::array<int, 8> taps{0, 18, 36, 54, 73, 91, 109, 128};
    for (int i = 0; i < kBlockSamples - 128; ++i) {
        double expected = 0.0;
        for (int d : taps) {
            if (i + d == impulse) expected += 1.0;
            if (i + d >= 1000) expected += 3.0 * 0.125;
        }
        ASSERT_DOUBLE_EQ(samples[i], expected) << "sample " << i;
    }
    for (int i = kBlockSamples - 128; i < 1000; ++i) ASSERT_EQ(samples[i], 0.0);
    for (int i = 1000; i < kBlockSamples; ++i) ASSERT_EQ(samples[i], 3.0);
}

}  // namespace
}  // namespace qs::rx
