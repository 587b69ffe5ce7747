#include "settings/settings_record.h"

#include <utility>

#include "settings/slot_catalog.h"

namespace qs::settings {

namespace {

// The two writes that must always offer a save, even before the first
// document is applied.
bool alwaysMarksModified(int slot, TextView value) {
    return slot == slot::kTxSpeedPosition || (slot == slot::kTone && value == u"ToneNotAUTO");
}

}  // namespace

bool SettingsRecord::GetSlot(Text& out, int index) const {
    if (!isSlotIndex(index)) return false;
    out = slots_[index];
    return true;
}

bool SettingsRecord::SetSlot(TextView value, int index) {
    if (!isSlotIndex(index)) return false;
    slots_[index] = Text(value);
    SetModifiedFlag(true);
    return true;
}

void SettingsRecord::setSlot(int slot, TextView value) {
    if (!SetSlot(value, slot)) return;
    if (!settingsApplied_ && !alwaysMarksModified(slot, value)) SetModifiedFlag(false);
}

bool SettingsRecord::OnNewDocument() {
    pathName_.clear();
    modified_ = false;
    for (auto& text : slots_) text.clear();
    return true;
}

StoredSlots SettingsRecord::storedSlots() const {
    StoredSlots stored;
    for (int i = 0; i < kStoredSlotCount; ++i) stored[i] = slots_[kFirstStoredSlot + i];
    return stored;
}

void SettingsRecord::replaceStoredSlots(StoredSlots slots) {
    for (int i = 0; i < kStoredSlotCount; ++i) {
        slots_[kFirstStoredSlot + i] = std::move(slots[i]);
    }
}

}  // namespace qs::settings
