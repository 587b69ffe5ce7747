#include "tests/support/morse_audio.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <stdexcept>
#include <string>

namespace qs::test {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMaxSample = 32767.0;

struct PatternEntry {
    char character;
    const char* pattern;
};

// International Morse code (ITU-R M.1677).
constexpr PatternEntry kAlphabet[] = {
    {'A', ".-"},    {'B', "-..."},  {'C', "-.-."},   {'D', "-.."},    {'E', "."},
    {'F', "..-."},  {'G', "--."},   {'H', "...."},   {'I', ".."},     {'J', ".---"},
    {'K', "-.-"},   {'L', ".-.."},  {'M', "--"},     {'N', "-."},     {'O', "---"},
    {'P', ".--."},  {'Q', "--.-"},  {'R', ".-."},    {'S', "..."},    {'T', "-"},
    {'U', "..-"},   {'V', "...-"},  {'W', ".--"},    {'X', "-..-"},   {'Y', "-.--"},
    {'Z', "--.."},  {'0', "-----"}, {'1', ".----"},  {'2', "..---"},  {'3', "...--"},
    {'4', "....-"}, {'5', "....."}, {'6', "-...."},  {'7', "--..."},  {'8', "---.."},
    {'9', "----."}, {'/', "-..-."}, {'?', "..--.."}, {'.', ".-.-.-"}, {',', "--..--"},
    {'=', "-...-"}, {'+', ".-.-."}, {'-', "-....-"},
};

// Gaussian numbers from a fully specified engine and transform, so that the
// same seed gives the same audio with every standard library.
class Gaussian {
  public:
    explicit Gaussian(std::uint32_t seed) : engine_(seed) {}

    double next() {
        const double u1 = uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

  private:
    double uniform() { return (static_cast<double>(engine_()) + 0.5) / 4294967296.0; }

    std::mt19937 engine_;
};

// Length of one element or gap of `units` units, stretched by the jitter.
class Stretcher {
  public:
    explicit Stretcher(const MorseSignal& signal)
        : unitS_(6.0 / signal.charsPerMinute), jitter_(signal.timingJitter), random_(signal.seed) {}

    double length(int units) {
        double factor = 1.0;
        if (jitter_ > 0.0) factor = std::max(0.5, 1.0 + jitter_ * random_.next());
        return units * unitS_ * factor;
    }

  private:
    double unitS_;
    double jitter_;
    Gaussian random_;
};

// 0 below -edge/2, 1 above +edge/2, a raised-cosine half period between.
double ramp(double x, double edgeS) {
    if (x <= -0.5 * edgeS) return 0.0;
    if (x >= 0.5 * edgeS) return 1.0;
    return 0.5 * (1.0 + std::sin(kPi * x / edgeS));
}

std::vector<double> envelope(const std::vector<KeyedInterval>& marks, std::size_t sampleCount,
                             double edgeS, double rate) {
    std::vector<double> env(sampleCount, 0.0);
    for (const KeyedInterval& mark : marks) {
        const auto first = static_cast<std::size_t>(std::max(0.0, (mark.startS - edgeS) * rate));
        const auto last =
            std::min(sampleCount, static_cast<std::size_t>((mark.endS + edgeS) * rate));
        for (std::size_t n = first; n < last; ++n) {
            const double t = n / rate;
            const double e = std::min(ramp(t - mark.startS, edgeS), ramp(mark.endS - t, edgeS));
            env[n] = std::max(env[n], e);
        }
    }
    return env;
}

}  // namespace

std::string_view morsePattern(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const PatternEntry& entry : kAlphabet) {
        if (entry.character == upper) return entry.pattern;
    }
    return {};
}

std::vector<KeyedInterval> morseTiming(std::string_view text, const MorseSignal& signal) {
    Stretcher stretch(signal);
    std::vector<KeyedInterval> marks;
    double t = signal.leadingSilenceMs / 1000.0;
    int pendingGapUnits = 0;  // gap owed before the next element
    for (char c : text) {
        if (c == ' ') {
            if (pendingGapUnits > 0) pendingGapUnits = 7;
            continue;
        }
        const std::string_view pattern = morsePattern(c);
        if (pattern.empty()) {
            throw std::invalid_argument(std::string("no Morse pattern for '") + c + "'");
        }
        for (std::size_t k = 0; k < pattern.size(); ++k) {
            if (pendingGapUnits > 0) t += stretch.length(pendingGapUnits);
            const double start = t;
            t += stretch.length(pattern[k] == '-' ? 3 : 1);
            marks.push_back({start, t});
            pendingGapUnits = 1;
        }
        pendingGapUnits = 3;
    }
    return marks;
}

std::vector<double> morseAudio(std::string_view text, const MorseSignal& signal) {
    const std::vector<KeyedInterval> marks = morseTiming(text, signal);
    const double keyedEndS = marks.empty() ? signal.leadingSilenceMs / 1000.0 : marks.back().endS;
    const double totalS = keyedEndS + signal.trailingSilenceMs / 1000.0;
    const auto sampleCount = static_cast<std::size_t>(std::ceil(totalS * signal.sampleRateHz));

    const std::vector<double> env =
        envelope(marks, sampleCount, signal.edgeMs / 1000.0, signal.sampleRateHz);
    Gaussian noise(signal.seed ^ 0x9E3779B9u);
    std::vector<double> samples(sampleCount);
    const double radiansPerSample = 2.0 * kPi * signal.toneHz / signal.sampleRateHz;
    for (std::size_t n = 0; n < sampleCount; ++n) {
        double s = signal.amplitude * env[n] * std::sin(radiansPerSample * static_cast<double>(n));
        if (signal.noiseRms > 0.0) s += signal.noiseRms * noise.next();
        samples[n] = std::clamp(s, -kMaxSample, kMaxSample);
    }
    return samples;
}

}  // namespace qs::test
