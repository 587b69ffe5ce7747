#include "tools/resampler.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qs::tools {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAmplitude = 10000.0;

std::vector<double> tone(int rateHz, double frequencyHz, double seconds) {
    std::vector<double> samples(static_cast<std::size_t>(seconds * rateHz));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        samples[n] = kAmplitude * std::sin(2 * kPi * frequencyHz * n / rateHz);
    }
    return samples;
}

double db(double ratio) {
    return 20.0 * std::log10(ratio);
}

struct Case {
    int rateHz;
    double frequencyHz;
};

// Fits a*sin + b*cos at `frequencyHz` to the output, away from its edges.
struct ToneFit {
    double amplitude;
    double residualRms;  // what the fitted sine leaves
    double rms;
};

ToneFit fitTone(const std::vector<double>& y, double frequencyHz) {
    const std::size_t first = 2000;
    const std::size_t last = y.size() - 2000;
    double sinSum = 0.0, cosSum = 0.0, power = 0.0;
    for (std::size_t m = first; m < last; ++m) {
        sinSum += y[m] * std::sin(2 * kPi * frequencyHz * m / 11025);
        cosSum += y[m] * std::cos(2 * kPi * frequencyHz * m / 11025);
        power += y[m] * y[m];
    }
    const double count = static_cast<double>(last - first);
    const double a = 2.0 * sinSum / count, b = 2.0 * cosSum / count;
    double residual = 0.0;
    for (std::size_t m = first; m < last; ++m) {
        const double phase = 2 * kPi * frequencyHz * m / 11025;
        const double e = y[m] - a * std::sin(phase) - b * std::cos(phase);
        residual += e * e;
    }
    return {std::hypot(a, b), std::sqrt(residual / count), std::sqrt(power / count)};
}

TEST(Resampler, PassesThrough11025BitExactAndShortInputsGiveTheirSamples) {
    const std::vector<double> input = {1.0, -2.5, 32767.0, 1e-300, -32768.0};
    EXPECT_EQ(resampleTo11025(input, 11025), input);
    EXPECT_EQ(resampleTo11025({}, 48000).size(), 0u);
    const std::vector<double> one = resampleTo11025({1000.0}, 48000);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_GT(one[0], 100.0);
    EXPECT_EQ(resampleTo11025(std::vector<double>(5, 0.0), 8000).size(), 7u);
}

TEST(Resampler, KeepsFrequencyAmplitudeAndTimeOfInBandTones) {
    const Case cases[] = {{44100, 600},  {48000, 600}, {48000, 3700}, {22050, 1000},
                          {8000, 600},   {8000, 3000}, {16000, 900},  {32000, 450},
                          {12000, 2000}, {44101, 700}, {9000, 172}};
    for (const Case& c : cases) {
        const std::vector<double> y = resampleTo11025(tone(c.rateHz, c.frequencyHz, 2.0), c.rateHz);
        const ToneFit fit = fitTone(y, c.frequencyHz);
        EXPECT_NEAR(db(fit.amplitude / kAmplitude), 0.0, 0.1)
            << c.rateHz << " Hz " << c.frequencyHz;
        // Anything but the tone (a wrong frequency, images, aliases) stays 70 dB down.
        EXPECT_LT(db(fit.residualRms / kAmplitude), -70.0) << c.rateHz << " Hz " << c.frequencyHz;
        // No delay: output sample m is the input at time m / 11025 s.
        for (std::size_t m = 3000; m < 3010; ++m) {
            EXPECT_NEAR(y[m], kAmplitude * std::sin(2 * kPi * c.frequencyHz * m / 11025), 5.0)
                << c.rateHz << " Hz sample " << m;
        }
    }
}

TEST(Resampler, SuppressesTonesAboveTheOutputNyquistFrequency) {
    const Case cases[] = {{44100, 5600},  {44100, 6000}, {44100, 10000},
                          {44100, 20000}, {48000, 5800}, {48000, 6525},
                          {48000, 23000}, {22050, 7000}, {16000, 7900}};
    for (const Case& c : cases) {
        const std::vector<double> y = resampleTo11025(tone(c.rateHz, c.frequencyHz, 1.0), c.rateHz);
        const double outRms = fitTone(y, 600.0).rms;
        EXPECT_LT(db(outRms / (kAmplitude / std::sqrt(2.0))), -70.0)
            << c.rateHz << " Hz " << c.frequencyHz;
    }
}

TEST(Resampler, StreamsInAnyPortionsLikeOneBuffer) {
    for (const int rateHz : {8000, 44100, 48000}) {
        const std::vector<double> input = tone(rateHz, 777.0, 0.7);
        const std::vector<double> whole = resampleTo11025(input, rateHz);
        EXPECT_EQ(whole.size(),
                  static_cast<std::size_t>(std::ceil(input.size() * 11025.0 / rateHz)));

        Resampler resampler(rateHz);
        std::vector<double> streamed;
        std::size_t position = 0;
        for (std::size_t portion = 1; position < input.size(); portion = portion * 3 % 1000 + 1) {
            const std::size_t count = std::min(portion, input.size() - position);
            resampler.push(input.data() + position, count, streamed);
            position += count;
        }
        resampler.finish(streamed);
        EXPECT_EQ(streamed, whole) << rateHz;
    }
}

}  // namespace
}  // namespace qs::tools
