#pragma once
// A drawing surface for the level and spectrum displays (a static control's
// device context on Windows). Coordinates are client pixels, y downwards.

namespace qs::rx {

enum class DisplayPen {
    Grid,    // grey (100, 100, 100), dotted, 1 pixel
    Marker,  // red, solid, 1 pixel: threshold line and tone marker
    Trace,   // green, solid, 1 pixel: level and spectrum traces
};

class DisplayCanvas {
public:
    virtual ~DisplayCanvas() = default;
    virtual int width() const = 0;   // client width w
    virtual int height() const = 0;  // client height h
    virtual void fillBlack() = 0;    // the whole client rectangle
    virtual void line(DisplayPen pen, int x0, int y0, int x1, int y1) = 0;
};

// A canvas of a given size that draws nothing: paces the level sweep (and
// with it the automatic threshold) where there is no screen.
class BlindCanvas : public DisplayCanvas {
public:
    BlindCanvas(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    void fillBlack() override {}
    void line(DisplayPen, int, int, int, int) override {}

private:
    int width_;
    int height_;
};

}  // namespace qs::rx
