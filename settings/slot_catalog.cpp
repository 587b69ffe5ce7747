#include "settings/slot_catalog.h"

#include "settings/settings_record.h"

namespace qs::settings {

namespace {

// "macro button 7", or "the Auto CQ button" for the twelfth.
std::string macroButtonName(int offset) {
    if (offset == slot::kMacroCount - 1) return "the Auto CQ button";
    return "macro button " + std::to_string(offset + 1);
}

const char* singleSlotMeaning(int index) {
    switch (index) {
        case slot::kKeyingPort:
            return "Keying port";
        case slot::kKeyingLine:
            return "Keying line of a COM port";
        case slot::kSoundDevice:
            return "Sound capture device";
        case slot::kNoiseReduction:
            return "Noise reduction";
        case slot::kQrmFilter:
            return "QRM filter";
        case slot::kTone:
            return "Receive tone";
        case slot::kAutoThreshold:
            return "Automatic threshold";
        case slot::kInputVolume:
            return "Input volume position";
        case slot::kMyCall:
            return "My Call";
        case slot::kMyName:
            return "My Name";
        case slot::kMyQth:
            return "My QTH";
        case slot::kOtherData:
            return "Other data";
        case slot::kOptionString:
            return "Option string";
        case slot::kThresholdDb:
            return "Detection threshold";
        case slot::kAudioChannel:
            return "Audio input channel";
        case slot::kTxSpeedPosition:
            return "Transmit speed position";
        case slot::kDecoder:
            return "Receive decoder";
        default:
            return nullptr;
    }
}

}  // namespace

std::string slotMeaning(int index) {
    if (!SettingsRecord::isSlotIndex(index)) return "Not a slot";
    if (index == 0) return "Unused";
    if (index > slot::kLastInUse) return "Reserved";
    if (index < slot::kFirstMacroCaption) {
        return "Macro text of " + macroButtonName(index - slot::kFirstMacroText);
    }
    if (index < slot::kFirstMacroColourIndex) {
        return "Caption of " + macroButtonName(index - slot::kFirstMacroCaption);
    }
    if (index < slot::kKeyingPort) {
        return "Text colour index of " + macroButtonName(index - slot::kFirstMacroColourIndex);
    }
    return singleSlotMeaning(index);
}

}  // namespace qs::settings
