#pragma once
// The level and spectrum displays drawn with GDI into a static control's
// window. The capture thread draws: it takes the window's device context
// for each call and gives it back at once, which never waits for the
// user-interface thread. Nothing is kept off screen.

#include <windows.h>

#include "rx/display_canvas.h"

namespace qs::rx {

class GdiDisplayCanvas : public DisplayCanvas {
public:
    explicit GdiDisplayCanvas(HWND control) : control_(control) {}

    int width() const override;
    int height() const override;
    void fillBlack() override;
    // Pens are created, selected, restored and deleted within each call.
    void line(DisplayPen pen, int x0, int y0, int x1, int y1) override;

private:
    RECT clientRect() const;

    HWND control_;
};

}  // namespace qs::rx
