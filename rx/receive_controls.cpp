#include "rx/receive_controls.h"

#include <algorithm>

#include "rx/manual_speed.h"
#include "rx/receive_labels.h"
#include "rx/receive_slots.h"
#include "rx/rx_equals_tx.h"
#include "rx/spectrum_display.h"
#include "rx/tone_tables.h"
#include "ui/control_ids.h"

namespace qs::rx {

namespace {
// Tone clicks near the edge of the shown range switch to the other scale.
constexpr int kSwitchToUpperFromBin = 27;
constexpr int kSwitchToLowerUpToBin = 25;
}  // namespace

ReceiveControls::ReceiveControls(Parts parts)
    : settings_(parts.settings),
      indicators_(parts.indicators),
      form_(parts.form),
      slots_(parts.slots),
      resets_(parts.resets),
      txSpeed_(parts.txSpeed) {}

// NR1 and NR2 exclude each other; both may be off.
void ReceiveControls::onNoiseReduction1Clicked(bool checked) {
    settings_.nr1On = checked;
    if (checked) {
        settings_.nr2On = false;
        form_.setChecked(control::kNoiseReduction2, false);
    }
    slots_.setSlot(slot::kNoiseReduction, checked ? u"NoiseON1" : u"NoiseOFF");
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::onNoiseReduction2Clicked(bool checked) {
    settings_.nr2On = checked;
    if (checked) {
        settings_.nr1On = false;
        form_.setChecked(control::kNoiseReduction1, false);
    }
    slots_.setSlot(slot::kNoiseReduction, checked ? u"NoiseON2" : u"NoiseOFF");
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::onQrmFilterClicked(bool checked) {
    settings_.qrmOn = checked;
    slots_.setSlot(slot::kQrmFilter, checked ? u"QRMON" : u"QRMOFF");
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::onToneAutoClicked(bool checked) {
    settings_.toneAuto = checked;
    if (checked) resets_.resetToneCandidate();
    slots_.setSlot(slot::kTone, checked ? u"ToneAUTO" : u"ToneNotAUTO");
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::onInputGainMoved(int sliderPosition) {
    const int position = std::clamp(sliderPosition, kMinGainPosition, kMaxGainPosition);
    settings_.inputGain = inputGainForPosition(position);
    slots_.setSlot(slot::kInputGain, decimalText(position));
    form_.returnFocusToTransmitBox();
}

// Either way a fresh set of twelve marks is collected.
void ReceiveControls::onRxSpeedAutoClicked(bool checked) {
    settings_.speedAuto = checked;
    if (!checked) applyManualSpeed(settings_.rxSpeedIndex);
    settings_.historyIndex = 0;
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::onRxSpeedMoved(int speedIndex) {
    if (settings_.speedAuto) {
        settings_.speedAuto = false;
        form_.setChecked(control::kRxSpeedAuto, false);
    }
    applyManualSpeed(speedIndex);
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::applyManualSpeed(int speedIndex) {
    const int index = std::clamp(speedIndex, 0, kSpeedSteps - 1);
    settings_.rxSpeedIndex = index;
    const int limitHops = manualLimitHops(index);
    settings_.dotDashLimit = limitHops;
    settings_.letterGapLimit = limitHops;
    indicators_.showRxSpeed(speedTableCpm(index));
    settings_.historyIndex = 0;
}

void ReceiveControls::onAutoThresholdClicked(bool checked) {
    setAutoThreshold(checked);
    form_.returnFocusToTransmitBox();
}

void ReceiveControls::setAutoThreshold(bool on) {
    settings_.autoThreshold = on;
    if (on) resets_.resetLevelRange();
    slots_.setSlot(slot::kAutoThreshold, on ? u"ThreON" : u"ThreOFF");
}

// The send speed index whose speed is the highest not above the received one.
void ReceiveControls::onRxEqualsTxClicked() {
    const auto rxCpm = speedFromLabel(form_.rxSpeedLabel());
    if (rxCpm) txSpeed_.setTxSpeedIndex(txSpeedIndexForRxSpeed(*rxCpm, txSpeed_.sendWeights()));
    form_.returnFocusToTransmitBox();
}

bool ReceiveControls::onLeftClick(int x, int y, const FormScale& scale) {
    if (const auto thresholdDb = hitThresholdArea(x, y, scale)) {
        setThresholdFromClick(*thresholdDb);
    } else if (const auto cell = hitSpectrumCell(x, y, scale)) {
        setToneFromClick(*cell);
    } else {
        return false;
    }
    resets_.resetDecoder();
    form_.returnFocusToTransmitBox();
    return true;
}

// A threshold picked by hand ends the automatic threshold.
void ReceiveControls::setThresholdFromClick(int thresholdDb) {
    settings_.thresholdDb = thresholdDb;
    indicators_.showThreshold(thresholdDb);
    slots_.setSlot(slot::kThresholdDb, decimalText(thresholdDb));
    form_.setChecked(control::kAutoThreshold, false);
    setAutoThreshold(false);
}

// A tone picked by hand ends the automatic tone. Near the edge of the shown
// range the display turns to the other scale, which shows the bin nearer its
// middle.
void ReceiveControls::setToneFromClick(int cell) {
    settings_.toneAuto = false;
    form_.setChecked(control::kToneAuto, false);
    const bool upper = settings_.upperScale;
    const int bin = firstShownBin(upper) + cell;
    if (!upper && bin >= kSwitchToUpperFromBin) {
        settings_.upperScale = true;
        form_.showScale(true);
    } else if (upper && bin <= kSwitchToLowerUpToBin) {
        settings_.upperScale = false;
        form_.showScale(false);
    }
    settings_.toneIndex = bin;
    slots_.setSlot(slot::kTone, toneLabel(bin));
    indicators_.showTone(bin);
}

}  // namespace qs::rx
