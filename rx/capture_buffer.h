#pragma once
// The looping capture buffer as the receive path reads it: 2048 frames of
// 16-bit little-endian stereo (left first) at 11025 frames per second, in
// two halves of 1024 frames. The device signals at the last byte of each
// half; the capture thread then reads the half that is not being written.

#include <cstdint>

#include "rx/receive_constants.h"
#include "rx/sample_block.h"

namespace qs::rx {

inline constexpr int kCaptureChannels = 2;
inline constexpr int kCaptureBitsPerSample = 16;
inline constexpr int kCaptureFrameBytes = kCaptureChannels * kCaptureBitsPerSample / 8;
inline constexpr int kCaptureHalfBytes = kBlockSamples * kCaptureFrameBytes;  // 4096
inline constexpr int kCaptureBufferBytes = 2 * kCaptureHalfBytes;             // 8192
// Bytes whose capture signals a completed half.
inline constexpr int kFirstHalfEndByte = kCaptureHalfBytes - 1;    // 4095
inline constexpr int kSecondHalfEndByte = kCaptureBufferBytes - 1;  // 8191

// Offset of the half to read while the device writes at capturePositionBytes.
constexpr int freeHalfOffset(std::uint32_t capturePositionBytes) {
    return capturePositionBytes < kCaptureHalfBytes ? kCaptureHalfBytes : 0;
}

// Copies one channel of a half (kCaptureHalfBytes bytes) into `block` as
// doubles: kLeftChannel the first value of each frame, kRightChannel the
// second. Any other channel copies nothing and `block` keeps its content.
void copyChannel(const std::uint8_t* halfBytes, int channel, SampleBlock& block);

}  // namespace qs::rx
