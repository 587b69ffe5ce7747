#include "rx/display_canvas_win32.h"

namespace qs::rx {

namespace {

// The control's device context for one drawing call; null when there is no
// window or it is gone (GetDC of no window would be the whole screen's).
class WindowDc {
public:
    explicit WindowDc(HWND window)
        : window_(window), dc_(window != nullptr ? GetDC(window) : nullptr) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A pen selected into a device context until destruction, then restored and
// deleted.
class SelectedPen {
public:
    SelectedPen(HDC dc, int style, COLORREF colour)
        : dc_(dc), pen_(CreatePen(style, 1, colour)), previous_(SelectObject(dc, pen_)) {}
    ~SelectedPen() {
        SelectObject(dc_, previous_);
        DeleteObject(pen_);
    }
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};

struct PenLook {
    int style;
    COLORREF colour;  // 0x00BBGGRR
};

PenLook penLook(DisplayPen pen) {
    switch (pen) {
        case DisplayPen::Grid: return {PS_DOT, 0x646464};
        case DisplayPen::Marker: return {PS_SOLID, 0x0000FF};
        case DisplayPen::Trace: return {PS_SOLID, 0x00FF00};
    }
    return {PS_SOLID, 0x00FF00};
}

}  // namespace

RECT GdiDisplayCanvas::clientRect() const {
    RECT rect{};
    if (const HWND control = control_) GetClientRect(control, &rect);
    return rect;
}

int GdiDisplayCanvas::width() const { return clientRect().right; }

int GdiDisplayCanvas::height() const { return clientRect().bottom; }

void GdiDisplayCanvas::fillBlack() {
    const WindowDc dc(control_);
    if (dc.get() == nullptr) return;
    const RECT rect = clientRect();
    FillRect(dc.get(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The gaps of the dotted grid pen stay transparent, so the grid reads as
// grey dots on the black background.
void GdiDisplayCanvas::line(DisplayPen pen, int x0, int y0, int x1, int y1) {
    const WindowDc dc(control_);
    if (dc.get() == nullptr) return;
    const PenLook look = penLook(pen);
    const int previousMode = SetBkMode(dc.get(), TRANSPARENT);
    {
        const SelectedPen selected(dc.get(), look.style, look.colour);
        MoveToEx(dc.get(), x0, y0, nullptr);
        LineTo(dc.get(), x1, y1);
    }
    SetBkMode(dc.get(), previousMode);
}

}  // namespace qs::rx
