#pragma once
// The receive-side controls of the operating form, handled on the
// user-interface thread: noise reduction, QRM filter, tone Auto, input gain,
// receive speed (Auto and slider), automatic threshold, RX=TX, and clicks
// into the level and spectrum displays. Each change is written to its
// settings slot at once; the keyboard focus then goes back to the transmit
// box (the form honours the contact fields' focus latch).

#include "rx/display_hit_areas.h"
#include "rx/receive_form.h"
#include "rx/receive_indicators.h"
#include "rx/receive_resets.h"
#include "rx/receive_settings.h"
#include "rx/tx_speed_control.h"
#include "settings/settings_slots.h"

namespace qs::rx {

class ReceiveControls {
public:
    struct Parts {
        ReceiveSettings& settings;
        ReceiveIndicators& indicators;
        ReceiveForm& form;
        SettingsSlots& slots;
        ReceiveResets& resets;
        TxSpeedControl& txSpeed;
    };

    explicit ReceiveControls(Parts parts);

    // Check boxes: the argument is the box's state after the click.
    void onNoiseReduction1Clicked(bool checked);  // 1021
    void onNoiseReduction2Clicked(bool checked);  // 1022
    void onQrmFilterClicked(bool checked);        // 1023
    void onToneAutoClicked(bool checked);         // 1028
    void onRxSpeedAutoClicked(bool checked);      // 1020
    void onAutoThresholdClicked(bool checked);    // 1065

    void onInputGainMoved(int sliderPosition);  // 1019, 1..11
    void onRxSpeedMoved(int speedIndex);        // 1017, 0..31
    void onRxEqualsTxClicked();                 // 1062

    // A left click on the form (client coordinates): picks a threshold in
    // the level display or a tone in the spectrum display. False when the
    // click is outside both, for the form's other click targets.
    bool onLeftClick(int x, int y, const FormScale& scale);

private:
    void setAutoThreshold(bool on);
    void setThresholdFromClick(int thresholdDb);
    void setToneFromClick(int cell);
    void applyManualSpeed(int speedIndex);

    ReceiveSettings& settings_;
    ReceiveIndicators& indicators_;
    ReceiveForm& form_;
    SettingsSlots& slots_;
    ReceiveResets& resets_;
    TxSpeedControl& txSpeed_;
};

}  // namespace qs::rx
