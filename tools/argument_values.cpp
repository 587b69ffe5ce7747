#include "tools/argument_values.h"

#include <charconv>

namespace qs::tools {

bool parseIntInRange(std::string_view text, int low, int high, int& value) {
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

std::string badOptionValue(std::string_view option, std::string_view expected,
                           std::string_view value) {
    return "--" + std::string(option) + ": expected " + std::string(expected) + ", got \"" +
           std::string(value) + "\"";
}

}  // namespace qs::tools
