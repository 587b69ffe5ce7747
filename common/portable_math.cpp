#include "common/portable_math.h"

#include <cmath>

namespace qs {
namespace {

// pi/2 as a 33-bit head and its tail, so that n * head is exact for the
// quadrant counts used here (Cody-Waite reduction).
constexpr double kHalfPiHead = 1.57079632673412561417e+00;
constexpr double kHalfPiTail = 6.07710050650619224932e-11;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;

// x reduced to r = head + tail in [-pi/4, pi/4] and its quadrant.
struct Reduced {
    double head;
    double tail;
    int quadrant;
};

Reduced reduce(double x) {
    const double n = std::floor(x * kTwoOverPi + 0.5);
    const double r = x - n * kHalfPiHead;
    const double w = n * kHalfPiTail;
    const double head = r - w;
    const double tail = (r - head) - w;
    const long long quadrant = static_cast<long long>(n);
    return {head, tail, static_cast<int>(quadrant & 3)};
}

// Minimax polynomials on [-pi/4, pi/4] for x + y (y the small tail).
double sinKernel(double x, double y) {
    constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                     S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                     S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double v = z * x;
    const double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

double cosKernel(double x, double y) {
    constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                     C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                     C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
    const double z = x * x;
    const double w = z * z;
    const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
    const double hz = 0.5 * z;
    const double one = 1.0 - hz;
    return one + (((1.0 - one) - hz) + (z * r - x * y));
}

}  // namespace

double portableCos(double x) {
    const Reduced r = reduce(x);
    switch (r.quadrant) {
        case 0: return cosKernel(r.head, r.tail);
        case 1: return -sinKernel(r.head, r.tail);
        case 2: return -cosKernel(r.head, r.tail);
        default: return sinKernel(r.head, r.tail);
    }
}

double portableSin(double x) {
    const Reduced r = reduce(x);
    switch (r.quadrant) {
        case 0: return sinKernel(r.head, r.tail);
        case 1: return cosKernel(r.head, r.tail);
        case 2: return -sinKernel(r.head, r.tail);
        default: return -cosKernel(r.head, r.tail);
    }
}

}  // namespace qs
