#pragma once
// The document's settings record: 81 numbered text slots with the document's
// modified flag and path name. Slot 0 exists but is never used or saved;
// slots 1 to 80 go to the settings file, 1 to 53 carry settings and 54 to 80
// are reserved and carried unchanged. The record never interprets its texts;
// an empty slot means "keep the current value".

#include <array>
#include <filesystem>

#include "common/text.h"
#include "settings/settings_slots.h"

namespace qs::settings {

inline constexpr int kSlotCount = 81;
inline constexpr int kFirstStoredSlot = 1;
inline constexpr int kLastStoredSlot = 80;
inline constexpr int kStoredSlotCount = kLastStoredSlot - kFirstStoredSlot + 1;

// Slots 1 to 80 in order, as a settings file holds them.
using StoredSlots = std::array<Text, kStoredSlotCount>;

class SettingsRecord : public SettingsSlots {
public:
    static bool isSlotIndex(int index) { return index >= 0 && index < kSlotCount; }

    // Copies slot `index` into `out`. False, and `out` untouched, when
    // `index` is outside 0 to 80.
    bool GetSlot(Text& out, int index) const;
    // Stores `value` in slot `index` and marks the document modified. False,
    // and nothing changed, when `index` is outside 0 to 80.
    bool SetSlot(TextView value, int index);

    // A control handler's write: SetSlot, then, while no document has been
    // applied since start, the modified flag is cleared again so that early
    // changes do not prompt a save. The transmit speed (slot 52) and the
    // "ToneNotAUTO" tone always leave the document modified. A slot outside
    // 0 to 80 is ignored (see isSlotIndex).
    void setSlot(int slot, TextView value) override;

    // The view reports that it has applied its first document.
    void noteSettingsApplied() { settingsApplied_ = true; }
    bool settingsApplied() const { return settingsApplied_; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    const std::filesystem::path& GetPathName() const { return pathName_; }
    void SetPathName(const std::filesystem::path& path) { pathName_ = path; }

    // The new-document step: clears the path name and the modified flag and
    // empties all 81 slots.
    bool OnNewDocument();

    StoredSlots storedSlots() const;
    // Replaces slots 1 to 80 with a loaded set; slot 0 and the flags stay.
    void replaceStoredSlots(StoredSlots slots);

private:
    std::array<Text, kSlotCount> slots_;
    bool modified_ = false;
    bool settingsApplied_ = false;
    std::filesystem::path pathName_;
};

}  // namespace qs::settings
