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

}  // namespace qs::ui
