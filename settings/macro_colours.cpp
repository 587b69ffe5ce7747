#include "settings/macro_colours.h"

namespace qs::settings {

namespace {
constexpr std::uint32_t kMacroColours[kMacroColourCount] = {
    0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF,
};
}  // namespace

std::optional<std::uint32_t> macroColour(int colourIndex) {
    if (colourIndex < 0 || colourIndex >= kMacroColourCount) return std::nullopt;
    return kMacroColours[colourIndex];
}

}  // namespace qs::settings
