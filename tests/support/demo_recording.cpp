#include "tests/support/demo_recording.h"

#include "tests/support/morse_audio.h"

namespace qs::test {

namespace {

struct Transmission {
    const char* text;
    double charsPerMinute;
    std::uint32_t seed;
};

// A CQ and its answer: two stations at slightly different speeds on the
// same tone.
constexpr Transmission kTransmissions[] = {
    {"CQ CQ DE JA1ABC JA1ABC K", 115.0, 101},
    {"JA1ABC DE JR2XYZ 599 K", 120.0, 102},
};

}  // namespace

std::vector<std::string> demoRecordingTexts() {
    std::vector<std::string> texts;
    for (const Transmission& transmission : kTransmissions) texts.emplace_back(transmission.text);
    return texts;
}

std::vector<double> demoRecordingSamples() {
    std::vector<double> samples;
    for (const Transmission& transmission : kTransmissions) {
        MorseSignal signal;
        signal.charsPerMinute = transmission.charsPerMinute;
        signal.toneHz = 600.0;
        signal.amplitude = 9000.0;
        signal.noiseRms = 600.0;
        signal.timingJitter = 0.03;
        signal.seed = transmission.seed;
        signal.leadingSilenceMs = 600.0;
        signal.trailingSilenceMs = 600.0;
        const std::vector<double> part = morseAudio(transmission.text, signal);
        samples.insert(samples.end(), part.begin(), part.end());
    }
    return samples;
}

}  // namespace qs::test
