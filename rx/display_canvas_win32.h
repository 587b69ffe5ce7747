#pragma once
// The level and spectrum displays drawn with GDI into a static control's
// window. The capture thread draws: it takes the window's device context
// for each call and gives it back at once, which never waits for the
// user-interface thread. Nothing is kept off screen. Until a control is
// attached the canvas has no size and draws nothing.

#include <windows.h>

#include <atomic>

#include "rx/display_canvas.h"

namespace qs::rx {

class GdiDisplayCanvas : public DisplayCanvas {
public:
    explicit GdiDisplayCanvas(HWND control = nullptr) : control_(control) {}
    // The control must live until the capture thread has stopped.
    void attach(HWND control) { control_ = control; }

    int width() const override;
    int height() const override;
    void fillBlack() override;
    // Pens are created, selected, restored and deleted within each call.
    void line(DisplayPen pen, int x0, int y0, int x1, int y1) override;

private:
    RECT clientRect() const;

    std::atomic<HWND> control_;
};

}  // namespace qs::rx
