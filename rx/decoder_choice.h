#pragma once
// The operator's choice of decoder: the built-in one, or the adaptive one
// that finds threshold and speed itself. A check item in the Sound menu
// switches it and stores "AdaptiveON" or "AdaptiveOFF" in its settings slot;
// applying a document takes the slot back (empty: no change). Runs on the
// user-interface thread; the capture thread reads the choice at each block.

#include "common/text.h"
#include "rx/receive_settings.h"
#include "settings/settings_slots.h"

namespace qs::rx {

namespace menu {
inline constexpr int kAdaptiveDecoder = 32774;  // Sound menu, check item
}  // namespace menu

inline constexpr int kDecoderSlot = 53;

// A document's value of the slot: "AdaptiveON" or "AdaptiveOFF"; anything
// else (an older file leaves it empty) keeps the current choice.
void applyDecoderSlot(TextView slotValue, ReceiveSettings& settings);

class DecoderChoice {
  public:
    DecoderChoice(ReceiveSettings& settings, SettingsSlots& slots)
        : settings_(settings), slots_(slots) {}

    // The menu item; false when the id is not its own.
    bool menuCommand(int commandId);
    bool menuItemChecked(int commandId) const;

    bool adaptive() const { return settings_.adaptiveDecoder; }

  private:
    ReceiveSettings& settings_;
    SettingsSlots& slots_;
};

}  // namespace qs::rx
