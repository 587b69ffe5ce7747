#pragma once
// Builds WAV files chunk by chunk, well-formed or not, for reader tests.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace qs::test {

inline std::string le16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string le32(std::uint32_t value) {
    return le16(value & 0xFFFF) + le16(value >> 16);
}

// A chunk with its true size, padded to an even length.
inline std::string chunk(const std::string& id, const std::string& body) {
    std::string out = id + le32(static_cast<std::uint32_t>(body.size())) + body;
    if (body.size() % 2 != 0) out.push_back('\0');
    return out;
}

// A chunk header that declares `declaredBytes` whatever follows it.
inline std::string chunkHeader(const std::string& id, std::uint32_t declaredBytes) {
    return id + le32(declaredBytes);
}

inline std::string fmtBody(int formatTag, int channels, std::uint32_t rateHz, int bits,
                           int blockAlign) {
    return le16(formatTag) + le16(channels) + le32(rateHz) + le32(rateHz * blockAlign) +
           le16(blockAlign) + le16(bits);
}

inline std::string pcmFmt(int channels, std::uint32_t rateHz) {
    return chunk("fmt ", fmtBody(1, channels, rateHz, 16, 2 * channels));
}

// WAVE_FORMAT_EXTENSIBLE with the given sub-format code (1 PCM, 3 float).
inline std::string extensibleFmt(int channels, std::uint32_t rateHz, int subFormat) {
    const std::string guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return chunk("fmt ", fmtBody(0xFFFE, channels, rateHz, 16, 2 * channels) + le16(22) + le16(16) +
                             le32(channels == 2 ? 3 : 4) + le16(subFormat) + guidTail);
}

inline std::string samples16(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += le16(static_cast<std::uint32_t>(v) & 0xFFFF);
    return out;
}

// RIFF/WAVE around the chunks, with the RIFF size these bytes give.
inline std::string riffWave(const std::string& chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

}  // namespace qs::test
