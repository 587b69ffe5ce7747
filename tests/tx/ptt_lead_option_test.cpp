#include "tx/ptt_lead_option.h"

#include <gtest/gtest.h>

namespace qs::tx {
namespace {

TEST(PttLeadOption, LettersAndLeadTimesRoundTrip) {
    for (const int leadMs : {0, 25, 50, 100, 200}) {
        EXPECT_EQ(pttLeadFromOption(pttLeadOption(leadMs), -1), leadMs);
    }
    EXPECT_EQ(pttLeadFromOption(u'X', 50), 50) << "another letter keeps the lead";
    EXPECT_EQ(pttLeadFromOption(u'c', 50), 50) << "letters are capitals";
    EXPECT_EQ(pttLeadOption(30), u'N');
}

}  // namespace
}  // namespace qs::tx
