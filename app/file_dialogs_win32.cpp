#include "app/file_dialogs_win32.h"

#include <commdlg.h>

#include <string>

namespace qs::app {

namespace {

// Double-null-terminated pairs of description and pattern.
constexpr wchar_t kOpenFilter[] = L"Quillstone Files (*.qstn)\0*.qstn\0All Files (*.*)\0*.*\0";
constexpr wchar_t kSaveFilter[] = L"Quillstone Files (*.qstn)\0*.qstn\0";
constexpr wchar_t kExtension[] = L"qstn";
constexpr size_t kPathCapacity = 32768;

OPENFILENAMEW dialogFor(HWND owner, const wchar_t* filter, std::wstring& file) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = kExtension;
    return dialog;
}

std::filesystem::path chosenPath(const std::wstring& file) {
    return std::filesystem::path(file.c_str());
}

}  // namespace

std::optional<std::filesystem::path> chooseSettingsFileToOpen(HWND owner) {
    std::wstring file(kPathCapacity, L'\0');
    OPENFILENAMEW dialog = dialogFor(owner, kOpenFilter, file);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return chosenPath(file);
}

std::optional<std::filesystem::path> chooseSettingsFileToSave(
    HWND owner, const std::filesystem::path& suggested) {
    std::wstring file(kPathCapacity, L'\0');
    file.replace(0, suggested.native().size(), suggested.native());
    OPENFILENAMEW dialog = dialogFor(owner, kSaveFilter, file);
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return chosenPath(file);
}

}  // namespace qs::app
