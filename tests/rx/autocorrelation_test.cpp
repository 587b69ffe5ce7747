#include "rx/autocorrelation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace qs::rx {
namespace {

// The plain loop the vectorised sums must match bit for bit.
std::vector<double> scalarAutocorrelation(const std::vector<double>& x, int lagCount,
                                          double scale) {
    const int n = static_cast<int>(x.size());
    std::vector<double> r(lagCount);
    for (int m = 0; m < lagCount; ++m) {
        double sum = 0.0;
        for (int i = 0; i <= n - 1 - m; ++i) sum += x[i] * x[i + m];
        r[m] = sum / (n - m) / scale;
    }
    return r;
}

std::vector<double> randomSamples(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(-32768.0, 32767.0);
    std::vector<double> x(n);
    // Values of very different sizes make any change of summation order show.
    for (int i = 0; i < n; ++i) x[i] = uniform(random) * ((i % 7 == 0) ? 1e-6 : 1.0);
    return x;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Autocorrelation, EveryUnitMatchesThePlainLoopBitForBit) {
    struct Case {
        int n, lagCount;
        double scale;
    };
    const Case cases[] = {{600, 512, 300.0}, {300, 300, 768.0}, {300, 256, 768.0},
                          {37, 37, 1.0},     {37, 5, 3.0},      {1, 1, 1.0}};
    for (VectorUnit unit : {VectorUnit::baseline, VectorUnit::avx2}) {
        Autocorrelation autocorrelation(unit);
        for (const Case& c : cases) {
            const std::vector<double> x = randomSamples(c.n, c.n * 31 + c.lagCount);
            const std::vector<double> expected = scalarAutocorrelation(x, c.lagCount, c.scale);
            std::vector<double> r(c.lagCount, -1.0);
            autocorrelation.compute(x.data(), c.n, c.lagCount, c.scale, r.data());
            for (int m = 0; m < c.lagCount; ++m) {
                ASSERT_TRUE(sameBits(r[m], expected[m]))
                    << "unit " << static_cast<int>(unit) << " n " << c.n << " lag " << m;
            }
        }
    }
}

TEST(Autocorrelation, DividesEachLagByItsTermCountThenTheScale) {
    Autocorrelation autocorrelation;
    const double x[] = {1.0, 2.0, 3.0};
    double r[3];
    autocorrelation.compute(x, 3, 3, 2.0, r);
    EXPECT_EQ(r[0], 14.0 / 3 / 2);
    EXPECT_EQ(r[1], 8.0 / 2 / 2);
    EXPECT_EQ(r[2], 3.0 / 1 / 2);

    // In place, as a second pass may run, and over stale padding.
    double y[] = {1.0, 2.0, 3.0};
    autocorrelation.compute(y, 2, 2, 1.0, y);
    EXPECT_EQ(y[0], 5.0 / 2);
    EXPECT_EQ(y[1], 2.0);
    EXPECT_EQ(y[2], 3.0);
}

}  // namespace
}  // namespace qs::rx
