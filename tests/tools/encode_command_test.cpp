#include "tools/encode_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/temp_file.h"
#include "tools/key_line_audio.h"

namespace qs::tools {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun encode(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = encodeCommand(args, out, err);
    return {status, out.str(), err.str()};
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int k = count - 1; k >= 0; --k) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    }
    return value;
}

std::vector<std::int16_t> pcmSamples(const std::string& wav) {
    std::vector<std::int16_t> samples;
    for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(littleEndian(wav, at, 2)));
    }
    return samples;
}

// Key-down durations and the gaps between them: "60 | 180 | 60".
std::string markSpaceTrace(const KeyedText& keyed) {
    std::string trace;
    long long lastMs = -1;
    for (const KeyMark& mark : keyMarks(keyed.events, keyed.durationMs)) {
        if (lastMs >= 0) trace += " | " + std::to_string(mark.downMs - lastMs) + " | ";
        trace += std::to_string(mark.upMs - mark.downMs);
        lastMs = mark.upMs;
    }
    return trace;
}

TEST(EncodeCommand, BadArgumentsGiveOneClearLineAndUsageWithStatus2) {
    struct Case {
        std::vector<std::string> args;
        std::string complaint;
    };
    const Case cases[] = {
        {{"--speed", "32"}, "--speed: expected an index 0..31"},
        {{"--speed=-1"}, "--speed: expected"},
        {{"--weights", "6,1,2,3"}, "--weights: expected DOT,DASH,CSPACE,WSPACE"},
        {{"--weights", "1,9,2,3"}, "--weights: expected"},
        {{"--weights", "1,1,2"}, "--weights: expected"},
        {{"--weights", "1,1,2,3,4"}, "--weights: expected"},
        {{"--weights", "1,,2,3"}, "--weights: expected"},
        {{"--lead", "30"}, "--lead: expected OFF, 25, 50, 100 or 200"},
        {{"--tone", "171"}, "--tone: expected hertz 172..948"},
        {{"--tone", "949"}, "--tone: expected"},
        {{"--snr", "61"}, "--snr: expected whole decibels -10..60"},
        {{"--snr", "3.5"}, "--snr: expected"},
        {{"--seed", "-1"}, "--seed: expected"},
        {{"--timeline=yes"}, "--timeline takes no value"},
        {{"--fast"}, "unknown option --fast"},
        {{"TEXT", "MORE"}, "more than one text given"},
        {{"--speed"}, "--speed needs a value"},
    };
    test::TempFile wav("bad.wav");
    for (const Case& c : cases) {
        std::vector<std::string> args = {"-o", wav.path()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        if (c.args.back() != "--speed") args.push_back("CQ");
        SCOPED_TRACE(c.complaint);
        const CommandRun run = encode(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("qstn encode: " + c.complaint), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: qstn encode"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(wav.path()));
    }
    EXPECT_NE(encode({"CQ"}).err.find("no output file given"), std::string::npos);
    EXPECT_NE(encode({"-o", wav.path()}).err.find("no text given"), std::string::npos);

    const CommandRun help = encode({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, encodeHelp());
}

TEST(EncodeCommand, TimelineShowsTheEnginesEventsInCapitals) {
    test::TempFile wav("e.wav");
    const CommandRun plain = encode({"--timeline", "-o", wav.path(), "e "});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "57 ECHO E\n114 KEY_DOWN\n174 KEY_UP\n294 ECHO  \n");

    // PTT goes on one lead before the first element and off 20 ms after the
    // last key-up.
    const CommandRun lead = encode({"--lead=100", "--timeline", "--output", wav.path(), "E"});
    EXPECT_EQ(lead.out, "57 ECHO E\n114 PTT_ON\n214 KEY_DOWN\n274 KEY_UP\n294 PTT_OFF\n");
}

TEST(EncodeCommand, CharactersTheSendTableLacksAreSkippedAndNamed) {
    test::TempFile wav("skip.wav");
    const CommandRun run = encode({"--timeline", "-o", wav.path(), "E#\xC3\xA9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "qstn encode: not in the send table, skipped: #\xC3\xA9\n");
    EXPECT_EQ(run.out.find("ECHO #"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("KEY_DOWN"), run.out.rfind("KEY_DOWN")) << "only E is keyed";
}

TEST(EncodeCommand, SpeedAndWeightsReachTheEngine) {
    EncodeOptions options;
    options.text = "N E";
    options.weights = {3, 2, 4, 5};  // 1.2, 3.2, 4.0, 9.0
    EXPECT_EQ(markSpaceTrace(keyText(options)), "192 | 60 | 72 | 600 | 72");

    options.weights = kDefaultWeightIndexes;
    options.speedIndex = 0;  // 25/Min, 240 ms unit
    EXPECT_EQ(markSpaceTrace(keyText(options)), "720 | 240 | 240 | 1680 | 240");
}

TEST(EncodeCommand, WritesElevenKilohertzMonoWithASecondOfSilenceAfter) {
    test::TempFile wav("out.wav");
    ASSERT_EQ(encode({"-o", wav.path(), "E"}).status, 0);
    const std::string bytes = fileBytes(wav.path());
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(littleEndian(bytes, 22, 2), 1u);  // channels
    EXPECT_EQ(littleEndian(bytes, 24, 4), 11025u);
    EXPECT_EQ(littleEndian(bytes, 34, 2), 16u);

    // E keyed from 114 to 174 ms; (C - 1) units later, at 294 ms, the engine
    // finds the text sent.
    const std::vector<std::int16_t> samples = pcmSamples(bytes);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(std::ceil(1294 * 11.025)));
    std::size_t first = samples.size(), last = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        if (samples[n] != 0) first = std::min(first, n), last = n;
    }
    EXPECT_NEAR(first * 1000.0 / 11025, 114, 0.5);
    EXPECT_NEAR(last * 1000.0 / 11025, 179, 0.5);
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
