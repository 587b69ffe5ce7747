#include "tools/wav_reader.h"

#include <algorithm>
#include <cstring>

namespace qs::tools {

namespace {

constexpr std::size_t kFmtBytesUsed = 40;  // the extensible layout; the rest is skipped
constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xFFFE;

// The KSDATAFORMAT_SUBTYPE GUID after its first two bytes (the format code).
constexpr unsigned char kSubFormatSuffix[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t littleEndian(const char* bytes, int count) {
    std::uint32_t value = 0;
    for (int k = count - 1; k >= 0; --k)
        value = (value << 8) | static_cast<unsigned char>(bytes[k]);
    return value;
}

// A chunk id for messages: four characters, unprintable ones as '?'.
std::string chunkName(const char* id) {
    std::string name(id, 4);
    for (char& c : name) {
        if (c < 0x20 || c > 0x7E) c = '?';
    }
    return "\"" + name + "\"";
}

struct FmtFields {
    int formatTag = 0;
    int channels = 0;
    std::uint32_t sampleRateHz = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
};

WavStatus parseFmt(const char* body, std::uint32_t size, FmtFields& fmt) {
    if (size < 16) return {"the fmt chunk is too short (" + std::to_string(size) + " bytes)"};
    fmt.formatTag = static_cast<int>(littleEndian(body, 2));
    fmt.channels = static_cast<int>(littleEndian(body + 2, 2));
    fmt.sampleRateHz = littleEndian(body + 4, 4);
    fmt.blockAlign = static_cast<int>(littleEndian(body + 12, 2));
    fmt.bitsPerSample = static_cast<int>(littleEndian(body + 14, 2));
    if (fmt.formatTag == kFormatExtensible) {
        if (size < kFmtBytesUsed) return {"the extensible fmt chunk is too short"};
        if (std::memcmp(body + 26, kSubFormatSuffix, sizeof kSubFormatSuffix) != 0) {
            return {"unknown sample format (extensible sub-format); only 16-bit PCM is supported"};
        }
        fmt.formatTag = static_cast<int>(littleEndian(body + 24, 2));
    }
    return {};
}

WavStatus checkFmt(const FmtFields& fmt) {
    if (fmt.formatTag == kFormatFloat) {
        return {"floating-point samples are not supported (16-bit PCM only)"};
    }
    if (fmt.formatTag != kFormatPcm) {
        return {"compressed or unknown sample format (format tag " + std::to_string(fmt.formatTag) +
                "); only 16-bit PCM is supported"};
    }
    if (fmt.channels == 0) return {"the file declares no channels"};
    if (fmt.channels > 2) {
        return {std::to_string(fmt.channels) + " channels; only mono or stereo is supported"};
    }
    if (fmt.bitsPerSample != 16) {
        return {std::to_string(fmt.bitsPerSample) +
                "-bit samples are not supported (16-bit PCM only)"};
    }
    if (fmt.blockAlign != 2 * fmt.channels) {
        return {"block alignment " + std::to_string(fmt.blockAlign) + " does not fit " +
                std::to_string(fmt.channels) + " channel(s) of 16 bits"};
    }
    if (fmt.sampleRateHz < static_cast<std::uint32_t>(kMinWavRateHz) ||
        fmt.sampleRateHz > static_cast<std::uint32_t>(kMaxWavRateHz)) {
        return {"sample rate " + std::to_string(fmt.sampleRateHz) + " Hz is outside " +
                std::to_string(kMinWavRateHz) + ".." + std::to_string(kMaxWavRateHz) + " Hz"};
    }
    return {};
}

}  // namespace

struct WavReader::ChunkScan {
    bool haveFmt = false;
    FmtFields fmt;
    bool haveData = false;
    std::uint64_t dataOffset = 0;
    std::uint64_t declaredDataBytes = 0;
    std::uint64_t presentDataBytes = 0;
};

bool WavReader::readAt(std::uint64_t offset, char* bytes, std::size_t count) {
    in_->clear();
    in_->seekg(static_cast<std::streamoff>(offset));
    in_->read(bytes, static_cast<std::streamsize>(count));
    return in_->gcount() == static_cast<std::streamsize>(count);
}

WavStatus WavReader::open(std::istream& in) {
    in_ = &in;
    format_ = {};
    framesRead_ = 0;
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (!in || end < 0) return {"cannot read the file"};
    fileBytes_ = static_cast<std::uint64_t>(end);

    char header[12] = {};
    const bool complete = readAt(0, header, sizeof header);
    if (std::memcmp(header, "RIFX", 4) == 0)
        return {"big-endian (RIFX) WAV files are not supported"};
    if (std::memcmp(header, "RIFF", 4) != 0) return {"not a WAV file (no RIFF header)"};
    if (!complete) return {"truncated header"};
    if (std::memcmp(header + 8, "WAVE", 4) != 0) return {"not a WAV file (RIFF type is not WAVE)"};

    ChunkScan scan;
    if (WavStatus status = scanChunks(scan); !status.ok()) return status;
    if (WavStatus status = checkFmt(scan.fmt); !status.ok()) return status;

    const auto blockAlign = static_cast<std::uint64_t>(scan.fmt.blockAlign);
    format_.sampleRateHz = static_cast<int>(scan.fmt.sampleRateHz);
    format_.channels = scan.fmt.channels;
    format_.declaredDataBytes = scan.declaredDataBytes;
    format_.presentDataBytes = scan.presentDataBytes;
    format_.frames = scan.presentDataBytes / blockAlign;
    dataOffset_ = scan.dataOffset;
    if (format_.frames == 0) return {"the data chunk holds no samples"};
    return {};
}

// Walks the chunks after the RIFF header until both fmt and data are found.
// A data chunk that runs past the end of the file ends the walk: it is the
// last chunk of a recording that was cut short.
WavStatus WavReader::scanChunks(ChunkScan& scan) {
    std::uint64_t offset = 12;
    while (!(scan.haveFmt && scan.haveData)) {
        char header[8];
        if (offset + 8 > fileBytes_ || !readAt(offset, header, sizeof header)) {
            if (!scan.haveFmt) return {offset == 12 ? "truncated header" : "no fmt chunk"};
            return {"no data chunk"};
        }
        const std::uint32_t size = littleEndian(header + 4, 4);
        const std::uint64_t bodyOffset = offset + 8;
        const std::uint64_t available = fileBytes_ - bodyOffset;
        if (std::memcmp(header, "data", 4) == 0 && !scan.haveData) {
            scan.haveData = true;
            scan.dataOffset = bodyOffset;
            scan.declaredDataBytes = size;
            scan.presentDataBytes = std::min<std::uint64_t>(size, available);
            if (size > available && !scan.haveFmt) return {"no fmt chunk before the samples"};
            if (size > available) break;
        } else if (size > available) {
            return {"chunk " + chunkName(header) + " claims " + std::to_string(size) +
                    " bytes but the file holds only " + std::to_string(available) + " after it"};
        } else if (std::memcmp(header, "fmt ", 4) == 0 && !scan.haveFmt) {
            char body[kFmtBytesUsed] = {};
            const std::size_t used = std::min<std::size_t>(size, kFmtBytesUsed);
            if (!readAt(bodyOffset, body, used)) return {"cannot read the fmt chunk"};
            if (WavStatus status = parseFmt(body, size, scan.fmt); !status.ok()) return status;
            scan.haveFmt = true;
        }
        offset = bodyOffset + size + (size & 1u);  // chunks are word-aligned
    }
    return {};
}

std::size_t WavReader::readFrames(std::int16_t* samples, std::size_t maxFrames) {
    if (in_ == nullptr || framesRead_ >= format_.frames) return 0;
    const auto frames =
        static_cast<std::size_t>(std::min<std::uint64_t>(maxFrames, format_.frames - framesRead_));
    const std::size_t frameBytes = 2 * static_cast<std::size_t>(format_.channels);
    scratch_.resize(frames * frameBytes);
    in_->clear();
    in_->seekg(static_cast<std::streamoff>(dataOffset_ + framesRead_ * frameBytes));
    in_->read(scratch_.data(), static_cast<std::streamsize>(scratch_.size()));
    const auto framesGot = static_cast<std::size_t>(in_->gcount()) / frameBytes;
    const std::size_t values = framesGot * static_cast<std::size_t>(format_.channels);
    for (std::size_t k = 0; k < values; ++k) {
        const auto bits = static_cast<std::int32_t>(littleEndian(&scratch_[2 * k], 2));
        samples[k] = static_cast<std::int16_t>(bits >= 0x8000 ? bits - 0x10000 : bits);
    }
    framesRead_ = framesGot < frames ? format_.frames : framesRead_ + framesGot;
    return framesGot;
}

}  // namespace qs::tools
