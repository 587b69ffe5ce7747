#include "rx/level_db.h"

#include <cmath>

#include <gtest/gtest.h>

namespace qs::rx {
namespace {

TEST(LevelDb, FullScaleToneIsZeroAndSilenceIsFloor) {
    // A full-scale sine's transform peak is about N/2 * 32768; the level
    // truncates toward zero and clamps to -90..0.
    EXPECT_EQ(levelDb(256.0 * 32768.0, 256), 0);
    EXPECT_EQ(levelDb(1e12, 256), 0);
    EXPECT_EQ(levelDb(0.0, 256), -90);
    EXPECT_EQ(levelDb(-1.0, 256), -90);
    EXPECT_EQ(levelDb(1e-30, 512), -90);
}

TEST(LevelDb, TruncatesTowardZero) {
    // 20*log10(0.5) = -6.02 dB truncates to -6; 0.01 of full scale is -40.
    EXPECT_EQ(levelDb(0.5 * 256 * 32768, 256), -6);
    EXPECT_EQ(levelDb(0.01 * 512 * 32768, 512), -40);
    EXPECT_EQ(levelDb(0.0099 * 512 * 32768, 512), -40);  // -40.09 truncates up
}

TEST(LevelDb, AgreesWithTheLogarithmAwayFromWholeDecibels) {
    // Sweep magnitudes over the whole range in small ratio steps; skip the
    // few that sit within a hair of a whole-decibel boundary.
    for (double m = 1e-3; m < 2e7; m *= 1.0137) {
        const double db = 20.0 * std::log10(m / 256 / 32768.0);
        if (std::fabs(db - std::round(db)) < 1e-9) continue;
        const int expected = db >= 0 ? 0 : db <= -90 ? -90 : static_cast<int>(db);
        ASSERT_EQ(levelDb(m, 256), expected) << m;
    }
}

}  // namespace
}  // namespace qs::rx
