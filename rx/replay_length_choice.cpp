#include "rx/replay_length_choice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qs::rx {

namespace {

constexpr double kLengthMismatchCost = 0.1;  // per squared log of matched over tried
// A longer filter may merge elements into runs that look like slower Morse.
constexpr double kLongerFilterCost = 0.08;  // per log of the length over the shortest
// A filter longer than half the dot its runs give smears that dot: the runs
// are more likely noise it keyed, whose length follows the filter's.
constexpr double kUnresolvedCost = 0.5;  // per squared log of tried over matched, if longer
// A unit no two other lengths come near is the filter's, not the sender's.
constexpr double kDisagreementCost = 0.3;  // per squared log of the unit over the voucher's
constexpr int kVouchersNeeded = 2;
constexpr double kVoucherFitMargin = 0.01;  // mean fit cost a voucher may exceed the trial's by
constexpr int kMaxTrials = 8;

double logDistance(double a, double b) {
    if (a <= 0.0 || b <= 0.0) return 0.0;
    return std::abs(std::log(a / b));
}

// A length whose runs fit Morse worse than this length's, by more than a
// margin, merged or split elements: its unit vouches for nothing here.
bool vouchesFor(const ReplayTrial& voucher, const ReplayTrial& trial) {
    return voucher.unitHops > 0.0 && voucher.fitCost <= trial.fitCost + kVoucherFitMargin;
}

// How far the unit of trial `i` stands from the units of the other lengths
// that vouch: from the second nearest when two or more do.
double disagreement(const ReplayTrial* trials, int count, int i) {
    double distances[kMaxTrials];
    int n = 0;
    for (int j = 0; j < count && n < kMaxTrials; ++j) {
        if (j != i && vouchesFor(trials[j], trials[i])) {
            distances[n++] = logDistance(trials[i].unitHops, trials[j].unitHops);
        }
    }
    if (n == 0) return 0.0;
    const int nth = std::min(n, kVouchersNeeded);
    std::partial_sort(distances, distances + nth, distances + n);
    return distances[nth - 1];
}

double trialCost(const ReplayTrial* trials, int count, int i) {
    const ReplayTrial& trial = trials[i];
    if (trial.lengthSamples <= 0 || trial.matchedLengthSamples <= 0 ||
        trials[0].lengthSamples <= 0) {
        return std::numeric_limits<double>::infinity();
    }
    const double mismatch = std::log(double(trial.matchedLengthSamples) / trial.lengthSamples);
    const double unresolved = std::max(0.0, -mismatch);
    const double apart = disagreement(trials, count, i);
    return trial.fitCost + kLengthMismatchCost * mismatch * mismatch +
           kUnresolvedCost * unresolved * unresolved +
           kLongerFilterCost * std::log(double(trial.lengthSamples) / trials[0].lengthSamples) +
           kDisagreementCost * apart * apart;
}

}  // namespace

int bestReplayTrial(const ReplayTrial* trials, int count) {
    int best = 0;
    double bestCost = 0.0;
    for (int i = 0; i < count; ++i) {
        const double cost = trialCost(trials, count, i);
        if (i == 0 || cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

}  // namespace qs::rx
