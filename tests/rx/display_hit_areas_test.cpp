#include "rx/display_hit_areas.h"

#include <gtest/gtest.h>

namespace qs::rx {
namespace {

const FormScale kDesign{};

TEST(DisplayHitAreas, BoundsAtDesignSize) {
    EXPECT_FALSE(hitThresholdArea(200, 33, kDesign));
    EXPECT_FALSE(hitSpectrumCell(500, 33, kDesign));
    EXPECT_FALSE(hitSpectrumCell(500, 128, kDesign));
    EXPECT_EQ(hitThresholdArea(200, 34, kDesign), 0);
    EXPECT_EQ(hitThresholdArea(200, 80, kDesign), -45);  // 47 * 90 / 94
    EXPECT_EQ(hitThresholdArea(200, 127, kDesign), -90);
    EXPECT_FALSE(hitThresholdArea(177, 80, kDesign));
    EXPECT_FALSE(hitThresholdArea(353, 80, kDesign));

    EXPECT_FALSE(hitSpectrumCell(418, 80, kDesign));
    EXPECT_EQ(hitSpectrumCell(421, 80, kDesign), 0);
    EXPECT_EQ(hitSpectrumCell(422, 80, kDesign), 1);
    EXPECT_EQ(hitSpectrumCell(590, 80, kDesign), 27);
    EXPECT_EQ(hitSpectrumCell(591, 80, kDesign), 28);
    EXPECT_EQ(hitSpectrumCell(594, 80, kDesign), 28);
    EXPECT_FALSE(hitSpectrumCell(595, 80, kDesign));
}

TEST(DisplayHitAreas, BoundsFollowTheClientAreaAbove96Dpi) {
    const FormScale large{1.25, 1.25, 1356.25, 468.75};
    // 591 * 1.25 = 738.75 rounds to 739; 33 * 1.25 = 41.25 to 41.
    EXPECT_EQ(hitSpectrumCell(738, 100, large), 27);
    EXPECT_EQ(hitSpectrumCell(739, 100, large), 28);
    EXPECT_FALSE(hitSpectrumCell(739, 41, large));
    // Span 94 * 1.25 = 117.5 -> 118: (100 - 41) * 90 / 118 = 45.
    EXPECT_EQ(hitThresholdArea(300, 100, large), -45);
    // At 96 dpi a larger window keeps the design bounds; each axis on its own.
    EXPECT_EQ(hitSpectrumCell(591, 80, FormScale{1.0, 1.0, 2170.0, 750.0}), 28);
    EXPECT_EQ(hitSpectrumCell(1182, 80, FormScale{2.0, 1.0, 2170.0, 750.0}), 28);
}

}  // namespace
}  // namespace qs::rx
