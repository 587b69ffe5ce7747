#include "tx/keying_timing.h"

#include <gtest/gtest.h>

namespace qs::tx {
namespace {

TEST(KeyingTiming, SpeedLabelFollowsTheWeights) {
    const KeyingWeights defaults;
    EXPECT_EQ(speedLabelText(effectiveSpeedCpm(unitMs(15), defaults)), u"100/Min");
    EXPECT_EQ(speedLabelText(effectiveSpeedCpm(unitMs(0), defaults)), u"25/Min");
    EXPECT_EQ(speedLabelText(effectiveSpeedCpm(unitMs(31), defaults)), u"180/Min");
    // 4*60*4.5 + 10*60*1.5 + 9*60 + 4*60*5 + 60*9 = 4260 ms per word.
    EXPECT_EQ(effectiveSpeedCpm(60.0, KeyingWeights{1.5, 4.5, 5.0, 9.0}), 70);
    // A word space no longer than the character space adds nothing: 3060 ms.
    EXPECT_EQ(effectiveSpeedCpm(60.0, KeyingWeights{1.0, 3.0, 5.0, 5.0}), 98);
}

TEST(KeyingTiming, PeriodsRoundHalfUp) {
    const KeyingWeights weights{1.1, 3.2, 2.6, 4.0};
    const double unit = unitMs(31);  // 33.33 ms
    EXPECT_EQ(linePeriodMs('1', unit, weights), 37);
    EXPECT_EQ(linePeriodMs('3', unit, weights), 107);
    EXPECT_EQ(linePeriodMs('0', unit, weights), 33);
    EXPECT_EQ(linePeriodMs('5', unit, weights), 87);
    EXPECT_EQ(linePeriodMs('2', unit, weights), std::nullopt);
    EXPECT_EQ(characterEndPeriodMs(unit, weights), 53);
    EXPECT_EQ(roundMs(52.5), 53);
    EXPECT_EQ(roundMs(52.49), 52);
    EXPECT_DOUBLE_EQ(unitMs(40), unitMs(31));
}

TEST(KeyingTiming, BadWeightCharactersKeepTheCurrentWeights) {
    const KeyingWeights current{1.2, 3.4, 3.5, 8.0};
    // Past each table's end, not digits, and a string too short to hold them.
    for (const TextView options : {TextView(u"NMNNN6966NN5001218NNNN"),
                                   TextView(u"NMNNNx/:-NN5001218NNNN"), TextView(u"NMNNN")}) {
        const KeyingWeights kept = weightsFromOptions(options, current);
        EXPECT_TRUE(kept.dot == current.dot && kept.dash == current.dash &&
                    kept.charSpace == current.charSpace && kept.wordSpace == current.wordSpace)
            << toUtf8(options);
    }
    const KeyingWeights highest = weightsFromOptions(u"NMNNN5855NN5001218NNNN", current);
    EXPECT_TRUE(highest.dot == 1.5 && highest.dash == 4.5 && highest.charSpace == 5.0 &&
                highest.wordSpace == 9.0);
}

}  // namespace
}  // namespace qs::tx
