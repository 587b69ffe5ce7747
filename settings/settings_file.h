#pragma once
// Opening and saving a settings file by path, as the document's Open, Save
// and Save As commands do.

#include <cstdint>
#include <filesystem>
#include <functional>

#include "settings/qstn_archive.h"

namespace qs::settings {

// No settings file comes near this; a bigger file is refused unread.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 16u * 1024u * 1024u;

// Moves `temporary` over `target`, replacing it in one step. False on failure,
// with both files as they were.
using ReplaceFile = std::function<bool(const std::filesystem::path& temporary,
                                       const std::filesystem::path& target)>;

// std::filesystem::rename, which replaces an existing target both on POSIX
// and with MinGW-w64's runtime on Windows (MoveFileExW with
// MOVEFILE_REPLACE_EXISTING). The Windows program may pass its own, e.g. to
// add MOVEFILE_WRITE_THROUGH.
bool renameOver(const std::filesystem::path& temporary, const std::filesystem::path& target);

struct SaveResult {
    bool saved = false;
    Text message;  // for the operator; empty when saved
};

// Reads the file whole and loads it (see loadSettings). When loaded, or when
// it is not a settings file (the record is then empty), the record takes
// `path` as its path name and is unmodified, as after any open.
LoadResult openSettingsFile(const std::filesystem::path& path, SettingsRecord& record,
                            const AnsiDecoder& decodeAnsi = windows1252ToText);

// Writes the record to a temporary file beside `path` and replaces `path`
// with it, so that a failure at any point leaves the previous file intact.
// When saved, the record takes `path` as its path name and is unmodified.
SaveResult saveSettingsFile(const std::filesystem::path& path, SettingsRecord& record,
                            const ReplaceFile& replaceFile = renameOver);

// The temporary file a save of `target` writes first.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

}  // namespace qs::settings
