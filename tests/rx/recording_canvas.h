#pragma once
// A display canvas that records what is drawn on it.

#include <vector>

#include "rx/display_canvas.h"

namespace qs::rx {

struct DrawnLine {
    DisplayPen pen;
    int x0, y0, x1, y1;
    bool operator==(const DrawnLine& o) const {
        return pen == o.pen && x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
    }
};

struct RecordingCanvas : BlindCanvas {
    using BlindCanvas::BlindCanvas;
    void fillBlack() override { ++fills; }
    void line(DisplayPen pen, int x0, int y0, int x1, int y1) override {
        lines.push_back({pen, x0, y0, x1, y1});
    }
    std::vector<DrawnLine> linesOf(DisplayPen pen) const {
        std::vector<DrawnLine> out;
        for (const auto& l : lines) {
            if (l.pen == pen) out.push_back(l);
        }
        return out;
    }

    int fills = 0;
    std::vector<DrawnLine> lines;
};

}  // namespace qs::rx
