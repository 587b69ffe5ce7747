#pragma once
// Where the decoder takes its audio from: blocks of 1024 samples at 11025 per
// second, 16-bit values as doubles, as the capture delivers them.

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "rx/sample_block.h"
#include "tools/resampler.h"
#include "tools/wav_reader.h"

namespace qs::tools {

enum class Channel { Left, Right };

class SampleSource {
public:
    virtual ~SampleSource() = default;
    // Fills `block` with the next 1024 samples; false when fewer remain (a
    // trailing partial block is dropped).
    virtual bool nextBlock(rx::SampleBlock& block) = 0;
};

// Samples already in memory, at 11025 per second.
class MemorySampleSource : public SampleSource {
public:
    explicit MemorySampleSource(std::vector<double> samples) : samples_(std::move(samples)) {}
    bool nextBlock(rx::SampleBlock& block) override;

private:
    std::vector<double> samples_;
    std::size_t position_ = 0;
};

// One channel of a WAV file, resampled to 11025 per second when needed.
class WavSampleSource : public SampleSource {
public:
    // The error is one line without the file name. A mono file has only
    // its left channel.
    WavStatus open(const std::string& path, Channel channel);

    const WavFormat& format() const { return reader_.format(); }
    bool nextBlock(rx::SampleBlock& block) override;

private:
    bool refill();

    std::ifstream file_;
    WavReader reader_;
    int channelIndex_ = 0;
    std::unique_ptr<Resampler> resampler_;
    bool inputEnded_ = false;
    std::vector<std::int16_t> frames_;
    std::vector<double> channelSamples_;
    std::vector<double> pending_;  // resampled, not yet handed out
    std::size_t pendingStart_ = 0;
};

}  // namespace qs::tools
