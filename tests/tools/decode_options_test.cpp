#include "tools/decode_options.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <sstream>

namespace qs::tools {
namespace {

DecodeArguments parse(const std::string& line) {
    std::istringstream in(line);
    return parseDecodeArguments(
        {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()});
}

// The receive settings the options give (an ill-chosen gain first, so that
// it must be overwritten).
std::unique_ptr<rx::ReceiveSettings> applied(const std::string& line) {
    const DecodeArguments parsed = parse(line);
    EXPECT_EQ(parsed.error, "");
    auto settings = std::make_unique<rx::ReceiveSettings>();
    settings->inputGain = 5.0;
    applyDecodeOptions(parsed.options, *settings);
    return settings;
}

TEST(DecodeOptions, DefaultsAreTheTerminalsStateAtStartAndEveryOptionApplies) {
    const auto builtIn = applied("qso.wav");
    EXPECT_EQ(builtIn->inputGain, 1.0);
    EXPECT_TRUE(builtIn->nr2On && !builtIn->nr1On && builtIn->speedAuto && !builtIn->autoThreshold);
    EXPECT_EQ(builtIn->rxSpeedIndex, 15);
    EXPECT_EQ(builtIn->dotDashLimit, 41);
    EXPECT_EQ(builtIn->thresholdDb, -45);

    const std::string all =
        "--channel right --tone=30 --nr 1 --qrm --threshold -60 --auto-threshold --gain=11 "
        "--speed 0 --display-width 300 --trace t.txt rec.wav";
    const DecodeOptions options = parse(all).options;
    EXPECT_EQ(options.channel, Channel::Right);
    EXPECT_EQ(options.tracePath, "t.txt");
    EXPECT_EQ(options.displayWidthPx, 300);
    EXPECT_EQ(options.wavPath, "rec.wav");
    const auto s = applied(all);
    EXPECT_EQ(s->toneIndex, 30);
    EXPECT_TRUE(!s->toneAuto && s->nr1On && !s->nr2On && s->qrmOn && s->autoThreshold &&
                !s->speedAuto);
    EXPECT_EQ(s->thresholdDb, -60);
    EXPECT_EQ(s->inputGain, 100.0);
    EXPECT_EQ(s->rxSpeedIndex, 0);
    EXPECT_EQ(s->dotDashLimit, 167);  // two dots at 25/Min
    EXPECT_EQ(s->letterGapLimit, 167);

    // Later options win; "--" ends the options.
    EXPECT_FALSE(applied("--speed auto --speed 3 a.wav")->speedAuto);
    EXPECT_TRUE(applied("--speed 3 --speed auto a.wav")->speedAuto);
    EXPECT_TRUE(applied("--tone 40 --tone auto --nr=off a.wav")->toneAuto);
    EXPECT_EQ(parse("-- --odd.wav").options.wavPath, "--odd.wav");

    EXPECT_FALSE(builtIn->adaptiveDecoder);
    EXPECT_TRUE(applied("--decoder adaptive a.wav")->adaptiveDecoder);
    EXPECT_FALSE(applied("--decoder=adaptive --decoder builtin a.wav")->adaptiveDecoder);
}

TEST(DecodeOptions, RefusesBadArgumentsWithOneLine) {
    for (const char* line :
         {"", "a.wav b.wav", "--bogus a.wav", "a.wav --tone", "--tone 45 a.wav", "--tone 28x a.wav",
          "--tone= a.wav", "--channel both a.wav", "--nr 3 a.wav", "--threshold 1 a.wav",
          "--threshold -4.5 a.wav", "--gain 12 a.wav", "--speed 32 a.wav", "--speed -1 a.wav",
          "--speed 99999999999999999999 a.wav", "--display-width 0 a.wav", "--qrm=on a.wav",
          "--decoder ggmorse a.wav", "--decoder a.wav"}) {
        const std::string error = parse(line).error;
        EXPECT_FALSE(error.empty()) << line;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    EXPECT_EQ(parse("--tone 7 a.wav").error, "--tone: expected auto or a bin 8..44, got \"7\"");
    EXPECT_EQ(parse("a.wav --gain").error, "--gain needs a value");
}

}  // namespace
}  // namespace qs::tools
