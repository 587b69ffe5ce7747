#include "rx/level_display.h"

namespace qs::rx {

void LevelDisplay::beginSweep() {
    const int w = canvas_.width();
    const int h = canvas_.height();
    canvas_.fillBlack();
    for (int k = 1; k <= 5; ++k) {
        const int y = k * (h - 1) / 6;
        canvas_.line(DisplayPen::Grid, 0, y, w, y);
    }
    for (int k = 1; k <= 3; ++k) {
        const int x = k * w / 4;
        canvas_.line(DisplayPen::Grid, x, 0, x, h - 1);
    }
}

void LevelDisplay::finishSweep(int thresholdDb) {
    const int y = levelY(thresholdDb, canvas_.height());
    canvas_.line(DisplayPen::Marker, 0, y, canvas_.width(), y);
    plotPending_ = true;
    levelX_ = 0;
    prevX_ = 0;
}

void LevelDisplay::plot(int levelDb) {
    if (!plotPending_) {
        prevX_ = levelX_;
        ++levelX_;
        plotPending_ = true;
        return;
    }
    if (levelX_ > 0) {
        const int y = levelY(levelDb, canvas_.height());
        canvas_.line(DisplayPen::Trace, prevX_, prevY_, levelX_, y);
        prevY_ = y;
    }
    plotPending_ = false;
    prevX_ = levelX_;
}

}  // namespace qs::rx
