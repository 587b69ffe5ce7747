#include "tests/support/demo_recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "tests/support/source_tree.h"
#include "tools/wav_reader.h"
#include "tools/wav_writer.h"

namespace qs::test {
namespace {

// The committed recording is what the generator makes today: the same
// header and samples within one step of the regenerated ones (the last step
// may round differently with another maths library).
TEST(DemoRecording, AssetIsTheGeneratorsOutput) {
    const std::string path = sourceTreePath(kDemoRecordingPath);
    std::ifstream file(path, std::ios::binary);
    tools::WavReader reader;
    ASSERT_TRUE(reader.open(file).ok()) << path;
    EXPECT_EQ(reader.format().sampleRateHz, kDemoRecordingRateHz);
    EXPECT_LT(std::filesystem::file_size(path), 700u * 1024u);
    const std::vector<double> expected = demoRecordingSamples();
    ASSERT_EQ(reader.format().frames, expected.size());
    std::vector<std::int16_t> samples(expected.size());
    ASSERT_EQ(reader.readFrames(samples.data(), samples.size()), samples.size());
    double worstStep = 0.0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        worstStep = std::max(worstStep, std::abs(samples[n] - expected[n]));
    }
    EXPECT_LE(worstStep, 1.0);
}

// Run explicitly (--gtest_also_run_disabled_tests) to write the asset anew.
TEST(DemoRecording, DISABLED_RegenerateAsset) {
    const std::string path = sourceTreePath(kDemoRecordingPath);
    ASSERT_TRUE(tools::writeWavFile(path, kDemoRecordingRateHz, {demoRecordingSamples()})) << path;
}

}  // namespace
}  // namespace qs::test
