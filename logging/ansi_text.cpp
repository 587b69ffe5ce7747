#include "logging/ansi_text.h"

#include "settings/ansi_code_page.h"

namespace qs::logging {

namespace {

constexpr char kDefaultChar = '?';

// What bytes 0x80 to 0x9F stand for.
const Text& highCharacters() {
    static const Text characters = [] {
        std::string bytes;
        for (int byte = 0x80; byte <= 0x9F; ++byte) bytes.push_back(static_cast<char>(byte));
        return settings::windows1252ToText(bytes);
    }();
    return characters;
}

char windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const size_t high = highCharacters().find(c);
    return high == Text::npos ? kDefaultChar : static_cast<char>(0x80 + high);
}

}  // namespace

std::string Windows1252CodePage::encode(TextView text) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t c : text) bytes.push_back(windows1252Byte(c));
    return bytes;
}

Text Windows1252CodePage::decode(std::string_view bytes) const {
    return settings::windows1252ToText(bytes);
}

}  // namespace qs::logging
