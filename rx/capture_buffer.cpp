#include "rx/capture_buffer.h"

#include "rx/capture_control.h"

namespace qs::rx {

namespace {

double littleEndianSample(const std::uint8_t* bytes) {
    const auto bits = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    return static_cast<std::int16_t>(bits);
}

}  // namespace

void copyChannel(const std::uint8_t* halfBytes, int channel, SampleBlock& block) {
    if (channel != kLeftChannel && channel != kRightChannel) return;
    const std::uint8_t* sample = halfBytes + channel * kCaptureBitsPerSample / 8;
    for (double& value : block) {
        value = littleEndianSample(sample);
        sample += kCaptureFrameBytes;
    }
}

}  // namespace qs::rx
