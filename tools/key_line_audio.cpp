#include "tools/key_line_audio.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "common/portable_math.h"

namespace qs::tools {

namespace {

constexpr double kPi = 3.14159265358979323846;

double sampleTimeMs(std::size_t n) {
    return static_cast<double>(n) * 1000.0 / kKeyLineRateHz;
}

// The first sample at or after `timeMs`.
std::size_t sampleAtOrAfter(double timeMs) {
    return static_cast<std::size_t>(std::max(0.0, std::ceil(timeMs * kKeyLineRateHz / 1000.0)));
}

// How far an edge that began `sinceMs` ago has come: 0 before it, a raised
// cosine through it, 1 after it.
double edgeProgress(double sinceMs, double edgeMs) {
    if (sinceMs <= 0.0) return 0.0;
    if (sinceMs >= edgeMs) return 1.0;
    return 0.5 * (1.0 - portableCos(kPi * sinceMs / edgeMs));
}

// Raises `envelope` to the mark's shape wherever the mark is louder.
void addMark(const KeyMark& mark, double edgeMs, std::vector<double>& envelope) {
    const auto downMs = static_cast<double>(mark.downMs);
    const auto upMs = static_cast<double>(mark.upMs);
    const std::size_t end = std::min(envelope.size(), sampleAtOrAfter(upMs + edgeMs));
    for (std::size_t n = sampleAtOrAfter(downMs); n < end; ++n) {
        const double timeMs = sampleTimeMs(n);
        const double rise = edgeProgress(timeMs - downMs, edgeMs);
        const double fall = 1.0 - edgeProgress(timeMs - upMs, edgeMs);
        envelope[n] = std::max(envelope[n], std::min(rise, fall));
    }
}

// The tone's sine at sample n; the phase is reduced exactly in whole
// samples, so it stays accurate however long the audio.
double toneAt(std::size_t n, int toneHz) {
    const long long phaseSamples = static_cast<long long>(n % kKeyLineRateHz) * toneHz;
    const auto reduced = static_cast<double>(phaseSamples % kKeyLineRateHz);
    return portableSin(2.0 * kPi * reduced / kKeyLineRateHz);
}

// Gaussian-like white noise of unit variance: the sum of twelve uniform
// numbers less six. A fully specified engine and plain arithmetic make the
// same seed give the same noise with every compiler and library.
class WhiteNoise {
  public:
    explicit WhiteNoise(std::uint32_t seed) : engine_(seed) {}

    double next() {
        double sum = 0.0;
        for (int k = 0; k < 12; ++k) sum += static_cast<double>(engine_()) / 4294967296.0;
        return sum - 6.0;
    }

  private:
    std::mt19937 engine_;
};

void addNoise(const KeyLineSound& sound, std::vector<double>& samples) {
    const double toneRms = sound.amplitude / std::sqrt(2.0);
    const double noiseRms = toneRms / std::pow(10.0, *sound.snrDb / 20.0);
    WhiteNoise noise(sound.seed);
    for (double& sample : samples) sample += noiseRms * noise.next();
}

}  // namespace

std::vector<KeyMark> keyMarks(const std::vector<tx::KeyerEvent>& events, long long endMs) {
    std::vector<KeyMark> marks;
    bool down = false;
    long long downMs = 0;
    for (const tx::KeyerEvent& event : events) {
        if (event.kind == tx::KeyerEvent::Kind::KeyDown && !down) {
            down = true;
            downMs = event.timeMs;
        } else if (event.kind == tx::KeyerEvent::Kind::KeyUp && down) {
            down = false;
            marks.push_back({downMs, event.timeMs});
        }
    }
    if (down) marks.push_back({downMs, endMs});
    return marks;
}

std::vector<double> renderKeyLine(const std::vector<KeyMark>& marks, long long durationMs,
                                  const KeyLineSound& sound) {
    std::vector<double> samples(sampleAtOrAfter(static_cast<double>(durationMs)), 0.0);
    for (const KeyMark& mark : marks) addMark(mark, sound.edgeMs, samples);
    for (std::size_t n = 0; n < samples.size(); ++n) {
        if (samples[n] > 0.0) samples[n] *= sound.amplitude * toneAt(n, sound.toneHz);
    }
    if (sound.snrDb) addNoise(sound, samples);
    return samples;
}

}  // namespace qs::tools
