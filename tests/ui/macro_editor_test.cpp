#include "ui/macro_editor.h"

#include <gtest/gtest.h>

#include "tests/ui/fake_screen.h"

namespace qs::ui {
namespace {

const rx::FormScale kAt96Dpi{};

class FakeEditor : public MacroEditorDialog {
public:
    explicit FakeEditor(test::CallLog& log) : log_(log) {}
    bool ok = true;
    MacroEditorFields shown;
    MacroEditorFields result;
    bool* rxEnabledWhileOpen = nullptr;
    const rx::ReceiveSettings* receive = nullptr;

    bool runMacroEditor(MacroEditorFields& fields) override {
        shown = fields;
        log_.record(receive && !receive->rxEnabled ? "editor, rx off" : "editor");
        if (ok) fields = result;
        return ok;
    }

private:
    test::CallLog& log_;
};

class FakeReceivePath : public tx::ReceivePathControl {
public:
    explicit FakeReceivePath(test::CallLog& log) : log_(log) {}
    void clearSampleBlock() override { log_.record("clear block"); }
    void requestDecoderMarkReset() override {}

private:
    test::CallLog& log_;
};

class MacroEditingTest : public ::testing::Test {
protected:
    MacroEditingTest() {
        macros.setMacroText(9, u"CQ <MyCall>");
        editor.receive = &receive;
    }
    Text slot(int index) const {
        Text text;
        record.GetSlot(text, index);
        return text;
    }

    test::CallLog log;
    test::NoLabels labels{log};
    MacroSet macros{labels};
    test::FakeForm form{log};
    FakeEditor editor{log};
    settings::SettingsRecord record;
    rx::ReceiveSettings receive;
    FakeReceivePath receivePath{log};
    MacroEditing editing{{macros, form, editor, record, receive, receivePath}};
};

TEST(MacroEditorTest, TitlesColoursAndTags) {
    EXPECT_EQ(macroEditorTitle(1), u"Edit Macro1");
    EXPECT_EQ(macroEditorTitle(11), u"Edit Macro11");
    EXPECT_EQ(macroEditorTitle(12), u"Edit Auto CQ");
    Text colour = u"2";
    for (int press = 0; press < 6; ++press) colour = nextCaptionColour(colour);
    EXPECT_EQ(colour, u"2");
    EXPECT_EQ(nextCaptionColour(u"5"), u"0");
    EXPECT_EQ(captionColourOf(u"4"), 0x0000FFu);
    EXPECT_EQ(captionColourOf(u"6"), 0u);
    EXPECT_EQ(tagToInsert(kMacroTagItems[0]), u"<HisCall>");
    EXPECT_EQ(tagToInsert(kSpeedTagItems[2]), u"<+1 UP>");
    EXPECT_EQ(std::size(kMacroTagItems), 14u);
    EXPECT_EQ(std::size(kSpeedTagItems), 7u);
}

TEST_F(MacroEditingTest, OkStoresWhatChangedInTheMacroAndItsSlots) {
    editor.result = {u"CQ TEST <MyCall>", u"macro9", u"", u"4"};
    log.take();
    editing.onEditMacro(250, 350, kAt96Dpi);  // macro 9
    EXPECT_EQ(editor.shown.text, u"CQ <MyCall>");
    EXPECT_EQ(editor.shown.caption, u"macro9");
    EXPECT_EQ(editor.shown.title, u"Edit Macro9");
    EXPECT_EQ(editor.shown.colourText, u"0");
    EXPECT_EQ(log.take(),
              "disable 1013|repaint 9|editor, rx off|repaint 9|clear block|enable 1013|focus 1037");
    EXPECT_EQ(macros.text(9), u"CQ TEST <MyCall>");
    EXPECT_EQ(slot(9), u"CQ TEST <MyCall>");
    EXPECT_EQ(slot(21), u"");  // the caption did not change
    EXPECT_EQ(macros.colourIndex(9), 4);
    EXPECT_EQ(macros.colour(9), 0x0000FFu);
    EXPECT_EQ(slot(33), u"4");
    EXPECT_FALSE(record.IsModified());  // no document applied yet
}

TEST_F(MacroEditingTest, ACaptionGoesOntoItsLabel) {
    record.noteSettingsApplied();
    editor.result = {u"", u"CQ", u"", u"0"};
    editing.onEditMacro(600, 350, kAt96Dpi);
    EXPECT_EQ(macros.caption(12), u"CQ");
    EXPECT_EQ(slot(24), u"CQ");
    EXPECT_EQ(slot(12), u"");
    EXPECT_TRUE(record.IsModified());
}

TEST_F(MacroEditingTest, CancelChangesNothingButReleasesTheLabel) {
    editor.ok = false;
    log.take();
    editing.onEditMacro(250, 350, kAt96Dpi);
    EXPECT_EQ(log.take(), "disable 1013|repaint 9|editor, rx off|clear block|enable 1013|focus 1037");
    EXPECT_EQ(macros.text(9), u"CQ <MyCall>");
    EXPECT_EQ(slot(9), u"");
}

TEST_F(MacroEditingTest, ARightClickOutsideTheLabelsOnlyFocusesTheTransmitBox) {
    log.take();
    editing.onEditMacro(216, 320, kAt96Dpi);
    EXPECT_EQ(log.take(), "focus 1037");
}

}  // namespace
}  // namespace qs::ui
