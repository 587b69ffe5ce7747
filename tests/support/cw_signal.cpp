#include "tests/support/cw_signal.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "tests/support/morse_audio.h"

namespace qs::test {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMaxSample = 32767.0;
constexpr double kNoiseBandHz = 2500.0;

// Uniform and Gaussian numbers from a fully specified engine and transform.
class Random {
  public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    double uniform() { return (static_cast<double>(engine_()) + 0.5) / 4294967296.0; }
    double gaussian() {
        const double u1 = uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

  private:
    std::mt19937 engine_;
};

struct Mark {
    double startS;
    double endS;
};

// Key-down intervals: weight moves time from every gap into the mark before
// it; jitter stretches each element and gap on its own.
class Keyer {
  public:
    Keyer(const CwSignal& signal, Random& random) : signal_(signal), random_(random) {}

    std::vector<Mark> key(std::string_view text) {
        std::vector<Mark> marks;
        double t = signal_.leadingSilenceS;
        int pendingGapUnits = 0;
        const std::size_t middle = middleWordStart(text);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == middle && signal_.laterCharsPerMinute > 0.0)
                cpm_ = signal_.laterCharsPerMinute;
            if (text[i] == ' ') {
                if (pendingGapUnits > 0) pendingGapUnits = 7;
                continue;
            }
            const std::string_view pattern = morsePattern(text[i]);
            for (const char element : pattern) {
                if (pendingGapUnits > 0) t += gapS(pendingGapUnits);
                const double start = t;
                t += markS(element == '-' ? signal_.dashUnits : 1.0);
                marks.push_back({start, t});
                pendingGapUnits = 1;
            }
            if (!pattern.empty()) pendingGapUnits = 3;
        }
        return marks;
    }

  private:
    static std::size_t middleWordStart(std::string_view text) {
        const std::size_t blank = text.find(' ', text.size() / 2);
        return blank == std::string_view::npos ? text.size() : blank;
    }
    double unitS() const { return 6.0 / cpm_; }
    double stretch() {
        if (signal_.timingJitter <= 0.0) return 1.0;
        return std::max(0.4, 1.0 + signal_.timingJitter * random_.gaussian());
    }
    double weightS() const { return (signal_.weight - 0.5) * 2.0 * unitS(); }
    double markS(double units) {
        return std::max(0.3 * unitS(), units * unitS() * stretch() + weightS());
    }
    double gapS(int units) {
        return std::max(0.3 * unitS(), units * unitS() * stretch() - weightS());
    }

    const CwSignal& signal_;
    Random& random_;
    double cpm_ = signal_.charsPerMinute;
};

double ramp(double x, double riseS) {
    if (x <= -0.5 * riseS) return 0.0;
    if (x >= 0.5 * riseS) return 1.0;
    return 0.5 * (1.0 + std::sin(kPi * x / riseS));
}

void addKeyedTone(const std::vector<Mark>& marks, const CwSignal& signal, double amplitude,
                  double toneHz, std::vector<double>& out) {
    const double rate = kCwSignalRateHz;
    const double riseS = std::max(signal.riseMs, 0.1) / 1000.0;
    const double lengthS = out.size() / rate;
    std::vector<double> envelope(out.size(), 0.0);
    for (const Mark& mark : marks) {
        const auto first = static_cast<std::size_t>(std::max(0.0, (mark.startS - riseS) * rate));
        const auto last =
            std::min(out.size(), static_cast<std::size_t>((mark.endS + riseS) * rate));
        for (std::size_t n = first; n < last; ++n) {
            const double t = n / rate;
            const double e = std::min(ramp(t - mark.startS, riseS), ramp(mark.endS - t, riseS));
            envelope[n] = std::max(envelope[n], e);
        }
    }
    double phase = 0.0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = n / rate;
        const double hz = toneHz + signal.driftHz * t / lengthS;
        phase += 2.0 * kPi * hz / rate;
        if (phase > 2.0 * kPi) phase -= 2.0 * kPi;
        double gain = 1.0;
        if (signal.fadeDepthDb > 0.0) {
            const double depth = 0.5 - 0.5 * std::cos(2.0 * kPi * t / signal.fadePeriodS);
            gain = std::pow(10.0, -signal.fadeDepthDb * depth / 20.0);
        }
        out[n] += amplitude * gain * envelope[n] * std::sin(phase);
    }
}

