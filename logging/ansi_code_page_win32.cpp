#include "logging/ansi_code_page_win32.h"

#include <windows.h>

namespace qs::logging {

// Without flags, characters the page lacks become its default character
// and invalid byte sequences become replacement characters.
std::string ThreadAnsiCodePage::encode(TextView text) const {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

Text ThreadAnsiCodePage::decode(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), length, wide.data(), size);
    return Text(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
}

}  // namespace qs::logging
