#pragma once
// The level and spectrum displays drawn straight into their static
// controls' device contexts, from the capture thread. Drawing on another
// thread's window takes no message round trip, so the capture thread never
// waits for the user-interface thread. Pens live only within one call.

#include <windows.h>

#include <atomic>

#include "rx/display_canvas.h"

namespace qs::win {

class DisplayCanvas : public rx::DisplayCanvas {
public:
    // The control exists from the view's creation until its destruction,
    // which comes after the capture thread has stopped.
    void attach(HWND control) { control_ = control; }

    int width() const override;
    int height() const override;
    void fillBlack() override;
    void line(rx::DisplayPen pen, int x0, int y0, int x1, int y1) override;

private:
    RECT clientRect() const;

    std::atomic<HWND> control_{nullptr};
};

}  // namespace qs::win
