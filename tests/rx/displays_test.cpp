#include <gtest/gtest.h>

#include "rx/level_display.h"
#include "rx/spectrum_display.h"
#include "tests/rx/recording_canvas.h"

namespace qs::rx {
namespace {

using Pen = DisplayPen;

TEST(LevelDisplay, WrapDrawsGridAndThresholdLine) {
    RecordingCanvas canvas(150, 55);
    LevelDisplay display(canvas);
    ASSERT_TRUE(display.wrapDue());  // starts at 200
    display.beginSweep();
    display.finishSweep(-45);
    EXPECT_EQ(canvas.fills, 1);
    const std::vector<DrawnLine> expected = {
        {Pen::Grid, 0, 9, 150, 9},   {Pen::Grid, 0, 18, 150, 18},  {Pen::Grid, 0, 27, 150, 27},
        {Pen::Grid, 0, 36, 150, 36}, {Pen::Grid, 0, 45, 150, 45},  {Pen::Grid, 37, 0, 37, 54},
        {Pen::Grid, 75, 0, 75, 54},  {Pen::Grid, 112, 0, 112, 54}, {Pen::Marker, 0, 27, 150, 27},
    };  // -45 dB on 55 pixels: y = 27
    EXPECT_EQ(canvas.lines, expected);
}

TEST(LevelDisplay, TracePlotsEverySecondHopAndAdvancesOnePixel) {
    RecordingCanvas canvas(150, 91);  // y = -level
    LevelDisplay display(canvas);
    display.finishSweep(-45);
    canvas.lines.clear();
    for (int level : {-10, -20, -30, -40, -50, -60}) display.plot(level);
    const std::vector<DrawnLine> expected = {
        {Pen::Trace, 0, 0, 1, 30},  // from the previous sweep's last y (0 at start)
        {Pen::Trace, 1, 30, 2, 50},
    };
    EXPECT_EQ(canvas.lines, expected);
    EXPECT_EQ(display.levelX(), 3);
}

TEST(SpectrumDisplay, ToneMarkerOnBothScales) {
    RecordingCanvas canvas(140, 55);
    SpectrumDisplay display(canvas);
    display.drawSpectrum(SpectrumMagnitudes{}, 28, false);
    EXPECT_EQ(canvas.fills, 1);
    const auto grid = canvas.linesOf(Pen::Grid);
    ASSERT_EQ(grid.size(), 12u);
    EXPECT_EQ(grid[0], (DrawnLine{Pen::Grid, 140, 0, 140, 55}));
    EXPECT_EQ(grid[11], (DrawnLine{Pen::Grid, 120, 0, 120, 54}));
    EXPECT_EQ(canvas.linesOf(Pen::Marker).back(), (DrawnLine{Pen::Marker, 100, 0, 100, 55}));
    display.drawSpectrum(SpectrumMagnitudes{}, 28, true);
    EXPECT_EQ(canvas.linesOf(Pen::Marker).back(), (DrawnLine{Pen::Marker, 60, 0, 60, 55}));
}

TEST(SpectrumDisplay, TraceJoinsTheShownBinsFromTheLeftEdge) {
    RecordingCanvas canvas(150, 91);
    SpectrumDisplay display(canvas);
    SpectrumMagnitudes magnitudes{};
    const double fullScale = 512.0 * 32768.0;
    magnitudes[16] = fullScale;           // first shown bin: 0 dB
    magnitudes[17] = fullScale * 0.0099;  // -40.09 dB: -40
    magnitudes[44] = fullScale * 0.099;   // last shown bin: -20
    magnitudes[45] = fullScale;           // not shown
    display.drawSpectrum(magnitudes, 30, true);
    const auto trace = canvas.linesOf(Pen::Trace);
    ASSERT_EQ(trace.size(), 28u);
    EXPECT_EQ(trace[0], (DrawnLine{Pen::Trace, 0, 0, 5, 40}));  // 150 / 28 = 5
    EXPECT_EQ(trace[1], (DrawnLine{Pen::Trace, 5, 40, 10, 90}));
    EXPECT_EQ(trace[27], (DrawnLine{Pen::Trace, 144, 90, 150, 20}));
}

}  // namespace
}  // namespace qs::rx
