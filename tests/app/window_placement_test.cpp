#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "tests/app/fake_profile.h"

namespace qs::app {
namespace {

TEST(WindowPlacement, MissingValuesTakeTheirOwnDefaults) {
    test::FakeProfile profile;
    EXPECT_EQ(readPlacement(profile), (FramePlacement{10, 10, 907, 399}));

    profile.writeInt(kPlacementSection, u"top", 120);
    profile.writeInt(kPlacementSection, u"right", 1101);
    profile.writeText(kPlacementSection, u"left", u"300");  // not an integer
    EXPECT_EQ(readPlacement(profile), (FramePlacement{10, 120, 1101, 399}));
}

TEST(WindowPlacement, StoresWidthAndHeightAsRightAndBottom) {
    test::FakeProfile profile;
    EXPECT_TRUE(storePlacement(profile, {-8, 20, 1093, 505}));
    EXPECT_EQ(profile.readInt(kPlacementSection, u"left"), -8);
    EXPECT_EQ(profile.readInt(kPlacementSection, u"top"), 20);
    EXPECT_EQ(profile.readInt(kPlacementSection, u"right"), 1101);
    EXPECT_EQ(profile.readInt(kPlacementSection, u"bottom"), 485);
    // Moving and resizing, closing and starting again gives the same rectangle.
    EXPECT_EQ(readPlacement(profile), (FramePlacement{-8, 20, 1101, 485}));
}

// A minimised frame sits at -32000; neither it nor a frame whose top edge is
// at or above the screen's top is stored.
TEST(WindowPlacement, NothingStoredUnlessTopAndBottomArePositive) {
    test::FakeProfile profile;
    storePlacement(profile, {10, 10, 917, 409});
    EXPECT_FALSE(storePlacement(profile, {-32000, -32000, -31840, -31972}));
    EXPECT_FALSE(storePlacement(profile, {10, 0, 917, 399}));
    EXPECT_FALSE(placementToStore({10, -5, 917, 394}));
    EXPECT_TRUE(placementToStore({10, 1, 917, 2}));
    EXPECT_EQ(readPlacement(profile), (FramePlacement{10, 10, 907, 399}));
}

// The first initial update shrinks the frame to the form but never grows it.
TEST(WindowPlacement, FrameShrinksToTheFormButNeverGrows) {
    const Size form{1085, 375};
    EXPECT_EQ(frameSizeToFit({1300, 600}, {1284, 470}, form), (Size{1101, 505}));
    EXPECT_EQ(frameSizeToFit({907, 399}, {891, 280}, form), (Size{907, 399}));
    EXPECT_EQ(frameSizeToFit({1300, 399}, {1284, 280}, form), (Size{1101, 399}));
    EXPECT_EQ(frameSizeToFit({1101, 505}, {1085, 375}, form), (Size{1101, 505}));
}

}  // namespace
}  // namespace qs::app
