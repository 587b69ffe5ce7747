#pragma once
// The common Open and Save As dialogs for settings files.

#include <windows.h>

#include <filesystem>
#include <optional>

namespace qs::app {

std::optional<std::filesystem::path> chooseSettingsFileToOpen(HWND owner);
// Starts at `suggested`; a name typed without extension gets ".qstn".
std::optional<std::filesystem::path> chooseSettingsFileToSave(
    HWND owner, const std::filesystem::path& suggested);

}  // namespace qs::app
