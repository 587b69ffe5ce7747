#include "tx/keying_timing.h"

#include <gtest/gtest.h>

namespace qs::tx {
namespace {

TEST(KeyingTiming, SpeedLabel) {
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

TEST(KeyingTiming, WeightsFromOptionCharacters) {
    const KeyingWeights defaults;
    const KeyingWeights lowest = weightsFromOptions(u"NMNNN0000NN5001218NNNN", defaults);
    EXPECT_EQ(lowest.dot, 0.9);
    EXPECT_EQ(lowest.dash, 2.8);
    EXPECT_EQ(lowest.charSpace, 2.6);
    EXPECT_EQ(lowest.wordSpace, 4.0);
    const KeyingWeights highest = weightsFromOptions(u"NMNNN5855NN5001218NNNN", defaults);
    EXPECT_EQ(highest.dot, 1.5);
    EXPECT_EQ(highest.dash, 4.5);
    EXPECT_EQ(highest.charSpace, 5.0);
    EXPECT_EQ(highest.wordSpace, 9.0);
}

TEST(KeyingTiming, BadWeightCharactersKeepTheCurrentWeights) {
    const KeyingWeights current{1.2, 3.4, 3.5, 8.0};
    // Past each table's end, not digits, and a string too short to hold them.
    for (const TextView options : {TextView(u"NMNNN6966NN5001218NNNN"),
                                   TextView(u"NMNNNx/:-NN5001218NNNN"), TextView(u"NMNNN")}) {
        const KeyingWeights kept = weightsFromOptions(options, current);
        EXPECT_EQ(kept.dot, current.dot);
        EXPECT_EQ(kept.dash, current.dash);
        EXPECT_EQ(kept.charSpace, current.charSpace);
        EXPECT_EQ(kept.wordSpace, current.wordSpace);
    }
}

}  // namespace
}  // namespace qs::tx
