#include "tools/sample_source.h"

#include <algorithm>

namespace qs::tools {

namespace {

constexpr std::size_t kFramesPerRead = 4096;

}  // namespace

bool MemorySampleSource::nextBlock(rx::SampleBlock& block) {
    if (samples_.size() - position_ < block.size()) return false;
    std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(position_), block.size(),
                block.begin());
    position_ += block.size();
    return true;
}

WavStatus WavSampleSource::open(const std::string& path, Channel channel) {
    file_.open(path, std::ios::binary);
    if (!file_) return {"cannot open the file"};
    if (WavStatus status = reader_.open(file_); !status.ok()) return status;
    if (channel == Channel::Right && reader_.format().channels < 2) {
        return {"the file is mono; it has no right channel"};
    }
    channelIndex_ = channel == Channel::Right ? 1 : 0;
    resampler_ = std::make_unique<Resampler>(reader_.format().sampleRateHz);
    frames_.resize(kFramesPerRead * static_cast<std::size_t>(reader_.format().channels));
    return {};
}

// Reads the next portion of the file into pending_; false once everything
// (including the resampler's tail) has been delivered.
bool WavSampleSource::refill() {
    if (inputEnded_ || !resampler_) return false;
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(pendingStart_));
    pendingStart_ = 0;
    const std::size_t frames = reader_.readFrames(frames_.data(), kFramesPerRead);
    if (frames == 0) {
        inputEnded_ = true;
        resampler_->finish(pending_);
        return true;
    }
    const auto channels = static_cast<std::size_t>(reader_.format().channels);
    channelSamples_.resize(frames);
    for (std::size_t n = 0; n < frames; ++n) {
        channelSamples_[n] = frames_[n * channels + static_cast<std::size_t>(channelIndex_)];
    }
    resampler_->push(channelSamples_.data(), frames, pending_);
    return true;
}

bool WavSampleSource::nextBlock(rx::SampleBlock& block) {
    while (pending_.size() - pendingStart_ < block.size()) {
        if (!refill()) return false;
    }
    std::copy_n(pending_.begin() + static_cast<std::ptrdiff_t>(pendingStart_), block.size(),
                block.begin());
    pendingStart_ += block.size();
    return true;
}

}  // namespace qs::tools
