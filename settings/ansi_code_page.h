#pragma once
// Conversion of 8-bit strings in settings files, which older files may hold
// in the system's ANSI code page. The converter is injectable: the Windows
// program passes one built on the system's code page (MultiByteToWideChar
// with CP_ACP, which may be a multibyte page such as 932); portable code and
// the tests read the bytes as Windows-1252.

#include <functional>
#include <string_view>

#include "common/text.h"

namespace qs::settings {

using AnsiDecoder = std::function<Text(std::string_view bytes)>;

// Windows-1252, with the five unassigned bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) mapped to the control characters of the same value, as Windows does.
Text windows1252ToText(std::string_view bytes);

}  // namespace qs::settings
