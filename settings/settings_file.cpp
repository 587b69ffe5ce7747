#include "settings/settings_file.h"

#include <fstream>
#include <system_error>

namespace qs::settings {

namespace {

// Reads at most kMaxSettingsFileBytes + 1 bytes, so that an oversized file is
// noticed without holding all of it.
LoadStatus readWholeFile(const std::filesystem::path& path, Bytes& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadStatus::Unreadable;
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.insert(bytes.end(), block, block + in.gcount());
        if (bytes.size() > kMaxSettingsFileBytes) return LoadStatus::TooLarge;
    }
    return in.bad() ? LoadStatus::Unreadable : LoadStatus::Loaded;
}

Text fileFailure(const std::filesystem::path& path, const char16_t* what) {
    return u"The settings file " + path.u16string() + what;
}

// A file that was begun but not completed is removed again.
bool writeWholeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out.fail()) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace

bool renameOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    return !error;
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

LoadResult openSettingsFile(const std::filesystem::path& path, SettingsRecord& record,
                            const AnsiDecoder& decodeAnsi) {
    Bytes bytes;
    switch (readWholeFile(path, bytes)) {
        case LoadStatus::Unreadable:
            return {LoadStatus::Unreadable, fileFailure(path, u" cannot be read.")};
        case LoadStatus::TooLarge:
            return {LoadStatus::TooLarge,
                    fileFailure(path, u" is far too large to be a settings file.")};
        default:
            break;
    }
    LoadResult result = loadSettings(bytes, record, decodeAnsi);
    if (result.status == LoadStatus::Loaded || result.status == LoadStatus::NotSettingsFile) {
        record.SetPathName(path);
        record.SetModifiedFlag(false);
    } else {
        result.message = path.u16string() + u"\n" + result.message;
    }
    return result;
}

SaveResult saveSettingsFile(const std::filesystem::path& path, SettingsRecord& record,
                            const ReplaceFile& replaceFile) {
    const std::filesystem::path temporary = temporaryPathFor(path);
    if (!writeWholeFile(temporary, storeSettings(record))) {
        return {false, fileFailure(path, u" could not be written; the previous file is kept.")};
    }
    if (!replaceFile(temporary, path)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, fileFailure(path, u" could not be replaced; the previous file is kept.")};
    }
    record.SetPathName(path);
    record.SetModifiedFlag(false);
    return {true, {}};
}

}  // namespace qs::settings
