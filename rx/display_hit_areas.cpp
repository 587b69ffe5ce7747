#include "rx/display_hit_areas.h"

#include <array>

namespace qs::rx {

namespace {

constexpr double kDesignWidth = 1085.0;
constexpr double kDesignHeight = 375.0;

constexpr int kDisplaysTop = 33;  // both displays: top < y < bottom
constexpr int kDisplaysBottom = 128;
constexpr int kThresholdSpan = 94;  // y - top over this span is 0..-90 dB
constexpr int kLevelLeft = 177;     // left < x < right
constexpr int kLevelRight = 353;
constexpr int kSpectrumLeft = 419;  // left <= x <= right
constexpr int kSpectrumRight = 594;
// The cell is the number of these bounds that x reaches or passes.
constexpr std::array<int, 28> kCellBounds = {
    422, 428, 434, 441, 447, 453, 460, 466, 472, 478, 485, 491, 497, 503,
    510, 516, 522, 528, 535, 541, 547, 553, 560, 566, 572, 578, 585, 591,
};

int scaledBound(int bound, double dpiScale, double clientSize, double designSize) {
    if (!(dpiScale > 1.0)) return bound;
    return static_cast<int>(bound * clientSize / designSize + 0.5);
}

int scaledX(int bound, const FormScale& scale) {
    return scaledBound(bound, scale.dpiScaleX, scale.clientWidth, kDesignWidth);
}

int scaledY(int bound, const FormScale& scale) {
    return scaledBound(bound, scale.dpiScaleY, scale.clientHeight, kDesignHeight);
}

bool insideDisplayRows(int y, const FormScale& scale) {
    return y > scaledY(kDisplaysTop, scale) && y < scaledY(kDisplaysBottom, scale);
}

}  // namespace

std::optional<int> hitThresholdArea(int x, int y, const FormScale& scale) {
    if (!insideDisplayRows(y, scale)) return {};
    if (x <= scaledX(kLevelLeft, scale) || x >= scaledX(kLevelRight, scale)) return {};
    const int top = scaledY(kDisplaysTop, scale);
    const int span = scaledY(kThresholdSpan, scale);
    if (span <= 0) return {};
    return -((y - top) * 90 / span);
}

std::optional<int> hitSpectrumCell(int x, int y, const FormScale& scale) {
    if (!insideDisplayRows(y, scale)) return {};
    if (x < scaledX(kSpectrumLeft, scale) || x > scaledX(kSpectrumRight, scale)) return {};
    int cell = 0;
    for (const int bound : kCellBounds) {
        if (x >= scaledX(bound, scale)) ++cell;
    }
    return cell;
}

}  // namespace qs::rx
