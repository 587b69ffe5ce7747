#include "rx/capture_buffer.h"

#include <gtest/gtest.h>

#include <vector>

#include "rx/capture_control.h"
#include "rx/capture_device_list.h"

namespace qs::rx {
namespace {

TEST(CaptureHalf, TheHalfNotBeingWrittenIsTaken) {
    EXPECT_EQ(freeHalfOffset(0), 4096);
    EXPECT_EQ(freeHalfOffset(4095), 4096);
    EXPECT_EQ(freeHalfOffset(4096), 0);
    EXPECT_EQ(freeHalfOffset(8191), 0);
    EXPECT_EQ(kFirstHalfEndByte, 4095);
    EXPECT_EQ(kSecondHalfEndByte, 8191);
}

// Frames of little-endian 16-bit pairs, left first.
std::vector<std::uint8_t> stereoHalf(int (*left)(int), int (*right)(int)) {
    std::vector<std::uint8_t> bytes;
    for (int frame = 0; frame < kBlockSamples; ++frame) {
        for (const int value : {left(frame), right(frame)}) {
            const auto bits = static_cast<std::uint16_t>(value);
            bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
        }
    }
    return bytes;
}

int leftRamp(int frame) { return frame * 32 - 16384; }
int rightExtremes(int frame) { return frame % 2 == 0 ? -32768 : 32767; }

TEST(CaptureHalf, ChannelCopyKeepsSignedSixteenBitValues) {
    const std::vector<std::uint8_t> half = stereoHalf(leftRamp, rightExtremes);
    ASSERT_EQ(half.size(), static_cast<size_t>(kCaptureHalfBytes));
    SampleBlock block{};

    copyChannel(half.data(), kLeftChannel, block);
    for (int i = 0; i < kBlockSamples; ++i) ASSERT_EQ(block[i], leftRamp(i)) << i;

    copyChannel(half.data(), kRightChannel, block);
    EXPECT_EQ(block[0], -32768.0);
    EXPECT_EQ(block[1], 32767.0);
    EXPECT_EQ(block[1023], 32767.0);
}

TEST(CaptureHalf, WithoutAChosenChannelTheBlockKeepsItsContent) {
    const std::vector<std::uint8_t> half = stereoHalf(leftRamp, rightExtremes);
    SampleBlock block;
    block.fill(7.0);
    copyChannel(half.data(), kNoChannel, block);
    for (const double value : block) ASSERT_EQ(value, 7.0);
}

CaptureDeviceId deviceId(int n) {
    CaptureDeviceId id{};
    id[0] = static_cast<std::uint8_t>(n);
    id[15] = 0xA5;
    return id;
}

TEST(CaptureDeviceList, KeepsTwentyIdentifiersAndAlwaysTheDefaultDevice) {
    CaptureDeviceList list;
    EXPECT_TRUE(list.admit(nullptr).listed);
    std::vector<const CaptureDeviceId*> stored;
    for (int n = 1; n <= 20; ++n) {
        CaptureDeviceId id = deviceId(n);
        const CaptureDeviceList::Admission admission = list.admit(&id);
        ASSERT_TRUE(admission.listed) << n;
        ASSERT_NE(admission.storedId, &id);  // a copy, not the caller's
        stored.push_back(admission.storedId);
        id.fill(0);
    }
    const CaptureDeviceId extra = deviceId(21);
    EXPECT_FALSE(list.admit(&extra).listed);
    EXPECT_EQ(list.admit(nullptr).storedId, nullptr);
    EXPECT_TRUE(list.admit(nullptr).listed);
    EXPECT_EQ(list.count(), 20);
    for (int n = 1; n <= 20; ++n) EXPECT_EQ(*stored[n - 1], deviceId(n)) << n;
}

}  // namespace
}  // namespace qs::rx
