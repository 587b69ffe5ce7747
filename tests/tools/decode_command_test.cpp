#include "tools/decode_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/support/morse_audio.h"
#include "tests/support/temp_file.h"
#include "tests/support/wav_bytes.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

using test::chunk;
using test::chunkHeader;
using test::fmtBody;
using test::pcmFmt;
using test::riffWave;
using test::samples16;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun decode(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = decodeCommand(args, out, err);
    return {status, out.str(), err.str()};
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<double> shortMorse() {
    test::MorseAudioSpec spec;
    spec.leadingSilenceMs = 200.0;
    spec.trailingSilenceMs = 300.0;
    return test::morseAudio("TEST", spec);
}

TEST(DecodeCommand, UnusableRecordingsGiveOneLineAndStatus2) {
    const std::string data = chunk("data", samples16({1, 2, 3, 4}));
    const std::string files[] = {
        "just text",
        riffWave(chunk("fmt ", fmtBody(1, 1, 11025, 8, 1)) + data),
        riffWave(chunk("fmt ", fmtBody(3, 1, 11025, 32, 4)) + data),
        riffWave(chunk("fmt ", fmtBody(1, 3, 11025, 16, 6)) + data),
        riffWave(chunk("fmt ", fmtBody(1, 1, 192000, 16, 2)) + data),
        riffWave(pcmFmt(1, 11025) + chunk("data", "")),
        riffWave(pcmFmt(1, 11025) + chunkHeader("LIST", 0xFFFFFFF0) + data),
        riffWave(data),
    };
    for (const std::string& bytes : files) {
        test::TempFile file("bad.wav");
        file.write(bytes);
        const CommandRun run = decode({file.path()});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("qstn decode: " + file.path() + ": ", 0), 0u) << run.err;
        EXPECT_EQ(lineCount(run.err), 1) << run.err;
    }

    const CommandRun missing = decode({"/nonexistent/qso.wav"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "qstn decode: /nonexistent/qso.wav: cannot open the file\n");

    test::TempFile mono("mono.wav");
    ASSERT_TRUE(writeWavFile(mono.path(), 11025, {shortMorse()}));
    const CommandRun right = decode({"--channel", "right", mono.path()});
    EXPECT_EQ(right.status, 2);
    EXPECT_EQ(lineCount(right.err), 1);
}

TEST(DecodeCommand, BadOptionsGiveUsageAndStatus2HelpGivesStatus0) {
    const CommandRun bad = decode({"--tone", "99", "qso.wav"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("--tone"), std::string::npos);
    EXPECT_NE(bad.err.find("usage: qstn decode"), std::string::npos);
    EXPECT_EQ(decode({}).status, 2);

    const CommandRun help = decode({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, decodeHelp());
    EXPECT_EQ(help.err, "");

    test::TempFile file("ok.wav");
    ASSERT_TRUE(writeWavFile(file.path(), 11025, {shortMorse()}));
    const CommandRun unwritableTrace =
        decode({"--trace", "/nonexistent/dir/trace.txt", file.path()});
    EXPECT_EQ(unwritableTrace.status, 2);
    EXPECT_EQ(unwritableTrace.out, "");
    EXPECT_EQ(lineCount(unwritableTrace.err), 1);
}

TEST(DecodeCommand, RecordingCutShortIsDecodedAfterAWarning) {
    const std::string whole = wavFileBytes(11025, {shortMorse()});
    test::TempFile file("cut.wav");
    file.write(whole.substr(0, whole.size() * 2 / 3 + 1));  // also splits a sample
    const CommandRun run = decode({file.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("warning"), std::string::npos);
    EXPECT_EQ(lineCount(run.err), 1);
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(lineCount(run.out), 1);
}

TEST(DecodeCommand, TraceHasOneLinePerHopAndTheDecodedTextAsEvents) {
    std::vector<double> samples = shortMorse();
    samples.resize(20 * 1024 + 500);  // 20 blocks and a partial one
    test::TempFile wav("traced.wav");
    test::TempFile trace("trace.txt");
    ASSERT_TRUE(writeWavFile(wav.path(), 11025, {samples}));
    const CommandRun run = decode({"--trace=" + trace.path(), wav.path()});
    ASSERT_EQ(run.status, 0) << run.err;

    std::ifstream in(trace.path());
    std::string line;
    long long nextHop = 0;
    std::string tracedText;
    while (std::getline(in, line)) {
        if (line.rfind("# hop ", 0) == 0) {
            const std::size_t quote = line.find(" text \"");
            if (quote != std::string::npos)
                tracedText += line.substr(quote + 7, line.size() - quote - 8);
            if (line.find(" space") != std::string::npos) tracedText += ' ';
            continue;
        }
        if (line[0] == '#') continue;
        std::istringstream fields(line);
        long long hop;
        int level, key, dotDash, letterGap, threshold, tone;
        ASSERT_TRUE(fields >> hop >> level >> key >> dotDash >> letterGap >> threshold >> tone)
            << line;
        EXPECT_EQ(hop, nextHop++);
        EXPECT_GE(level, -90);
        EXPECT_LE(level, 0);
        EXPECT_TRUE(key == 0 || key == 1);
        EXPECT_EQ(threshold, -45);
        EXPECT_EQ(tone, 28);
    }
    EXPECT_EQ(nextHop, 20 * 32);
    EXPECT_EQ(tracedText + "\n", run.out);
}

}  // namespace
}  // namespace qs::tools
