#include "rx/speed_estimate.h"

#include <gtest/gtest.h>

#include "rx/rx_equals_tx.h"

namespace qs::rx {
namespace {

// Six dots and six dashes.
HopHistory marksOf(int dot, int dash) {
    return {dot, dash, dash, dot, dot, dash, dot, dash, dash, dash, dot, dot};
}

// Eight element gaps and three letter gaps after entry 0, which precedes the
// set and is replaced by entry 11.
HopHistory spacesOf(int e, int l) {
    return {2000, e, e, e, l, e, l, e, e, e, l, e};
}

TEST(SpeedEstimate, HundredPerMinute) {
    const auto estimate = estimateSpeed(marksOf(21, 62), spacesOf(21, 62));
    ASSERT_TRUE(estimate);
    EXPECT_NEAR(estimate->charsPerMinute, 300000 / (1040 * 2.897) + 0.5, 1e-9);
    EXPECT_EQ(estimate->dotDashLimit, 41);
    EXPECT_EQ(estimate->letterGapLimit, 41);
    EXPECT_EQ(rxSpeedIndexFor(static_cast<int>(estimate->charsPerMinute)), 15);
    EXPECT_EQ(rxSpeedIndexFor(97), 14);   // 95 <= 95
    EXPECT_EQ(rxSpeedIndexFor(183), 31);  // beyond the table
    // Limits: the smaller of the midpoint and twice the short length.
    const auto wide = estimateSpeed(marksOf(10, 50), spacesOf(10, 50));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->dotDashLimit, 20);
    EXPECT_EQ(wide->letterGapLimit, 20);
    // The mean that splits dots from dashes counts one extra hop: 242 / 11
    // puts 22 among the dots, so the dash is 33 (176 per minute), not 32.
    const auto split =
        estimateSpeed({10, 11, 12, 12, 12, 20, 22, 22, 32, 32, 33, 33}, spacesOf(12, 36));
    ASSERT_TRUE(split);
    EXPECT_EQ(static_cast<int>(split->charsPerMinute), 176);
}

TEST(SpeedEstimate, RejectsImplausibleSets) {
    EXPECT_FALSE(estimateSpeed(marksOf(10, 30), spacesOf(10, 30)));      // about 207.6
    EXPECT_FALSE(estimateSpeed(marksOf(110, 330), spacesOf(110, 330)));  // 19.3
    EXPECT_TRUE(estimateSpeed(marksOf(100, 300), spacesOf(100, 300)));   // 21.2
    // Only two short, or only two long marks once the shortest is dropped.
    EXPECT_FALSE(estimateSpeed({5, 21, 21, 62, 62, 62, 62, 62, 62, 62, 62, 62}, spacesOf(21, 62)));
    EXPECT_FALSE(estimateSpeed({21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 62, 62}, spacesOf(21, 62)));
    // A dash must be two to six dots.
    EXPECT_FALSE(estimateSpeed(marksOf(10, 61), spacesOf(10, 30)));
    EXPECT_TRUE(estimateSpeed(marksOf(10, 60), spacesOf(10, 30)));
    EXPECT_FALSE(estimateSpeed(marksOf(21, 41), spacesOf(21, 62)));
    // No gap longer than two element gaps: no letter gap.
    EXPECT_FALSE(estimateSpeed(marksOf(21, 62), spacesOf(21, 42)));
}

TEST(SpeedEstimate, ChecksGapsUpToTheLetterGapAndReplacesTheSpaceBeforeTheSet) {
    HopHistory withWordGap = spacesOf(21, 62);
    withWordGap[6] = 150;  // sorts after the letter gaps
    EXPECT_TRUE(estimateSpeed(marksOf(21, 62), withWordGap));
    // More than five element gaps before any letter gap.
    EXPECT_FALSE(estimateSpeed(marksOf(21, 62), spacesOf(21, 150)));
    // Here entry 11 supplies the third element gap, and entry 0 does not.
    EXPECT_TRUE(estimateSpeed(marksOf(21, 62), {62, 62, 62, 62, 21, 62, 62, 62, 21, 62, 62, 21}));
    EXPECT_FALSE(estimateSpeed(marksOf(21, 62), {21, 62, 62, 62, 21, 62, 62, 62, 21, 62, 62, 62}));
}

TEST(RxEqualsTx, FastestSendSpeedNotAboveTheReceivedOne) {
    EXPECT_EQ(txSpeedIndexForRxSpeed(100, SendWeights{}), 15);
    EXPECT_EQ(txSpeedIndexForRxSpeed(500, SendWeights{}), 31);
    EXPECT_EQ(txSpeedIndexForRxSpeed(24, SendWeights{}), 0);  // none is slow enough
    // Terms truncated, quotient rounded: index 12 gives 97.53 -> 98 (whole
    // terms would give 97.48 -> 97), index 3 gives 45.87 -> 46.
    const SendWeights light{0.9, 2.8, 2.6, 4.0};
    EXPECT_EQ(txSpeedIndexForRxSpeed(97, light), 11);
    EXPECT_EQ(txSpeedIndexForRxSpeed(45, light), 2);
}

}  // namespace
}  // namespace qs::rx
