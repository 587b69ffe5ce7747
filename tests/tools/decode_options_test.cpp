#include "tools/decode_options.h"

#include <gtest/gtest.h>

namespace qs::tools {
namespace {

DecodeArguments parse(std::vector<std::string> args) {
    return parseDecodeArguments(args);
}

DecodeOptions parsedOptions(std::vector<std::string> args) {
    const DecodeArguments parsed = parse(std::move(args));
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

TEST(DecodeOptions, DefaultsAreTheTerminalsStateAtStart) {
    const DecodeOptions options = parsedOptions({"qso.wav"});
    EXPECT_EQ(options.wavPath, "qso.wav");
    EXPECT_EQ(options.tracePath, "");
    EXPECT_EQ(options.displayWidthPx, 176);
    EXPECT_EQ(options.channel, Channel::Left);

    rx::ReceiveSettings applied;
    applied.inputGain = 5.0;  // must be overwritten
    applyDecodeOptions(options, applied);
    const rx::ReceiveSettings builtIn;
    EXPECT_EQ(applied.toneIndex, 28);
    EXPECT_EQ(applied.toneAuto, builtIn.toneAuto);
    EXPECT_EQ(applied.nr1On, false);
    EXPECT_EQ(applied.nr2On, true);
    EXPECT_EQ(applied.qrmOn, false);
    EXPECT_EQ(applied.inputGain, 1.0);
    EXPECT_EQ(applied.thresholdDb, -45);
    EXPECT_EQ(applied.autoThreshold, false);
    EXPECT_EQ(applied.speedAuto, true);
    EXPECT_EQ(applied.dotDashLimit, 41);
    EXPECT_EQ(applied.letterGapLimit, 41);
    EXPECT_EQ(applied.rxSpeedIndex, 15);
}

TEST(DecodeOptions, EveryOptionReachesTheReceiveSettings) {
    const DecodeOptions options =
        parsedOptions({"--channel", "right", "--tone=30", "--nr", "1", "--qrm", "--threshold",
                       "-60", "--auto-threshold", "--gain=11", "--speed", "0", "--display-width",
                       "300", "--trace", "t.txt", "rec.wav"});
    EXPECT_EQ(options.channel, Channel::Right);
    EXPECT_EQ(options.tracePath, "t.txt");
    EXPECT_EQ(options.displayWidthPx, 300);
    EXPECT_EQ(options.wavPath, "rec.wav");

    rx::ReceiveSettings settings;
    applyDecodeOptions(options, settings);
    EXPECT_EQ(settings.toneIndex, 30);
    EXPECT_FALSE(settings.toneAuto);
    EXPECT_TRUE(settings.nr1On);
    EXPECT_FALSE(settings.nr2On);
    EXPECT_TRUE(settings.qrmOn);
    EXPECT_EQ(settings.thresholdDb, -60);
    EXPECT_TRUE(settings.autoThreshold);
    EXPECT_EQ(settings.inputGain, 100.0);
    EXPECT_FALSE(settings.speedAuto);
    EXPECT_EQ(settings.rxSpeedIndex, 0);
    EXPECT_EQ(settings.dotDashLimit, 167);  // two dots at 25/Min
    EXPECT_EQ(settings.letterGapLimit, 167);

    rx::ReceiveSettings other;
    applyDecodeOptions(parsedOptions({"--tone", "auto", "--nr=off", "--speed=auto", "x.wav"}),
                       other);
    EXPECT_TRUE(other.toneAuto);
    EXPECT_EQ(other.toneIndex, 28);
    EXPECT_FALSE(other.nr1On);
    EXPECT_FALSE(other.nr2On);
    EXPECT_TRUE(other.speedAuto);
}

TEST(DecodeOptions, LaterOptionsWin) {
    // A fixed speed after "auto" switches the tracking off, and back.
    const DecodeOptions fixed = parsedOptions({"--speed", "auto", "--speed", "3", "a.wav"});
    EXPECT_FALSE(fixed.speedAuto);
    EXPECT_EQ(fixed.speedIndex, 3);
    EXPECT_TRUE(parsedOptions({"--speed", "3", "--speed", "auto", "a.wav"}).speedAuto);
    EXPECT_EQ(parsedOptions({"--tone", "auto", "--tone", "40", "a.wav"}).toneAuto, false);
}

TEST(DecodeOptions, RefusesBadArgumentsWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"a.wav", "b.wav"},
        {"--bogus", "a.wav"},
        {"-x", "a.wav"},
        {"a.wav", "--tone"},
        {"--tone", "7", "a.wav"},
        {"--tone", "45", "a.wav"},
        {"--tone", "28x", "a.wav"},
        {"--tone=", "a.wav"},
        {"--channel", "both", "a.wav"},
        {"--nr", "3", "a.wav"},
        {"--threshold", "1", "a.wav"},
        {"--threshold", "-91", "a.wav"},
        {"--threshold", "-4.5", "a.wav"},
        {"--gain", "0", "a.wav"},
        {"--gain", "12", "a.wav"},
        {"--speed", "32", "a.wav"},
        {"--speed", "-1", "a.wav"},
        {"--speed", "99999999999999999999", "a.wav"},
        {"--display-width", "0", "a.wav"},
        {"--trace=", "a.wav"},
        {"--qrm=on", "a.wav"},
    };
    for (const auto& args : bad) {
        const DecodeArguments parsed = parse(args);
        std::string joined;
        for (const auto& arg : args) joined += arg + " ";
        EXPECT_FALSE(parsed.error.empty()) << joined;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << joined;
    }
    EXPECT_EQ(parse({"--tone", "7", "a.wav"}).error,
              "--tone: expected auto or a bin 8..44, got \"7\"");
    EXPECT_EQ(parse({"a.wav", "--gain"}).error, "--gain needs a value");
}

TEST(DecodeOptions, HelpAndFileNamesThatLookLikeOptions) {
    EXPECT_TRUE(parse({"--help"}).helpWanted);
    EXPECT_EQ(parse({"-h"}).error, "");
    EXPECT_EQ(parsedOptions({"--", "--odd.wav"}).wavPath, "--odd.wav");
    EXPECT_EQ(parsedOptions({"-"}).wavPath, "-");
    EXPECT_NE(decodeHelp().find("--display-width"), std::string_view::npos);
}

}  // namespace
}  // namespace qs::tools
