#include "rx/receive_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fake_receive_window.h"

namespace qs::rx {
namespace {

class FakeHisCall : public HisCallField {
public:
    Text text() const override { return value; }
    void setText(TextView text) override { value = Text(text); }
    Text value;
};

// Notes its flush in the window's log, to show where it happens.
class FakePromptLog : public RxPromptLog {
public:
    explicit FakePromptLog(test::FakeReceiveWindow& window) : window_(window) {}
    bool qsoLogOn() const override { return on; }
    void logBeforeRxPrompt() override { window_.record("log"); }
    bool on = false;

private:
    test::FakeReceiveWindow& window_;
};

class ReceiveTextTest : public ::testing::Test {
protected:
    void receive(const std::vector<TextView>& texts) {
        for (TextView text : texts) receiveText.appendReceived(text);
    }

    test::FakeReceiveWindow window;
    ReceiveSettings settings;
    FakeHisCall hisCall;
    FakePromptLog promptLog{window};
    ReceiveText receiveText{window, settings, hisCall, promptLog};
};

TEST_F(ReceiveTextTest, PromptLineOnlyAfterOtherTextWithTheQsoLogFlushedFirst) {
    receive({u"? "});
    EXPECT_EQ(window.log(), "caret|insert:? ");
    window.clearLog();
    receiveText.setWriterState(WriterState::Sent);
    receive({u"E", u"T"});
    EXPECT_EQ(window.log(), "caret|format:Received|insert:\r\nRX> |caret|insert:E|caret|insert:T");
    window.clearLog();
    promptLog.on = true;
    receiveText.setWriterState(WriterState::Notice);
    receive({u"CQ"});
    EXPECT_EQ(window.log(), "caret|format:Received|log|insert:\r\nRX> |caret|insert:CQ");
    window.clearLog();
    receiveText.setWriterState(WriterState::Sent);  // a word space writes only the prompt
    receiveText.appendWordSpace();
    receiveText.appendWordSpace();
    EXPECT_EQ(window.log(), "caret|format:Received|log|insert:\r\nRX> |caret|insert: ");
}

TEST_F(ReceiveTextTest, TextIsDroppedWhileReceiveIsOff) {
    settings.rxEnabled = false;
    receiveText.setWriterState(WriterState::Sent);
    receive({u"E"});
    EXPECT_EQ(window.log(), "");
    EXPECT_EQ(receiveText.writerState(), WriterState::Sent);
}

TEST_F(ReceiveTextTest, HeldTextIsInsertedOnceOnLeavingWithoutPrompt) {
    receiveText.setWriterState(WriterState::Sent);
    receiveText.enterHold();
    receive({u"TU"});
    receiveText.enterHold();  // a second focus notice keeps what was held
    receiveText.appendWordSpace();
    settings.rxEnabled = false;
    receive({u"73"});
    EXPECT_EQ(window.log(), "");
    receiveText.leaveHold();
    receiveText.leaveHold();
    EXPECT_EQ(window.log(), "caret|format:Received|insert:TU 73|caret");
    EXPECT_EQ(receiveText.writerState(), WriterState::Received);
}

TEST_F(ReceiveTextTest, CaptureBuildsTheCallAndShowsEveryText) {
    receiveText.armCallCapture();
    receive({u"J", u"A", u"1", u"A", u"B", u"C"});
    EXPECT_EQ(hisCall.value, u"JA1ABC");
    EXPECT_EQ(window.text(), u"JA1ABC");
    receiveText.armCallCapture();
    receive({u"7", u"K", u"4"});
    EXPECT_EQ(hisCall.value, u"7K4");
}

TEST_F(ReceiveTextTest, RejectedTextEmptiesTheFieldAndCaptureStartsOver) {
    hisCall.value = u"OLD";
    receiveText.armCallCapture();
    receive({u"Q"});
    EXPECT_EQ(hisCall.value, u"");
    EXPECT_EQ(window.text(), u"Q");
    const std::vector<std::vector<TextView>> misfits = {
        {u"J", u"S"}, {u"8", u"O"}, {u"J", u"R", u"JA"}};
    for (const auto& texts : misfits) {
        receive(texts);
        EXPECT_EQ(hisCall.value, u"");
    }
    receive({u"J", u"AB", u"3"});  // whole strings compare: A <= AB <= R
    EXPECT_EQ(hisCall.value, u"JAB3");
}

TEST_F(ReceiveTextTest, CaptureTakesFifteenTextsAndSkipsHeldText) {
    receiveText.armCallCapture();
    receiveText.enterHold();
    receive({u"Q"});
    receiveText.leaveHold();
    receive({u"J", u"A", u"1"});
    for (int i = 0; i < 12; ++i) receive({u"X"});
    EXPECT_FALSE(receiveText.callCaptureOn());
    receive({u"Y"});
    EXPECT_EQ(hisCall.value, u"JA1XXXXXXXXXXXX");
}

}  // namespace
}  // namespace qs::rx
