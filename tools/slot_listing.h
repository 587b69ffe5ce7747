#pragma once
// Listings of a settings record's non-empty slots for `qstn settings show`:
// aligned text lines for reading, or JSON for programs.

#include <ostream>
#include <string>

#include "common/text.h"
#include "settings/settings_record.h"

namespace qs::tools {

// One line per non-empty slot 1..80: number, meaning, value. Control
// characters in the value are written as \r, \n, \t or \u00XX and a
// backslash as \\, so that every slot stays on one line.
void listSlots(const settings::SettingsRecord& record, std::ostream& out);

// A JSON array of {"slot": N, "meaning": "...", "value": "..."} objects, one
// per non-empty slot, in UTF-8. An unpaired surrogate in a value (possible
// only in a damaged file) becomes U+FFFD.
void listSlotsJson(const settings::SettingsRecord& record, std::ostream& out);

// `text` as a JSON string literal, quotes included.
std::string jsonString(TextView text);

}  // namespace qs::tools
