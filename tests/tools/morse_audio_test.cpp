#include "tests/support/morse_audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

namespace qs::test {
namespace {

TEST(MorseAudio, KeysTheFiftyUnitWord) {
    // PARIS plus its word space is 50 units; at 100/Min a unit is 60 ms.
    MorseAudioSpec spec;
    spec.leadingSilenceMs = 250.0;
    const std::vector<KeyedInterval> marks = morseTiming("PARIS  paris", spec);
    ASSERT_EQ(marks.size(), 28u);
    EXPECT_DOUBLE_EQ(marks[0].startS, 0.25);
    EXPECT_NEAR(marks[0].endS - marks[0].startS, 0.060, 1e-12);    // P: dot
    EXPECT_NEAR(marks[1].endS - marks[1].startS, 0.180, 1e-12);    // dash
    EXPECT_NEAR(marks[1].startS - marks[0].endS, 0.060, 1e-12);    // element gap
    EXPECT_NEAR(marks[4].startS - marks[3].endS, 0.180, 1e-12);    // P to A: letter gap
    EXPECT_NEAR(marks[14].startS - marks[13].endS, 0.420, 1e-12);  // word gap
    EXPECT_NEAR(marks[14].startS - marks[0].startS, 3.0, 1e-12);
}

TEST(MorseAudio, AlphabetHasDistinctPatternsAndRefusesOthers) {
    const std::string characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/?.,=+-";
    std::set<std::string_view> patterns;
    for (char c : characters) {
        ASSERT_FALSE(morsePattern(c).empty()) << c;
        patterns.insert(morsePattern(c));
    }
    EXPECT_EQ(patterns.size(), characters.size());
    EXPECT_EQ(morsePattern('q'), "--.-");
    EXPECT_TRUE(morsePattern('#').empty());
    EXPECT_THROW(morseAudio("CQ#", MorseAudioSpec{}), std::invalid_argument);
}

TEST(MorseAudio, ShapesTheToneAroundTheKeyInstants) {
    MorseAudioSpec spec;
    spec.amplitude = 10000.0;
    spec.toneHz = 11025.0 / 4.0;  // samples run 0, +A, 0, -A
    spec.leadingSilenceMs = 100.0;
    spec.trailingSilenceMs = 100.0;
    const std::vector<double> audio = morseAudio("E", spec);  // one 60 ms dot
    ASSERT_EQ(audio.size(), static_cast<std::size_t>(std::ceil(0.26 * 11025)));
    const auto peakAround = [&](double seconds) {
        const auto n = static_cast<std::size_t>(seconds * 11025);
        return std::max({std::abs(audio[n - 1]), std::abs(audio[n]), std::abs(audio[n + 1]),
                         std::abs(audio[n + 2])});
    };
    EXPECT_EQ(peakAround(0.0970), 0.0);               // before the 5 ms rise
    EXPECT_NEAR(peakAround(0.1000), 5000.0, 1500.0);  // half way up at the key instant
    EXPECT_NEAR(peakAround(0.1300), 10000.0, 1e-6);   // full tone
    EXPECT_NEAR(peakAround(0.1600), 5000.0, 1500.0);  // half way down
    EXPECT_EQ(peakAround(0.1630), 0.0);
}

TEST(MorseAudio, NoiseAndJitterAreSeededAndOfTheRequestedSize) {
    MorseAudioSpec spec;
    spec.amplitude = 0.0;
    spec.noiseRms = 1000.0;
    spec.timingJitter = 0.1;
    spec.seed = 42;
    const std::vector<double> noise = morseAudio("TEST", spec);
    double power = 0.0;
    for (double s : noise) power += s * s;
    EXPECT_NEAR(std::sqrt(power / noise.size()), 1000.0, 30.0);
    EXPECT_EQ(morseAudio("TEST", spec), noise);

    const std::vector<KeyedInterval> jittered = morseTiming("TEST", spec);
    spec.seed = 43;
    const std::vector<KeyedInterval> otherSeed = morseTiming("TEST", spec);
    spec.timingJitter = 0.0;
    const std::vector<KeyedInterval> exact = morseTiming("TEST", spec);
    EXPECT_NE(jittered.back().endS, exact.back().endS);
    EXPECT_NE(jittered.back().endS, otherSeed.back().endS);
    EXPECT_NEAR(jittered.back().endS, exact.back().endS, 0.2 * exact.back().endS);
}

}  // namespace
}  // namespace qs::test
