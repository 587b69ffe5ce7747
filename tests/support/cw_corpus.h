#pragma once
// A deterministic corpus of generated CW recordings for measuring decoders:
// each condition (clean speeds, noise down to -12 dB, jitter, weight, dash
// length, rise time, fading, a station nearby, clicks, stereo, a speed change,
// a drifting tone, noise alone) has a few recordings of 20 s with QSO-like
// text, speeds 40..180/Min and tones 400..850 Hz drawn from the seed.

#include <cstdint>
#include <string>
#include <vector>

namespace qs::test {

struct CorpusRecording {
    std::string condition;  // e.g. "snr 0 dB"
    std::string text;       // what was sent; empty for noise alone
    double charsPerMinute;
    double toneHz;
    bool stereo;                // the signal is on the right channel, the left has noise
    std::vector<double> left;   // 11025 samples per second
    std::vector<double> right;  // empty for mono
    const std::vector<double>& signalChannel() const { return stereo ? right : left; }
};

// The recordings, in condition order. `perCondition` recordings each (the
// noise-alone condition has one recording of 60 s).
std::vector<CorpusRecording> buildCorpus(std::uint32_t seed, int perCondition = 3);

// QSO-like text lasting about `seconds` at the speed (50-unit words).
std::string corpusText(std::uint32_t seed, double charsPerMinute, double seconds);

}  // namespace qs::test
