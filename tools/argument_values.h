#pragma once
// Values of command-line options.

#include <string>
#include <string_view>

namespace qs::tools {

// The value of all of `text` as a decimal integer within low..high; false,
// and `value` untouched, for anything else (empty, signs alone, blanks,
// trailing characters, out of range).
bool parseIntInRange(std::string_view text, int low, int high, int& value);

// The one-line complaint about an option's value:
// --speed: expected an index 0..31, got "40".
std::string badOptionValue(std::string_view option, std::string_view expected,
                           std::string_view value);

}  // namespace qs::tools
