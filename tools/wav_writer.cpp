#include "tools/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace qs::tools {

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

std::int16_t toSample(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

}  // namespace

std::string wavFileBytes(int sampleRateHz, const std::vector<std::vector<double>>& channels) {
    const auto channelCount = static_cast<std::uint32_t>(channels.size());
    const std::size_t frames = channels.empty() ? 0 : channels.front().size();
    const auto blockAlign = 2 * channelCount;
    const auto dataBytes = static_cast<std::uint32_t>(frames * blockAlign);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, channelCount, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRateHz), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRateHz) * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, 16, 2);
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (std::size_t n = 0; n < frames; ++n) {
        for (const auto& channel : channels) {
            const auto sample = static_cast<std::uint16_t>(toSample(channel.at(n)));
            putLittleEndian(out, sample, 2);
        }
    }
    return out;
}

bool writeWavFile(const std::string& path, int sampleRateHz,
                  const std::vector<std::vector<double>>& channels) {
    const std::string bytes = wavFileBytes(sampleRateHz, channels);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace qs::tools
