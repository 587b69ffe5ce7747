#include "rx/spectrum_display.h"

#include "rx/level_db.h"
#include "rx/level_display.h"

namespace qs::rx {

void SpectrumDisplay::drawSpectrum(const SpectrumMagnitudes& magnitudes, int toneIndex,
                                   bool upperScale) {
    const int w = canvas_.width();
    const int h = canvas_.height();
    const int first = firstShownBin(upperScale);

    canvas_.fillBlack();
    canvas_.line(DisplayPen::Grid, w, 0, w, h);
    for (int k = 1; k <= 5; ++k) {
        const int y = k * (h - 1) / 6;
        canvas_.line(DisplayPen::Grid, 0, y, w, y);
    }
    // Every fourth bin, under the scale labels.
    for (int k = 1; k <= 6; ++k) {
        const int x = k * w / 7;
        canvas_.line(DisplayPen::Grid, x, 0, x, h - 1);
    }

    const int markerX = binX(toneIndex, first, w);
    canvas_.line(DisplayPen::Marker, markerX, 0, markerX, h);

    // The trace starts at the left edge and joins the 29 bins.
    int prevX = 0;
    int prevY = LevelDisplay::levelY(levelDb(magnitudes[first], kSpectrumSize), h);
    for (int b = first + 1; b < first + kShownBins; ++b) {
        const int x = binX(b, first, w);
        const int y = LevelDisplay::levelY(levelDb(magnitudes[b], kSpectrumSize), h);
        canvas_.line(DisplayPen::Trace, prevX, prevY, x, y);
        prevX = x;
        prevY = y;
    }
}

}  // namespace qs::rx
