#include "ui/options_command.h"

#include <gtest/gtest.h>

#include "tests/ui/fake_view_platform.h"
#include "ui/view_core.h"

namespace qs::ui {
namespace {

class FakeOptionsDialog : public OptionsDialog {
public:
    explicit FakeOptionsDialog(const rx::ReceiveSettings& receive) : receive_(receive) {}
    bool ok = true;
    OptionsValues shown;
    OptionsValues result;
    bool rxEnabledWhileOpen = true;

    bool runOptionsDialog(OptionsValues& values) override {
        shown = values;
        rxEnabledWhileOpen = receive_.rxEnabled;
        if (ok) values = result;
        return ok;
    }

private:
    const rx::ReceiveSettings& receive_;
};

class NoBlock : public tx::ReceivePathControl {
public:
    int cleared = 0;
    void clearSampleBlock() override { ++cleared; }
    void requestDecoderMarkReset() override {}
};

class CoreLatch : public FocusLatch {
public:
    explicit CoreLatch(ViewCore& core) : core_(core) {}
    bool fieldFocusLatch() const override { return core_.fieldFocusLatch(); }
    void setFieldFocusLatch(bool on) override { core_.setFieldFocusLatch(on); }

private:
    ViewCore& core_;
};

class OptionsCommandTest : public ::testing::Test {
protected:
    OptionsCommandTest() {
        view.onInitialUpdate();
        platform.take();
        dialog.result = {settings::kBuiltInOptionString, u"", u"", u"", u""};
    }
    Text slot(int index) const {
        Text text;
        document.GetSlot(text, index);
        return text;
    }

    settings::SettingsRecord document;
    test::FakeViewPlatform platform;
    ViewCore view{platform.platform(), document};
    FakeOptionsDialog dialog{view.receiveSettings()};
    NoBlock block;
    CoreLatch latch{view};
    OptionsCommand command{{dialog, document, view.optionEffects(), view.settingsApplication(),
                            view.keyer(), view.receiveSettings(), block, latch, platform}};
};

TEST_F(OptionsCommandTest, AnUnchangedStringIsNeitherAppliedNorStored) {
    view.receiveSettings().historyIndex = 9;
    command.run();
    EXPECT_EQ(dialog.shown.optionText, settings::kBuiltInOptionString);
    EXPECT_FALSE(dialog.rxEnabledWhileOpen);
    EXPECT_EQ(platform.take(), "focus tx");
    EXPECT_EQ(slot(49), u"");
    EXPECT_EQ(block.cleared, 1);
    EXPECT_EQ(view.receiveSettings().historyIndex, 0);
    EXPECT_TRUE(view.receiveSettings().rxEnabled);
}

TEST_F(OptionsCommandTest, AChangedWeightTakesEffectAndIsStored) {
    dialog.result.optionText = u"NMNNN1823NN5001218NNNN";
    command.run();
    EXPECT_DOUBLE_EQ(view.keyer().weights().dash, 4.5);
    EXPECT_EQ(slot(49), u"NMNNN1823NN5001218NNNN");
    EXPECT_EQ(view.optionEffects().optionString(), u"NMNNN1823NN5001218NNNN");
    const std::string log = platform.take();
    EXPECT_EQ(log.find("font"), std::string::npos) << log;  // the font character is unchanged
    EXPECT_FALSE(document.IsModified());
}

TEST_F(OptionsCommandTest, SaveWithoutADocumentShowsTheMessageAndStillStores) {
    dialog.result.optionText = u"NMNSN1123NN5001218NNNN";
    command.run();
    EXPECT_NE(platform.take().find("message Saveが選択されました"), std::string::npos);
    EXPECT_EQ(slot(49), u"NMNSN1123NN5001218NNNN");
}

TEST_F(OptionsCommandTest, ChangedStationTextsGoToTheirSlots) {
    dialog.result.myCall = u"JA1ABC";
    dialog.result.otherData = u"ANT DIPOLE";
    command.run();
    EXPECT_EQ(view.settingsApplication().stationData().myCall, u"JA1ABC");
    EXPECT_EQ(slot(45), u"JA1ABC");
    EXPECT_EQ(slot(46), u"");
    EXPECT_EQ(slot(48), u"ANT DIPOLE");
    dialog.result = {};
    dialog.ok = false;
    command.run();
    EXPECT_EQ(view.settingsApplication().stationData().myCall, u"JA1ABC");
    EXPECT_EQ(dialog.shown.otherData, u"ANT DIPOLE");
}

TEST_F(OptionsCommandTest, TheFocusStaysInAContactFieldBeingEdited) {
    view.setFieldFocusLatch(true);
    dialog.ok = false;
    command.run();
    EXPECT_EQ(platform.take(), "");
}

}  // namespace
}  // namespace qs::ui
