#include "tools/resampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qs::tools {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStopBandDb = 90.0;
constexpr double kTransitionShare = 0.2;  // of the lower Nyquist frequency

// Modified Bessel function of the first kind, order 0 (power series).
double besselI0(double x) {
    double sum = 1.0;
    double term = 1.0;
    const double quarterSquare = 0.25 * x * x;
    for (int k = 1; k < 200 && term > 1e-17 * sum; ++k) {
        term *= quarterSquare / (static_cast<double>(k) * k);
        sum += term;
    }
    return sum;
}

double sinc(double x) {
    return x == 0.0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
}

// Low-pass kernel over time in input samples: a sinc with its cutoff at
// `cutoffPerSample` cycles per input sample, under a Kaiser window of
// half-width `halfWidth`.
struct Kernel {
    double cutoffPerSample;
    double halfWidth;
    double beta;
    double windowScale = 1.0 / besselI0(beta);

    double operator()(double t) const {
        const double x = t / halfWidth;
        if (std::abs(x) >= 1.0) return 0.0;
        const double window = besselI0(beta * std::sqrt(1.0 - x * x)) * windowScale;
        return 2.0 * cutoffPerSample * sinc(2.0 * cutoffPerSample * t) * window;
    }
};

}  // namespace

Resampler::Resampler(int inputRateHz) {
    const std::int64_t divisor = std::gcd<std::int64_t>(kOutputRateHz, inputRateHz);
    upFactor_ = kOutputRateHz / divisor;
    downFactor_ = inputRateHz / divisor;
    if (!passesThrough()) designFilter(inputRateHz);
}

// Kaiser's design rules: beta for the stop-band depth, and the length that
// gives a transition band of kTransitionShare of the lower Nyquist
// frequency, ending at that frequency.
void Resampler::designFilter(int inputRateHz) {
    const double lowNyquistHz = 0.5 * std::min(inputRateHz, kOutputRateHz);
    const double transitionHz = kTransitionShare * lowNyquistHz;
    const double cutoffHz = lowNyquistHz - 0.5 * transitionHz;
    const double lengthS = (kStopBandDb - 7.95) / (14.36 * transitionHz);
    const Kernel kernel{cutoffHz / inputRateHz, 0.5 * lengthS * inputRateHz,
                        0.1102 * (kStopBandDb - 8.7)};

    halfTaps_ = static_cast<int>(std::ceil(kernel.halfWidth));
    const int taps = tapsPerPhase();
    phases_.assign(static_cast<std::size_t>(upFactor_) * taps, 0.0);
    for (std::int64_t phase = 0; phase < upFactor_; ++phase) {
        const double fraction = static_cast<double>(phase) / static_cast<double>(upFactor_);
        double* branch = &phases_[static_cast<std::size_t>(phase) * taps];
        double sum = 0.0;
        for (int i = 0; i < taps; ++i) {
            branch[i] = kernel(fraction - (i - halfTaps_ + 1));
            sum += branch[i];
        }
        for (int i = 0; i < taps; ++i) branch[i] /= sum;  // exact unity gain at DC
    }
    history_.assign(static_cast<std::size_t>(halfTaps_ - 1), 0.0);
    historyStart_ = -(halfTaps_ - 1);
}

void Resampler::push(const double* input, std::size_t count, std::vector<double>& output) {
    if (passesThrough()) {
        output.insert(output.end(), input, input + count);
        return;
    }
    history_.insert(history_.end(), input, input + count);
    inputCount_ += static_cast<std::int64_t>(count);
    produce(output);
}

void Resampler::finish(std::vector<double>& output) {
    if (passesThrough()) return;
    history_.insert(history_.end(), static_cast<std::size_t>(halfTaps_), 0.0);
    produce(output);
}

// Output m lies at input position p = m * M / L = nextInputIndex_ +
// nextPhase_ / L and needs the inputs p - halfTaps_ < n <= p + halfTaps_.
void Resampler::produce(std::vector<double>& output) {
    const int taps = tapsPerPhase();
    const std::int64_t lastAvailable =
        historyStart_ + static_cast<std::int64_t>(history_.size()) - 1;
    while (nextInputIndex_ + halfTaps_ <= lastAvailable &&
           outputCount_ * downFactor_ < inputCount_ * upFactor_) {
        const double* x =
            &history_[static_cast<std::size_t>(nextInputIndex_ - halfTaps_ + 1 - historyStart_)];
        const double* branch = &phases_[static_cast<std::size_t>(nextPhase_) * taps];
        double sum = 0.0;
        for (int i = 0; i < taps; ++i) sum += x[i] * branch[i];
        output.push_back(sum);

        ++outputCount_;
        nextPhase_ += downFactor_;
        nextInputIndex_ += nextPhase_ / upFactor_;
        nextPhase_ %= upFactor_;
    }
    const std::int64_t unused = nextInputIndex_ - halfTaps_ + 1 - historyStart_;
    if (unused > 0) {
        const auto drop = std::min(static_cast<std::size_t>(unused), history_.size());
        history_.erase(history_.begin(), history_.begin() + static_cast<std::ptrdiff_t>(drop));
        historyStart_ += static_cast<std::int64_t>(drop);
    }
}

std::vector<double> resampleTo11025(const std::vector<double>& input, int inputRateHz) {
    Resampler resampler(inputRateHz);
    std::vector<double> output;
    resampler.push(input.data(), input.size(), output);
    resampler.finish(output);
    return output;
}

}  // namespace qs::tools
