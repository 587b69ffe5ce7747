#pragma once
// The printable conversion both logging programs rely on: U+0020 to U+007E
// become one ASCII byte each; any other character makes the text unsendable.

#include <optional>
#include <string>

#include "common/text.h"

namespace qs::logging {

bool isPrintableAscii(char16_t c);

// The bytes of `text`, or nothing when a character is not printable ASCII.
std::optional<std::string> printableAscii(TextView text);

}  // namespace qs::logging
