#include "rx/autocorrelation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace qs::rx {
namespace {

// Every vector unit must give, bit for bit, the plain loop's sums divided by
// the term count and then the scale, also when computing in place.
TEST(Autocorrelation, EveryUnitMatchesThePlainLoopBitForBit) {
    struct Case {
        int n, lagCount;
        double scale;
    };
    const Case cases[] = {{600, 512, 300.0}, {300, 300, 768.0}, {300, 256, 768.0},
                          {37, 37, 1.0},     {37, 5, 3.0},      {1, 1, 1.0}};
    std::mt19937 random(5);
    std::uniform_real_distribution<double> uniform(-32768.0, 32767.0);
    for (VectorUnit unit : {VectorUnit::baseline, VectorUnit::avx2}) {
        Autocorrelation autocorrelation(unit);
        for (const Case& c : cases) {
            // Values of very different sizes make any change of summation order show.
            std::vector<double> x(c.n);
            for (int i = 0; i < c.n; ++i) x[i] = uniform(random) * (i % 7 == 0 ? 1e-6 : 1.0);
            std::vector<double> r(c.lagCount, -1.0);
            std::vector<double> inPlace = x;
            autocorrelation.compute(x.data(), c.n, c.lagCount, c.scale, r.data());
            autocorrelation.compute(inPlace.data(), c.n, c.lagCount, c.scale, inPlace.data());
            for (int m = 0; m < c.lagCount; ++m) {
                double sum = 0.0;
                for (int i = 0; i <= c.n - 1 - m; ++i) sum += x[i] * x[i + m];
                const double expected = sum / (c.n - m) / c.scale;
                ASSERT_EQ(std::memcmp(&r[m], &expected, sizeof expected), 0)
                    << "unit " << static_cast<int>(unit) << " n " << c.n << " lag " << m;
                ASSERT_EQ(std::memcmp(&inPlace[m], &expected, sizeof expected), 0) << m;
            }
        }
    }
}

}  // namespace
}  // namespace qs::rx
