#pragma once
// Scrolling of the form inside a client area that is smaller than the form
// (the frame opens at its stored size, which need not fit the form). Each
// axis scrolls on its own; positions are form pixels at the client's left or
// top edge.

namespace qs::ui {

enum class ScrollRequest {
    LineBack,
    LineForward,
    PageBack,
    PageForward,
    ToStart,
    ToEnd,
    ToThumb,  // dragged to a position
};

struct ScrollAxis {
    int formExtent = 0;    // pixels
    int clientExtent = 0;  // pixels
    int position = 0;      // 0 .. maxPosition()

    int maxPosition() const { return formExtent > clientExtent ? formExtent - clientExtent : 0; }
    bool scrolls() const { return maxPosition() > 0; }
    // The position kept within range, e.g. after the client area grew.
    int clamped(int wanted) const;
    // Where a scroll-bar request leads; `thumb` is used by ToThumb.
    int target(ScrollRequest request, int thumb) const;
};

inline constexpr int kScrollLinePixels = 20;

// The client area of a window of a given outer size once it shows the
// scroll bars the form needs: a bar takes room from the other direction,
// which may then need its own bar too.
struct ScrollLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    bool horizontalBar = false;
    bool verticalBar = false;
};

ScrollLayout scrollLayout(int windowWidth, int windowHeight, int formWidth, int formHeight,
                          int verticalBarWidth, int horizontalBarHeight);

}  // namespace qs::ui
