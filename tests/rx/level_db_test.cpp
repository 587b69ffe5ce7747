#include "rx/level_db.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qs::rx {
namespace {

TEST(LevelDb, TruncatesTowardZeroAndClampsToTheRange) {
    struct Case {
        double magnitude;
        int transformSize, levelDb;
    } const cases[] = {
        {256.0 * 32768, 256, 0},
        {1e12, 256, 0},  // a full-scale tone and beyond
        {0.0, 256, -90},
        {-1.0, 256, -90},
        {1e-30, 512, -90},
        {0.5 * 256 * 32768, 256, -6},      // -6.02
        {0.01 * 512 * 32768, 512, -40},    // exactly -40
        {0.0099 * 512 * 32768, 512, -40},  // -40.09
    };
    for (const Case& c : cases) EXPECT_EQ(levelDb(c.magnitude, c.transformSize), c.levelDb);
    // The whole range in small ratio steps, away from whole-decibel boundaries.
    for (double m = 1e-3; m < 2e7; m *= 1.0137) {
        const double db = 20.0 * std::log10(m / 256 / 32768.0);
        if (std::fabs(db - std::round(db)) < 1e-9) continue;
        ASSERT_EQ(levelDb(m, 256), db >= 0 ? 0 : db <= -90 ? -90 : static_cast<int>(db)) << m;
    }
}

}  // namespace
}  // namespace qs::rx
