#pragma once
// The spectrum display: the block spectrum over the 29 shown tone bins as a
// green trace, with the selected tone as a red marker. Redrawn completely
// for every block.

#include "rx/display_canvas.h"
#include "rx/receive_constants.h"
#include "rx/tone_detector.h"

namespace qs::rx {

// First bin shown: 16 on the upper scale, 8 on the lower one.
constexpr int firstShownBin(bool upperScale) { return upperScale ? 16 : 8; }

class SpectrumDisplay {
public:
    explicit SpectrumDisplay(DisplayCanvas& canvas) : canvas_(canvas) {}

    void drawSpectrum(const SpectrumMagnitudes& magnitudes, int toneIndex, bool upperScale);

    // x of a bin on a display w pixels wide.
    static int binX(int bin, int first, int width) { return (bin - first) * width / 28; }

private:
    DisplayCanvas& canvas_;
};

}  // namespace qs::rx
