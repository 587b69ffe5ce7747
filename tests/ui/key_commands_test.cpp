#include "ui/key_commands.h"

#include <gtest/gtest.h>

#include "tests/support/fake_clock.h"
#include "tests/support/fake_receive_window.h"
#include "tests/ui/fake_screen.h"

namespace qs::ui {
namespace {

class FakeProgram : public settings::LoggingProgram {
public:
    bool hamLog = false;
    bool logSoftIsHamLog() const override { return hamLog; }
    void setLogSoftIsHamLog(bool on) override { hamLog = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override {}
    void stopLogger32Search() override {}
};

class FakeHold : public ReceiveHold {
public:
    void enterHold() override {}
    void leaveHold() override {}
};

class FakeState : public ContactState {
public:
    explicit FakeState(MacroSender& sender) : sender_(sender) {}
    bool fiveNnReset() const override { return false; }
    bool autoCqRunning() const override { return sender_.autoCqRunning(); }
    void stopAutoCq() override { sender_.stopAutoCq(); }

private:
    MacroSender& sender_;
};

class FakePickUp : public CallSignPickUp {
public:
    explicit FakePickUp(test::CallLog& log) : log_(log) {}
    void pickUpCallSign() override { log_.record("pick up"); }

private:
    test::CallLog& log_;
};

class NoHisCall : public rx::HisCallField {
public:
    Text text() const override { return {}; }
    void setText(TextView) override {}
};

class NoLog : public rx::RxPromptLog {
public:
    bool qsoLogOn() const override { return false; }
    void logBeforeRxPrompt() override {}
};

class KeyCommandsTest : public ::testing::Test {
protected:
    KeyCommandsTest() {
        for (int k = 1; k <= 12; ++k) macros.setMacroText(k, u"m" + decimalText(k));
        log.take();
    }

    bool down(Key key, bool system = false) { return keys.onKeyDown(key, system); }
    void up(bool system = false) { keys.onKeyUp(system); }

