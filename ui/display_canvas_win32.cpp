#include "ui/display_canvas_win32.h"

namespace qs::win {

namespace {

constexpr COLORREF kGridColour = RGB(100, 100, 100);
constexpr COLORREF kMarkerColour = RGB(255, 0, 0);
constexpr COLORREF kTraceColour = RGB(0, 255, 0);

HPEN createPen(rx::DisplayPen pen) {
    switch (pen) {
        case rx::DisplayPen::Grid:
            return CreatePen(PS_DOT, 1, kGridColour);
        case rx::DisplayPen::Marker:
            return CreatePen(PS_SOLID, 1, kMarkerColour);
        case rx::DisplayPen::Trace:
            return CreatePen(PS_SOLID, 1, kTraceColour);
    }
    return CreatePen(PS_SOLID, 1, kTraceColour);
}

}  // namespace

RECT DisplayCanvas::clientRect() const {
    RECT rect{};
    if (HWND control = control_) GetClientRect(control, &rect);
    return rect;
}

int DisplayCanvas::width() const {
    return static_cast<int>(clientRect().right);
}
int DisplayCanvas::height() const {
    return static_cast<int>(clientRect().bottom);
}

void DisplayCanvas::fillBlack() {
    HWND control = control_;
    if (!control) return;
    HDC dc = GetDC(control);
    if (!dc) return;
    const RECT rect = clientRect();
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(control, dc);
}

// The dotted grid is drawn on black, so its gaps stay black.
void DisplayCanvas::line(rx::DisplayPen pen, int x0, int y0, int x1, int y1) {
    HWND control = control_;
    if (!control) return;
    HDC dc = GetDC(control);
    if (!dc) return;
    HPEN drawing = createPen(pen);
    HGDIOBJ previous = SelectObject(dc, drawing);
    SetBkColor(dc, RGB(0, 0, 0));
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, previous);
    DeleteObject(drawing);
    ReleaseDC(control, dc);
}

}  // namespace qs::win
