// The transmit box as the keying engine's queue (edits under the send
// position, TX Clear, the hold, control tags) and the echo of sent text.

#include <gtest/gtest.h>

#include "rx/morse_tables.h"
#include "tests/tx/keyer_trace.h"
#include "tx/keyer_timeline.h"

namespace qs::tx {
namespace {

using rx::TextFormat;
using rx::WriterState;
using test::lineTrace;
using test::markSpaceTrace;

// The echoed characters without the prompts: "E#E".
Text echoedCharacters(const KeyerTimeline& timeline) {
    Text text;
    for (const KeyerEvent& event : timeline.eventsOf(KeyerEvent::Kind::Echo)) {
        if (event.text.size() == 1) text += event.text;
    }
    return text;
}

void runUntilKeyDown(KeyerTimeline& timeline) {
    const size_t before = timeline.eventsOf(KeyerEvent::Kind::KeyDown).size();
    while (timeline.eventsOf(KeyerEvent::Kind::KeyDown).size() == before) timeline.tick();
}

class KeyerText : public ::testing::Test {
  protected:
    KeyerTimeline timeline{rx::patternFor};
    Keyer& keyer = timeline.keyer();
    void SetUp() override { keyer.applyKeyingOptions(u"NMENN1123NN5001218NNNN"); }
};

TEST_F(KeyerText, DeletedTextPullsTheSendPositionBack) {
    timeline.appendText(u"EEEE");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    timeline.setTransmitText(u"TX> E");
    timeline.tick();
    EXPECT_EQ(keyer.sendPos(), 5);
    timeline.appendText(u"T");
    ASSERT_TRUE(timeline.runUntilSent(20000));
    EXPECT_EQ(echoedCharacters(timeline), u"EEEET");
}

TEST_F(KeyerText, DeletingSentTextSkipsAsManyUnsentCharacters) {
    timeline.appendText(u"EIST");
    runUntilKeyDown(timeline);
    timeline.setTransmitText(u"TX> IST");
    ASSERT_TRUE(timeline.runUntilSent(20000));
    EXPECT_EQ(echoedCharacters(timeline), u"EST");
}

TEST_F(KeyerText, TxClearFinishesTheCharacterThenReleasesPtt) {
    keyer.applyKeyingOptions(u"NMNNN1123CN5001218NNNN");
    timeline.appendText(u"TTT");
    runUntilKeyDown(timeline);
    timeline.receiveSettings().historyIndex = 9;
    keyer.txClearButton();
    EXPECT_EQ(timeline.transmitText(), u"TX> ");
    EXPECT_EQ(keyer.sendPos(), 4);
    EXPECT_EQ(timeline.autoCqStops(), 1);
    EXPECT_EQ(timeline.receiveSettings().historyIndex, 0);
    ASSERT_TRUE(timeline.runUntilSent(20000));
    EXPECT_EQ(lineTrace(timeline), "114 ptt-on, 214 down, 394 up, 414 ptt-off");
    EXPECT_EQ(timeline.sampleBlockClears(), 1);
}

TEST_F(KeyerText, HoldFinishesTheCurrentCharacterAndFetchesNothing) {
    timeline.appendText(u"TE");
    runUntilKeyDown(timeline);
    keyer.setTxEditHold(true);
    timeline.runUntil(timeline.nowMs() + 3000);
    EXPECT_EQ(lineTrace(timeline), "114 down, 294 up");
    EXPECT_FALSE(timeline.receiveSettings().rxEnabled);  // text is still waiting
    keyer.setTxEditHold(false);
    ASSERT_TRUE(timeline.runUntilSent(timeline.nowMs() + 3000));
    EXPECT_EQ(echoedCharacters(timeline), u"TE");
}

// Test tags: "<F>" sets the fastest speed.
class FastTag : public ControlTagHandler {
  public:
    Keyer* keyer = nullptr;
    void processControlTags(TextView txText, int& sendPos) override {
        while (txText.substr(sendPos, 3) == u"<F>") {
            keyer->updateTxSpeed(31);
            sendPos += 3;
        }
    }
};

TEST(KeyerTags, TagAtACharacterEndTimesTheFollowingGapAndTagsAtTheEndEndTheText) {
    FastTag tags;
    KeyerTimeline timeline(rx::patternFor, &tags);
    tags.keyer = &timeline.keyer();
    timeline.appendText(u"E<F>E");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(markSpaceTrace(timeline), "60 | 100 | 33");  // C units of 33.33 ms
    EXPECT_EQ(timeline.txSpeedLabel(), u"180/Min");

    KeyerTimeline ending(rx::patternFor, &tags);
    tags.keyer = &ending.keyer();
    ending.keyer().applyKeyingOptions(u"NMNNN1123CN5001218NNNN");
    ending.appendText(u"E<F>");
    ASSERT_TRUE(ending.runUntilSent(10000));
    EXPECT_EQ(lineTrace(ending), "114 ptt-on, 214 down, 274 up, 294 ptt-off");
    ending.appendText(u"<F>");
    ending.tick();
    EXPECT_EQ(ending.keyer().sendPos(), 11);
    EXPECT_EQ(ending.lineEvents().size(), 4u);
}

// The first character opens a transmit line (the log takes what came before);
// characters the send table lacks are echoed in the notice colour.
TEST_F(KeyerText, UnsendableCharactersInTheNoticeColour) {
    timeline.setQsoLogOn(true);
    timeline.appendText(u"#E\r\n<E");
    ASSERT_TRUE(timeline.runUntilSent(10000));
    EXPECT_EQ(timeline.receiveWindowText(), u"\r\nTX> #E<E");
    EXPECT_EQ(timeline.writerStateNow(), WriterState::Sent);
    std::string formats;  // S sent, N notice; the prompt first
    for (const KeyerEvent& echo : timeline.eventsOf(KeyerEvent::Kind::Echo)) {
        formats += echo.format == TextFormat::Notice ? 'N'
                   : echo.format == TextFormat::Sent ? 'S'
                                                     : '?';
    }
    EXPECT_EQ(formats, "SNSNS");
    EXPECT_EQ(timeline.qsoLogFlushes(), 1);
    // Each skipped character, line breaks included, takes one fetch tick.
    EXPECT_EQ(markSpaceTrace(timeline), "60 | 360 | 60");
}

}  // namespace
}  // namespace qs::tx
