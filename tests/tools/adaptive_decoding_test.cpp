// The adaptive decoder on generated CW, with wide margins: exact text after
// the first word on clean and fair signals at speeds from 40 to 200 per
// minute, nothing at all from noise alone, and a bounded error rate on
// signals below the noise. Letters appear within a word space of their end.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "rx/display_canvas.h"
#include "rx/receive_chain.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/cw_signal.h"
#include "tests/support/morse_audio.h"
#include "tests/support/recording_text_sink.h"
#include "tools/char_error_rate.h"

namespace qs::tools {
namespace {

constexpr const char* kText = "CQ CQ DE JA1ABC JA1ABC K JR2XYZ DE JA1ABC GM UR RST 599 BK";

// Remembers the sample count at which each text arrived.
class TimedTextSink : public test::RecordingTextSink {
  public:
    void appendReceived(TextView text) override {
        RecordingTextSink::appendReceived(text);
        arrivalSamples.push_back(*samplesSoFar);
    }
    const long* samplesSoFar = nullptr;
    std::vector<long> arrivalSamples;
};

std::string decodeAdaptively(const std::vector<double>& samples, TimedTextSink* timed = nullptr) {
    rx::ReceiveSettings settings;
    settings.toneAuto = true;
    settings.adaptiveDecoder = true;
    TimedTextSink own;
    TimedTextSink& sink = timed != nullptr ? *timed : own;
    long samplesSoFar = 0;
    sink.samplesSoFar = &samplesSoFar;
    rx::NoIndicators indicators;
    rx::BlindCanvas levelCanvas(176, 55), spectrumCanvas(176, 55);
    auto chain = std::make_unique<rx::ReceiveChain>(
        settings, rx::ReceiveChain::Outputs{sink, indicators, levelCanvas, spectrumCanvas});
    for (std::size_t first = 0; first + rx::kBlockSamples <= samples.size();
         first += rx::kBlockSamples) {
        std::copy_n(samples.begin() + first, rx::kBlockSamples, chain->rawBlock().begin());
        samplesSoFar = static_cast<long>(first + rx::kBlockSamples);
        chain->processBlock();
    }
    return sink.shownText();
}

std::string afterFirstWord(const std::string& text) {
    const std::string normal = normalisedText(text);
    const std::size_t blank = normal.find(' ');
    return blank == std::string::npos ? "" : normal.substr(blank + 1);
}

// The decoded text ends with all that was sent after the first word.
void expectExactAfterFirstWord(const std::string& decoded, const std::string& sent) {
    const std::string body = normalisedText(decoded);
    const std::string tail = afterFirstWord(sent);
    ASSERT_GE(body.size(), tail.size()) << decoded;
    EXPECT_EQ(body.substr(body.size() - tail.size()), tail) << decoded;
}

test::CwSignal signalAt(double cpm, double toneHz) {
    test::CwSignal signal;
    signal.charsPerMinute = cpm;
    signal.toneHz = toneHz;
    signal.seed = static_cast<std::uint32_t>(cpm + toneHz);
    return signal;
}

TEST(AdaptiveDecoding, ExactAfterTheFirstWordFromCleanToZeroDecibels) {
    struct Case {
        double cpm;
        double toneHz;
        bool noisy;
        double snrDb;
    };
    const Case cases[] = {
        {40, 600, false, 0},  {60, 450, false, 0},  {100, 820, false, 0}, {150, 700, false, 0},
        {180, 500, false, 0}, {200, 640, false, 0}, {40, 530, true, 10},  {100, 610, true, 3},
        {140, 760, true, 0},  {180, 420, true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpm << "/Min, " << c.toneHz << " Hz, noise " << c.noisy
                                        << " " << c.snrDb << " dB");
        test::CwSignal signal = signalAt(c.cpm, c.toneHz);
        signal.noisy = c.noisy;
        signal.snrDb = c.snrDb;
        expectExactAfterFirstWord(decodeAdaptively(test::cwAudio(kText, signal)), kText);
    }
}

// The start of a signal is read again once its timing is known, so even the
// first word comes out whole: slow and fast, heavy keying at a fast speed,
// and below the noise.
TEST(AdaptiveDecoding, TheFirstWordIsReadToo) {
    struct Case {
        double cpm;
        double toneHz;
        double weight;
        double snrDb;  // > 50: no noise
    };
    const Case cases[] = {
        {40, 560, 0.5, 99},  {120, 720, 0.5, 99}, {200, 480, 0.5, 99},
        {175, 630, 0.6, 12}, {150, 810, 0.5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.cpm << "/Min, weight " << c.weight << ", " << c.snrDb << " dB");
        test::CwSignal signal = signalAt(c.cpm, c.toneHz);
        signal.weight = c.weight;
        signal.noisy = c.snrDb < 50;
        signal.snrDb = c.snrDb;
        EXPECT_EQ(normalisedText(decodeAdaptively(test::cwAudio(kText, signal))), kText);
    }
}

// A lone dot or dash between word spaces is a letter on a fair signal, not
// noise.
TEST(AdaptiveDecoding, ALoneMarkOnAFairSignalIsALetter) {
    const std::string text = "CQ DE JA1ABC E E T JA1ABC E K";
    for (const double snrDb : {99.0, 0.0}) {
        test::CwSignal signal = signalAt(110, 590);
        signal.noisy = snrDb < 50;
        signal.snrDb = snrDb;
        expectExactAfterFirstWord(decodeAdaptively(test::cwAudio(text, signal)), text);
    }
}

TEST(AdaptiveDecoding, SixtySecondsOfNoiseAlonePrintNothing) {
    for (const double snrDb : {-6.0, 10.0}) {
        EXPECT_EQ(decodeAdaptively(test::noiseAlone(60.0, 8000.0, snrDb, 3)), "") << snrDb;
    }
}

TEST(AdaptiveDecoding, SixDecibelsBelowTheNoiseStaysReadable) {
    test::CwSignal signal = signalAt(100, 650);
    signal.noisy = true;
    signal.snrDb = -6.0;
    const std::string decoded = decodeAdaptively(test::cwAudio(kText, signal));
    EXPECT_LT(charErrors(decoded, kText).rate(), 0.35) << decoded;
}

// Weight, dash length, jitter, fading, a drifting tone, a speed change and
// a station nearby: the text after the first word comes out nearly whole
// (the wanted signal 12 dB above the noise in 2500 Hz).
TEST(AdaptiveDecoding, SendersHabitsAndBandConditions) {
    struct Case {
        const char* name;
        void (*set)(test::CwSignal&);
    };
    const Case cases[] = {
        {"weight 60%", [](test::CwSignal& s) { s.weight = 0.6; }},
        {"weight 40%", [](test::CwSignal& s) { s.weight = 0.4; }},
        {"dash 4 units", [](test::CwSignal& s) { s.dashUnits = 4.0; }},
        {"jitter 10%", [](test::CwSignal& s) { s.timingJitter = 0.1; }},
        {"fading 20 dB", [](test::CwSignal& s) { s.fadeDepthDb = 20.0, s.snrDb = 20.0; }},
        {"drift 30 Hz", [](test::CwSignal& s) { s.driftHz = 30.0; }},
        {"speed change", [](test::CwSignal& s) { s.laterCharsPerMinute = 150.0; }},
        {"station 150 Hz", [](test::CwSignal& s) { s.interfererOffsetHz = 150.0; }},
        {"clicks", [](test::CwSignal& s) { s.clicksPerS = 4.0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::CwSignal signal = signalAt(90, 680);
        signal.noisy = true;
        signal.snrDb = 12.0;
        c.set(signal);
        const std::string decoded = decodeAdaptively(test::cwAudio(kText, signal));
        EXPECT_LE(charErrors(afterFirstWord(decoded), afterFirstWord(kText)).rate(), 0.1)
            << decoded;
    }
}

std::string withoutBlanks(const std::string& text) {
    std::string letters = text;
    letters.erase(std::remove(letters.begin(), letters.end(), ' '), letters.end());
    return letters;
}

// A hand keyer whose every element and gap strays by a quarter or nearly a
// third of its length, at three speeds: most letters after the first word
// still come out right (word spaces aside, which such a hand leaves in doubt).
TEST(AdaptiveDecoding, AnUnevenHandsLettersStayReadable) {
    struct Case {
        double jitter;
        double worstRate;
    };
    for (const Case& c : {Case{0.25, 0.21}, Case{0.3, 0.4}}) {
        CharErrors total;
        for (const double cpm : {70.0, 100.0, 140.0}) {
            for (std::uint32_t seed = 1; seed <= 3; ++seed) {
                test::CwSignal signal = signalAt(cpm, 640);
                signal.noisy = true;
                signal.snrDb = 12.0;
                signal.timingJitter = c.jitter;
                signal.seed = seed + static_cast<std::uint32_t>(cpm);
                const std::string decoded = decodeAdaptively(test::cwAudio(kText, signal));
                const CharErrors errors = charErrors(withoutBlanks(afterFirstWord(decoded)),
                                                     withoutBlanks(afterFirstWord(kText)));
                total.edits += errors.edits;
                total.referenceLength += errors.referenceLength;
            }
        }
        EXPECT_LT(total.rate(), c.worstRate) << "jitter " << c.jitter;
    }
}

// After the first word, each letter is shown at most a word space (seven
// units) and one block after its last mark ends.
TEST(AdaptiveDecoding, LettersAppearWithinAWordSpaceOfTheirEnd) {
    test::MorseSignal signal;
    signal.charsPerMinute = 80.0;
    signal.toneHz = 700.0;
    const std::string text = "TEST DE JA1ABC";
    const std::vector<test::KeyedInterval> marks = test::morseTiming(text, signal);
    TimedTextSink sink;
    decodeAdaptively(test::morseAudio(text, signal), &sink);

    std::vector<double> letterEndsS;
    std::size_t mark = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        mark += test::morsePattern(c).size();
        letterEndsS.push_back(marks[mark - 1].endS);
    }
    ASSERT_EQ(sink.arrivalSamples.size(), letterEndsS.size()) << sink.shownText();
    const double unitS = 6.0 / signal.charsPerMinute;
    const double blockS = double(rx::kBlockSamples) / rx::kSampleRate;
    for (std::size_t k = 4; k < letterEndsS.size(); ++k) {
        const double delayS = sink.arrivalSamples[k] / double(rx::kSampleRate) - letterEndsS[k];
        EXPECT_LE(delayS, 7.0 * unitS + blockS) << "letter " << k;
        EXPECT_GT(delayS, 0.0) << "letter " << k;
    }
}

TEST(AdaptiveDecoding, AllocatesNothingPerBlock) {
    rx::ReceiveSettings settings;
    settings.toneAuto = true;
    settings.adaptiveDecoder = true;
    test::RecordingTextSink sink;
    sink.entries.reserve(1000);
    rx::NoIndicators indicators;
    rx::BlindCanvas levelCanvas(176, 55), spectrumCanvas(176, 55);
    auto chain = std::make_unique<rx::ReceiveChain>(
        settings, rx::ReceiveChain::Outputs{sink, indicators, levelCanvas, spectrumCanvas});
    test::CwSignal signal = signalAt(120, 600);
    signal.noisy = true;
    signal.snrDb = 6.0;
    const std::vector<double> audio = test::cwAudio(kText, signal);
    test::AllocationCounter allocations;
    for (std::size_t first = 0; first + rx::kBlockSamples <= audio.size();
         first += rx::kBlockSamples) {
        std::copy_n(audio.begin() + first, rx::kBlockSamples, chain->rawBlock().begin());
        chain->processBlock();
    }
    EXPECT_EQ(allocations.count(), 0);
    EXPECT_FALSE(sink.entries.empty());
}

}  // namespace
}  // namespace qs::tools
