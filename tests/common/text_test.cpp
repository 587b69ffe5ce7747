#include "common/text.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(Text, Utf8RoundTripsAndMalformedInputBecomesReplacementCharacters) {
    const char* samples[] = {"CQ DE JA1ABC", "\xE3\x81\x8C", "caf\xC3\xA9", "\xF0\x9F\x93\xBB", ""};
    for (const std::string s : samples) EXPECT_EQ(toUtf8(fromUtf8(s)), s);
    EXPECT_EQ(fromUtf8("\xF0\x9F\x93\xBB").size(), 2u);  // surrogate pair
    EXPECT_EQ(fromUtf8(std::string("A\xFF") + "B"), u"A\uFFFDB");
    EXPECT_EQ(fromUtf8("\xE3\x81"), u"\uFFFD\uFFFD");            // truncated sequence
    EXPECT_EQ(fromUtf8("\xC0\x80"), u"\uFFFD\uFFFD");            // overlong NUL
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");              // lone surrogate
}

}  // namespace
}  // namespace qs
