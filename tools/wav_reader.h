#pragma once
// Reads recordings for the decoder: 16-bit PCM WAV files, mono or stereo, at
// 8000 to 48000 samples per second. Chunks may come in any order; unknown
// ones are skipped. Anything else is refused with one line that says why.
// Sizes in the file are checked against the file's real length, and samples
// are read in portions the caller chooses, so no declared size can make the
// reader allocate or wait for more than the file holds.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace qs::tools {

inline constexpr int kMinWavRateHz = 8000;
inline constexpr int kMaxWavRateHz = 48000;

struct WavStatus {
    std::string error;  // one line without the file name; empty on success
    bool ok() const { return error.empty(); }
};

struct WavFormat {
    int sampleRateHz = 0;
    int channels = 0;          // 1 or 2
    std::uint64_t frames = 0;  // whole frames present in the file
    std::uint64_t declaredDataBytes = 0;
    std::uint64_t presentDataBytes = 0;  // less than declared when the file was cut short
    bool truncated() const { return presentDataBytes < declaredDataBytes; }
};

class WavReader {
public:
    // Parses the chunks of a seekable stream up to its samples. The stream
    // must outlive the reader.
    WavStatus open(std::istream& in);

    const WavFormat& format() const { return format_; }

    // Reads up to `maxFrames` frames (channels() interleaved samples each)
    // into `samples`; returns the frames read, 0 at the end.
    std::size_t readFrames(std::int16_t* samples, std::size_t maxFrames);

private:
    struct ChunkScan;
    bool readAt(std::uint64_t offset, char* bytes, std::size_t count);
    WavStatus scanChunks(ChunkScan& scan);

    std::istream* in_ = nullptr;
    std::uint64_t fileBytes_ = 0;
    WavFormat format_;
    std::uint64_t dataOffset_ = 0;
    std::uint64_t framesRead_ = 0;
    std::vector<char> scratch_;
};

}  // namespace qs::tools
