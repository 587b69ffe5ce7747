// The choice of the filter length with which a new signal's recent audio is
// read again.

#include "rx/replay_length_choice.h"

#include <gtest/gtest.h>

namespace qs::rx {
namespace {

constexpr int kLengths[] = {128, 181, 256, 362, 512};
constexpr int kTrials = 5;

struct Case {
    const char* what;
    ReplayTrial trials[kTrials];
    int expectedIndex;
};

// Units in hops; the matched length is the filter length the tried one's
// runs call for.
ReplayTrial trial(int index, double fitCost, double unitHops, int matchedLength) {
    return {kLengths[index], matchedLength, fitCost, unitHops};
}

TEST(ReplayLengthChoice, PrefersTheLengthWhoseUnitTheOthersGive) {
    const Case cases[] = {
        {"one unit at every length, all matched: the shortest",
         {trial(0, 0.30, 8.0, 128), trial(1, 0.30, 8.2, 131), trial(2, 0.30, 8.1, 130),
          trial(3, 0.30, 8.3, 133), trial(4, 0.30, 8.0, 128)},
         0},
        {"a slow sender, the matched length fits best",
         {trial(0, 0.40, 16.0, 256), trial(1, 0.36, 16.5, 264), trial(2, 0.30, 16.2, 259),
          trial(3, 0.34, 16.4, 262), trial(4, 0.40, 16.8, 269)},
         2},
        // The shortest filter keyed noise into runs near its own length: its
        // unit is faster than any the other lengths, fitting as well, give.
        {"a weak 160/Min sender: not the shortest's 208/Min",
         {trial(0, 0.055, 9.90, 158), trial(1, 0.051, 13.37, 213), trial(2, 0.038, 14.84, 210),
          trial(3, 0.051, 16.11, 211), trial(4, 0.081, 38.99, 367)},
         1},
        {"a weak 121/Min sender: not the shortest's 160/Min",
         {trial(0, 0.070, 12.53, 200), trial(1, 0.066, 16.03, 248), trial(2, 0.040, 16.55, 264),
          trial(3, 0.047, 16.25, 259), trial(4, 0.047, 53.58, 512)},
         1},
        // The longer filters merge the short gaps of heavy keying into slow
        // marks that agree with one another, but fit worse: they vouch for none.
        {"heavy keying at 178/Min: the shortest, though the merged runs agree",
         {trial(0, 0.032, 14.00, 145), trial(1, 0.036, 14.24, 143), trial(2, 0.066, 37.49, 503),
          trial(3, 0.053, 56.17, 471), trial(4, 0.053, 56.84, 464)},
         0},
        {"a long filter smearing the dot its runs give is not taken",
         {trial(0, 0.32, 8.0, 128), trial(1, 0.33, 8.4, 134), trial(2, 0.34, 8.8, 141),
          trial(3, 0.20, 9.0, 144), trial(4, 0.20, 9.2, 147)},
         0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bestReplayTrial(c.trials, kTrials), c.expectedIndex) << c.what;
    }
}

TEST(ReplayLengthChoice, FewOrEmptyTrialsNeverFail) {
    const ReplayTrial one[1] = {trial(2, 0.5, 12.0, 192)};
    EXPECT_EQ(bestReplayTrial(one, 1), 0);
    EXPECT_EQ(bestReplayTrial(one, 0), 0);
    const ReplayTrial unmeasured[kTrials] = {};  // no runs: no unit, no lengths
    EXPECT_EQ(bestReplayTrial(unmeasured, kTrials), 0);
    // A trial without a matched length never wins, however well it fits.
    const ReplayTrial partly[3] = {
        trial(0, 0.5, 8.0, 128), {181, 0, 0.0, 8.0}, trial(2, 0.5, 8.0, 128)};
    EXPECT_EQ(bestReplayTrial(partly, 3), 0);
}

}  // namespace
}  // namespace qs::rx
