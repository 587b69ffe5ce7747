#pragma once
// The sender's timing as the adaptive decoder learns it from the lengths of
// the last marks and gaps (in hops). First the unit: of the candidate units
// from 250 down to 20 per minute, the one that explains the marks as one or
// three units and the gaps as one, three or seven units best, each length
// costing the squared logarithm of its distance to the nearest of those,
// capped so that stray runs of noise cannot outweigh the rest; a run much
// shorter than the unit, such as noise keys on a weak signal, costs less
// still, so a burst of them cannot halve the unit. Then dots and
// dashes are measured as the marks on either side of the unit's dash split,
// element and letter gaps likewise, so the sender's weight and dash length
// are learnt; runs shorter than half the unit are pieces broken off by noise
// and measure nothing, and the letter gap leans towards the element gap and
// two units. The spread of marks and of gaps about their kinds is learnt
// too, as the standard deviation of the logarithm, so that a jittery hand
// widens what counts as a dot or an element gap. Speed changes are followed
// within a few letters.

#include <array>

namespace qs::rx {

class TimingTracker {
  public:
    static constexpr int kHistory = 16;

    TimingTracker() { reset(); }
    void reset();

    void onMark(int hops);
    // A gap between two marks of the same transmission.
    void onGap(int hops);

    double dotHops() const { return dotHops_; }
    double dashHops() const { return dashHops_; }
    double elementGapHops() const { return elementGapHops_; }
    double letterGapHops() const { return letterGapHops_; }
    // A longer mark is a dash.
    double dashSplitHops() const;
    // A longer gap ends a letter, a still longer one a word.
    double letterSplitHops() const;
    double wordSplitHops() const;
    // Standard deviations of the logarithm of marks and gaps about their
    // kinds; never below kLeastSpread.
    static constexpr double kLeastSpread = 0.15;
    double markSpread() const { return markSpread_; }
    double gapSpread() const { return gapSpread_; }
    // Characters per minute on the 50-unit word.
    double charsPerMinute() const;
    int marksSeen() const { return marksSeen_; }
    // How badly the remembered lengths fit the unit, per length: from 0 for
    // perfect Morse to a quarter for lengths that fit no element or gap.
    double meanFitCost() const;

  private:
    double fitCost(double unitHops) const;
    double bestUnitHops() const;
    void update();
    void measureMarks(double unitHops);
    void measureGaps(double unitHops);
    void clampToSpeedRange();

    std::array<double, kHistory> marks_{};  // logarithms of the lengths
    std::array<double, kHistory> gaps_{};
    int markCount_ = 0;
    int markNext_ = 0;
    int gapCount_ = 0;
    int gapNext_ = 0;
    int marksSeen_ = 0;
    double unitHops_ = 0.0;
    double dotHops_ = 0.0;
    double dashHops_ = 0.0;
    double elementGapHops_ = 0.0;
    double letterGapHops_ = 0.0;
    double markSpread_ = kLeastSpread;
    double gapSpread_ = kLeastSpread;
};

}  // namespace qs::rx
