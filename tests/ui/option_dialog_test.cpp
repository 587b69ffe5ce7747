#include "ui/option_dialog.h"

#include <gtest/gtest.h>

#include "settings/option_string.h"

namespace qs::ui {
namespace {

namespace oc = option_control;

TEST(OptionDialogTest, TheBuiltInStringShowsItsDefaults) {
    const OptionChoices c = readOptionChoices(settings::kBuiltInOptionString);
    EXPECT_EQ(c.fontButton, oc::kFontNormal);
    EXPECT_FALSE(c.rxEcho || c.save || c.paste || c.stop);
    EXPECT_EQ(c.weightIndex[0], 1);
    EXPECT_EQ(c.weightIndex[1], 1);
    EXPECT_EQ(c.weightIndex[2], 2);
    EXPECT_EQ(c.weightIndex[3], 3);
    EXPECT_EQ(c.pttLeadButton, oc::kPttOff);
    EXPECT_TRUE(c.fiveNn);
    EXPECT_EQ(c.greeting[0], 0);
    EXPECT_EQ(c.greeting[1], 12);
    EXPECT_EQ(c.greeting[2], 18);
    EXPECT_FALSE(c.logSoftHamLog || c.pttCtrlHamLog || c.modeCw || c.modeA1a);
}

TEST(OptionDialogTest, WeightsOutsideTheirListShowTheDefault) {
    struct Case {
        const char16_t* options;
        int combo;
        int index;
    };
    const Case cases[] = {
        {u"NMNNN5123NN5001218NNNN", 0, 5}, {u"NMNNN6123NN5001218NNNN", 0, 1},
        {u"NMNNN7123NN5001218NNNN", 0, 1}, {u"NMNNN1823NN5001218NNNN", 1, 8},
        {u"NMNNN1923NN5001218NNNN", 1, 1}, {u"NMNNN11X3NN5001218NNNN", 2, 0},
        {u"NMNNN1126NN5001218NNNN", 3, 3}, {u"NMNNN1125NN5001218NNNN", 3, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readOptionChoices(c.options).weightIndex[c.combo], c.index) << toUtf8(c.options);
    }
    EXPECT_EQ(weightList(oc::kDash).count, 9);
}

TEST(OptionDialogTest, CharactersSelectTheirControls) {
    const OptionChoices c = readOptionChoices(u"XSRSP1123CS5041420HHAN");
    EXPECT_EQ(c.fontButton, oc::kFontSmall);
    EXPECT_TRUE(c.rxEcho && c.save && c.paste && c.stop);
    EXPECT_EQ(c.pttLeadButton, oc::kPttOff + 3);
    EXPECT_EQ(c.greeting[0], 4);
    EXPECT_EQ(c.greeting[1], 14);
    EXPECT_EQ(c.greeting[2], 20);
    EXPECT_TRUE(c.logSoftHamLog && c.pttCtrlHamLog && c.modeA1a);
    EXPECT_FALSE(c.modeCw);
    EXPECT_EQ(readOptionChoices(u"NZ").fontButton, oc::kFontLarge);
    const OptionChoices shortString = readOptionChoices(u"NS");
    EXPECT_EQ(shortString.greeting[1], 10);  // a missing number: the spin's lowest
}

TEST(OptionDialogTest, ControlsWriteTheirPositions) {
    struct Case {
        int id;
        bool checked;
        const char16_t* result;
    };
    const Case cases[] = {
        {oc::kFontSmall, true, u"NSNNN1123NN5001218NNNN"},
        {oc::kFontLarge, true, u"NLNNN1123NN5001218NNNN"},
        {oc::kRxEcho, true, u"NMRNN1123NN5001218NNNN"},
        {oc::kSave, true, u"NMNSN1123NN5001218NNNN"},
        {oc::kPaste, true, u"NMNNP1123NN5001218NNNN"},
        {oc::kPttOff + 1, true, u"NMNNN1123AN5001218NNNN"},
        {oc::kPtt200, true, u"NMNNN1123DN5001218NNNN"},
        {oc::kStop, true, u"NMNNN1123NS5001218NNNN"},
        {oc::kFiveNn, false, u"NMNNN1123NNN001218NNNN"},
        {oc::kLogSoftHamLog, true, u"NMNNN1123NN5001218HNNN"},
        {oc::kPttCtrlHamLog, true, u"NMNNN1123NN5001218HHNN"},
        {oc::kModeCw, true, u"NMNNN1123NN5001218NNCN"},
        {oc::kModeA1a, true, u"NMNNN1123NN5001218NNAN"},
    };
    for (const Case& c : cases) {
        OptionDialogModel model(settings::kBuiltInOptionString);
        model.onButtonClicked(c.id, c.checked);
        EXPECT_EQ(model.optionText(), c.result) << c.id;
    }
}

TEST(OptionDialogTest, LinkedChoicesAndUnchecking) {
    OptionDialogModel model(u"XMNNN1123NN5001218HHCZ");
    model.onButtonClicked(oc::kFontNormal, true);
    model.onButtonClicked(oc::kLogSoftLogger32, true);
    EXPECT_EQ(model.optionText(), u"NMNNN1123NN5001218LNCZ");
    model.onButtonClicked(oc::kModeCw, false);
    EXPECT_EQ(model.optionText(), u"NMNNN1123NN5001218LNNZ");  // position 21 kept
    model.onButtonClicked(oc::kPttCtrlHamLog, true);
    EXPECT_EQ(readOptionChoices(model.optionText()).logSoftHamLog, true);
}

TEST(OptionDialogTest, CombosAndSpinsWriteTheirNumbers) {
    OptionDialogModel model(settings::kBuiltInOptionString);
    model.onWeightChosen(oc::kDash, 8);
    model.onWeightChosen(oc::kWordSpace, 0);
    model.onGreetingChanged(oc::kGreetingGm, 3);
    model.onGreetingChanged(oc::kGreetingGa, 11);
    model.onGreetingChanged(oc::kGreetingGe, 20);
    EXPECT_EQ(model.optionText(), u"NMNNN1820NN5031120NNNN");
}

TEST(OptionDialogTest, AShortStringIsPaddedToThePositionWritten) {
    OptionDialogModel model(u"NS");
    model.onButtonClicked(oc::kFiveNn, true);
    EXPECT_EQ(model.optionText(), u"NSNNNNNNNNN5");
}

TEST(OptionDialogTest, EnterCyclesThroughTheFourEditsOnceOneHadTheFocus) {
    OptionDialogModel model(settings::kBuiltInOptionString);
    EXPECT_EQ(model.enterFocusTarget(), 0);
    model.onEditFocus(oc::kMyCall);
    EXPECT_EQ(model.enterFocusTarget(), oc::kMyName);
    model.onEditFocus(oc::kMyQth);
    EXPECT_EQ(model.enterFocusTarget(), oc::kOtherData);
    model.onEditFocus(oc::kOtherData);
    EXPECT_EQ(model.enterFocusTarget(), oc::kMyCall);
    model.onEditFocus(oc::kStop);  // another control: the target stays
    EXPECT_EQ(model.enterFocusTarget(), oc::kMyCall);
}

}  // namespace
}  // namespace qs::ui