    test::CallLog log;
    test::NoLabels labels{log};
    MacroSet macros{labels};
    test::FakeForm form{log};
    test::FakeTransmit transmit{log};
    test::FakeLink link{log};
    test::FakeTags tags;
    test::FakeMouse mouse;
    test::FakeLatch latch;
    qs::test::FakeClock clock;
    FakeProgram program;
    FakeHold hold;
    FakePickUp pickUp{log};
    rx::ReceiveSettings receive;
    qs::test::FakeReceiveWindow receiveWindow;
    NoHisCall hisCall;
    NoLog noLog;
    rx::ReceiveText receiveText{receiveWindow, receive, hisCall, noLog};
    MacroSender sender{{macros, form, transmit, tags, mouse, clock}};
    FakeState state{sender};
    ContactFields contacts{{form, form, hold, latch, state, transmit}};
    KeyCommands keys{{form, transmit, link, program, sender, contacts, latch, pickUp, receive,
                      receiveText}};
};

TEST_F(KeyCommandsTest, PlainFunctionKeys) {
    struct Case {
        Key key;
        const char* log;
    };
    const Case cases[] = {
        {Key::F1, "focus 1029"},   {Key::F2, "focus 1030"},       {Key::F3, "focus 1031"},
        {Key::F4, "pick up"},      {Key::F6, "qso inline"},       {Key::F7, "save"},
        {Key::F8, ""},             {Key::F9, "toggle tx edit|focus 1037"},
        {Key::F11, "speed 16"},
    };
    for (const Case& c : cases) {
        transmit.position = 15;
        EXPECT_FALSE(down(c.key)) << static_cast<int>(c.key);
        EXPECT_EQ(log.take(), c.log) << static_cast<int>(c.key);
    }
}

TEST_F(KeyCommandsTest, F5ResynchronisesTheSpeedTracker) {
    receive.historyIndex = 7;
    down(Key::F5);
    EXPECT_EQ(receive.historyIndex, 0);
    EXPECT_FALSE(receive.letterEndEnabled);
}

TEST_F(KeyCommandsTest, ShiftSendsMacrosWhateverCtrlSays) {
    down(Key::Control);
    down(Key::Shift);
    log.take();
    EXPECT_FALSE(down(Key::F1));
    EXPECT_EQ(log.take(), "focus 1037|queue M1");
    EXPECT_FALSE(down(Key::F12));
    EXPECT_EQ(log.take(), "focus 1037|queue M12");
    EXPECT_FALSE(sender.autoCqRunning());
    EXPECT_TRUE(down(Key::F10, true));
    EXPECT_EQ(log.take(), "focus 1037|queue M10|focus 1037");
}

TEST_F(KeyCommandsTest, AReleaseOfAnyKeyEndsTheModifiers) {
    down(Key::Shift);
    down(Key::F1);
    up();
    log.take();
    down(Key::F2);
    EXPECT_EQ(log.take(), "focus 1030");
}

TEST_F(KeyCommandsTest, F10StepsSlowerAndIsConsumed) {
    transmit.position = 0;
    EXPECT_TRUE(down(Key::F10, true));
    EXPECT_EQ(log.take(), "speed 0");
    transmit.position = 31;
    EXPECT_FALSE(down(Key::F11));
    EXPECT_EQ(log.take(), "speed 31");
    EXPECT_FALSE(down(Key::Other, true));
    up(true);  // the release of a system key does not count
}

TEST_F(KeyCommandsTest, PageKeysStepAndFocusTheTransmitBoxAtTheEnds) {
    transmit.position = 31;
    down(Key::PageUp);
    EXPECT_EQ(log.take(), "speed 31|focus 1037");
    transmit.position = 0;
    down(Key::PageDown);
    EXPECT_EQ(log.take(), "speed 0|focus 1037");
    transmit.position = 30;
    down(Key::PageUp);
    EXPECT_EQ(log.take(), "speed 31|focus 1037");
}

TEST_F(KeyCommandsTest, CtrlQueriesGoToHamLogOnlyWhenItLogs) {
    down(Key::Control);
    EXPECT_EQ(log.take(), "text 1066=HisQTH (F3/4)");
    down(Key::F1);
    down(Key::F2);
    down(Key::F3);
    down(Key::F4);
    EXPECT_EQ(log.take(), "query 108");
    program.hamLog = true;
    for (Key key : {Key::F1, Key::F2, Key::F3}) down(key);
    EXPECT_EQ(log.take(), "query 101|query 111|query 112");
    up();
    EXPECT_EQ(log.take(), "text 1066=HisQTH (F3)");
    up();
    EXPECT_EQ(log.take(), "");
}

TEST_F(KeyCommandsTest, F12KeysUntilAnyKeyIsReleased) {
    down(Key::F12);
    EXPECT_TRUE(keys.tuneKeyed());
    up();
    EXPECT_EQ(log.take(), "key down|key up");
    up();
    EXPECT_EQ(log.take(), "");
}

TEST_F(KeyCommandsTest, F9StopsARunningAutoCqInsteadOfTogglingTxEdit) {
    sender.onMacroClick(600, 350, {}, false);
    log.take();
    receive.rxEnabled = false;
    receive.historyIndex = 5;
    latch.latched = true;
    down(Key::F9);
    EXPECT_EQ(log.take(), "clear tx|enable 1016");
    EXPECT_FALSE(sender.autoCqRunning());
    EXPECT_TRUE(receive.rxEnabled);
    EXPECT_EQ(receive.historyIndex, 0);
}

TEST_F(KeyCommandsTest, EscClearsTheContactAndShiftEscTheTransmitBox) {
    down(Key::Escape);
    EXPECT_EQ(log.take(),
              "link clear|text 1029=|text 1030=|text 1031=|forget transfer|disable 1002");
    down(Key::Shift);
    receive.rxEnabled = false;
    down(Key::Escape);
    EXPECT_EQ(log.take(), "clear tx|focus 1037");
    EXPECT_TRUE(receive.rxEnabled);
}

TEST_F(KeyCommandsTest, AnUnreachableHamLogKeepsTheContact) {
    link.clears = false;
    receive.rxEnabled = false;
    keys.clearCommand();
    EXPECT_EQ(log.take(), "link clear");
    EXPECT_TRUE(receive.rxEnabled);
}

TEST_F(KeyCommandsTest, EnterEndsTheCallCaptureForHamLogOnly) {
    receiveText.armCallCapture();
    down(Key::Enter);
    EXPECT_EQ(log.take(), "caret end 1037|focus 1037");
    program.hamLog = true;
    down(Key::Enter);
    EXPECT_EQ(log.take(), "qso|caret end 1029|focus 1029|text 1063=HisCall (F1)");
    EXPECT_FALSE(receiveText.callCaptureOn());
}

TEST_F(KeyCommandsTest, BackspaceAndDeleteReleasePttOnlyWhileAFieldIsEdited) {
    down(Key::Backspace);
    EXPECT_EQ(log.take(), "");
    latch.latched = true;
    down(Key::Backspace);
    down(Key::Delete);
    EXPECT_EQ(log.take(), "ptt release|ptt release");
}

TEST_F(KeyCommandsTest, DownArrowRecallsOnlyIntoTheFocusedEmptyField) {
    form.texts[1029] = u"JA1ABC";
    contacts.onFieldFocus(1029);
    contacts.onFieldBlur(1029);
    form.texts[1030] = u"TARO";
    contacts.onFieldFocus(1030);
    contacts.onFieldBlur(1030);
    contacts.onFieldFocus(1029);
    log.take();
    down(Key::Down);  // not empty: nothing, HisName not looked at
    EXPECT_EQ(log.take(), "");
    form.texts[1029] = u"";
    down(Key::Down);
    EXPECT_EQ(log.take(), "text 1029=JA1ABC");
}

}  // namespace
}  // namespace qs::ui
