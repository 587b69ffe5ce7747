#include "logging/printable_ascii.h"

namespace qs::logging {

bool isPrintableAscii(char16_t c) {
    return c >= u' ' && c <= u'~';
}

std::optional<std::string> printableAscii(TextView text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t c : text) {
        if (!isPrintableAscii(c)) return std::nullopt;
        bytes.push_back(static_cast<char>(c));
    }
    return bytes;
}

}  // namespace qs::logging
