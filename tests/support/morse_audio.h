#pragma once
// Test audio: text keyed as International Morse, at 11025 samples per second
// unless asked otherwise, with controllable speed, tone, noise and timing
// jitter. The alphabet here
// is its own small table, independent of the program's code tables, so that
// decoding tests check the program against a separate reference.

#include <cstdint>
#include <string_view>
#include <vector>

namespace qs::test {

inline constexpr int kMorseAudioRateHz = 11025;

struct MorseSignal {
    double charsPerMinute = 100.0;  // 50-unit word: one unit is 6000 / cpm ms
    double toneHz = 600.0;
    double amplitude = 8000.0;  // peak of the keyed tone, 16-bit sample units
    double noiseRms = 0.0;      // white Gaussian noise, 16-bit sample units
    double timingJitter = 0.0;  // relative standard deviation of every element and gap
    std::uint32_t seed = 1;     // seeds the noise and the jitter
    double leadingSilenceMs = 500.0;
    double trailingSilenceMs = 1000.0;
    double edgeMs = 5.0;  // raised-cosine rise and fall, centred on the key instants
    int sampleRateHz = kMorseAudioRateHz;
};

// Dots and dashes of one character (".-" for A), upper or lower case;
// empty for a character outside the table. Covers A-Z, 0-9 and / ? . , = + -.
std::string_view morsePattern(char c);

// One keyed interval of the signal, in seconds from the start of the audio.
struct KeyedInterval {
    double startS;
    double endS;
};

// The key-down intervals of `text`: elements 1 unit apart, letters 3, words
// (any run of blanks) 7. Throws std::invalid_argument for a character
// without a pattern.
std::vector<KeyedInterval> morseTiming(std::string_view text, const MorseSignal& signal);

// The audio of `text`: samples as doubles within the 16-bit range.
std::vector<double> morseAudio(std::string_view text, const MorseSignal& signal);

}  // namespace qs::test
