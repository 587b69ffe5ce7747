#include "tx/control_tags.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qs::tx {
namespace {

// Records what the tags do to the rest of the terminal, in order.
class RecordingTarget : public ControlTagTarget {
  public:
    int txSpeedPosition() const override { return speedPosition; }
    void setTxSpeedPosition(int position) override {
        speedPosition = position;
        calls.push_back("speed " + std::to_string(position));
    }
    void runQsoReportingInline() override { calls.push_back("qso"); }
    void runSaveReportingInline() override { calls.push_back("save"); }
    void clearHisCall() override { calls.push_back("clear call"); }
    void armCallCapture() override { calls.push_back("arm capture"); }
    void setHisCallGroupCaption(TextView caption) override {
        calls.push_back("caption " + toUtf8(caption));
    }

    int speedPosition = 15;
    std::vector<std::string> calls;
};

class ControlTagsTest : public ::testing::Test {
  protected:
    // Runs the tags at `sendPos` of "TX> " + `text`; returns the new position.
    int process(const std::u16string& text, int sendPos = 4) {
        const Text box = u"TX> " + text;
        moved = processor.ProcessControlTags(box, sendPos);
        return sendPos;
    }

    RecordingTarget target;
    rx::ReceiveSettings receive;
    TagSpeedMemory speedMemory;
    ControlTagProcessor processor{target, receive, speedMemory};
    bool moved = false;
};

using Calls = std::vector<std::string>;

// A run of tags is applied up to the first ordinary character or the end.
TEST_F(ControlTagsTest, CommandTagsInARowActAndAreSkipped) {
    EXPECT_EQ(process(u"<VK_F6>TU"), 11);
    EXPECT_TRUE(moved);
    EXPECT_EQ(process(u"<VK_F7><VK_F1>A<VK_F6>"), 18);
    EXPECT_EQ(process(u"<CALLGET>"), 13);
    EXPECT_EQ(process(u"A<VK_F6>", 5), 12);
    EXPECT_EQ(target.calls,
              (Calls{"qso", "save", "clear call", "arm capture", "caption HisCall", "qso"}));
    target.calls.clear();
    EXPECT_EQ(process(u"<+1 UP><VK_F1><-2 DOWN><ORIGINAL>CQ"), 4 + 7 + 7 + 9 + 10);
    EXPECT_EQ(process(u"<-1 DOWN>"), 13);
    EXPECT_EQ(target.calls, (Calls{"speed 16", "clear call", "speed 14", "speed 15", "speed 14"}));
}

TEST_F(ControlTagsTest, ReceiveSpeedRestartSuspendsLetterEnds) {
    receive.historyIndex = 7;
    EXPECT_EQ(process(u"<VK_F5>K"), 11);
    EXPECT_FALSE(receive.letterEndEnabled);
    EXPECT_EQ(receive.historyIndex, 0);
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(ControlTagsTest, SpeedStepsStopAtBothEndsAndOriginalReturnsToTheFirstSaved) {
    target.speedPosition = 30;
    process(u"<+3 UP>");
    EXPECT_EQ(target.speedPosition, 31);
    target.speedPosition = 1;  // as if moved by hand without forgetting
    process(u"<-3 DOWN>");
    EXPECT_EQ(target.speedPosition, 0);
    EXPECT_EQ(speedMemory.savedSpeedPos(), 30);
    process(u"<ORIGINAL>");
    EXPECT_EQ(target.speedPosition, 30);
    EXPECT_FALSE(speedMemory.txSpeedChangedByTag());
}

TEST_F(ControlTagsTest, SavedSpeedOutlivesTheTextThatSetIt) {
    // One macro raises the speed; the text ends, the box is cleared, and a
    // later text restores it.
    process(u"<+2 UP>CQ");
    EXPECT_EQ(target.speedPosition, 17);
    target.calls.clear();
    EXPECT_EQ(process(u"TU <ORIGINAL>", 4 + 3), 4 + 13);
    EXPECT_EQ(target.calls, (Calls{"speed 15"}));
}

TEST_F(ControlTagsTest, OriginalWithoutSavedSpeedIsOnlySkipped) {
    EXPECT_EQ(process(u"<ORIGINAL>K"), 14);
    EXPECT_TRUE(moved);
    EXPECT_TRUE(target.calls.empty());
    // A manual speed step forgets the saved speed without restoring it.
    process(u"<+1 UP>");
    speedMemory.forget();
    target.calls.clear();
    process(u"<ORIGINAL>");
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(target.speedPosition, 16);
}

TEST_F(ControlTagsTest, CutOffOrForeignTagsAreNotConsumed) {
    for (const char16_t* text :
         {u"", u"<", u"<VK_F1", u"<CALLGET", u"<ORIGINAL", u"<-1 DOWN", u"<vk_f1>", u"<+1 Up>",
          u"<Original>", u"<CallGet>", u"<+4 UP>", u"<ABCDEF>", u"<<VK_F1>", u" <VK_F1>",
          u"<VK_F1 >", u"<HisCall>", u"\uFF1CVK_F1>"}) {
        EXPECT_EQ(process(text), 4) << toUtf8(text);
        EXPECT_FALSE(moved) << toUtf8(text);
    }
    for (const int outside : {11, 40, -3}) {  // positions outside the text
        EXPECT_EQ(process(u"<VK_F1>", outside), outside);
        EXPECT_FALSE(moved);
    }
    EXPECT_TRUE(target.calls.empty());
    EXPECT_TRUE(receive.letterEndEnabled);
}

}  // namespace
}  // namespace qs::tx
