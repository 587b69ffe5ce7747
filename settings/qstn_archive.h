#pragma once
// The settings file format (.qstn): 82 strings in the string encoding of the
// framework's archives, with nothing before, between or after them: the data
// marker, slots 1 to 80 in order, and the end marker.
//
// Every string is written in the wide form: 0xFF, the wide-string tag 0xFFFE
// (bytes FE FF), the length in UTF-16 code units, then the code units,
// little-endian, without terminator. The length takes one byte below 255;
// 0xFF and 16 bits below 65534; 0xFF, 0xFFFF and 32 bits below 2^32 - 1;
// beyond that 0xFFFFFFFF and 64 bits follow as well. The reader also accepts
// the 8-bit form (no tag, same stepped length), converting its bytes from the
// ANSI code page.

#include <cstdint>
#include <vector>

#include "common/text.h"
#include "settings/ansi_code_page.h"
#include "settings/settings_record.h"

namespace qs::settings {

using Bytes = std::vector<std::uint8_t>;

inline constexpr char16_t kDataMarker[] = u"<<## Quillstone 107data ##>>";
inline constexpr char16_t kEndMarker[] = u"<<## Quillstone 107end ##>>";
inline constexpr int kArchiveStringCount = kStoredSlotCount + 2;

inline constexpr char16_t kNotSettingsFileMessage[] =
    u"Can't read this fail.\nPls try to open another file or choice [new file]";

enum class LoadStatus {
    Loaded,            // slots 1 to 80 replaced
    NotSettingsFile,   // first string is not the data marker: the record is a new document
    Truncated,         // the bytes end inside a string's length: record unchanged
    LengthBeyondFile,  // a string claims more than the rest of the bytes: record unchanged
    TooLarge,          // the file is beyond the size any settings file has: record unchanged
    Unreadable,        // the file could not be opened or read: record unchanged
};

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    Text message;  // for the operator; empty when loaded
};

// The whole file for slots 1 to 80 of `record`; slot 0 is never stored.
Bytes storeSettings(const SettingsRecord& record);

// Reads a whole settings file. Loaded: slots 1 to 80 take the file's values
// (slot 0, the flags and the path name stay). NotSettingsFile: the record
// gets OnNewDocument. Any other status: the record is left exactly as it was.
// No string is allocated larger than the bytes that remain to hold it.
LoadResult loadSettings(const Bytes& bytes, SettingsRecord& record,
                        const AnsiDecoder& decodeAnsi = windows1252ToText);

}  // namespace qs::settings
