// Colours of the form's static controls and the drawn frequency scales.

#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "ui/controls_win32.h"
#include "ui/quillstone_view_win32.h"

namespace qs::ui {

namespace {

constexpr int kScaleMarkCount = 8;  // every fourth of the 29 tone cells
constexpr int kScaleMarkHalfWidth = 20;

bool isMacroLabel(int id) {
    return id >= control::kFirstMacroLabel && id <= control::kAutoCqLabel;
}

std::vector<std::wstring> scaleNumbers(const std::wstring& text) {
    std::vector<std::wstring> numbers;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(L' ', start), text.size());
        if (end > start) numbers.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return numbers;
}

}  // namespace

// The displays are black between the capture thread's drawings; a macro
// label is written in its caption colour.
LRESULT CQuillstoneView::onCtlColorStatic(HDC dc, HWND sender) {
    const int id = GetDlgCtrlID(sender);
    if (id == control::kLevelDisplay || id == control::kSpectrumDisplay) {
        SetBkColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (isMacroLabel(id)) {
        const int macro = id - control::kFirstMacroLabel + 1;
        SetTextColor(dc, static_cast<COLORREF>(core_.macros().colour(macro)));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The numbers of a frequency scale stand under the spectrum's vertical grid
// lines, which fall on every fourth tone cell (x = k * w / 7).
void CQuillstoneView::drawScaleMarks(const DRAWITEMSTRUCT& item) {
    const FormControl* label = findFormControl(static_cast<int>(item.CtlID));
    const FormControl* display = findFormControl(control::kSpectrumDisplay);
    if (!label || !display) return;
    const FormRect labelPlace = scaleRect(label->rect, dpiScaleX_, dpiScaleY_);
    const FormRect displayPlace = scaleRect(display->rect, dpiScaleX_, dpiScaleY_);
    const int displayLeft = displayPlace.left - labelPlace.left;

    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previousFont = SelectObject(item.hDC, formFont_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const std::vector<std::wstring> numbers =
        scaleNumbers(win::wide(win::Window(item.hwndItem).text()));
    const int halfWidth = scaleCoordinate(kScaleMarkHalfWidth, dpiScaleX_);
    for (int k = 0; k < static_cast<int>(numbers.size()) && k < kScaleMarkCount; ++k) {
        const int centre = displayLeft + k * displayPlace.width / (kScaleMarkCount - 1);
        RECT place{centre - halfWidth, item.rcItem.top, centre + halfWidth, item.rcItem.bottom};
        DrawTextW(item.hDC, numbers[k].c_str(), static_cast<int>(numbers[k].size()), &place,
                  DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(item.hDC, previousFont);
}

}  // namespace qs::ui
