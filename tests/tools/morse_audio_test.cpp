// The tests' own Morse generator is the independent reference the decoder is
// measured against; its timing must be the textbook one.

#include "tests/support/morse_audio.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qs::test
