#include "ui/form_scroll.h"

#include <gtest/gtest.h>

namespace qs::ui {
namespace {

TEST(FormScroll, OnlyAFormLargerThanTheClientScrolls) {
    EXPECT_FALSE((ScrollAxis{1085, 1085, 0}.scrolls()));
    EXPECT_FALSE((ScrollAxis{1085, 1200, 0}.scrolls()));
    const ScrollAxis axis{1085, 891, 0};
    EXPECT_EQ(axis.maxPosition(), 194);
    EXPECT_EQ(axis.clamped(500), 194);
    EXPECT_EQ(axis.clamped(-3), 0);
    // The client grew past the form: whatever was scrolled comes back.
    EXPECT_EQ((ScrollAxis{375, 400, 0}.clamped(120)), 0);
}

TEST(FormScroll, RequestsStayWithinTheForm) {
    ScrollAxis axis{375, 280, 0};
    EXPECT_EQ(axis.target(ScrollRequest::LineForward, 0), 20);
    EXPECT_EQ(axis.target(ScrollRequest::LineBack, 0), 0);
    EXPECT_EQ(axis.target(ScrollRequest::PageForward, 0), 95);  // page 260, at most 95
    EXPECT_EQ(axis.target(ScrollRequest::ToEnd, 0), 95);
    axis.position = 90;
    EXPECT_EQ(axis.target(ScrollRequest::LineForward, 0), 95);
    EXPECT_EQ(axis.target(ScrollRequest::PageBack, 0), 0);
    EXPECT_EQ(axis.target(ScrollRequest::ToStart, 0), 0);
    EXPECT_EQ(axis.target(ScrollRequest::ToThumb, 42), 42);
    EXPECT_EQ(axis.target(ScrollRequest::ToThumb, 400), 95);
}

// A window exactly the form's size shows no bars; one pixel less in one
// direction brings a bar that takes room from the other, which then needs a
// bar too.
TEST(FormScroll, BarsAppearOnlyWhereTheFormDoesNotFit) {
    const ScrollLayout exact = scrollLayout(1085, 375, 1085, 375, 17, 17);
    EXPECT_FALSE(exact.horizontalBar || exact.verticalBar);
    EXPECT_EQ(exact.clientWidth, 1085);

    const ScrollLayout narrow = scrollLayout(1084, 375, 1085, 375, 17, 17);
    EXPECT_TRUE(narrow.horizontalBar && narrow.verticalBar);
    EXPECT_EQ(narrow.clientWidth, 1067);
    EXPECT_EQ(narrow.clientHeight, 358);

    const ScrollLayout roomy = scrollLayout(1084, 400, 1085, 375, 17, 17);
    EXPECT_TRUE(roomy.horizontalBar);
    EXPECT_FALSE(roomy.verticalBar);
    EXPECT_EQ(roomy.clientHeight, 383);

    const ScrollLayout small = scrollLayout(891, 280, 1085, 375, 17, 17);
    EXPECT_TRUE(small.horizontalBar && small.verticalBar);
    EXPECT_EQ(small.clientWidth, 874);
}

}  // namespace
}  // namespace qs::ui
