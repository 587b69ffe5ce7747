// The adaptive decoder's front end on whole signals: how much of a weak
// signal reaches the letters, how a fast signal is taken up when its tone is
// found only after the decoder has listened to noise, and what becomes of a
// single mark between word spaces.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/adaptive_listener.h"
#include "tests/support/cw_signal.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

constexpr const char* kText = "CQ CQ DE JA1ABC JA1ABC K JR2XYZ DE JA1ABC GM UR RST 599 BK";

std::string decodeAdaptively(const std::vector<double>& samples) {
    test::AdaptiveListener listener;
    listener.listen(samples);
    return listener.shownText();
}

// Runs of blanks as one ("? " is a table text with its own blank).
std::string singleBlanks(const std::string& text) {
    std::string single;
    for (const char c : text) {
        if (c != ' ' || single.empty() || single.back() != ' ') single += c;
    }
    return single;
}

// Letters (blanks aside) of `sent` found in order in `decoded`: the longest
// common subsequence, which garbage cannot inflate.
int lettersInOrder(const std::string& decoded, const std::string& sent) {
    std::vector<int> row(sent.size() + 1, 0);
    for (const char d : decoded) {
        if (d == ' ') continue;
        int diagonal = 0;
        for (std::size_t j = 1; j <= sent.size(); ++j) {
            const int above = row[j];
            row[j] = sent[j - 1] == d && d != ' ' ? diagonal + 1 : std::max(row[j], row[j - 1]);
            diagonal = above;
        }
    }
    return row.back();
}

// Nine decibels below the noise in 2500 Hz, at slow to fast speeds: most
// letters come through, and few letters are made up.
TEST(AdaptiveFrontEnd, NineDecibelsBelowTheNoiseMostLettersComeThrough) {
    const std::string sent = kText;
    const int sentLetters =
        static_cast<int>(std::count_if(sent.begin(), sent.end(), [](char c) { return c != ' '; }));
    int found = 0, printed = 0, total = 0;
    for (const double cpm : {70.0, 110.0, 150.0}) {
        for (const std::uint32_t seed : {11u, 12u}) {
            const std::string decoded =
                decodeAdaptively(test::cwAudio(kText, test::noisyCwSignal(cpm, 640, -9.0, seed)));
            found += lettersInOrder(decoded, sent);
            printed += static_cast<int>(
                std::count_if(decoded.begin(), decoded.end(), [](char c) { return c != ' '; }));
            total += sentLetters;
            SCOPED_TRACE(decoded);
        }
    }
    EXPECT_GT(found, total * 55 / 100) << found << " of " << total;
    EXPECT_LT(printed - found, total * 4 / 10) << printed << " printed";
}

// A fast sender at a fair level whose tone lies away from where the filter
// starts: the levels heard before the tone was found do not hold the key
// down, so the first word is read as well.
TEST(AdaptiveFrontEnd, LevelsHeardBeforeTheToneWasFoundAreForgotten) {
    struct Case {
        double cpm;
        double toneHz;
        double jitter;
        std::uint32_t seed;
        const char* text;
    };
    const Case cases[] = {
        {163, 702, 0.1, 1030, "G4XYZ QSL VK2DEF JR2XYZ ANT OM W1AW 100W BURO ? HR WX"},
        {104, 604, 0.0, 3012, "G4XYZ W1AW DIPOLE 7K3QRS HPE HW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpm << "/Min, " << c.toneHz << " Hz");
        test::CwSignal signal = test::noisyCwSignal(c.cpm, c.toneHz, 10.0, c.seed);
        signal.timingJitter = c.jitter;
        EXPECT_EQ(singleBlanks(decodeAdaptively(test::cwAudio(c.text, signal))),
                  std::string(c.text) + " ");
    }
}

// Keyed audio over a steady carrier at the tone, `belowDb` under the marks
// (a transmitter's backwave): no noise, yet marks stand only that far above
// what the key-up leaves.
std::vector<double> overBackwave(const char* text, double cpm, double belowDb) {
    test::CwSignal signal;
    signal.charsPerMinute = cpm;
    signal.toneHz = 600.0;
    std::vector<double> samples = test::cwAudio(text, signal);
    const double amplitude = signal.amplitude * std::pow(10.0, -belowDb / 20.0);
    for (std::size_t n = 0; n < samples.size(); ++n) {
        samples[n] += amplitude * std::sin(2.0 * test::kPi * signal.toneHz * n / kSampleRate);
    }
    return samples;
}

// On a signal standing little above its floor a single mark between word
// spaces is most likely a burst of noise and is dropped; on a clear one it
// is a word of its own.
TEST(AdaptiveFrontEnd, ALoneMarkBetweenWordSpacesCountsOnlyOnAClearSignal) {
    const char* text = "JA1ABC E JA1ABC T JA1ABC E JA1ABC";
    for (const double cpm : {60.0, 150.0}) {
        SCOPED_TRACE(testing::Message() << cpm << "/Min");
        EXPECT_EQ(singleBlanks(decodeAdaptively(overBackwave(text, cpm, 15.0))),
                  "JA1ABC JA1ABC JA1ABC JA1ABC ");
        EXPECT_EQ(singleBlanks(decodeAdaptively(overBackwave(text, cpm, 30.0))),
                  std::string(text) + " ");
    }
}

}  // namespace
}  // namespace qs::rx
