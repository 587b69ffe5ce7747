#include "rx/receive_controls.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "rx/receive_labels.h"
#include "rx/tone_tables.h"
#include "ui/control_ids.h"

namespace qs::rx {
namespace {

// One fake for every outside party of the handlers.
struct FakeForm : ReceiveForm, SettingsSlots, ReceiveIndicators, ReceiveResets, TxSpeedControl {
    void setChecked(int controlId, bool checked) override { checks[controlId] = checked; }
    void showScale(bool upper) override { shownScale = upper; }
    Text rxSpeedLabel() const override { return speedLabelText; }
    void returnFocusToTransmitBox() override { ++focusReturns; }
    void setSlot(int slot, TextView value) override { slots[slot] = Text(value); }
    void showRxSpeed(int cpm) override { rxSpeed = cpm; }
    void moveRxSpeedSlider(int) override {}
    void showThreshold(int db) override { threshold = db; }
    void showTone(int bin) override { tone = bin; }
    void resetToneCandidate() override { ++toneCandidateResets; }
    void resetLevelRange() override { ++levelRangeResets; }
    void resetDecoder() override { ++decoderResets; }
    SendWeights sendWeights() const override { return {}; }
    void setTxSpeedIndex(int index) override { txIndex = index; }

    std::map<int, bool> checks;
    std::map<int, Text> slots;
    std::optional<bool> shownScale;
    Text speedLabelText;
    std::optional<int> rxSpeed, threshold, tone, txIndex;
    int focusReturns = 0, toneCandidateResets = 0, levelRangeResets = 0, decoderResets = 0;
};

class ReceiveControlsTest : public ::testing::Test {
protected:
    ReceiveSettings settings;
    FakeForm form;
    ReceiveControls controls{{settings, form, form, form, form, form}};
};

TEST_F(ReceiveControlsTest, FilterToneAndGainControlsWriteTheirSlots) {
    controls.onNoiseReduction1Clicked(true);  // NR1 and NR2 exclude each other
    EXPECT_TRUE(settings.nr1On && !settings.nr2On);
    EXPECT_EQ(form.checks[control::kNoiseReduction2], false);
    EXPECT_EQ(form.slots[40], u"NoiseON1");
    controls.onNoiseReduction2Clicked(true);
    EXPECT_TRUE(!settings.nr1On && settings.nr2On);
    EXPECT_EQ(form.checks[control::kNoiseReduction1], false);
    EXPECT_EQ(form.slots[40], u"NoiseON2");
    controls.onNoiseReduction2Clicked(false);
    EXPECT_FALSE(settings.nr2On);
    EXPECT_EQ(form.slots[40], u"NoiseOFF");
    controls.onQrmFilterClicked(true);
    EXPECT_TRUE(settings.qrmOn);
    EXPECT_EQ(form.slots[41], u"QRMON");
    controls.onToneAutoClicked(true);
    EXPECT_TRUE(settings.toneAuto);
    EXPECT_EQ(form.toneCandidateResets, 1);
    EXPECT_EQ(form.slots[42], u"ToneAUTO");
    controls.onToneAutoClicked(false);
    EXPECT_EQ(form.slots[42], u"ToneNotAUTO");
    controls.onInputGainMoved(11);
    EXPECT_EQ(settings.inputGain, 100.0);
    EXPECT_EQ(form.slots[44], u"11");
    EXPECT_EQ(form.focusReturns, 7);
}

TEST_F(ReceiveControlsTest, ToneClickPicksTheBinAndSwitchesScaleNearTheEdge) {
    // Clicks on the cells' left bounds; the scale switches from bin 27 up on
    // the lower scale and from bin 25 down on the upper one.
    auto clickCell = [this](int cell) {
        const int cellX[29] = {419, 422, 428, 434, 441, 447, 453, 460, 466, 472,
                               478, 485, 491, 497, 503, 510, 516, 522, 528, 535,
                               541, 547, 553, 560, 566, 572, 578, 585, 591};
        form.shownScale.reset();
        EXPECT_TRUE(controls.onLeftClick(cellX[cell], 80, FormScale{}));
    };
    settings.toneAuto = true;
    settings.upperScale = false;
    clickCell(18);  // bin 26 stays on the lower scale
    EXPECT_FALSE(settings.toneAuto);
    EXPECT_EQ(form.checks[control::kToneAuto], false);
    EXPECT_EQ(settings.toneIndex, 26);
    EXPECT_FALSE(form.shownScale);
    clickCell(22);  // bin 30 turns to the upper scale
    EXPECT_EQ(settings.toneIndex, 30);
    EXPECT_EQ(form.shownScale, true);
    EXPECT_EQ(form.slots[42], u"646");
    EXPECT_EQ(form.tone, 30);
    clickCell(10);  // bin 26 stays on the upper scale
    EXPECT_FALSE(form.shownScale);
    clickCell(9);  // bin 25 turns to the lower scale
    EXPECT_EQ(settings.toneIndex, 25);
    EXPECT_EQ(form.shownScale, false);
    EXPECT_FALSE(settings.upperScale);
    clickCell(19);  // bin 27 turns to the upper scale
    EXPECT_TRUE(settings.upperScale);
    EXPECT_EQ(form.decoderResets, 5);
    EXPECT_EQ(form.focusReturns, 5);
    EXPECT_EQ(toneHzLabel(28), u"603Hz");
    EXPECT_EQ(toneLabel(14), u"302");  // as the form shows it, not rounded
}

TEST_F(ReceiveControlsTest, ThresholdClickEndsAutomaticThreshold) {
    settings.autoThreshold = true;
    ASSERT_TRUE(controls.onLeftClick(200, 60, FormScale{}));
    EXPECT_EQ(settings.thresholdDb, -25);
    EXPECT_EQ(form.threshold, -25);
    EXPECT_EQ(form.slots[50], u"-25");
    EXPECT_FALSE(settings.autoThreshold);
    EXPECT_EQ(form.checks[control::kAutoThreshold], false);
    EXPECT_EQ(form.slots[43], u"ThreOFF");
    EXPECT_EQ(form.decoderResets, 1);
    EXPECT_EQ(thresholdLabel(-25), u"Threshold -25db");

    // Outside both displays the click is left to the form.
    EXPECT_FALSE(controls.onLeftClick(380, 80, FormScale{}));
    EXPECT_EQ(form.decoderResets, 1);
    EXPECT_EQ(form.focusReturns, 1);

    controls.onAutoThresholdClicked(true);
    EXPECT_TRUE(settings.autoThreshold);
    EXPECT_EQ(form.slots[43], u"ThreON");
    EXPECT_EQ(form.levelRangeResets, 1);
}

TEST_F(ReceiveControlsTest, ManualSpeedSetsBothLimitsAndRestartsTheMarkCount) {
    settings.historyIndex = 7;
    controls.onRxSpeedMoved(0);
    EXPECT_FALSE(settings.speedAuto);
    EXPECT_EQ(form.checks[control::kRxSpeedAuto], false);
    EXPECT_EQ(settings.rxSpeedIndex, 0);
    EXPECT_EQ(settings.dotDashLimit, 167);
    EXPECT_EQ(settings.letterGapLimit, 167);
    EXPECT_EQ(form.rxSpeed, 25);
    EXPECT_EQ(settings.historyIndex, 0);

    settings.rxSpeedIndex = 15;
    controls.onRxSpeedAutoClicked(true);
    settings.historyIndex = 5;
    controls.onRxSpeedAutoClicked(false);
    EXPECT_FALSE(settings.speedAuto);
    EXPECT_EQ(settings.dotDashLimit, 41);
    EXPECT_EQ(settings.letterGapLimit, 41);
    EXPECT_EQ(form.rxSpeed, 100);
    EXPECT_EQ(settings.historyIndex, 0);
    EXPECT_TRUE(form.slots.empty());  // the receive speed is not stored
}

TEST_F(ReceiveControlsTest, RxEqualsTxReadsTheSpeedLabel) {
    form.speedLabelText = speedLabel(99);
    controls.onRxEqualsTxClicked();
    EXPECT_EQ(form.txIndex, 14);
    for (const Text label : {u"/Min", u"1x0/Min", u"99999999999/Min"}) {
        form.txIndex.reset();
        form.speedLabelText = label;
        controls.onRxEqualsTxClicked();
        EXPECT_FALSE(form.txIndex) << toUtf8(label);
    }
    EXPECT_EQ(form.focusReturns, 4);
}

}  // namespace
}  // namespace qs::rx
