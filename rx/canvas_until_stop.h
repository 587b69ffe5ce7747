#pragma once
// A display canvas that stops drawing once the capture stop flag is raised:
// at shutdown the spectrum display's control may already be going away
// while the capture thread finishes its last block.

#include <atomic>

#include "rx/display_canvas.h"

namespace qs::rx {

class CanvasUntilStop : public DisplayCanvas {
public:
    CanvasUntilStop(DisplayCanvas& canvas, const std::atomic<bool>& stopFlag)
        : canvas_(canvas), stopFlag_(stopFlag) {}

    int width() const override { return canvas_.width(); }
    int height() const override { return canvas_.height(); }
    void fillBlack() override {
        if (!stopFlag_) canvas_.fillBlack();
    }
    void line(DisplayPen pen, int x0, int y0, int x1, int y1) override {
        if (!stopFlag_) canvas_.line(pen, x0, y0, x1, y1);
    }

private:
    DisplayCanvas& canvas_;
    const std::atomic<bool>& stopFlag_;
};

}  // namespace qs::rx
