#pragma once
// The last three seconds of captured audio, kept for the adaptive decoder:
// once a new signal has shown its tone and speed, its start is filtered
// again at that tone, with a filter length chosen then, and read afresh, so
// that its first letters are not lost. Fixed buffers; nothing is allocated.

#include <array>
#include <complex>

#include "rx/narrow_filter.h"
#include "rx/receive_constants.h"

namespace qs::rx {

class RecentAudio {
  public:
    static constexpr int kHops = 1024;

    // The noise floor and the marks' level of the hops filtered last.
    struct Levels {
        double floorDb;
        double markDb;
    };

    void clear() { hopsRecorded_ = 0; }
    // Keeps one hop of kHopSamples samples; the oldest kept gives way.
    void record(const double* samples);
    long long hopsRecorded() const { return hopsRecorded_; }
    long long oldestKeptHop() const { return hopsRecorded_ > kHops ? hopsRecorded_ - kHops : 0; }

    // Filters `count` kept hops from `firstHop` on again, at `toneHz` with
    // boxcars of `length`. levelDb(k) is then the level of hop k of them,
    // and filter() and lastOutput() stand as after the last.
    void refilter(long long firstHop, int count, double toneHz, int length);
    double levelDb(int k) const { return levelsDb_[k]; }
    const NarrowFilter& filter() const { return filter_; }
    std::complex<double> lastOutput() const { return lastOutput_; }
    // The floor is a low percentile of the levels, the marks' level a high one.
    Levels levels();

  private:
    std::array<float, kHops * kHopSamples> samples_{};  // a ring of hops
    std::array<float, kHops> levelsDb_{};
    std::array<float, kHops> sortedDb_{};
    std::array<double, kHopSamples> hop_{};
    long long hopsRecorded_ = 0;
    int count_ = 0;
    NarrowFilter filter_;
    std::complex<double> lastOutput_{};
};

}  // namespace qs::rx
