#pragma once
// The level display: a strip chart of the conditioned level with the
// threshold as a red line. Its trace advances one pixel every two hops and
// wraps at the display width; each wrap paces the automatic threshold.

#include "rx/display_canvas.h"

namespace qs::rx {

class LevelDisplay {
public:
    explicit LevelDisplay(DisplayCanvas& canvas) : canvas_(canvas) {}

    // Before the hop's level is conditioned: true when the trace has reached
    // the right edge and wraps at this hop.
    bool wrapDue() const { return levelX_ >= canvas_.width(); }
    // Positions of the sweep that is finishing (levelX at the wrap).
    int sweepPositions() const { return levelX_; }
    // Clears the display and draws the grid (first half of the wrap).
    void beginSweep();
    // Draws the threshold line and restarts the trace at the left edge
    // (second half of the wrap, after the automatic threshold update).
    void finishSweep(int thresholdDb);
    // After conditioning: plots the level of every second hop.
    void plot(int levelDb);

    // y of a level (-90..0) on a display h pixels high.
    static int levelY(int levelDb, int height) { return levelDb * (height - 1) / -90; }

    int levelX() const { return levelX_; }

private:
    DisplayCanvas& canvas_;
    int levelX_ = 200;
    bool plotPending_ = false;
    int prevX_ = 0;
    int prevY_ = 0;
};

}  // namespace qs::rx
