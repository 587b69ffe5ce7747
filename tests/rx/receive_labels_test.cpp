#include "rx/receive_labels.h"

#include <gtest/gtest.h>

#include "rx/tone_tables.h"

namespace qs::rx {
namespace {

TEST(ReceiveLabels, TextsAndTheirReadBack) {
    EXPECT_EQ(thresholdLabel(-45), u"Threshold -45db");
    EXPECT_EQ(toneHzLabel(28), u"603Hz");
    EXPECT_EQ(toneLabel(14), u"302");  // as the form shows it, not rounded
    EXPECT_TRUE(toneLabel(45).empty());
    EXPECT_EQ(speedFromLabel(speedLabel(100)), 100);
    EXPECT_FALSE(speedFromLabel(u"/Min"));
    EXPECT_FALSE(speedFromLabel(u"1x0/Min"));
    EXPECT_FALSE(speedFromLabel(u"99999999999/Min"));
}

}  // namespace
}  // namespace qs::rx
