#include "rx/decoder_choice.h"

namespace qs::rx {

namespace {

constexpr char16_t kAdaptiveOn[] = u"AdaptiveON";
constexpr char16_t kAdaptiveOff[] = u"AdaptiveOFF";

}  // namespace

bool DecoderChoice::menuCommand(int commandId) {
    if (commandId != menu::kAdaptiveDecoder) return false;
    const bool adaptive = !settings_.adaptiveDecoder;
    settings_.adaptiveDecoder = adaptive;
    slots_.setSlot(kDecoderSlot, adaptive ? kAdaptiveOn : kAdaptiveOff);
    return true;
}

bool DecoderChoice::menuItemChecked(int commandId) const {
    return commandId == menu::kAdaptiveDecoder && settings_.adaptiveDecoder;
}

void applyDecoderSlot(TextView slotValue, ReceiveSettings& settings) {
    if (slotValue == kAdaptiveOn) settings.adaptiveDecoder = true;
    if (slotValue == kAdaptiveOff) settings.adaptiveDecoder = false;
}

}  // namespace qs::rx
