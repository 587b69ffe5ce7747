// The receive path against independently generated Morse: after the first
// word, which gives the speed estimate its first twelve marks, the text must
// come out exactly, letter for letter and blank for blank.
//
// Above about 165/Min the key detector measures element gaps so much shorter
// than a unit that the letter-gap limit (two element gaps) lets a word gap
// count for two blanks; there only the letters are compared. At 180/Min the
// estimate of the measured marks and gaps exceeds the 181/Min ceiling and is
// refused, so that speed is decoded with the manual speed setting.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/support/demo_recording.h"
#include "tests/support/morse_audio.h"
#include "tests/support/source_tree.h"
#include "tests/support/temp_file.h"
#include "tools/decode_command.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

// A first word long enough for two estimates, then an ordinary exchange.
constexpr const char* kQsoText = "JA1ABC/QRP DE JR2XYZ GM UR RST 599 HW BK";

std::string decodeToText(std::vector<double> samples, const DecodeOptions& options = {}) {
    MemorySampleSource source(std::move(samples));
    std::ostringstream text;
    decodeSamples(source, options, text, nullptr);
    return text.str();
}

std::string decodeFile(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(decodeCommand(args, out, err), 0) << err.str();
    return out.str();
}

enum class Blanks { Exact, Collapsed };

// The decoded text, without the trailing blanks of the final silence and
// the newline, ends with everything the source text has after its first word.
void expectDecodedAfterFirstWord(const std::string& decoded, const std::string& source,
                                 Blanks blanks = Blanks::Exact) {
    ASSERT_FALSE(decoded.empty());
    EXPECT_EQ(decoded.back(), '\n');
    std::string body = decoded.substr(0, decoded.find_last_not_of(" \n") + 1);
    if (blanks == Blanks::Collapsed) {
        const auto doubleBlank = [](char a, char b) { return a == ' ' && b == ' '; };
        body.erase(std::unique(body.begin(), body.end(), doubleBlank), body.end());
    }
    const std::string tail = source.substr(source.find(' '));
    ASSERT_GE(body.size(), tail.size()) << decoded;
    EXPECT_EQ(body.substr(body.size() - tail.size()), tail) << "decoded: " << decoded;
}

test::MorseSignal cleanSignal(double charsPerMinute) {
    test::MorseSignal signal;
    signal.charsPerMinute = charsPerMinute;
    signal.toneHz = 603.0;
    signal.amplitude = 8000.0;
    return signal;
}

TEST(DecodeAccuracy, CleanQsoTextAtEverySpeed) {
    for (const double cpm : {40.0, 60.0, 100.0, 150.0}) {
        SCOPED_TRACE(cpm);
        expectDecodedAfterFirstWord(decodeToText(test::morseAudio(kQsoText, cleanSignal(cpm))),
                                    kQsoText);
    }
    expectDecodedAfterFirstWord(decodeToText(test::morseAudio(kQsoText, cleanSignal(175.0))),
                                kQsoText, Blanks::Collapsed);

    DecodeOptions manual;
    manual.speedAuto = false;
    manual.speedIndex = 31;  // 180/Min
    expectDecodedAfterFirstWord(decodeToText(test::morseAudio(kQsoText, cleanSignal(180.0)), manual),
                                kQsoText);
}

TEST(DecodeAccuracy, MildNoiseAndUnevenKeying) {
    test::MorseSignal signal = cleanSignal(100.0);
    signal.noiseRms = 800.0;
    signal.timingJitter = 0.05;
    signal.seed = 5;
    expectDecodedAfterFirstWord(decodeToText(test::morseAudio(kQsoText, signal)), kQsoText);
}

// Short texts at the speed the receive path starts with: these check the way
// from the file to the chain (resampling, channel choice), not the tracking.
TEST(DecodeAccuracy, FilesAtOtherRatesAndEitherStereoChannel) {
    const std::string text = "PARIS DE JA1ABC K";
    for (const int rateHz : {8000, 44100, 48000}) {
        SCOPED_TRACE(rateHz);
        test::MorseSignal signal = cleanSignal(100.0);
        signal.sampleRateHz = rateHz;
        test::TempFile file("rate.wav");
        ASSERT_TRUE(writeWavFile(file.path(), rateHz, {test::morseAudio(text, signal)}));
        expectDecodedAfterFirstWord(decodeFile({file.path()}), text);
    }

    const std::string leftText = "CQ CQ DE JR2XYZ K";
    std::vector<double> left = test::morseAudio(leftText, cleanSignal(100.0));
    std::vector<double> right = test::morseAudio(text, cleanSignal(100.0));
    left.resize(std::max(left.size(), right.size()), 0.0);
    right.resize(left.size(), 0.0);
    test::TempFile file("stereo.wav");
    ASSERT_TRUE(writeWavFile(file.path(), 11025, {left, right}));
    expectDecodedAfterFirstWord(decodeFile({file.path()}), leftText);
    expectDecodedAfterFirstWord(decodeFile({"--channel", "right", file.path()}), text);
}

// The demo recording decodes to its transmissions; the pause between them
// gives a few blanks.
TEST(DecodeAccuracy, DemoRecording) {
    const std::string decoded = decodeFile({test::sourceTreePath(test::kDemoRecordingPath)});
    std::string expected;
    for (const std::string& text : test::demoRecordingTexts()) expected += text + " ";
    expected.pop_back();
    expectDecodedAfterFirstWord(decoded, expected, Blanks::Collapsed);
}

}  // namespace
}  // namespace qs::tools
