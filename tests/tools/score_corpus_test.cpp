// The corpus behind `qstn score` and the character error rate it prints.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "tests/support/cw_corpus.h"
#include "tests/support/cw_signal.h"
#include "tools/char_error_rate.h"
#include "tools/score_command.h"

namespace qs::tools {
namespace {

TEST(CharErrorRate, EditDistanceOverTheSentTextWithBlanksMadeSingle) {
    struct Case {
        const char* decoded;
        const char* sent;
        int edits;
    };
    const Case cases[] = {
        {"CQ DE JA1ABC", "CQ DE JA1ABC", 0}, {"  CQ   DE JA1ABC \n", "CQ DE JA1ABC", 0},
        {"CQ DE JA1ABD", "CQ DE JA1ABC", 1}, {"ECQ DE JA1ABC", "CQ DE JA1ABC", 1},
        {"CQDE JA1ABC", "CQ DE JA1ABC", 1},  {"", "CQ DE JA1ABC", 12},
        {"TTTTTTTTTTTTTTTTTTTT", "CQ", 20},
    };
    for (const Case& c : cases) {
        const CharErrors errors = charErrors(c.decoded, c.sent);
        EXPECT_EQ(errors.edits, c.edits) << c.decoded;
        EXPECT_EQ(errors.referenceLength, static_cast<int>(normalisedText(c.sent).size()));
    }
    EXPECT_DOUBLE_EQ(charErrors("", "").rate(), 0.0);
}

TEST(ScoreCorpus, TheSameSeedGivesTheSameRecordings) {
    const auto first = test::buildCorpus(4, 1);
    const auto again = test::buildCorpus(4, 1);
    const auto other = test::buildCorpus(5, 1);
    ASSERT_EQ(first.size(), again.size());
    for (std::size_t k = 0; k < first.size(); ++k) {
        EXPECT_EQ(first[k].text, again[k].text);
        EXPECT_EQ(first[k].left, again[k].left);
    }
    EXPECT_NE(first[3].left, other[3].left);
}

TEST(ScoreCorpus, CoversEveryCondition) {
    std::set<std::string> conditions;
    for (const test::CorpusRecording& recording : test::buildCorpus(1, 1)) {
        conditions.insert(recording.condition);
        EXPECT_GE(recording.charsPerMinute == 0.0 ? 40.0 : recording.charsPerMinute, 40.0);
        EXPECT_LE(recording.charsPerMinute, 180.0);
        if (recording.text.empty()) continue;
        EXPECT_GE(recording.toneHz, 400.0);
        EXPECT_LE(recording.toneHz, 850.0);
        const double lengthS = recording.signalChannel().size() / 11025.0;
        EXPECT_GT(lengthS, 12.0) << recording.condition;
        EXPECT_LT(lengthS, 30.0) << recording.condition;
    }
    for (const char* wanted :
         {"clean 40/Min", "clean 180/Min", "snr 0 dB",     "snr -6 dB",     "jitter 30%",
          "weight 40%",   "weight 60%",    "dash 2.5",     "dash 4",        "rise 1 ms",
          "rise 10 ms",   "fading 10 dB",  "fading 20 dB", "station 80 Hz", "station 300 Hz, -6 dB",
          "clicks",       "stereo",        "speed change", "drift 30 Hz",   "snr -9 dB",
          "snr -12 dB",   "noise alone"}) {
        EXPECT_EQ(conditions.count(wanted), 1u) << wanted;
    }
}

TEST(CwSignal, NoiseLevelFollowsTheSignalToNoiseRatioIn2500Hz) {
    // 0 dB: the noise power in 2500 Hz equals the sine's power A^2 / 2.
    const double deviation = test::noiseDeviationFor(8000.0, 0.0);
    EXPECT_NEAR(deviation * deviation * 2500.0 / 5512.5, 8000.0 * 8000.0 / 2.0, 1.0);
    EXPECT_NEAR(test::noiseDeviationFor(8000.0, -6.0) / deviation, std::pow(10.0, 0.3), 1e-9);
}

TEST(ScoreCommand, RejectsBadArguments) {
    std::ostringstream out, err;
    EXPECT_EQ(scoreCommand({"--per-condition", "0"}, out, err), 2);
    EXPECT_EQ(scoreCommand({"--seed"}, out, err), 2);
    EXPECT_EQ(scoreCommand({"--fast"}, out, err), 2);
    EXPECT_EQ(scoreCommand({"--condition"}, out, err), 2);
    EXPECT_EQ(scoreCommand({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("usage: qstn score"), std::string::npos);
}

// One condition only: its row and the overall one, nothing else.
TEST(ScoreCommand, DecodesOnlyTheConditionAskedFor) {
    std::ostringstream out, err;
    ASSERT_EQ(scoreCommand({"--per-condition", "1", "--condition", "clean 40/Min"}, out, err), 0);
    EXPECT_NE(out.str().find("clean 40/Min"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("snr 0 dB"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("overall"), std::string::npos);
}

// The built-in decoder skipped: its column reads 0, the adaptive row stays.
TEST(ScoreCommand, AdaptiveOnlySkipsTheBuiltinDecoder) {
    std::ostringstream out, err;
    ASSERT_EQ(scoreCommand({"--per-condition", "1", "--condition", "clean 40/Min", "--adaptive-only"},
                           out, err),
              0);
    EXPECT_NE(out.str().find("clean 40/Min                  0.0 %"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("CPU per audio minute        0.000 s"), std::string::npos);
}

}  // namespace
}  // namespace qs::tools
