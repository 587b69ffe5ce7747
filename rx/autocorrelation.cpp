#include "rx/autocorrelation.h"

#include <algorithm>
#include <cstring>

namespace qs::rx {
namespace {

typedef double Vector2 __attribute__((vector_size(16)));
typedef double Vector4 __attribute__((vector_size(32)));

// Lags per group: many independent accumulators hide the latency of the
// additions. The 32-bit baseline has only eight vector registers.
#if defined(__x86_64__)
constexpr int kBaselineVectors = 8;
#else
constexpr int kBaselineVectors = 4;
#endif
constexpr int kAvx2Vectors = 8;

// Vectors never pass by value: that would change the calling convention
// between the baseline and the AVX2 code.
template <typename Vector>
[[gnu::always_inline]] inline void broadcast(double value, Vector& out) {
    if constexpr (sizeof(Vector) == sizeof(Vector4)) {
        out = Vector{value, value, value, value};
    } else {
        out = Vector{value, value};
    }
}

// Sums of lags firstLag .. firstLag + lanes * kVectors - 1 into sums. The loop
// runs to the end of firstLag's range; the higher lags of the group meet the
// zero padding there. Products are added one by one (no fused multiply-add).
template <typename Vector, int kVectors>
[[gnu::always_inline]] inline void sumLagGroup(const double* x, int n, int firstLag, double* sums) {
    constexpr int kLanes = sizeof(Vector) / sizeof(double);
    Vector accumulators[kVectors] = {};
    const double* shifted = x + firstLag;
    for (int i = 0; i < n - firstLag; ++i) {
        Vector xi;
        broadcast(x[i], xi);
#pragma GCC unroll 8
        for (int v = 0; v < kVectors; ++v) {
            Vector products;
            std::memcpy(&products, shifted + i + v * kLanes, sizeof products);
            products *= xi;
            accumulators[v] += products;
        }
    }
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) {
        std::memcpy(sums + firstLag + v * kLanes, &accumulators[v], sizeof(Vector));
    }
}

// Full groups first, then single vectors for the remaining lags, so that at
// most lanes - 1 lags are computed in vain.
template <typename Vector, int kVectors>
[[gnu::always_inline]] inline void sumLags(const double* x, int n, int lagCount, double* sums) {
    constexpr int kLanes = sizeof(Vector) / sizeof(double);
    constexpr int kGroupLags = kLanes * kVectors;
    int lag = 0;
    for (; lag + kGroupLags <= lagCount; lag += kGroupLags) {
        sumLagGroup<Vector, kVectors>(x, n, lag, sums);
    }
    for (; lag < lagCount; lag += kLanes) sumLagGroup<Vector, 1>(x, n, lag, sums);
}

#if defined(__i386__)
// Windows does not keep the stack 16-byte aligned for 32-bit code.
__attribute__((force_align_arg_pointer))
#endif
void sumLagsBaseline(const double* x, int n, int lagCount, double* sums) {
    sumLags<Vector2, kBaselineVectors>(x, n, lagCount, sums);
}

#if defined(QUILLSTONE_RUNTIME_AVX2)
__attribute__((target("avx2"))) void sumLagsAvx2(const double* x, int n, int lagCount,
                                                 double* sums) {
    sumLags<Vector4, kAvx2Vectors>(x, n, lagCount, sums);
}
#endif

}  // namespace

VectorUnit bestVectorUnit() {
#if defined(QUILLSTONE_RUNTIME_AVX2)
    static const VectorUnit unit =
        __builtin_cpu_supports("avx2") ? VectorUnit::avx2 : VectorUnit::baseline;
    return unit;
#else
    return VectorUnit::baseline;
#endif
}

void Autocorrelation::compute(const double* x, int n, int lagCount, double scale, double* r) {
    std::copy(x, x + n, samples_.begin());
    std::fill(samples_.begin() + n, samples_.end(), 0.0);
#if defined(QUILLSTONE_RUNTIME_AVX2)
    if (unit_ == VectorUnit::avx2) {
        sumLagsAvx2(samples_.data(), n, lagCount, sums_.data());
    } else {
        sumLagsBaseline(samples_.data(), n, lagCount, sums_.data());
    }
#else
    sumLagsBaseline(samples_.data(), n, lagCount, sums_.data());
#endif
    for (int m = 0; m < lagCount; ++m) r[m] = sums_[m] / (n - m) / scale;
}

}  // namespace qs::rx
