#include "common/portable_math.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace qs {
namespace {

// Within one unit in the last place of the C library's value, or within
// 1e-18 where the result is near zero (some libraries lose relative accuracy
// there; the transform only needs absolute accuracy).
void expectWithinAnUlp(double ours, double library) {
    const double ulp = std::nextafter(std::fabs(library), INFINITY) - std::fabs(library);
    EXPECT_LE(std::fabs(ours - library), std::max(ulp, 1e-18)) << library;
}

TEST(PortableMath, AgreesWithTheLibraryOverTheTransformAnglesAndEveryQuadrant) {
    for (int n = 0; n < 512; ++n) {
        const double windowAngle = n * 6.2831852 / 511;
        const double twiddleAngle = (2 * 3.1415926 * n) / 512;
        expectWithinAnUlp(portableCos(windowAngle), std::cos(windowAngle));
        expectWithinAnUlp(portableCos(twiddleAngle), std::cos(twiddleAngle));
        expectWithinAnUlp(portableSin(twiddleAngle), std::sin(twiddleAngle));
    }
    for (double x = -40.0; x <= 40.0; x += 0.0137) {
        expectWithinAnUlp(portableCos(x), std::cos(x));
        expectWithinAnUlp(portableSin(x), std::sin(x));
    }
    EXPECT_EQ(portableCos(0.0), 1.0);
    EXPECT_EQ(portableSin(0.0), 0.0);
}

}  // namespace
}  // namespace qs
