#include "tools/wav_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/support/wav_bytes.h"
#include "tools/wav_writer.h"

namespace qs::tools {
namespace {

using namespace test;

struct Opened {
    WavStatus status;
    WavFormat format;
    std::vector<std::int16_t> samples;  // interleaved, everything readFrames() gives
};

Opened openBytes(const std::string& bytes) {
    std::istringstream in(bytes, std::ios::binary);
    WavReader reader;
    Opened opened{reader.open(in), reader.format(), {}};
    if (!opened.status.ok()) return opened;
    std::vector<std::int16_t> portion(7 * 2);
    while (const std::size_t frames = reader.readFrames(portion.data(), 7)) {
        const std::size_t values = frames * static_cast<std::size_t>(opened.format.channels);
        opened.samples.insert(opened.samples.end(), portion.begin(),
                              portion.begin() + static_cast<std::ptrdiff_t>(values));
    }
    return opened;
}

TEST(WavReader, ReadsWhatTheWriterWrites) {
    const std::vector<double> left = {0.0, 1.4, -1.6, 32767.0, -32768.0, 40000.0, -40000.0};
    const std::vector<double> right = {5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0};

    const Opened mono = openBytes(wavFileBytes(11025, {left}));
    ASSERT_TRUE(mono.status.ok()) << mono.status.error;
    EXPECT_EQ(mono.format.sampleRateHz, 11025);
    EXPECT_EQ(mono.format.frames, 7u);
    EXPECT_FALSE(mono.format.truncated());
    EXPECT_EQ(mono.samples, (std::vector<std::int16_t>{0, 1, -2, 32767, -32768, 32767, -32768}));

    const Opened stereo = openBytes(wavFileBytes(48000, {left, right}));
    ASSERT_TRUE(stereo.status.ok()) << stereo.status.error;
    EXPECT_EQ(stereo.format.channels, 2);
    EXPECT_EQ(stereo.format.sampleRateHz, 48000);
    EXPECT_EQ(stereo.samples, (std::vector<std::int16_t>{0, 5, 1, 6, -2, 7, 32767, 8, -32768, 9,
                                                         32767, 10, -32768, 11}));
}

TEST(WavReader, FindsChunksInAnyOrderAndSkipsOthersWithTheirPadding) {
    const std::string data = chunk("data", samples16({1, -2, 3}));
    const std::string oddList = chunk("LIST", "odd");  // 3 bytes plus one pad byte
    const std::string variants[] = {
        riffWave(oddList + pcmFmt(1, 11025) + chunk("fact", le32(3)) + data),
        riffWave(data + oddList + pcmFmt(1, 11025)),  // samples before the format
        riffWave(pcmFmt(1, 11025) + data + chunk("JUNK", std::string(5, 'x'))),
        riffWave(pcmFmt(1, 11025) + chunk("data", samples16({1, -2, 3}) + "z")),  // odd data
    };
    for (const std::string& bytes : variants) {
        const Opened opened = openBytes(bytes);
        ASSERT_TRUE(opened.status.ok()) << opened.status.error;
        EXPECT_EQ(opened.samples, (std::vector<std::int16_t>{1, -2, 3}));
    }
}

TEST(WavReader, AcceptsExtensiblePcmAndIgnoresTheRiffSize) {
    const Opened extensible =
        openBytes(riffWave(extensibleFmt(2, 8000, 1) + chunk("data", samples16({7, 8}))));
    ASSERT_TRUE(extensible.status.ok()) << extensible.status.error;
    EXPECT_EQ(extensible.format.channels, 2);
    EXPECT_EQ(extensible.samples, (std::vector<std::int16_t>{7, 8}));

    // Streaming writers leave the RIFF size at 0 or at its maximum.
    std::string bytes = riffWave(pcmFmt(1, 11025) + chunk("data", samples16({4})));
    for (const std::string& size : {le32(0), le32(0xFFFFFFFF)}) {
        bytes.replace(4, 4, size);
        EXPECT_TRUE(openBytes(bytes).status.ok());
    }
}

TEST(WavReader, ReadsARecordingCutShortAsFarAsItGoes) {
    // The data chunk declares far more than the file holds (also the way
    // some recorders mark an unknown length); the last frame is incomplete.
    const std::string bytes =
        riffWave(pcmFmt(2, 11025)) + chunkHeader("data", 0xFFFFFFF0) + samples16({1, 2, 3, 4, 5});
    const Opened opened = openBytes(bytes);
    ASSERT_TRUE(opened.status.ok()) << opened.status.error;
    EXPECT_TRUE(opened.format.truncated());
    EXPECT_EQ(opened.format.presentDataBytes, 10u);
    EXPECT_EQ(opened.format.frames, 2u);
    EXPECT_EQ(opened.samples, (std::vector<std::int16_t>{1, 2, 3, 4}));
}

struct BadFile {
    const char* what;
    std::string bytes;
    const char* messagePart;
};

std::vector<BadFile> badFiles() {
    const std::string data = chunk("data", samples16({1, 2, 3, 4}));
    const auto withFmt = [&](const std::string& fmtChunkBody) {
        return riffWave(chunk("fmt ", fmtChunkBody) + data);
    };
    return {
        {"empty file", "", "not a WAV file"},
        {"not RIFF", "OggS" + std::string(60, '\0'), "not a WAV file"},
        {"big-endian RIFX", "RIFX" + le32(4) + "WAVE", "big-endian"},
        {"RIFF but not WAVE", "RIFF" + le32(4) + "AVI " + data, "not WAVE"},
        {"truncated RIFF header", "RIFF" + le32(4), "truncated header"},
        {"nothing after WAVE", riffWave(""), "truncated header"},
        {"fmt missing", riffWave(data), "no fmt chunk"},
        {"data missing", riffWave(pcmFmt(1, 11025) + chunk("LIST", "abcd")), "no data chunk"},
        {"fmt too short", withFmt(fmtBody(1, 1, 11025, 16, 2).substr(0, 14)), "too short"},
        {"8-bit", withFmt(fmtBody(1, 1, 11025, 8, 1)), "8-bit samples"},
        {"24-bit", withFmt(fmtBody(1, 1, 11025, 24, 3)), "24-bit samples"},
        {"32-bit", withFmt(fmtBody(1, 1, 11025, 32, 4)), "32-bit samples"},
        {"float", withFmt(fmtBody(3, 1, 11025, 32, 4)), "floating-point"},
        {"extensible float", riffWave(extensibleFmt(1, 11025, 3) + data), "floating-point"},
        {"compressed", withFmt(fmtBody(2, 1, 11025, 4, 256)), "format tag 2"},
        {"0 channels", withFmt(fmtBody(1, 0, 11025, 16, 0)), "no channels"},
        {"3 channels", withFmt(fmtBody(1, 3, 11025, 16, 6)), "3 channels"},
        {"block alignment", withFmt(fmtBody(1, 2, 11025, 16, 2)), "block alignment"},
        {"rate 0", withFmt(fmtBody(1, 1, 0, 16, 2)), "sample rate 0 Hz"},
        {"rate 7999", withFmt(fmtBody(1, 1, 7999, 16, 2)), "outside 8000..48000"},
        {"rate 96000", withFmt(fmtBody(1, 1, 96000, 16, 2)), "outside 8000..48000"},
        {"absurd rate", withFmt(fmtBody(1, 1, 0xFFFFFFFF, 16, 2)), "outside 8000..48000"},
        {"empty data", riffWave(pcmFmt(1, 11025) + chunk("data", "")), "no samples"},
        {"one byte of data", riffWave(pcmFmt(1, 11025) + chunk("data", "x")), "no samples"},
        {"fmt larger than the file", riffWave(chunkHeader("fmt ", 0x7FFFFFFF) + data), "claims"},
        {"fmt cut short", riffWave(pcmFmt(1, 11025)).substr(0, 30), "claims"},
        {"huge chunk before data", riffWave(pcmFmt(1, 11025) + chunkHeader("LIST", 0xFFFFFFFF)),
         "claims 4294967295 bytes"},
        {"huge data on a tiny file", riffWave(pcmFmt(1, 11025) + chunkHeader("data", 0xFFFFFFFF)),
         "no samples"},
        {"huge data before fmt", riffWave(chunkHeader("data", 0xFFFFFFFF) + pcmFmt(1, 11025)),
         "no fmt chunk"},
    };
}

TEST(WavReader, RefusesEveryOtherKindOfFileWithOneLine) {
    for (const BadFile& bad : badFiles()) {
        const Opened opened = openBytes(bad.bytes);
        EXPECT_FALSE(opened.status.ok()) << bad.what;
        EXPECT_NE(opened.status.error.find(bad.messagePart), std::string::npos)
            << bad.what << ": " << opened.status.error;
        EXPECT_EQ(opened.status.error.find('\n'), std::string::npos) << bad.what;
    }
}

TEST(WavReader, SurvivesEveryTruncationAndCorruptionOfAFile) {
    const std::string good = riffWave(chunk("LIST", "abc") + extensibleFmt(2, 22050, 1) +
                                      chunk("data", samples16({1, 2, 3, 4, 5, 6})));
    std::vector<std::string> damaged;
    for (std::size_t length = 0; length < good.size(); ++length) {
        damaged.push_back(good.substr(0, length));
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const char value : {'\0', '\x01', '\x7F', '\xFF'}) {
            std::string bytes = good;
            bytes[at] = value;
            damaged.push_back(bytes);
        }
    }
    for (const std::string& bytes : damaged) {
        const Opened opened = openBytes(bytes);
        if (opened.status.ok()) {
            EXPECT_LE(opened.samples.size(), 6u);
            EXPECT_EQ(opened.samples.size(),
                      opened.format.frames * static_cast<std::size_t>(opened.format.channels));
        } else {
            EXPECT_FALSE(opened.status.error.empty());
        }
    }
}

}  // namespace
}  // namespace qs::tools
