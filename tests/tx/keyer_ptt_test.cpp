// PTT through HamLog, the keying options, and patterns outside the send
// table's alphabet.

#include <gtest/gtest.h>

#include "rx/morse_tables.h"
#include "tests/tx/keyer_trace.h"
#include "tx/keyer_timeline.h"

namespace qs::tx {
namespace {

using test::lineTrace;

constexpr TextView kLead100ViaHamLog = u"NMENN1123CN5001218NHNN";

TEST(KeyerHamLog, PttMessagesWhenTheLinkTestPassed) {
    KeyerTimeline timeline(rx::patternFor);
    timeline.setHamLog(true, true);
    timeline.keyer().applyKeyingOptions(kLead100ViaHamLog);
    EXPECT_EQ(timeline.linkTests(), 1);
    timeline.appendText(u"E");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(lineTrace(timeline), "114 hamlog-on, 214 down, 274 up, 294 hamlog-off");
}

TEST(KeyerHamLog, NotFoundDropsEachCharacterUntilARetestPasses) {
    KeyerTimeline timeline(rx::patternFor);
    timeline.setHamLog(true, false);
    timeline.keyer().applyKeyingOptions(kLead100ViaHamLog);
    timeline.appendText(u"EE");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    const auto messages = timeline.eventsOf(KeyerEvent::Kind::Message);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, u"Hamlog not found");
    EXPECT_EQ(lineTrace(timeline), "");

    timeline.setHamLog(true, true);  // HamLog started; retested with the title
    for (int i = 0; i < 101; ++i) timeline.tick();
    EXPECT_EQ(timeline.linkTests(), 2);
    timeline.appendText(u"E");
    ASSERT_TRUE(timeline.runUntilSent(timeline.nowMs() + 10000));
    EXPECT_EQ(timeline.eventsOf(KeyerEvent::Kind::HamLogPttOn).size(), 1u);
    EXPECT_EQ(timeline.eventsOf(KeyerEvent::Kind::Message).size(), 2u);
}

TEST(KeyerOptions, ShortOptionStringChangesOnlyWhatItHolds) {
    KeyerTimeline timeline(rx::patternFor);
    Keyer& keyer = timeline.keyer();
    keyer.applyKeyingOptions(u"NMNNN1123NX5001218NXNN");
    EXPECT_FALSE(keyer.txEditHold() || timeline.txEditChecked() || keyer.pttViaHamLog());
    keyer.applyKeyingOptions(u"NMENN0000DS5001218NHNN");
    EXPECT_TRUE(keyer.txEditHold() && timeline.txEditChecked() && keyer.pttViaHamLog());
    keyer.applyKeyingOptions(u"NMN");
    EXPECT_FALSE(keyer.echoToRx());
    EXPECT_EQ(keyer.weights().dot, 0.9);
    EXPECT_EQ(keyer.pttLeadMs(), 200);
    EXPECT_TRUE(keyer.txEditHold() && keyer.pttViaHamLog());
}

std::optional<std::string_view> oddPatterns(TextView character) {
    if (character == u"U") return std::string_view("1x2");  // unknown symbol
    if (character == u"O") return std::string_view("11");   // no end symbol
    return rx::patternFor(character);
}

TEST(KeyerPatterns, UnknownSymbolsAndMissingEndsDoNotStall) {
    KeyerTimeline timeline(oddPatterns);
    timeline.appendText(u"UOE");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    // An unknown symbol and the end of an unfinished pattern each take one
    // tick that does nothing.
    EXPECT_EQ(lineTrace(timeline), "114 down, 234 up, 414 down, 474 down, 714 down, 774 up");
}

}  // namespace
}  // namespace qs::tx
