#pragma once
// The two fixed Morse tables: received element codes to text, and sendable
// characters to element patterns. Built once, read-only afterwards, so every
// thread reads them without locking.
//
// Element code: a start bit followed by one bit per element, first element
// most significant, dot 0 and dash 1 (E = 2, T = 3, A = 5).
// Element pattern symbols: "1" dot, "3" dash, "4" and "0" one-unit gaps,
// "5" letter gap inside a pattern, "2" end of character, "6" word space.

#include <optional>
#include <string_view>

#include "common/text.h"

namespace qs::rx {

inline constexpr int kReceiveTableSize = 2992;  // element codes 0..2991

// The text of an element code; none for codes outside 2..2991 and for codes
// that name no character. Texts may be several characters and may end in a
// blank ("? ", ". ").
std::optional<TextView> lookupReceived(int elementCode);

// The element pattern of a one-character string, matched exactly and
// case-sensitively against the 56 send rows in their order; none otherwise.
std::optional<std::string_view> patternFor(TextView character);

}  // namespace qs::rx
