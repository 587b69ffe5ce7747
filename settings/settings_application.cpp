#include "settings/settings_application.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "rx/decoder_choice.h"
#include "rx/receive_constants.h"
#include "rx/tone_tables.h"
#include "settings/macro_colours.h"
#include "settings/slot_catalog.h"
#include "settings/slot_number.h"
#include "ui/control_ids.h"

namespace qs::settings {

namespace {

constexpr int kNoChannel = 3;
constexpr int kRightChannel = 1;
constexpr int kLeftChannel = 0;
constexpr int kLowestUpperScaleBin = 26;  // tones from here on show the upper scale
constexpr int kDefaultTxSpeedPosition = 15;

// The bin whose tone label is `label`, or none.
std::optional<int> toneBinOfLabel(TextView label) {
    for (int bin = rx::kMinToneBin; bin <= rx::kMaxToneBin; ++bin) {
        if (rx::toneLabel(bin) == label) return bin;
    }
    return std::nullopt;
}

Text soundDeviceMissing(TextView name) {
    return u"Can't find Sound Device [" + Text(name) +
           u"].\r\n Pls select correct Sound Device before the file open.";
}

}  // namespace

void writeBackSlot(SettingsRecord& record, int slot, TextView value) {
    record.SetSlot(value, slot);
    if (!record.settingsApplied()) record.SetModifiedFlag(false);
}

SettingsApplication::SettingsApplication(const Parts& parts) : parts_(parts) {}

void SettingsApplication::applyDocument() {
    if (!takeDocumentPath()) return;
    applyMacros();
    parts_.keyingPort.applyKeyingSettings(slotText(slot::kKeyingPort), slotText(slot::kKeyingLine));
    if (!applySoundDevice()) return;
    applyNoiseReduction();
    applyQrmFilter();
    applyTone();
    applyAutoThreshold();
    applyInputVolume();
    applyStationData();
    const Text options = slotText(slot::kOptionString);
    if (!options.empty()) parts_.options.applyOptions(options, OptionsSource::Document);
    applyThreshold();
    rx::applyDecoderSlot(slotText(slot::kDecoder), parts_.receive);
    if (!applyAudioChannel()) return;
    applyTxSpeed();
    parts_.form.focusTransmitEdit();
}

Text SettingsApplication::slotText(int slot) const {
    Text text;
    parts_.record.GetSlot(text, slot);
    return text;
}

// A path counts only with a folder separator after its first character.
// Without one (File New) the tag is emptied too, so that the window title
// no longer names the previous document.
bool SettingsApplication::takeDocumentPath() {
    const Text path = parts_.record.GetPathName().u16string();
    parts_.qsoLog.setDocumentPath(path);
    const size_t separator = path.find_last_of(u"\\/");
    if (separator == Text::npos || separator < 1) {
        documentTag_.clear();
        return false;
    }
    documentTag_ = u" (" + path.substr(separator + 1) + u")";
    return true;
}

// Texts are taken even when empty; captions and colours only when given.
void SettingsApplication::applyMacros() {
    for (int i = 0; i < slot::kMacroCount; ++i) {
        parts_.macros.setMacroText(i + 1, slotText(slot::kFirstMacroText + i));
    }
    for (int i = 0; i < slot::kMacroCount; ++i) {
        const Text caption = slotText(slot::kFirstMacroCaption + i);
        if (!caption.empty()) parts_.macros.showCaption(i + 1, caption);
    }
    for (int i = 0; i < slot::kMacroCount; ++i) {
        const std::optional<int> index = slotNumber(slotText(slot::kFirstMacroColourIndex + i));
        const std::optional<std::uint32_t> colour = index ? macroColour(*index) : std::nullopt;
        if (colour) parts_.macros.setCaptionColour(i + 1, *index, *colour);
    }
}

// False when the named device is missing: the operator is told, and the
// rest of the document, capture start included, is not applied.
bool SettingsApplication::applySoundDevice() {
    if (parts_.soundDevices.soundDeviceChosen()) return true;
    const Text name = slotText(slot::kSoundDevice);
    if (name.empty() || parts_.soundDevices.selectSoundDevice(name)) return true;
    parts_.form.showMessage(soundDeviceMissing(name));
    return false;
}

void SettingsApplication::applyNoiseReduction() {
    const Text value = slotText(slot::kNoiseReduction);
    if (value.empty()) return;
    const bool nr1 = value == u"NoiseON1";
    const bool nr2 = value == u"NoiseON2";
    parts_.receiveForm.setChecked(control::kNoiseReduction1, nr1);
    parts_.receive.nr1On = nr1;
    parts_.receiveForm.setChecked(control::kNoiseReduction2, nr2);
    parts_.receive.nr2On = nr2;
}

void SettingsApplication::applyQrmFilter() {
    const Text value = slotText(slot::kQrmFilter);
    if (value.empty()) return;
    const bool on = value == u"QRMON";
    parts_.receiveForm.setChecked(control::kQrmFilter, on);
    parts_.receive.qrmOn = on;
}

// "ToneAUTO", a tone label, or anything else for a fixed 603 Hz.
void SettingsApplication::applyTone() {
    const Text value = slotText(slot::kTone);
    if (value.empty()) return;
    rx::ReceiveSettings& receive = parts_.receive;
    const bool automatic = value == u"ToneAUTO";
    const std::optional<int> bin = automatic ? std::nullopt : toneBinOfLabel(value);
    receive.toneIndex = bin.value_or(rx::kDefaultToneBin);
    receive.toneAuto = automatic;
    parts_.indicators.showTone(receive.toneIndex);
    parts_.receiveForm.setChecked(control::kToneAuto, automatic);

    receive.upperScale = receive.toneIndex >= kLowestUpperScaleBin;
    parts_.receiveForm.showScale(receive.upperScale);
}

// Read even when empty: only "ThreON" leaves the automatic threshold on.
void SettingsApplication::applyAutoThreshold() {
    const bool on = slotText(slot::kAutoThreshold) == u"ThreON";
    parts_.receiveForm.setChecked(control::kAutoThreshold, on);
    parts_.receive.autoThreshold = on;
}

// Empty means gain 1.0 with the trackbar left where it is.
void SettingsApplication::applyInputVolume() {
    const Text value = slotText(slot::kInputVolume);
    if (value.empty()) {
        parts_.receive.inputGain = 1.0;
        return;
    }
    const std::optional<int> position = slotNumber(value);
    if (!position || *position < rx::kMinGainPosition || *position > rx::kMaxGainPosition) return;
    parts_.form.setInputGainPosition(*position);
    parts_.receive.inputGain = rx::inputGainForPosition(*position);
}

void SettingsApplication::applyStationData() {
    const auto take = [this](Text& field, int slot) {
        Text value = slotText(slot);
        if (!value.empty()) field = std::move(value);
    };
    take(station_.myCall, slot::kMyCall);
    take(station_.myName, slot::kMyName);
    take(station_.myQth, slot::kMyQth);
    take(station_.otherData, slot::kOtherData);
}

// Only thresholds within the measured levels are taken; the level display
// draws the threshold line from this value.
void SettingsApplication::applyThreshold() {
    const std::optional<int> thresholdDb = slotNumber(slotText(slot::kThresholdDb));
    if (!thresholdDb || *thresholdDb < rx::kMinLevelDb || *thresholdDb > rx::kMaxLevelDb) return;
    parts_.receive.thresholdDb = *thresholdDb;
    parts_.indicators.showThreshold(*thresholdDb);
}

// The first channel named starts the capture; later ones are written back
// over by the channel in use. False when set-up found no capture device:
// the application stops here.
bool SettingsApplication::applyAudioChannel() {
    const Text value = slotText(slot::kAudioChannel);
    if (value.empty()) return true;
    AudioCapture& capture = parts_.capture;
    if (capture.channel() == kNoChannel && !capture.captureRunning()) {
        if (capture.setUp(value == u"RightTone" ? kRightChannel : kLeftChannel) != 1) return true;
        if (!capture.deviceOpened()) return false;
        capture.start();
        parts_.receiveForm.showScale(parts_.receive.upperScale);
    } else if (capture.channel() == kRightChannel) {
        writeBackSlot(parts_.record, slot::kAudioChannel, u"RightTone");
    } else if (capture.channel() == kLeftChannel) {
        writeBackSlot(parts_.record, slot::kAudioChannel, u"LeftTone");
    }
    return true;
}

// Text that is no number keeps the speed; a number outside the trackbar's
// range gives the middle position.
void SettingsApplication::applyTxSpeed() {
    const std::optional<int> number = slotNumber(slotText(slot::kTxSpeedPosition));
    if (!number) return;
    const bool inRange = *number >= 0 && *number < tx::kTxSpeedSteps;
    const int position = inRange ? *number : kDefaultTxSpeedPosition;
    parts_.txSpeed.setTxSpeedPosition(position);
    parts_.keyer.updateTxSpeed(position);
    parts_.txSpeed.focusTxSpeedControl();
}

}  // namespace qs::settings
