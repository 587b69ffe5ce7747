#include "ui/contact_fields.h"

#include <gtest/gtest.h>

#include "tests/ui/fake_screen.h"

namespace qs::ui {
namespace {

class FakeHold : public ReceiveHold {
public:
    explicit FakeHold(test::CallLog& log) : log_(log) {}
    void enterHold() override { log_.record("enter hold"); }
    void leaveHold() override { log_.record("leave hold"); }

private:
    test::CallLog& log_;
};

class FakeState : public ContactState {
public:
    explicit FakeState(test::CallLog& log) : log_(log) {}
    bool fiveNn = false;
    bool autoCq = false;
    bool fiveNnReset() const override { return fiveNn; }
    bool autoCqRunning() const override { return autoCq; }
    void stopAutoCq() override {
        autoCq = false;
        log_.record("stop auto cq");
    }

private:
    test::CallLog& log_;
};

class ContactFieldsTest : public ::testing::Test {
protected:
    test::CallLog log;
    test::FakeForm form{log};
    test::FakeTransmit transmit{log};
    test::FakeLatch latch;
    FakeHold hold{log};
    FakeState state{log};
    ContactFields fields{{form, form, hold, latch, state, transmit}};
};

TEST(WordAroundCaretTest, StopsAtSpacesThePromptAndFifteenCharacters) {
    struct Case {
        const char16_t* text;
        int caret;
        const char16_t* word;
    };
    const Case cases[] = {
        {u"RX> CQ DE JA1ABC K", 12, u"JA1ABC"},
        {u"RX> CQ DE JA1ABC K", 10, u"JA1ABC"},  // caret at the word's start
        {u"RX> CQ DE JA1ABC K", 16, u"JA1ABC"},  // and at its end
        {u"RX> CQ", 1, u""},                     // the prompt is no word
        {u"RX> ABCDEFGHIJKLMNOPQRST", 10, u"FGHIJKLMNOPQRST"},
        {u"RX> ABCDEFGHIJKLMNO", 5, u"ABCDEFGHIJKLMNO"},
        {u"RX> TU\rRX> 5NN", 12, u"5NN"},
        {u"RX> A  B", 6, u""},
        {u"", 3, u""},
        {u"RX> AB", 99, u"AB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wordAroundCaret(c.text, c.caret), c.word) << toUtf8(c.text) << " " << c.caret;
    }
}

TEST_F(ContactFieldsTest, FocusLatchFollowsTheFields) {
    fields.onFieldFocus(1029);
    EXPECT_TRUE(latch.latched);
    EXPECT_TRUE(fields.fieldFocused(1029));
    form.texts[1029] = u"JA1ABC";
    fields.onFieldBlur(1029);
    EXPECT_FALSE(latch.latched);
    EXPECT_EQ(fields.savedText(1029), u"JA1ABC");
    fields.onFieldFocus(1030);
    EXPECT_TRUE(latch.latched);
    fields.onFieldFocus(1031);
    EXPECT_FALSE(latch.latched);
    fields.onTransmitBoxFocusChange();
    EXPECT_TRUE(latch.latched);
}

TEST_F(ContactFieldsTest, ASelectionArrivesWithoutItsSpaces) {
    fields.onReceiveWindowFocus();
    form.selection = true;
    form.selectedText = u"JA1 ABC";
    fields.onReceiveWindowBlur();
    EXPECT_EQ(log.take(), "enter hold|stage|text 1044=JA1ABC|leave hold");
    fields.onFieldFocus(1029);
    EXPECT_EQ(log.take(), "text 1029=JA1ABC|text 1044=|empty clipboard");
}

TEST_F(ContactFieldsTest, ASelectionWithoutSpacesIsStagedAsSelected) {
    form.selection = true;
    form.selectedText = u"Taro";
    fields.onReceiveWindowBlur();
    EXPECT_EQ(log.take(), "stage|leave hold");
    fields.onFieldFocus(1030);
    EXPECT_EQ(form.texts[1030], u"Taro");
}

TEST_F(ContactFieldsTest, AClickedWordGoesToHisCallOnlyAsACallSign) {
    form.receive = u"RX> CQ DE DEJA1ABCD K";
    form.caret = 12;
    fields.onReceiveWindowBlur();
    EXPECT_EQ(fields.candidateWord(), u"DEJA1ABCD");
    fields.onFieldFocus(1029);
    EXPECT_EQ(form.texts[1029], u"JA1ABC");
    EXPECT_EQ(fields.candidateWord(), u"");

    form.caret = 5;  // "CQ"
    fields.onReceiveWindowBlur();
    log.take();
    fields.onFieldFocus(1029);
    EXPECT_EQ(log.take(), "");
    fields.onReceiveWindowBlur();
    fields.onFieldFocus(1031);
    EXPECT_EQ(form.texts[1031], u"CQ");

    fields.onReceiveWindowBlur();
    fields.onTransmitBoxFocusChange();  // the click was not meant for a field
    fields.onFieldFocus(1030);
    EXPECT_EQ(form.texts.count(1030), 0u);
}

TEST_F(ContactFieldsTest, ACallChangeResetsThreeCharacterReportsWhenAsked) {
    form.texts[1032] = u"599";
    form.texts[1033] = u"599 5NN";
    fields.onHisCallChanged();
    EXPECT_EQ(log.take(), "");
    state.fiveNn = true;
    fields.onHisCallChanged();
    EXPECT_EQ(log.take(), "text 1032=5NN");
}

TEST_F(ContactFieldsTest, ACallTypedIntoHisCallStopsAutoCq) {
    state.autoCq = true;
    fields.onHisCallChanged();  // still empty
    EXPECT_EQ(log.take(), "");
    form.texts[1029] = Text(u"J");
    fields.onHisCallChanged();
    EXPECT_EQ(log.take(), "stop auto cq|clear tx");
}

}  // namespace
}  // namespace qs::ui
