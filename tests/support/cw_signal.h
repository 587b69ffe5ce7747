#pragma once
// Keyed CW audio with the habits and troubles of real reception: weight and
// dash length of the sender's keying, timing jitter, a speed change part way,
// rise and fall times, fading, a drifting tone, white noise given as the
// signal-to-noise ratio in 2500 Hz, clicks and a second station nearby. The
// same signal settings and seed give the same samples with every standard library.

#include <cstdint>
#include <string_view>
#include <vector>

namespace qs::test {

struct CwSignal {
    double charsPerMinute = 100.0;     // 50-unit word: one unit is 6000 / cpm ms
    double laterCharsPerMinute = 0.0;  // > 0: the speed from the middle word on
    double toneHz = 600.0;
    double driftHz = 0.0;       // the tone moves this far, evenly, over the recording
    double amplitude = 8000.0;  // peak, 16-bit sample units
    double weight = 0.5;        // mark share of a dot and its gap (0.6: heavy keying)
    double dashUnits = 3.0;
    double timingJitter = 0.0;        // relative deviation of every element and gap
    double riseMs = 5.0;              // raised-cosine rise and fall
    double fadeDepthDb = 0.0;         // the level falls and rises by this much...
    double fadePeriodS = 6.0;         // ...once in this period
    bool noisy = false;               // white noise at snrDb
    double snrDb = 0.0;               // signal power against the noise in 2500 Hz
    double clicksPerS = 0.0;          // one- to three-sample clicks of 1.5..3 x amplitude
    double interfererOffsetHz = 0.0;  // != 0: a second station this far from the tone
    double interfererLevelDb = -3.0;  // its level against the wanted one
    double leadingSilenceS = 0.5;
    double trailingSilenceS = 1.0;
    double lengthS = 0.0;  // > 0: the recording lasts this long (text cut off)
    std::uint32_t seed = 1;
};

inline constexpr int kCwSignalRateHz = 11025;

// A plain signal in white noise, at `snrDb` in 2500 Hz.
inline CwSignal noisyCwSignal(double cpm, double toneHz, double snrDb, std::uint32_t seed) {
    CwSignal signal;
    signal.charsPerMinute = cpm;
    signal.toneHz = toneHz;
    signal.noisy = true;
    signal.snrDb = snrDb;
    signal.seed = seed;
    return signal;
}

// The audio of `text` at 11025 samples per second, clipped to 16 bits.
// Characters without a pattern are skipped.
std::vector<double> cwAudio(std::string_view text, const CwSignal& signal);

// White noise alone, at the level that gives `snrDb` for a tone of
// `amplitude` (the noise of a recording with those settings but no signal).
std::vector<double> noiseAlone(double lengthS, double amplitude, double snrDb, std::uint32_t seed);

// Standard deviation of white noise at 11025 per second giving snrDb in 2500 Hz
// against a sine of the given peak amplitude.
double noiseDeviationFor(double amplitude, double snrDb);

}  // namespace qs::test
