#include "tools/sample_source.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/temp_file.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

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
        ASSERT_EQ(samples.size(), 2048u);  // the last 452 samples make no block
        EXPECT_TRUE(std::equal(samples.begin(), samples.end(),
                               (channel == Channel::Left ? left : right).begin()));
    }

    ASSERT_TRUE(writeWavFile(file.path(), 11025, {left}));
    WavSampleSource mono;
    EXPECT_NE(mono.open(file.path(), Channel::Right).error.find("mono"), std::string::npos);
    rx::SampleBlock block;
    EXPECT_FALSE(mono.nextBlock(block));
}

TEST(MemorySampleSource, DropsTheTrailingPartialBlock) {
    MemorySampleSource source(ramp(3 * 1024 - 1, 1.0, 1.0));
    EXPECT_EQ(readAllBlocks(source).size(), 2048u);
}

}  // namespace
}  // namespace qs::tools
