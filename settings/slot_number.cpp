#include "settings/slot_number.h"

#include <limits>

namespace qs::settings {

std::optional<int> slotNumber(TextView text) {
    const bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (negative || text.front() == u'+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;

    // Accumulated as a negative number, which reaches the int's minimum.
    const int lowest = std::numeric_limits<int>::min();
    int value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        const int digit = c - u'0';
        if (value < (lowest + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative) return value;
    if (value == lowest) return std::nullopt;
    return -value;
}

}  // namespace qs::settings
