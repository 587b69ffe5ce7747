#include "ui/operating_screen.h"

#include "logging/call_sign.h"
#include "ui/control_ids.h"

namespace qs::ui {

OperatingScreen::OperatingScreen(const ScreenPlatform& platform, ViewCore& core)
    : platform_(platform),
      core_(core),
      sender_({core.macros(), platform.form, *this, *this, platform.mouse, platform.clock}),
      contacts_({platform.form, platform.receiveWindow, *this, *this, *this, *this}),
      keys_({platform.form, *this, platform.link, platform.loggingProgram, sender_,
             contacts_, *this, *this, core.receiveSettings(), core.receiveText()}),
      editing_({core.macros(), platform.form, platform.macroEditor, core.document(),
                core.receiveSettings(), *this}),
      options_({platform.optionsDialog, core.document(), core.optionEffects(),
                core.settingsApplication(), core.keyer(), core.receiveSettings(), *this, *this,
                platform.settingsForm}) {}

void OperatingScreen::appendToTransmitBox(TextView text) {
    if (!text.empty()) platform_.form.appendAtEnd(control::kTransmitBox, text);
}

void OperatingScreen::clearTx() {
    core_.keyer().clearTx();
}

void OperatingScreen::toggleTxEditHold() {
    core_.onTxEditKey();
}

void OperatingScreen::requestPttRelease() {
    core_.keyer().requestPttRelease();
}

void OperatingScreen::tuneKeyDown() {
    core_.onTuneKeyDown();
}

void OperatingScreen::tuneKeyUp() {
    core_.onKeyReleased();
}

int OperatingScreen::txSpeedPosition() const {
    return core_.keyer().txSpeedIndex();
}

void OperatingScreen::setTxSpeedByStep(int position) {
    platform_.txSpeed.setTxSpeedPosition(position);
    core_.keyer().updateTxSpeed(position);
    core_.tagSpeedMemory().forget();
}

tx::MacroTagSources OperatingScreen::macroTagSources() const {
    const OperatingForm& form = platform_.form;
    const settings::StationData& station = core_.settingsApplication().stationData();
    return {form.controlText(control::kHisCall),  form.controlText(control::kHisName),
            form.controlText(control::kHisQth),   form.controlText(control::kHisRst),
            form.controlText(control::kMyRst),    station.myQth,
            station.otherData,                    station.myCall,
            station.myName,                       form.controlText(control::kGreeting),
            core_.optionEffects().optionString()};
}

void OperatingScreen::enterHold() {
    core_.receiveText().enterHold();
}

void OperatingScreen::leaveHold() {
    core_.receiveText().leaveHold();
}

bool OperatingScreen::fiveNnReset() const {
    return core_.optionEffects().fiveNnReset();
}

void OperatingScreen::pickUpCallSign() {
    const std::optional<Text> call =
        logging::PickUpCallSign(platform_.receiveWindow.receiveText());
    if (call) platform_.form.setControlText(control::kHisCall, *call);
}

void OperatingScreen::clearSampleBlock() {
    core_.receiveChain().clearSampleBlock();
}

void OperatingScreen::requestDecoderMarkReset() {
    core_.receiveChain().decoder().requestMarkReset();
}

}  // namespace qs::ui
