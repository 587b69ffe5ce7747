#include "ui/form_scroll.h"

#include <algorithm>

namespace qs::ui {

int ScrollAxis::clamped(int wanted) const {
    return std::clamp(wanted, 0, maxPosition());
}

int ScrollAxis::target(ScrollRequest request, int thumb) const {
    const int page = std::max(clientExtent - kScrollLinePixels, kScrollLinePixels);
    switch (request) {
        case ScrollRequest::LineBack:
            return clamped(position - kScrollLinePixels);
        case ScrollRequest::LineForward:
            return clamped(position + kScrollLinePixels);
        case ScrollRequest::PageBack:
            return clamped(position - page);
        case ScrollRequest::PageForward:
            return clamped(position + page);
        case ScrollRequest::ToStart:
            return 0;
        case ScrollRequest::ToEnd:
            return maxPosition();
        case ScrollRequest::ToThumb:
            return clamped(thumb);
    }
    return position;
}

ScrollLayout scrollLayout(int windowWidth, int windowHeight, int formWidth, int formHeight,
                          int verticalBarWidth, int horizontalBarHeight) {
    ScrollLayout layout{windowWidth, windowHeight};
    for (int pass = 0; pass < 2; ++pass) {
        layout.horizontalBar = layout.clientWidth < formWidth;
        layout.verticalBar = layout.clientHeight < formHeight;
        layout.clientWidth = windowWidth - (layout.verticalBar ? verticalBarWidth : 0);
        layout.clientHeight = windowHeight - (layout.horizontalBar ? horizontalBarHeight : 0);
    }
    return layout;
}

}  // namespace qs::ui
