#include "tools/decode_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/support/morse_audio.h"
#include "tests/support/command_run.h"
#include "tests/support/temp_file.h"
#include "tests/support/wav_bytes.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

using test::CommandRun;

CommandRun decode(const std::vector<std::string>& args) { return test::runCommand(decodeCommand, args); }

long lineCount(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

std::vector<double> shortMorse() {
    test::MorseSignal signal;
    signal.leadingSilenceMs = 200.0;
    signal.trailingSilenceMs = 300.0;
    return test::morseAudio("TEST", signal);
}

TEST(DecodeCommand, UnusableInputGivesOneNamedLineAndStatus2) {
    using namespace test;
    test::TempFile file("bad.wav");
    for (const std::string& bytes :
         {std::string("just text"),
          riffWave(chunk("fmt ", fmtBody(3, 1, 11025, 32, 4)) + chunk("data", samples16({1}))),
          riffWave(pcmFmt(1, 11025) + chunkHeader("LIST", 0xFFFFFFF0))}) {
        file.write(bytes);
        const CommandRun run = decode({file.path()});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("qstn decode: " + file.path() + ": ", 0), 0u) << run.err;
        EXPECT_EQ(lineCount(run.err), 1) << run.err;
    }
    EXPECT_EQ(decode({"/nonexistent/qso.wav"}).err,
              "qstn decode: /nonexistent/qso.wav: cannot open the file\n");

    ASSERT_TRUE(writeWavFile(file.path(), 11025, {shortMorse()}));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--channel", "right", file.path()},
          {"--trace", "/nonexistent/dir/trace.txt", file.path()}}) {
        const CommandRun run = decode(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(lineCount(run.err), 1) << run.err;
    }
}

TEST(DecodeCommand, BadOptionsGiveUsageAndStatus2) {
    const CommandRun bad = decode({"--tone", "99", "qso.wav"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--tone"), std::string::npos);
    EXPECT_NE(bad.err.find("usage: qstn decode"), std::string::npos);
    EXPECT_EQ(decode({}).status, 2);
    EXPECT_EQ(decode({"--help"}).status, 0);
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
    EXPECT_EQ(lineCount(run.out), 1);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(DecodeCommand, TraceHasOneLinePerHopAndTheDecodedTextAsEvents) {
    std::vector<double> samples = shortMorse();
    samples.resize(20 * 1024 + 500);  // 20 blocks and a partial one
    test::TempFile wav("traced.wav"), trace("trace.txt");
    ASSERT_TRUE(writeWavFile(wav.path(), 11025, {samples}));
    const CommandRun run = decode({"--trace=" + trace.path(), wav.path()});
    ASSERT_EQ(run.status, 0) << run.err;

    // Hop lines count up from 0; event lines ("# hop N text ...") carry the text.
    std::ifstream in(trace.path());
    long long hopLines = 0;
    std::string line, tracedText;
    while (std::getline(in, line)) {
        const std::size_t quote = line.find(" text \"");
        if (quote != std::string::npos)
            tracedText += line.substr(quote + 7, line.size() - quote - 8);
        if (line.find(" space") != std::string::npos) tracedText += ' ';
        if (line[0] != '#') {
            EXPECT_EQ(line.rfind(std::to_string(hopLines++) + " ", 0), 0u) << line;
        }
    }
    EXPECT_EQ(hopLines, 20 * 32);
    EXPECT_EQ(tracedText + "\n", run.out);
}

}  // namespace
}  // namespace qs::tools
