#pragma once
// The six caption colours of the macro buttons, as stored by index in
// settings slots 25 to 36.

#include <cstdint>
#include <optional>

namespace qs::settings {

inline constexpr int kMacroColourCount = 6;

// The colour (Windows COLORREF, 0x00BBGGRR) of index 0 black, 1 blue,
// 2 green, 3 cyan, 4 red, 5 magenta; none for any other index.
std::optional<std::uint32_t> macroColour(int colourIndex);

}  // namespace qs::settings
