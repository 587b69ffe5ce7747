#include "ui/macro_areas.h"

namespace qs::ui {

namespace {

constexpr double kDesignWidth = 1085.0;
constexpr double kDesignHeight = 375.0;
constexpr int kColumns = 6;

struct Bounds {
    int low;
    int high;
};

constexpr Bounds kRows[2] = {{311, 333}, {340, 362}};

// Columns 1 to 6 per area; the left click's third and sixth columns differ
// between the rows, the hover's sixth column starts one pixel later.
constexpr Bounds kLeftClickRow1[kColumns] = {{13, 107},  {115, 210}, {216, 311},
                                             {318, 413}, {419, 514}, {519, 614}};
constexpr Bounds kLeftClickRow2[kColumns] = {{13, 107},  {115, 210}, {215, 312},
                                             {318, 413}, {419, 514}, {519, 613}};
constexpr Bounds kRightClick[kColumns] = {{13, 107},  {115, 210}, {216, 311},
                                          {318, 413}, {419, 514}, {519, 614}};
constexpr Bounds kHover[kColumns] = {{13, 107},  {115, 210}, {216, 311},
                                     {318, 413}, {419, 514}, {520, 614}};

int scaled(int bound, double dpiScale, double clientSize, double designSize) {
    if (!(dpiScale > 1.0)) return bound;
    return static_cast<int>(bound * clientSize / designSize + 0.5);
}

bool inside(int value, Bounds bounds, double dpiScale, double clientSize, double designSize) {
    return value > scaled(bounds.low, dpiScale, clientSize, designSize) &&
           value < scaled(bounds.high, dpiScale, clientSize, designSize);
}

const Bounds* columnsOf(MacroArea area, int row) {
    switch (area) {
        case MacroArea::LeftClick:
            return row == 0 ? kLeftClickRow1 : kLeftClickRow2;
        case MacroArea::RightClick:
            return kRightClick;
        case MacroArea::Hover:
            return kHover;
    }
    return kHover;
}

}  // namespace

int macroAt(MacroArea area, int x, int y, const rx::FormScale& scale) {
    for (int row = 0; row < 2; ++row) {
        if (!inside(y, kRows[row], scale.dpiScaleY, scale.clientHeight, kDesignHeight)) continue;
        const Bounds* columns = columnsOf(area, row);
        for (int column = 0; column < kColumns; ++column) {
            if (inside(x, columns[column], scale.dpiScaleX, scale.clientWidth, kDesignWidth)) {
                return row * kColumns + column + 1;
            }
        }
    }
    return 0;
}

}  // namespace qs::ui
