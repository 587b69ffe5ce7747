#include "app/settings_files_win32.h"

#include <windows.h>

#include <string>

namespace qs::app {

namespace {

// CP_ACP may be a multibyte page such as 932, so the whole string is
// converted at once.
Text fromAnsiCodePage(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return settings::windows1252ToText(bytes);
    std::wstring text(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
    return Text(text.begin(), text.end());
}

bool replaceWrittenThrough(const std::filesystem::path& temporary,
                           const std::filesystem::path& target) {
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

DocumentFiles windowsDocumentFiles() {
    return {[](const std::filesystem::path& file, settings::SettingsRecord& record) {
                return settings::openSettingsFile(file, record, fromAnsiCodePage);
            },
            [](const std::filesystem::path& file, settings::SettingsRecord& record) {
                return settings::saveSettingsFile(file, record, replaceWrittenThrough);
            }};
}

}  // namespace qs::app
