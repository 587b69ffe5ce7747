#include "tools/encode_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/command_run.h"
#include "tests/support/temp_file.h"
#include "tools/wav_reader.h"

namespace qs::tools {
namespace {

using test::CommandRun;

CommandRun encode(const std::vector<std::string>& args) { return test::runCommand(encodeCommand, args); }

using test::fileBytes;

TEST(EncodeCommand, BadArgumentsGiveOneClearLineAndUsageWithStatus2) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--speed", "32"}, "--speed: expected an index 0..31"},
        {{"--weights", "6,1,2,3"}, "--weights: expected DOT,DASH,CSPACE,WSPACE"},
        {{"--weights", "1,1,2"}, "--weights: expected"},
        {{"--lead", "30"}, "--lead: expected OFF, 25, 50, 100 or 200"},
        {{"--tone", "171"}, "--tone: expected hertz 172..948"},
        {{"--snr", "3.5"}, "--snr: expected whole decibels -10..60"},
        {{"--timeline=yes"}, "--timeline takes no value"},
        {{"--fast"}, "unknown option --fast"},
        {{"TEXT", "MORE"}, "more than one text given"},
        {{"--speed"}, "--speed needs a value"},
    };
    test::TempFile wav("bad.wav");
    for (const auto& [badArgs, complaint] : cases) {
        std::vector<std::string> args = {"-o", wav.path()};
        args.insert(args.end(), badArgs.begin(), badArgs.end());
        if (badArgs.back() != "--speed") args.push_back("CQ");
        const CommandRun run = encode(args);
        EXPECT_EQ(run.status, 2) << complaint;
        EXPECT_NE(run.err.find("qstn encode: " + complaint), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: qstn encode"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(wav.path()));
    }
    EXPECT_NE(encode({"CQ"}).err.find("no output file given"), std::string::npos);
    EXPECT_NE(encode({"-o", wav.path()}).err.find("no text given"), std::string::npos);
}

TEST(EncodeCommand, TimelineShowsTheEnginesEventsAndOptionsReachIt) {
    test::TempFile wav("e.wav");
    const CommandRun plain = encode({"--timeline", "-o", wav.path(), "e "});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "57 ECHO E\n114 KEY_DOWN\n174 KEY_UP\n294 ECHO  \n");

    // PTT goes on one lead before the first element and off 20 ms after the
    // last key-up.
    EXPECT_EQ(encode({"--lead=100", "--timeline", "--output", wav.path(), "E"}).out,
              "57 ECHO E\n114 PTT_ON\n214 KEY_DOWN\n274 KEY_UP\n294 PTT_OFF\n");

    // 25/Min (240 ms units) with dot 1.2 and dash 3.2: 768 down, 240 up, 288 down.
    EXPECT_EQ(
        encode({"--speed", "0", "--weights", "3,2,4,5", "--timeline", "-o", wav.path(), "N"}).out,
        "57 ECHO N\n114 KEY_DOWN\n882 KEY_UP\n1122 KEY_DOWN\n1410 KEY_UP\n");
}

TEST(EncodeCommand, CharactersTheSendTableLacksAreSkippedAndNamed) {
    test::TempFile wav("skip.wav");
    const CommandRun run = encode({"--timeline", "-o", wav.path(), "E#\xC3\xA9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "qstn encode: not in the send table, skipped: #\xC3\xA9\n");
    EXPECT_EQ(run.out.find("ECHO #"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("KEY_DOWN"), run.out.rfind("KEY_DOWN")) << "only E is keyed";
}

TEST(EncodeCommand, WritesElevenKilohertzMonoWithASecondOfSilenceAfter) {
    test::TempFile wav("out.wav");
    ASSERT_EQ(encode({"-o", wav.path(), "E"}).status, 0);
    std::ifstream file(wav.path(), std::ios::binary);
    WavReader reader;
    ASSERT_TRUE(reader.open(file).ok());
    EXPECT_EQ(reader.format().sampleRateHz, 11025);
    EXPECT_EQ(reader.format().channels, 1);

    // E keyed from 114 to 174 ms, its edge fading until 179 ms; (C - 1) units
    // later, at 294 ms, the engine finds the text sent.
    std::vector<std::int16_t> samples(20000);
    samples.resize(reader.readFrames(samples.data(), samples.size()));
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(std::ceil(1294 * 11.025)));
    const auto sounding = [](std::int16_t s) { return s != 0; };
    const auto first = std::find_if(samples.begin(), samples.end(), sounding) - samples.begin();
    const auto last = samples.rend() - std::find_if(samples.rbegin(), samples.rend(), sounding);
    EXPECT_NEAR(first * 1000.0 / 11025, 114, 0.5);
    EXPECT_NEAR((last - 1) * 1000.0 / 11025, 179, 0.5);
}

TEST(EncodeCommand, SameSeedSameFile) {
    test::TempFile a("a.wav"), b("b.wav"), c("c.wav");
    ASSERT_EQ(encode({"--snr", "6", "--seed", "5", "-o", a.path(), "TEST"}).status, 0);
    ASSERT_EQ(encode({"--snr", "6", "--seed", "5", "-o", b.path(), "test"}).status, 0);
    ASSERT_EQ(encode({"--snr", "6", "--seed", "6", "-o", c.path(), "TEST"}).status, 0);
    EXPECT_EQ(fileBytes(a.path()), fileBytes(b.path()));
    EXPECT_NE(fileBytes(a.path()), fileBytes(c.path()));
}

TEST(EncodeCommand, FailuresLeaveNoFile) {
    const std::string missingDir =
        (std::filesystem::temp_directory_path() / "quillstone_no_such_dir" / "x.wav").string();
    const CommandRun unwritable = encode({"-o", missingDir, "E"});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find(missingDir + ": cannot write the file"), std::string::npos);

    // About 25 minutes of zeros at 25/Min.
    test::TempFile wav("long.wav");
    const CommandRun tooLong = encode({"--speed", "0", "-o", wav.path(), std::string(330, '0')});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find("longer than 20 minutes"), std::string::npos) << tooLong.err;
    EXPECT_FALSE(std::filesystem::exists(wav.path()));
}

}  // namespace
}  // namespace qs::tools
