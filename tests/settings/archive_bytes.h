#pragma once
// Settings-file bytes built by hand from the archive string encoding, so that
// the tests do not check the writer against itself.

#include <cstdint>
#include <string>
#include <vector>

#include "common/text.h"

namespace qs::settings::test {

using ByteList = std::vector<std::uint8_t>;

inline void appendLittleEndian(ByteList& out, std::uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The wide form with the shortest length the writer uses (below 65534).
inline void appendWide(ByteList& out, TextView text) {
    out.insert(out.end(), {0xFF, 0xFE, 0xFF});
    if (text.size() < 255) {
        appendLittleEndian(out, text.size(), 1);
    } else {
        out.push_back(0xFF);
        appendLittleEndian(out, text.size(), 2);
    }
    for (char16_t unit : text) appendLittleEndian(out, unit, 2);
}

// The 8-bit form with a one-byte length (below 255).
inline void appendNarrow(ByteList& out, const std::string& bytes) {
    out.push_back(static_cast<std::uint8_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

inline const Text kDataMarkerText = u"<<## Quillstone 107data ##>>";
inline const Text kEndMarkerText = u"<<## Quillstone 107end ##>>";

}  // namespace qs::settings::test
