#include "tx/macro_tags.h"

#include <gtest/gtest.h>

#include "tests/support/fake_clock.h"

namespace qs::tx {
namespace {

constexpr const char16_t* kBuiltInOptions = u"NMNNN1123NN5001218NNNN";

MacroTagSources contact() {
    return {u"JA1ABC",     u"TARO",   u"TOKYO", u"599", u"579",         u"OSAKA",
            u"RIG IC7300", u"JH3XYZ", u"KEN",   u"GA",  kBuiltInOptions};
}

Text expand(Text text, const MacroTagSources& sources, int hour = 10) {
    ExpandMacroTags(text, sources, test::FakeClock(hour));
    return text;
}

TEST(ExpandMacroTags, EveryDataTagIsReplacedWholeAndInItsOwnCaseOnly) {
    const MacroTagSources s = contact();
    EXPECT_EQ(expand(u"<HisCall> DE <MyCall>", s), u"JA1ABC DE JH3XYZ");
    EXPECT_EQ(expand(u"<HisName>/<HisQTH>/<HisRST>/<MyRST>", s), u"TARO/TOKYO/599/579");
    EXPECT_EQ(expand(u"<MyQTH>/<Others>/<MyName>/<Greeting>", s), u"OSAKA/RIG IC7300/KEN/GA");
    EXPECT_EQ(expand(u"<MyCall><MyCall>>", s), u"JH3XYZJH3XYZ>");
    EXPECT_EQ(expand(u"<HISCALL> <hiscall> <HisCall", s), u"<HISCALL> <hiscall> <HisCall");
    EXPECT_EQ(expand(u"<VK_F1><CallGet><MyRST", s), u"<VK_F1><CallGet><MyRST");
}

TEST(ExpandMacroTags, InsertedTextIsSearchedByTheLaterTagsOnly) {
    MacroTagSources s = contact();
    s.hisCall = u"<MyCall>";  // <MyCall> comes later in the order: expanded
    s.myCall = u"<HisName>";  // <HisName> comes earlier: stays as written
    EXPECT_EQ(expand(u"<HisCall>", s), u"<HisName>");
    s.hisName = u"<Greeting>";
    EXPECT_EQ(expand(u"<HisName>", s), u"GA");
}

TEST(ExpandMacroTags, FieldHoldingItsOwnTagTerminates) {
    MacroTagSources s = contact();
    s.hisName = u"<HisName>";
    EXPECT_EQ(expand(u"HI <HisName> <HisName>", s), u"HI <HisName> <HisName>");
    s.hisName = u"X<HisName>Y";
    EXPECT_EQ(expand(u"<HisName>-<HisName>", s), u"X<HisName>Y-X<HisName>Y");
    s.myCall = u"<MyCall><MyCall>";
    EXPECT_EQ(expand(u"<MyCall>", s), u"<MyCall><MyCall>");
}

TEST(ExpandMacroTags, WhiteSpaceAtBothEndsIsRemovedAfterExpansion) {
    MacroTagSources s = contact();
    EXPECT_EQ(expand(u" \t\r\n CQ  DE <MyCall> \r\n", s), u"CQ  DE JH3XYZ");
    EXPECT_EQ(expand(u" \r\n\t ", s), u"");
    s.hisCall = u"";
    s.myCall = u"  JH3XYZ  ";
    EXPECT_EQ(expand(u"<HisCall> DE <MyCall>", s), u"DE   JH3XYZ");
    s.hisName = u"\u3000";  // ideographic space is no white space here
    EXPECT_EQ(expand(u"<HisName>", s), u"\u3000");
    s.greetingBox = u"AUTO";
    EXPECT_EQ(expand(u"<Greeting> OM", s, 21), u"GE OM");
}

// The automatic greeting at each hour 0..23 by its last letter: M, A or E.
std::string greetingsOverTheDay(TextView options) {
    std::string day;
    for (int hour = 0; hour < 24; ++hour) day += toUtf8(ChooseGreeting(u"AUTO", options, hour))[1];
    return day;
}

TEST(ChooseGreeting, StartHoursSplitTheDay) {
    const std::string builtIn = "MMMMMMMMMMMMAAAAAAEEEEEE";  // GM from 00, GA from 12, GE from 18
    EXPECT_EQ(greetingsOverTheDay(kBuiltInOptions), builtIn);
    // Hours before the morning start are evening.
    EXPECT_EQ(greetingsOverTheDay(u"NMNNN1123NN5041020NNNN"), "EEEEMMMMMMAAAAAAAAAAEEEE");
    EXPECT_EQ(greetingsOverTheDay(u"NMNNN1123NN5051218NNNN"), "EEEEEMMMMMMMAAAAAAEEEEEE");
    // Missing or malformed hours are the built-in ones.
    for (const TextView options :
         {TextView(u""), TextView(u"NMNNN1123NN50012"), TextView(u"NMNNN1123NN5X0A2-8NNNN")}) {
        EXPECT_EQ(greetingsOverTheDay(options), builtIn) << toUtf8(options);
    }
    EXPECT_EQ(ChooseGreeting(u"GA", kBuiltInOptions, 8), u"GA");
    EXPECT_EQ(ChooseGreeting(u"auto", kBuiltInOptions, 8), u"auto");
}

}  // namespace
}  // namespace qs::tx
