#pragma once
// Where a left click on the form picks a threshold in the level display or a
// tone bin in the spectrum display. Bounds are in the form's design
// coordinates (1085 x 375) and follow the client area on screens of more than
// 96 dots per inch.

#include <optional>

namespace qs::rx {

struct FormScale {
    double dpiScaleX = 1.0;  // pixels per logical inch / 96
    double dpiScaleY = 1.0;
    double clientWidth = 1085.0;  // pixels
    double clientHeight = 375.0;
};

// The threshold in dB (0..-90) for a click inside the level display.
std::optional<int> hitThresholdArea(int x, int y, const FormScale& scale);

// The cell 0..28 (bin = first shown bin + cell) for a click inside the
// spectrum display.
std::optional<int> hitSpectrumCell(int x, int y, const FormScale& scale);

}  // namespace qs::rx
