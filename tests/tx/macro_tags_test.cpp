#include "tx/macro_tags.h"

#include <gtest/gtest.h>

#include "tests/support/fake_clock.h"

namespace qs::tx {
namespace {

constexpr const char16_t* kBuiltInOptions = u"NMNNN1123NN5001218NNNN";

MacroTagSources contact() {
    MacroTagSources s;
    s.hisCall = u"JA1ABC";
    s.hisName = u"TARO";
    s.hisQth = u"TOKYO";
    s.hisRst = u"599";
    s.myRst = u"579";
    s.myQth = u"OSAKA";
    s.otherData = u"RIG IC7300";
    s.myCall = u"JH3XYZ";
    s.myName = u"KEN";
    s.greetingBox = u"GA";
    s.optionString = kBuiltInOptions;
    return s;
}

Text expand(Text text, const MacroTagSources& sources, int hour = 10) {
    ExpandMacroTags(text, sources, test::FakeClock(hour));
    return text;
}

TEST(ExpandMacroTags, EveryDataTagIsReplacedByItsSource) {
    const MacroTagSources s = contact();
    EXPECT_EQ(expand(u"<HisCall> DE <MyCall>", s), u"JA1ABC DE JH3XYZ");
    EXPECT_EQ(expand(u"<HisName>/<HisQTH>/<HisRST>/<MyRST>", s), u"TARO/TOKYO/599/579");
    EXPECT_EQ(expand(u"<MyQTH>/<Others>/<MyName>/<Greeting>", s), u"OSAKA/RIG IC7300/KEN/GA");
    EXPECT_EQ(expand(u"<MyCall> <MyCall> K", s), u"JH3XYZ JH3XYZ K");
    EXPECT_EQ(expand(u"<MyCall><MyCall>", s), u"JH3XYZJH3XYZ");
}

TEST(ExpandMacroTags, TagsMatchOnlyInTheirOwnCaseAndWhole) {
    const MacroTagSources s = contact();
    EXPECT_EQ(expand(u"<HISCALL> <hiscall> <HisCall", s), u"<HISCALL> <hiscall> <HisCall");
    EXPECT_EQ(expand(u"<MyCall>>", s), u"JH3XYZ>");
    EXPECT_EQ(expand(u"<VK_F1><CallGet>", s), u"<VK_F1><CallGet>");
    EXPECT_EQ(expand(u"<MyRST", s), u"<MyRST");
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
    EXPECT_EQ(expand(u"", s), u"");
    s.hisCall = u"";
    s.myCall = u"  JH3XYZ  ";
    EXPECT_EQ(expand(u"<HisCall> DE <MyCall>", s), u"DE   JH3XYZ");
    s.hisName = u"\u3000";  // ideographic space is no white space here
    EXPECT_EQ(expand(u"<HisName>", s), u"\u3000");
}

TEST(ExpandMacroTags, AutoGreetingFollowsTheClock) {
    MacroTagSources s = contact();
    s.greetingBox = u"AUTO";
    EXPECT_EQ(expand(u"<Greeting> OM", s, 9), u"GM OM");
    EXPECT_EQ(expand(u"<Greeting> OM", s, 21), u"GE OM");
}

struct HourCase {
    int hour;
    const char16_t* greeting;
};

TEST(ChooseGreeting, DefaultHoursSplitTheDay) {
    for (const HourCase& c : {HourCase{0, u"GM"}, HourCase{11, u"GM"}, HourCase{12, u"GA"},
                              HourCase{17, u"GA"}, HourCase{18, u"GE"}, HourCase{23, u"GE"}}) {
        EXPECT_EQ(ChooseGreeting(u"AUTO", kBuiltInOptions, c.hour), c.greeting) << c.hour;
    }
}

TEST(ChooseGreeting, HoursBeforeTheMorningStartAreEvening) {
    // GM from 04, GA from 10, GE from 20.
    const Text options = u"NMNNN1123NN5041020NNNN";
    for (const HourCase& c : {HourCase{3, u"GE"}, HourCase{4, u"GM"}, HourCase{9, u"GM"},
                              HourCase{10, u"GA"}, HourCase{19, u"GA"}, HourCase{20, u"GE"}}) {
        EXPECT_EQ(ChooseGreeting(u"AUTO", options, c.hour), c.greeting) << c.hour;
    }
    EXPECT_EQ(ChooseGreeting(u"AUTO", u"NMNNN1123NN5051218NNNN", 3), u"GE");
}

TEST(ChooseGreeting, MissingOrMalformedHoursUseTheDefaults) {
    EXPECT_EQ(ChooseGreeting(u"AUTO", u"", 11), u"GM");
    EXPECT_EQ(ChooseGreeting(u"AUTO", u"NMNNN1123NN50012", 12), u"GA");
    EXPECT_EQ(ChooseGreeting(u"AUTO", u"NMNNN1123NN5X0A2-8NNNN", 18), u"GE");
}

TEST(ChooseGreeting, AnyOtherBoxTextIsUsedAsIs) {
    EXPECT_EQ(ChooseGreeting(u"GA", kBuiltInOptions, 8), u"GA");
    EXPECT_EQ(ChooseGreeting(u"auto", kBuiltInOptions, 8), u"auto");
}

}  // namespace
}  // namespace qs::tx