void addClicks(const CwSignal& signal, Random& random, std::vector<double>& out) {
    const double probability = signal.clicksPerS / kCwSignalRateHz;
    for (std::size_t n = 0; n + 3 < out.size(); ++n) {
        if (random.uniform() >= probability) continue;
        const double height = signal.amplitude * (1.5 + 1.5 * random.uniform());
        const double sign = random.uniform() < 0.5 ? -1.0 : 1.0;
        const int width = 1 + static_cast<int>(random.uniform() * 3.0);
        for (int k = 0; k < width; ++k) out[n + k] += sign * height;
    }
}

// A second station: its own text and speed, weaker, next to the tone.
void addInterferer(const CwSignal& signal, std::vector<double>& out) {
    CwSignal other = signal;
    other.charsPerMinute = signal.charsPerMinute * 1.3;
    other.laterCharsPerMinute = 0.0;
    other.leadingSilenceS = 0.2;
    other.timingJitter = 0.05;
    Random random(signal.seed * 7919u + 17u);
    Keyer keyer(other, random);
    const std::vector<Mark> marks =
        keyer.key("CQ TEST DE OK1XYZ OK1XYZ TEST 5NN 001 TU QRZ DE OK1XYZ TEST CQ");
    const double amplitude = signal.amplitude * std::pow(10.0, signal.interfererLevelDb / 20.0);
    addKeyedTone(marks, other, amplitude, signal.toneHz + signal.interfererOffsetHz, out);
}

}  // namespace

double noiseDeviationFor(double amplitude, double snrDb) {
    const double signalPower = amplitude * amplitude / 2.0;
    const double bandShare = kNoiseBandHz / (kCwSignalRateHz / 2.0);
    return std::sqrt(signalPower / std::pow(10.0, snrDb / 10.0) / bandShare);
}

std::vector<double> cwAudio(std::string_view text, const CwSignal& signal) {
    Random random(signal.seed);
    Keyer keyer(signal, random);
    const std::vector<Mark> marks = keyer.key(text);
    const double keyedEndS = marks.empty() ? signal.leadingSilenceS : marks.back().endS;
    const double lengthS =
        signal.lengthS > 0.0 ? signal.lengthS : keyedEndS + signal.trailingSilenceS;
    std::vector<double> out(static_cast<std::size_t>(std::ceil(lengthS * kCwSignalRateHz)), 0.0);

    addKeyedTone(marks, signal, signal.amplitude, signal.toneHz, out);
    if (signal.interfererOffsetHz != 0.0) addInterferer(signal, out);
    if (signal.clicksPerS > 0.0) addClicks(signal, random, out);
    if (signal.noisy) {
        Random noise(signal.seed ^ 0x9E3779B9u);
        const double deviation = noiseDeviationFor(signal.amplitude, signal.snrDb);
        for (double& sample : out) sample += deviation * noise.gaussian();
    }
    for (double& sample : out) sample = std::clamp(sample, -kMaxSample, kMaxSample);
    return out;
}

std::vector<double> noiseAlone(double lengthS, double amplitude, double snrDb, std::uint32_t seed) {
    Random noise(seed ^ 0x9E3779B9u);
    const double deviation = noiseDeviationFor(amplitude, snrDb);
    std::vector<double> out(static_cast<std::size_t>(lengthS * kCwSignalRateHz));
    for (double& sample : out)
        sample = std::clamp(deviation * noise.gaussian(), -kMaxSample, kMaxSample);
    return out;
}

}  // namespace qs::test
