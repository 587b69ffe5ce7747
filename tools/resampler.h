#pragma once
// Converts a recording's sample rate to the receive path's 11025 per second
// with a band-limited polyphase filter: a Kaiser-windowed sinc whose cutoff
// lies below the lower of the two Nyquist frequencies, with a stop band of
// about 90 dB from that Nyquist frequency on. Rate ratios are kept exact
// (11025/fs reduced to lowest terms), so the output never drifts in time.
// At 11025 per second the samples pass through unchanged.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qs::tools {

class Resampler {
public:
    static constexpr int kOutputRateHz = 11025;

    // inputRateHz: 8000..48000.
    explicit Resampler(int inputRateHz);

    bool passesThrough() const { return upFactor_ == downFactor_; }

    // Appends to `output` every sample that the input so far completes; the
    // filter's delay is compensated, so output n lies at input time n / 11025 s.
    void push(const double* input, std::size_t count, std::vector<double>& output);
    // Ends the input (as if silence followed) and appends the remaining
    // samples: in all, ceil(inputCount * 11025 / inputRateHz) of them.
    void finish(std::vector<double>& output);

    // Taps of each polyphase branch (the filter length in input samples).
    int tapsPerPhase() const { return 2 * halfTaps_; }

private:
    void designFilter(int inputRateHz);
    void produce(std::vector<double>& output);

    std::int64_t upFactor_ = 1;    // L = 11025 / gcd(11025, inputRateHz)
    std::int64_t downFactor_ = 1;  // M: inputRateHz / gcd
    int halfTaps_ = 0;
    std::vector<double> phases_;  // upFactor_ branches of tapsPerPhase() coefficients

    std::vector<double> history_;  // input from index historyStart_ on
    std::int64_t historyStart_ = 0;
    std::int64_t inputCount_ = 0;
    std::int64_t nextInputIndex_ = 0;  // floor(m * M / L) of the next output m
    std::int64_t nextPhase_ = 0;       // (m * M) mod L
    std::int64_t outputCount_ = 0;
};

// The whole of `input` at 11025 per second.
std::vector<double> resampleTo11025(const std::vector<double>& input, int inputRateHz);

}  // namespace qs::tools
