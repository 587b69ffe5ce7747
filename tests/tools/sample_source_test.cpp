#include "tools/sample_source.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/temp_file.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<double> ramp(std::size_t count, double start, double step) {
    std::vector<double> values(count);
    for (std::size_t n = 0; n < count; ++n) values[n] = std::fmod(start + step * n, 30000.0);
    return values;
}

std::vector<double> readAllBlocks(SampleSource& source) {
    std::vector<double> samples;
    rx::SampleBlock block;
    while (source.nextBlock(block)) samples.insert(samples.end(), block.begin(), block.end());
    return samples;
}

TEST(WavSampleSource, DeliversTheChosenChannelUnchangedInWholeBlocks) {
    const std::vector<double> left = ramp(2500, 0.0, 3.0);
    const std::vector<double> right = ramp(2500, -20000.0, 7.0);
    test::TempFile file("stereo.wav");
    ASSERT_TRUE(writeWavFile(file.path(), 11025, {left, right}));

    for (const Channel channel : {Channel::Left, Channel::Right}) {
        WavSampleSource source;
        ASSERT_TRUE(source.open(file.path(), channel).ok());
        const std::vector<double> samples = readAllBlocks(source);
        const std::vector<double>& expected = channel == Channel::Left ? left : right;
        ASSERT_EQ(samples.size(), 2048u);  // the last 452 samples make no block
        EXPECT_TRUE(std::equal(samples.begin(), samples.end(), expected.begin()));
    }
}

TEST(WavSampleSource, MonoFileHasNoRightChannel) {
    test::TempFile file("mono.wav");
    ASSERT_TRUE(writeWavFile(file.path(), 11025, {ramp(2048, 0.0, 1.0)}));
    WavSampleSource left;
    EXPECT_TRUE(left.open(file.path(), Channel::Left).ok());
    EXPECT_EQ(readAllBlocks(left).size(), 2048u);
    WavSampleSource right;
    EXPECT_NE(right.open(file.path(), Channel::Right).error.find("mono"), std::string::npos);
}

TEST(WavSampleSource, ResamplesOtherRatesTo11025) {
    // 4 s at 44100 are 44100 samples at 11025: 43 whole blocks. A tone
    // comes out at the same time, frequency and amplitude.
    std::vector<double> tone(4 * 44100);
    for (std::size_t n = 0; n < tone.size(); ++n) {
        tone[n] = 10000.0 * std::sin(2 * kPi * 600.0 * n / 44100);
    }
    test::TempFile file("fast.wav");
    ASSERT_TRUE(writeWavFile(file.path(), 44100, {tone}));
    WavSampleSource source;
    ASSERT_TRUE(source.open(file.path(), Channel::Left).ok());
    const std::vector<double> samples = readAllBlocks(source);
    ASSERT_EQ(samples.size(), 43u * 1024u);
    for (std::size_t m = 1000; m < samples.size(); m += 997) {
        EXPECT_NEAR(samples[m], 10000.0 * std::sin(2 * kPi * 600.0 * m / 11025), 10.0) << m;
    }
}

TEST(WavSampleSource, ReportsMissingAndBrokenFiles) {
    WavSampleSource missing;
    EXPECT_EQ(missing.open("/nonexistent/quillstone.wav", Channel::Left).error,
              "cannot open the file");
    test::TempFile file("text.wav");
    file.write("CQ CQ DE JA1ABC");
    WavSampleSource text;
    EXPECT_EQ(text.open(file.path(), Channel::Left).error, "not a WAV file (no RIFF header)");
    rx::SampleBlock block;
    EXPECT_FALSE(text.nextBlock(block));
}

TEST(MemorySampleSource, DropsTheTrailingPartialBlock) {
    MemorySampleSource source(ramp(3 * 1024 - 1, 1.0, 1.0));
    EXPECT_EQ(readAllBlocks(source).size(), 2048u);
}

}  // namespace
}  // namespace qs::tools
